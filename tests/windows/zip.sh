#!/usr/bin/env bash
# The zip for Windows users: quoriam.exe with the read-me, every licence and the source
# archive, no DLL, and an exe that imports only Windows' own DLLs and carries its icon,
# version and manifest. The source archive unpacks to a tree that configures (with the
# host's own Qt) and makes the same archive again.
# Usage: zip.sh ZIP VERSION OBJDUMP
set -u
ZIP=${1:?usage: zip.sh ZIP VERSION OBJDUMP}
VERSION=${2:?usage: zip.sh ZIP VERSION OBJDUMP}
OBJDUMP=${3:?usage: zip.sh ZIP VERSION OBJDUMP}
. "$(dirname "$0")/../packaging/checks.sh"

# DLLs that every Windows 10 has in System32, besides its API sets (api-ms-win-*).
SYSTEM_DLLS="advapi32 authz comctl32 comdlg32 crypt32 d3d11 d3d12 d3d9 dwmapi dwrite dxgi
gdi32 imm32 kernel32 msvcrt netapi32 ntdll ole32 oleaut32 setupapi shcore shell32 shlwapi
user32 userenv uxtheme version winmm ws2_32 wtsapi32"

[ -f "$ZIP" ] || fail "no zip at $ZIP (make windows)"
ZIP=$(realpath "$ZIP")
tmp=$(mktemp -d "${TMPDIR:-/tmp}/quoriam-zip.XXXXXX") || exit 1
trap 'rm -rf "$tmp"' EXIT
(cd "$tmp" && cmake -E tar xf "$ZIP") || fail "cannot unpack $ZIP"

top="$tmp/$(basename "$ZIP" .zip)"
[ -d "$top" ] || fail "the zip does not unpack into $(basename "$top")/"
source_archive=quoriam-$VERSION-source.tar.gz
for f in quoriam.exe README.txt LICENSE.txt "$source_archive" licenses/qt/LGPL-3.0-only.txt \
    licenses/qt/GPL-3.0-only.txt licenses/qt/qt6-base-copyright.txt; do
    [ -s "$top/$f" ] || fail "the zip lacks $f"
done
for font in "$(dirname "$0")"/../../resources/fonts/*-OFL.txt; do
    cmp -s "$font" "$top/licenses/fonts/$(basename "$font")" ||
        fail "the zip lacks the font licence $(basename "$font")"
done
grep -q "Quoriam $VERSION for Windows" "$top/README.txt" || fail "README.txt is not about version $VERSION"
grep -q "$source_archive" "$top/README.txt" || fail "README.txt does not name $source_archive"
grep -q "@[A-Z_]*@" "$top/README.txt" && fail "README.txt has unfilled fields: $(grep -o '@[A-Z_]*@' "$top/README.txt")"
[ -z "$(find "$top" -iname '*.dll')" ] || fail "the zip holds DLLs: $(find "$top" -iname '*.dll')"
ok "$(basename "$ZIP"): quoriam.exe, README.txt, LICENSE.txt, the fonts' and Qt's licences, no DLL"

exe="$top/quoriam.exe"
"$OBJDUMP" -p "$exe" >"$tmp/headers" || fail "$OBJDUMP cannot read quoriam.exe"
grep -q "^Subsystem.*(Windows GUI)" "$tmp/headers" || fail "quoriam.exe is not a windowed program"
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' "$tmp/headers" | tr 'A-Z' 'a-z' | sort -u)
[ -n "$imports" ] || fail "quoriam.exe imports no DLL at all: $OBJDUMP did not list them"
for dll in $imports; do
    case $dll in
    api-ms-win-*) continue ;;
    esac
    case " $(echo $SYSTEM_DLLS) " in
    *" ${dll%.dll} "*) ;;
    *) fail "quoriam.exe needs $dll, which Windows does not have" ;;
    esac
done
ok "quoriam.exe imports only Windows' own DLLs: $(echo $imports)"

# The resources: an icon group (type 14) and the version information (type 16), with
# the project's version in it.
grep -q "Entry: ID: 0x00000e" "$tmp/headers" || fail "quoriam.exe has no icon"
grep -q "Entry: ID: 0x000010" "$tmp/headers" || fail "quoriam.exe has no version information"
strings -el "$exe" | grep -qx "$VERSION.0" || fail "quoriam.exe's version information does not say $VERSION.0"
ok "quoriam.exe carries its icon and version $VERSION.0"

# The manifest: the one resource of type 24 (0x18), with id 1, is quoriam.manifest byte for
# byte (a default manifest of the toolchain would have replaced or doubled it).
read -r count id rva size <<<"$(awk '{ gsub(",", "") } /^[0-9a-f]+   Entry: / { m = /ID: 0x000018/ }
    m && /^[0-9a-f]+     Entry: / { id = $4 } m && /Leaf:/ { n++; rva = $4; size = $6 }
    END { print n + 0, id, rva, size }' "$tmp/headers")"
[ "$count $id" = "1 0x000001" ] || fail "quoriam.exe has $count manifests, the last with id $id"
start=$((0x$(sed -n 's/^ImageBase[[:space:]]*//p' "$tmp/headers") + rva))
"$OBJDUMP" -s -j .rsrc --start-address=$start --stop-address=$((start + size)) "$exe" |
    awk '/^ [0-9a-f]+ / { for (i = 2; i <= 5 && $i ~ /^[0-9a-f]+$/; i++) printf "%s", $i }' |
    sed 's/../\\x&/g' | xargs -0 printf '%b' | head -c $((size)) |
    cmp -s - "$(dirname "$0")/../../packaging/windows/quoriam.manifest" ||
    fail "quoriam.exe's manifest is not packaging/windows/quoriam.manifest"
ok "quoriam.exe carries packaging/windows/quoriam.manifest (resource 24, id 1)"

# The source archive: every name under quoriam-<version>/; configured by the host's CMake
# (and Qt) and built again from the unpacked tree, outside git, it is the same archive.
tar -tzf "$top/$source_archive" >"$tmp/source.list" || fail "$source_archive is no gzipped tar"
grep -v "^quoriam-$VERSION/" "$tmp/source.list" && fail "$source_archive has names outside quoriam-$VERSION/"
mkdir "$tmp/source" && tar -xzf "$top/$source_archive" -C "$tmp/source" || fail "cannot unpack $source_archive"
{ cmake -S "$tmp/source/quoriam-$VERSION" -B "$tmp/configured" &&
    cmake --build "$tmp/configured" --target quoriam_source_archive; } >"$tmp/log" 2>&1 ||
    fail "the unpacked source does not configure and make its archive: $(tail -n 5 "$tmp/log")"
cmp -s "$tmp/configured/$source_archive" "$top/$source_archive" ||
    fail "the archive made again from the unpacked source differs from $source_archive"
ok "$source_archive: $(wc -l <"$tmp/source.list") files under quoriam-$VERSION/, which configure and make the same archive again"
