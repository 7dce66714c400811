#!/usr/bin/env bash
# Validates one of the desktop-integration files with the freedesktop tools; any message
# other than a pedantic hint fails the test, not only an error.
# Usage: validate.sh desktop FILE.desktop | validate.sh metainfo FILE.metainfo.xml
set -u

kind=${1:?usage: validate.sh desktop|metainfo FILE}
file=${2:?usage: validate.sh desktop|metainfo FILE}
name=$(basename "$0" .sh)

fail()
{
    printf '[%s] FAIL: %s\n' "$name" "$*" >&2
    exit 1
}

[ -f "$file" ] || fail "no file at '$file'"

case $kind in
desktop)
    command -v desktop-file-validate >/dev/null ||
        fail "desktop-file-validate is not installed (tools/install-deps.sh --test installs it)"
    out=$(desktop-file-validate "$file" 2>&1)
    status=$?
    [ -n "$out" ] && printf '%s\n' "$out"
    [ "$status" -eq 0 ] || fail "desktop-file-validate rejects $file (status $status)"
    # Warnings and hints leave the status 0; they are faults here all the same.
    [ -z "$out" ] || fail "desktop-file-validate reports problems in $file"
    ;;
metainfo)
    command -v appstreamcli >/dev/null ||
        fail "appstreamcli is not installed (tools/install-deps.sh --test installs appstream)"
    # --strict: infos and warnings fail too; --pedantic only shows the pedantic hints.
    appstreamcli validate --no-net --strict --pedantic --explain "$file" ||
        fail "appstreamcli rejects $file"
    ;;
*)
    fail "unknown kind '$kind' (desktop or metainfo)"
    ;;
esac
printf '[%s] ok: %s\n' "$name" "$file"
