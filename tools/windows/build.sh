#!/usr/bin/env bash
# The Windows build, made on Debian: Qt for Windows from the cache (built the first
# time, tools/windows/qt.sh) and the MinGW-w64 runtime's licence notices (fetched the
# first time, tools/windows/runtime-licenses.sh), then Quoriam cross-built against that
# Qt with Qt's qt-cmake and the MinGW-w64 toolchain file, warnings as errors as on Linux,
# and the zip for Windows users (CPack) with the source archive of that Qt beside it.
#
# Usage: build.sh [--zip-only] [BUILD-DIR]   (default: build-windows)
#   --zip-only  builds only what the zip holds, not the tests and tools
# Environment: JOBS (default: the number of processors).
set -euo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
targets=()
if [ "${1:-}" = --zip-only ]; then
    targets=(--target quoriam quoriam_source_archive quoriam_qt_source)
    shift
fi
build=${1:-build-windows}
jobs=${JOBS:-$(nproc)}

say() { printf '[windows] %s\n' "$*"; }

start=$SECONDS
qt=$(bash "$repo/tools/windows/qt.sh" | tail -n 1)
[ -x "$qt/bin/qt-cmake" ] || {
    say "error: no Qt for Windows at '$qt'"
    exit 1
}
say "Qt for Windows: $qt ($((SECONDS - start)) s)"
licenses=$(bash "$repo/tools/windows/runtime-licenses.sh" | tail -n 1)

step=$SECONDS
# Qt's toolchain file chains to the MinGW one; it is named here rather than taken from
# where Qt was configured, so that a Qt built by another clone serves this one. The Qt
# Test programs run under Wine (tests/windows/wine.sh).
"$qt/bin/qt-cmake" -S "$repo" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$repo/tests/windows/wine.sh" \
    -DQUORIAM_RUNTIME_LICENSES="$licenses" >/dev/null
cmake --build "$build" --parallel "$jobs" "${targets[@]}"
say "cross-build: $((SECONDS - step)) s"

step=$SECONDS
(cd "$build" && cpack -G ZIP >/dev/null)
zip=$(cd "$build" && ls -t Quoriam-*-win64.zip | head -n 1)
say "zip: $((SECONDS - step)) s"
say "$build/$zip ($(du -h "$build/$zip" | cut -f1)), $((SECONDS - start)) s in all"
qt_source=$(cd "$build" && ls -t Quoriam-*-win64-Qt-*-source.tar.xz 2>/dev/null | head -n 1)
[ -z "$qt_source" ] || say "beside it, the source of its Qt: $build/$qt_source ($(du -h "$build/$qt_source" | cut -f1))"
