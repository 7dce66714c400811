#!/usr/bin/env bash
# The same source gives the same bytes: the package that this build made is made again
# from a fresh clone of the same commit, in another folder and minutes later, and the two
# must be byte for byte the same. When the work tree has changes not yet committed, the
# second tree is the build's source archive instead (the same files, with no git history:
# its time then comes from the archive's SOURCE_DATE_EPOCH file).
#
# Usage: reproducible.sh deb SOURCE_DIR BUILD_DIR GENERATOR BUILD_TYPE
#            the Debian package of BUILD_DIR (made here with CPack) against one from a
#            second configure and build of the program and its documents
#        reproducible.sh zip SOURCE_DIR BUILD_DIR ZIP QT_SOURCE_ARCHIVE
#            the Windows zip and the Qt source archive beside it against a second
#            tools/windows/build.sh --zip-only
set -u
KIND=${1:?usage: reproducible.sh deb|zip SOURCE_DIR BUILD_DIR ...}
SOURCE=${2:?source folder}
BUILD=$(cd "${3:?build folder}" && pwd)
. "$(dirname "$0")/checks.sh"
PKG_TEST_NAME="reproducible_$KIND"

tmp=$(mktemp -d "${TMPDIR:-/tmp}/quoriam-again.XXXXXX") || exit 1
trap 'rm -rf "$tmp"' EXIT
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
log="$tmp/log"
run() { "$@" >>"$log" 2>&1 || fail "$* failed: $(tail -n 20 "$log")"; }

# The first of the two: what this build made.
case $KIND in
deb)
    run cpack --config "$BUILD/CPackConfig.cmake" -G DEB -B "$tmp/first"
    first=$(ls "$tmp"/first/*.deb)
    ;;
zip)
    first=${4:?zip}
    [ -f "$first" ] || fail "no zip at $first (make windows)"
    ;;
*) fail "unknown kind '$KIND' (deb or zip)" ;;
esac

# The second tree.
if [ -z "$(git -C "$SOURCE" status --porcelain 2>/dev/null)" ] && git -C "$SOURCE" rev-parse -q HEAD >/dev/null 2>&1; then
    tree="$tmp/clone"
    run git clone --quiet --no-checkout "$SOURCE" "$tree"
    run git -C "$tree" fetch --quiet "$SOURCE" HEAD
    run git -C "$tree" checkout --quiet --detach FETCH_HEAD
    from="a fresh clone of $(git -C "$SOURCE" rev-parse --short HEAD)"
else
    run cmake --build "$BUILD" --target quoriam_source_archive
    run tar -xzf "$BUILD/quoriam-$version-source.tar.gz" -C "$tmp"
    tree="$tmp/quoriam-$version"
    from="the source archive (the work tree has changes not committed)"
fi

start=$SECONDS
case $KIND in
deb)
    run cmake -S "$tree" -B "$tree/build" -G "${4:?generator}" -DCMAKE_BUILD_TYPE="${5?build type}"
    run nice cmake --build "$tree/build" --parallel 2 --target quoriam quoriam_docs
    run cpack --config "$tree/build/CPackConfig.cmake" -G DEB -B "$tmp/second"
    second=$(ls "$tmp"/second/*.deb)
    ;;
zip)
    run env JOBS=2 nice bash "$tree/tools/windows/build.sh" --zip-only "$tree/build-windows"
    second="$tree/build-windows/$(basename "$first")"
    qt_source=${5:?Qt source archive}
    cmp -s "$qt_source" "$tree/build-windows/$(basename "$qt_source")" ||
        fail "the Qt source archive beside the zip differs when built again"
    ;;
esac
ok "built again from $from in $((SECONDS - start)) s"

if ! cmp -s "$first" "$second"; then
    # Where to start looking (diffoscope FIRST SECOND shows every difference).
    keep="${TMPDIR:-/tmp}/quoriam-not-reproducible"
    rm -rf "$keep" && mkdir -p "$keep" && cp "$first" "$keep/first-${first##*/}" &&
        cp "$second" "$keep/second-${second##*/}"
    for n in first second; do
        mkdir "$tmp/$n.files"
        if [ "$KIND" = deb ]; then
            dpkg-deb -R "${!n}" "$tmp/$n.files" && dpkg-deb -c "${!n}" >"$tmp/$n.list"
        else
            (cd "$tmp/$n.files" && cmake -E tar xf "${!n}" && cmake -E tar tvf "${!n}" >"$tmp/$n.list")
        fi
    done
    fail "$(basename "$first") differs when built again ($(cmp "$first" "$second" | head -n 1));" \
        "files that differ: $(diff -rq "$tmp/first.files" "$tmp/second.files" | sed "s|$tmp/||g")" \
        "$(diff "$tmp/first.list" "$tmp/second.list" | head -n 5); both kept in $keep"
fi
ok "$(basename "$first"): the same $(wc -c <"$first") bytes"
