#!/usr/bin/env bash
# Qt for Windows (x86_64-w64-mingw32), static, built once from Debian's own qt6-base
# source package and kept in a cache folder outside the clone:
#
#   ${XDG_CACHE_HOME:-~/.cache}/quoriam/qt-<version>-win64-<hash>
#
# <hash> covers the configure options, the toolchain file and the compiler's version, so
# another clone, a second run or a CI run on the same machine reuses the same build, and
# a change to any of them builds a new one. Prints the folder (the Qt prefix) as the last
# line of its output.
#
# The source comes through `apt-get source` with a private source list, lists folder and
# cache folder given as apt options (debian-source.sh): the machine's apt configuration
# stays as it is.
# Qt is configured with -qt-host-path /usr: the host tools (moc, rcc, uic) are Debian's
# qt6-base-dev-tools, which must be the same version as the source.
#
# A half-finished earlier run leaves no trace that counts: Qt is installed into a
# temporary folder which is renamed to its final name only when the install is complete.
#
# Environment: QUORIAM_QT_JOBS (default: the number of processors, at most 2).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
toolchain="$here/../../cmake/mingw-w64-x86_64.cmake"
toolchain=$(realpath "$toolchain")

say() { printf '[qt-win64] %s\n' "$*" >&2; }
die() {
    say "error: $*"
    exit 1
}
. "$here/debian-source.sh"

for tool in x86_64-w64-mingw32-g++-posix ninja cmake dpkg-source /usr/lib/qt6/libexec/moc; do
    command -v "$tool" >/dev/null || die "$tool is missing (sh tools/install-deps.sh --windows)"
done

# The host tools decide the version: Debian's source of exactly that version.
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
upstream=${qt_version%%+*}
upstream=${upstream#*:}

# Only what Quoriam uses: Core, Gui, Widgets and Test, the windows platform plugin and
# the ICO reader. Traps of 6.4.2: Debian's tarball has no src/3rdparty/wintab (so no
# tablet events), and turning Direct2D off while DirectWrite 3 stays on breaks the link of
# every program (so both are off, and text goes through GDI).
configure_options=(
    -release -static -static-runtime
    -xplatform win32-g++
    -nomake tests -nomake examples -nomake benchmarks
    -no-opengl -no-dbus -no-icu -no-freetype -no-fontconfig -no-glib
    -qt-zlib -qt-pcre -qt-libpng -qt-harfbuzz -qt-doubleconversion -no-libjpeg -no-gif
    -no-feature-sql -no-feature-network -no-feature-printsupport -no-feature-xml
    -no-feature-concurrent -no-feature-vulkan -no-feature-tabletevent -no-feature-zstd
    -no-feature-direct2d -no-feature-directwrite3
)

compiler_version=$(x86_64-w64-mingw32-g++-posix -dumpfullversion)
# The last line names what the install holds besides Qt, so that an install of an older
# layout is built again rather than used without it.
hash=$({
    printf '%s\n' "$qt_version" "$compiler_version" "${configure_options[@]}"
    printf '%s\n' "layout: source archive, SOURCE_DATE_EPOCH"
    cat "$toolchain"
} | sha256sum | cut -c1-12)

cache=${XDG_CACHE_HOME:-$HOME/.cache}/quoriam
prefix="$cache/qt-$upstream-win64-$hash"

if [ -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" ] && [ -x "$prefix/bin/qt-cmake" ]; then
    # What a run stopped between its install and its clean-up left behind.
    rm -rf "$prefix.work" "$prefix.partial"
    say "reusing $prefix"
    printf '%s\n' "$prefix"
    exit 0
fi

mkdir -p "$cache"
# One build at a time for a given prefix: a second caller waits for the first.
exec 9>"$prefix.lock"
if ! flock -n 9; then
    say "another build of this Qt is running; waiting for it"
    flock 9
fi
if [ -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    say "reusing $prefix"
    printf '%s\n' "$prefix"
    exit 0
fi

work="$cache/qt-$upstream-win64-$hash.work"
staging="$prefix.partial"
rm -rf "$work" "$staging"
mkdir -p "$work"
start=$SECONDS
step_start=$SECONDS
step_done() {
    say "$1 took $((SECONDS - step_start)) s"
    step_start=$SECONDS
}

# --- Fetch -------------------------------------------------------------------------------
say "fetching Debian's qt6-base $qt_version source"
debian_source "$work" "qt6-base=$qt_version"
src=$(find "$work" -maxdepth 1 -type d -name "qt6-base-*" | head -n 1)
[ -n "$src" ] && [ -x "$src/configure" ] || die "the source package did not unpack"
step_done "fetch"

# The time of Debian's last changelog entry stands for every time the build would record
# (rcc's file times in Qt's own resources among them), so that the same source gives the
# same libraries.
SOURCE_DATE_EPOCH=$(cd "$src" && dpkg-parsechangelog -STimestamp)
export SOURCE_DATE_EPOCH

# --- Configure, build, install ------------------------------------------------------------
jobs=${QUORIAM_QT_JOBS:-$(nproc)}
[ "$jobs" -le 2 ] || jobs=2
mkdir -p "$work/build"
say "configuring"
(cd "$work/build" && nice "$src/configure" -prefix "$prefix" "${configure_options[@]}" \
    -qt-host-path /usr -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake) >&2
step_done "configure"
say "building with $jobs jobs (this takes a while)"
nice cmake --build "$work/build" --parallel "$jobs" >&2
step_done "build"
cmake --install "$work/build" --prefix "$staging" >&2
# The exact source this Qt was built from, as the source package unpacked it with
# Debian's patches applied, with the configure line and the toolchain file: what a
# program linked statically with it passes on (its LGPL), tools/windows/build.sh puts
# it beside the zip.
configure_line="configure -prefix <prefix> ${configure_options[*]} -qt-host-path /usr -- -G Ninja -DCMAKE_TOOLCHAIN_FILE=<this folder>/mingw-w64-x86_64.cmake -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake"
cp "$toolchain" "$src/mingw-w64-x86_64.cmake"
sed -e "s|@QT_VERSION@|$qt_version|g" -e "s|@CONFIGURE@|$configure_line|" \
    "$here/qt-source-readme.txt" | sed 's/$/\r/' >"$src/HOW-QUORIAM-BUILT-THIS.txt"
mkdir -p "$staging/source"
tar -C "$work" --sort=name --mtime="@$SOURCE_DATE_EPOCH" --owner=0 --group=0 --numeric-owner \
    -cf - "$(basename "$src")" | xz -T1 -6 >"$staging/source/qt6-base-source.tar.xz"
# What a program linked with this Qt ships: Qt's licence (the LGPL 3 with the GPL 3 it
# extends), Debian's record of every copyright and licence in the source, and where the
# source came from and how it was configured, so that anyone can build it again.
mkdir -p "$staging/licenses"
cp "$src/LICENSES/LGPL-3.0-only.txt" "$src/LICENSES/GPL-3.0-only.txt" "$staging/licenses/"
cp "$src/debian/copyright" "$staging/licenses/qt6-base-copyright.txt"
printf '%s\n' "Debian source package qt6-base $qt_version" \
    "configure ${configure_options[*]} -qt-host-path /usr" >"$staging/licenses/qt6-base-source.txt"
mv "$staging" "$prefix"
step_done "install"
rm -rf "$work"
say "Qt for Windows ready in $((SECONDS - start)) s: $prefix"
printf '%s\n' "$prefix"
