#!/usr/bin/env bash
# The zip for Windows users: quoriam.exe with the read-me, every licence (CR LF, each
# named in the read-me) and the source archive, no DLL, and an exe that imports only
# Windows' own DLLs and carries its icon, version and manifest. The source archive
# unpacks to a tree that configures (with the host's own Qt) and makes the same archive
# again. Beside the zip, the source of its Qt.
# Usage: zip.sh ZIP VERSION OBJDUMP QT_SOURCE_ARCHIVE
set -u
ZIP=${1:?usage: zip.sh ZIP VERSION OBJDUMP QT_SOURCE_ARCHIVE}
VERSION=${2:?usage: zip.sh ZIP VERSION OBJDUMP QT_SOURCE_ARCHIVE}
OBJDUMP=${3:?usage: zip.sh ZIP VERSION OBJDUMP QT_SOURCE_ARCHIVE}
QT_SOURCE=${4:?usage: zip.sh ZIP VERSION OBJDUMP QT_SOURCE_ARCHIVE}
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
    licenses/qt/GPL-3.0-only.txt licenses/qt/qt6-base-copyright.txt licenses/qt/qt6-base-source.txt \
    licenses/mingw-w64/COPYING.MinGW-w64-runtime.txt licenses/mingw-w64/winpthreads-COPYING.txt \
    licenses/gcc/gcc-copyright.txt; do
    [ -s "$top/$f" ] || fail "the zip lacks $f"
done
for font in "$(dirname "$0")"/../../resources/fonts/*-OFL.txt; do
    tr -d '\r' <"$top/licenses/fonts/$(basename "$font")" 2>/dev/null | cmp -s "$font" - ||
        fail "the zip lacks the font licence $(basename "$font")"
done
grep -q "Quoriam $VERSION for Windows" "$top/README.txt" || fail "README.txt is not about version $VERSION"
[ "$(sed -n 2p "$top/README.txt" | tr -d '\r')" = "$(sed -n 1p "$top/README.txt" | tr -d '\r' | tr '[:print:]' =)" ] ||
    fail "README.txt's title is not underlined to its length"
grep -q "$source_archive" "$top/README.txt" || fail "README.txt does not name $source_archive"
grep -q "@[A-Z_]*@" "$top/README.txt" && fail "README.txt has unfilled fields: $(grep -o '@[A-Z_]*@' "$top/README.txt")"
[ -z "$(find "$top" -iname '*.dll')" ] || fail "the zip holds DLLs: $(find "$top" -iname '*.dll')"
ok "$(basename "$ZIP"): quoriam.exe, README.txt, LICENSE.txt, the licences of the fonts, Qt, MinGW-w64 and GCC, no DLL"

# Every text ends its lines in CR LF; every licence is named in the read-me; every licence
# text that a record names as /usr/share/common-licenses/NAME is there.
for f in "$top"/*.txt $(find "$top/licenses" -type f); do
    grep -qv $'\r$' "$f" && fail "${f#"$top"/} has lines that do not end in CR LF"
    case $f in "$top/licenses/"*) grep -qF "$(basename "$f")" "$top/README.txt" ||
        fail "README.txt does not name ${f#"$top"/}" ;; esac
    for name in $(grep -o "/usr/share/common-licenses/[A-Za-z0-9.+-]*[A-Za-z0-9+]" "$f" | sort -u); do
        [ -s "$top/licenses/common/$(basename "$(realpath "$name")").txt" ] ||
            fail "${f#"$top"/} names $name, which licenses/common/ lacks"
    done
done
ok "every text has CR LF line ends, every licence is named in README.txt, every licence named is there"

# The exact source of the Qt that the exe links, beside the zip, named in the read-me.
grep -qF "$(basename "$QT_SOURCE")" "$top/README.txt" || fail "README.txt does not name $(basename "$QT_SOURCE")"
[ "$(dirname "$(realpath "$QT_SOURCE")")" = "$(dirname "$ZIP")" ] || fail "$QT_SOURCE is not beside the zip"
tar -tJf "$QT_SOURCE" >"$tmp/qt.list" 2>/dev/null || fail "$(basename "$QT_SOURCE") is no xz-compressed tar"
for f in configure debian/changelog debian/patches/series HOW-QUORIAM-BUILT-THIS.txt mingw-w64-x86_64.cmake; do
    grep -q "^qt6-base-[^/]*/$f$" "$tmp/qt.list" || fail "$(basename "$QT_SOURCE") lacks $f"
