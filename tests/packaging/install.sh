#!/usr/bin/env bash
# Installs the build into a fresh DESTDIR with prefix /usr, as a distribution package
# would, and checks what lands there: the program, the desktop entry, the icon at each of
# its five sizes (the PNG's real size matching its directory), the AppStream metainfo and
# the licences, and that these files name each other consistently.
# Usage: install.sh CMAKE BUILD_DIR VERSION DESKTOP_ID
set -u

CMAKE=${1:?usage: install.sh CMAKE BUILD_DIR VERSION DESKTOP_ID}
BUILD=${2:?usage: install.sh CMAKE BUILD_DIR VERSION DESKTOP_ID}
VERSION=${3:?usage: install.sh CMAKE BUILD_DIR VERSION DESKTOP_ID}
ID=${4:?usage: install.sh CMAKE BUILD_DIR VERSION DESKTOP_ID}
. "$(dirname "$0")/checks.sh"

TMP=$(mktemp -d "${TMPDIR:-/tmp}/quoriam-install.XXXXXX") || exit 1
trap 'rm -rf "$TMP"' EXIT

DESTDIR="$TMP/root" "$CMAKE" --install "$BUILD" --prefix /usr >"$TMP/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$TMP/install.log")"
ok "cmake --install into DESTDIR with prefix /usr"

check_tree "$TMP/root/usr" "$ID" "$VERSION"

# Everything installed lies under the prefix: nothing escapes DESTDIR/usr.
outside=$(cd "$TMP/root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "installed outside the prefix: $outside"
ok "every file is under the prefix"

# AppStream's view of the installed tree: the component, its desktop entry and its icon.
if command -v appstreamcli >/dev/null; then
    appstreamcli validate-tree --no-net "$TMP/root" ||
        fail "appstreamcli validate-tree rejects the installed tree"
    ok "appstreamcli validate-tree accepts the installed tree"
else
    fail "appstreamcli is not installed (tools/install-deps.sh --test installs appstream)"
fi
ok "all checks passed"
