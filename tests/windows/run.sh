#!/usr/bin/env bash
# The Windows build's tests under Wine (make test-windows): the Qt Test programs on the
# windows platform, one at a time on a private Xvfb with openbox (they activate windows,
# so two at once would take the focus from each other), then the end-to-end test of
# quoriam.exe from the zip, on a server of its own, in the same Wine prefix.
# Usage: run.sh BUILD-DIR   (a build by tools/windows/build.sh)
. "$(dirname "$0")/../../tools/x11/harness.sh"
. "$(dirname "$0")/wine-prefix.sh"

BUILD=${1:?usage: run.sh BUILD-DIR}
[ -f "$BUILD/CTestTestfile.cmake" ] || e2e_fail "no Windows build in '$BUILD' (make windows)"

e2e_start_display
wine_prefix

start=$(e2e_now)
ctest --test-dir "$BUILD" --output-on-failure -LE e2e || e2e_fail "Qt Test programs under Wine"
e2e_say "Qt Test programs under Wine: $(e2e_elapsed "$start") s"
# The end-to-end test runs its own X server: this prefix's programs have all ended.
"$QUORIAM_WINESERVER" -w

start=$(e2e_now)
ctest --test-dir "$BUILD" --output-on-failure -L e2e || e2e_fail "end-to-end test under Wine"
e2e_say "end-to-end test under Wine: $(e2e_elapsed "$start") s"
e2e_say "all Windows tests passed"
