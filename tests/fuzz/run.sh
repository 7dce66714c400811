#!/usr/bin/env bash
# Builds the textToInt32 fuzz target and runs it for a while; exits non-zero on any finding.
#
#   tests/fuzz/run.sh [seconds]      (default 60)
#
# Needs clang and the libFuzzer/sanitizer runtimes: on Debian 12 the packages clang and
# libclang-rt-14-dev. They are installed here when missing.
set -euo pipefail

seconds="${1:-60}"
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
out="$root/build-fuzz"

packages=(clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if ((${#missing[@]})); then
    sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

mkdir -p "$out"
clang++ -std=c++20 -g -O1 -fno-omit-frame-pointer \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -Wall -Wextra -Wpedantic -Werror \
    -I "$root" \
    "$root/platform/TextToInteger.cpp" "$here/reference_texttointeger.cpp" \
    "$here/fuzz_texttointeger.cpp" \
    -o "$out/fuzz_texttointeger"

# libFuzzer adds what it finds to the corpus directory: work on a copy of the seeds.
corpus="$out/corpus"
rm -rf "$corpus"
mkdir -p "$corpus" "$out/artifacts"
cp "$here"/corpus/* "$corpus"/

# Tokens of the number grammar, so that mutations build well-formed texts more often.
cat >"$out/texttointeger.dict" <<'DICT'
"."
","
".000"
"e"
"E"
"e-"
"E+"
"+"
"-"
" "
"\x09"
"0"
"5"
"9"
"0.5"
"000000000"
"999999999"
"2147483647"
"2147483648"
"e999999999999999999"
DICT

"$out/fuzz_texttointeger" "$corpus" \
    -dict="$out/texttointeger.dict" \
    -max_total_time="$seconds" \
    -artifact_prefix="$out/artifacts/" \
    -print_final_stats=1
