#!/usr/bin/env bash
# The licence notices of the MinGW-w64 runtime that quoriam.exe links statically, as the
# runtime's own source carries them: COPYING.MinGW-w64-runtime.txt (the C runtime: every
# notice that a program linked with it must ship) and winpthreads-COPYING.txt (the POSIX
# threads library that GCC's posix threads model, and so Qt, uses). Taken from Debian's
# mingw-w64 source package of the installed version (debian-source.sh) and kept in
#
#   ${XDG_CACHE_HOME:-~/.cache}/quoriam/mingw-w64-<version>-licenses
#
# Prints that folder as the last line of its output.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
say() { printf '[mingw-w64] %s\n' "$*" >&2; }
die() {
    say "error: $*"
    exit 1
}
. "$here/debian-source.sh"

version=$(dpkg-query -W -f='${source:Version}' mingw-w64-x86-64-dev) ||
    die "mingw-w64-x86-64-dev is not installed (sh tools/install-deps.sh --windows)"
cache=${XDG_CACHE_HOME:-$HOME/.cache}/quoriam
dir="$cache/mingw-w64-$version-licenses"
files="COPYING.MinGW-w64-runtime.txt winpthreads-COPYING.txt"

complete() {
    local f
    for f in $files; do [ -s "$dir/$f" ] || return 1; done
}
if ! complete; then
    mkdir -p "$cache"
    # One fetch at a time: a second caller waits for the first.
    exec 9>"$dir.lock"
    flock 9
fi
if ! complete; then
    work="$dir.work"
    rm -rf "$work" "$dir"
    mkdir -p "$work"
    say "fetching the licences from Debian's mingw-w64 $version source"
    debian_source "$work" "mingw-w64=$version" --download-only
    orig=$(find "$work" -maxdepth 1 -name "mingw-w64_*.orig.tar.*" ! -name "*.asc" | head -n 1)
    [ -n "$orig" ] || die "no mingw-w64 source archive was fetched"
    tar -xf "$orig" -C "$work" --wildcards --no-wildcards-match-slash \
        '*/COPYING.MinGW-w64-runtime/COPYING.MinGW-w64-runtime.txt' \
        '*/mingw-w64-libraries/winpthreads/COPYING'
    mkdir -p "$dir.partial"
    cp "$work"/*/COPYING.MinGW-w64-runtime/COPYING.MinGW-w64-runtime.txt "$dir.partial/"
    cp "$work"/*/mingw-w64-libraries/winpthreads/COPYING "$dir.partial/winpthreads-COPYING.txt"
    mv "$dir.partial" "$dir"
    rm -rf "$work"
fi
printf '%s\n' "$dir"
