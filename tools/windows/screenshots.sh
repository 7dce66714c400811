#!/usr/bin/env bash
# The README's pictures of the Windows build: the screenshot tool cross-built for
# Windows (tools/screenshots) renders every window under Wine, so that text goes through
# the Windows font engine and the clock follows the Windows locale; the pictures are
# written to docs/windows-<window>.png.
# Usage: screenshots.sh BUILD-DIR   (a build by tools/windows/build.sh)
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "${1:?usage: screenshots.sh BUILD-DIR}")
tool="$build/quoriam_screenshots.exe" # Qt puts Windows programs at the top of the build
[ -f "$tool" ] || {
    echo "no $tool: make windows first" >&2
    exit 1
}

tmp=$(mktemp -d "${TMPDIR:-/tmp}/quoriam-shots.XXXXXX")
trap 'WINEPREFIX="$tmp/wine" "$QUORIAM_WINESERVER" -k 2>/dev/null; rm -rf "$tmp"' EXIT
. "$repo/tests/windows/wine-env.sh"
export WINEPREFIX="$tmp/wine"
# A bare X server is enough: the tool draws each window into a picture of its own.
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
    "$repo/tests/windows/wine.sh" "$tool" "$tmp/shots" >/dev/null
for png in "$tmp"/shots/*.png; do
    cp "$png" "$repo/docs/windows-$(basename "$png")"
    echo "docs/windows-$(basename "$png")"
done
