#!/usr/bin/env bash
# The Windows resource script (compiled only on Windows): its icon is there and its
# version information is the project's version.
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

for key in FILEVERSION PRODUCTVERSION; do
    got=$(sed -n "s/^${key}[[:space:]]\{1,\}//p" "$RC" | tr -d ' \r')
    [ "$got" = "$numeric" ] || fail "$key is '$got', expected $numeric"
done
for key in FileVersion ProductVersion; do
    got=$(sed -n "s/.*VALUE \"$key\", \"\([^\"]*\)\".*/\1/p" "$RC")
    [ "$got" = "$dotted" ] || fail "\"$key\" is '$got', expected $dotted"
done
ok "version information $dotted matches the project's $VERSION"