done
ok "$(basename "$QT_SOURCE") beside the zip: Debian's qt6-base source, $(wc -l <"$tmp/qt.list") names"

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

# The resources (objdump's listing of the resource directory): "id rva size" of each of
# a type, and the bytes of one.
resources()
{
    awk -v type="0x$(printf %06x "$1")" '{ gsub(",", "") } /^[0-9a-f]+   Entry: / { m = $4 == type }
        m && /^[0-9a-f]+     Entry: / { id = $4 } m && /Leaf:/ { print id, $4, $6 }' "$tmp/headers"
}
read -r rsrc_vma rsrc_offset <<<"$("$OBJDUMP" -h "$exe" | awk '$2 == ".rsrc" { print $4, $6 }')"
image_base=0x$(sed -n 's/^ImageBase[[:space:]]*//p' "$tmp/headers")
resource_bytes() { tail -c +$(($1 + image_base - 0x$rsrc_vma + 0x$rsrc_offset + 1)) "$exe" | head -c $(($2)); }

# The version information (type 16), with the project's version in it.
[ "$(resources 16 | wc -l)" = 1 ] || fail "quoriam.exe has no version information"
strings -el "$exe" | grep -qx "$VERSION.0" || fail "quoriam.exe's version information does not say $VERSION.0"
# The icon: one group (type 14) whose directory is that of resources/quoriam.ico (sizes,
# bits, bytes), its images (type 3) the icon's; the largest a 256-pixel PNG.
ico="$(dirname "$0")/../../resources/quoriam.ico"
read -r _ rva size <<<"$(resources 14)"
[ "$(resources 14 | wc -l)" = 1 ] || fail "quoriam.exe has $(resources 14 | wc -l) icon groups, not 1"
resource_bytes "$rva" "$size" >"$tmp/group"
count=$(od -An -tu2 -j4 -N2 "$ico" | tr -d ' ')
for ((i = 0; i < count; i++)); do
    [ "$(od -An -tx1 -j $((6 + 14 * i)) -N12 "$tmp/group")" = "$(od -An -tx1 -j $((6 + 16 * i)) -N12 "$ico")" ] ||
        fail "quoriam.exe's icon image $i is not resources/quoriam.ico's"
done
[ "$(resources 3 | wc -l)" = "$count" ] || fail "quoriam.exe has $(resources 3 | wc -l) icon images, not $count"
read -r _ rva size <<<"$(resources 3 | tail -n 1)"
resource_bytes "$rva" "$size" | file - | grep -q "PNG image data, 256 x 256, 8-bit/color RGBA" ||
    fail "quoriam.exe's last icon image is not a 256-pixel PNG: $(resource_bytes "$rva" "$size" | file -)"
ok "quoriam.exe carries its version $VERSION.0 and its icon of $count images, the largest a 256-pixel PNG"

# The manifest: the one resource of type 24, with id 1, is quoriam.manifest byte for byte
# (a default manifest of the toolchain would have replaced or doubled it).
[ "$(resources 24 | cut -d' ' -f1 | tr '\n' ' ')" = "0x000001 " ] ||
    fail "quoriam.exe has these manifests: $(resources 24)"
read -r _ rva size <<<"$(resources 24)"
resource_bytes "$rva" "$size" | cmp -s - "$(dirname "$0")/../../packaging/windows/quoriam.manifest" ||
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
