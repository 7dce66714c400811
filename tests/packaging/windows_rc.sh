#!/usr/bin/env bash
# The Windows resource script (compiled only on Windows): its icon is there, at the sizes
# Windows asks for, and its version information is the project's version.
# Usage: windows_rc.sh RC_FILE VERSION
set -u
RC=${1:?usage: windows_rc.sh RC_FILE VERSION}
VERSION=${2:?usage: windows_rc.sh RC_FILE VERSION}
. "$(dirname "$0")/checks.sh"

[ -f "$RC" ] || fail "no resource script at $RC"
IFS=. read -r major minor patch <<<"$VERSION"
numeric="${major},${minor},${patch:-0},0"
dotted="${major}.${minor}.${patch:-0}.0"

# The icon path is relative to the resource script.
icon=$(sed -n 's/^IDI_ICON1[[:space:]]\{1,\}ICON[[:space:]]\{1,\}"\([^"]*\)".*/\1/p' "$RC")
[ -n "$icon" ] || fail "no IDI_ICON1 ICON line in $RC"
ico="$(dirname "$RC")/$icon"
[ -f "$ico" ] || fail "IDI_ICON1 names $icon, which is not there ($ico)"
# An .ico file starts with reserved 0, type 1.
[ "$(od -An -tu1 -N4 "$ico" | tr -s ' ')" = " 0 0 1 0" ] || fail "$icon is not a Windows icon file"
ok "IDI_ICON1 is $icon"

# The sizes Windows asks for, 32 bits each; from 256 pixels on a PNG, below it a DIB of that
# size (its height doubled for the mask). u16/u32 AT: little-endian numbers of the file.
u16() { od -An -tu2 -j "$1" -N2 "$ico" | tr -d ' '; }
u32() { od -An -tu4 -j "$1" -N4 "$ico" | tr -d ' '; }
sizes=""
for ((i = 0; i < $(u16 4); i++)); do
    entry=$((6 + 16 * i))
    read -r width height <<<"$(od -An -tu1 -j "$entry" -N2 "$ico")"
    size=$((width == 0 ? 256 : width))
    [ "$height" = "$width" ] || fail "$icon: image $i is ${width}x$height, not square"
    [ "$(u16 $((entry + 6)))" = 32 ] || fail "$icon: the ${size}-pixel image is not 32 bits"
    offset=$(u32 $((entry + 12)))
    if [ "$size" -ge 256 ]; then
        [ "$(od -An -tx1 -j "$offset" -N4 "$ico" | tr -d ' ')" = 89504e47 ] ||
            fail "$icon: the ${size}-pixel image is not PNG"
    else
        [ "$(u32 "$offset") $(u32 $((offset + 4))) $(u32 $((offset + 8))) $(u16 $((offset + 14)))" = \
            "40 $size $((2 * size)) 32" ] || fail "$icon: the ${size}-pixel image's header does not match"
    fi
    sizes="$sizes $size"
done
[ "$sizes" = " 16 20 24 32 40 48 64 256" ] || fail "$icon holds the sizes$sizes"
ok "$icon: 32-bit images of$sizes pixels, the largest PNG"

for key in FILEVERSION PRODUCTVERSION; do
    got=$(sed -n "s/^${key}[[:space:]]\{1,\}//p" "$RC" | tr -d ' \r')
    [ "$got" = "$numeric" ] || fail "$key is '$got', expected $numeric"
done
for key in FileVersion ProductVersion; do
    got=$(sed -n "s/.*VALUE \"$key\", \"\([^\"]*\)\".*/\1/p" "$RC")
    [ "$got" = "$dotted" ] || fail "\"$key\" is '$got', expected $dotted"
done
ok "version information $dotted matches the project's $VERSION"
