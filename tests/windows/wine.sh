#!/bin/sh
# Runs a Windows program under Wine with the settings of the tests, and ends with its
# exit status: the cross build's CMAKE_CROSSCOMPILING_EMULATOR, through which CTest runs
# the Qt Test programs. WINEPREFIX and DISPLAY come from the caller (tests/windows/run.sh
# sets up both).
# Usage: wine.sh PROGRAM.exe [ARGUMENT...]
set -eu
: "${WINEPREFIX:?WINEPREFIX is not set: run the Windows tests with make test-windows}"
: "${DISPLAY:?DISPLAY is not set: run the Windows tests with make test-windows}"
. "$(dirname "$0")/wine-env.sh"
exec "$QUORIAM_WINE" "$@"
