#!/usr/bin/env bash
# The Debian package: builds it with CPack from the build tree into a temporary
# directory, checks its control fields and its file list, unpacks it with dpkg -x and
# starts the unpacked program on a private X server with a window manager: its main window
# appears, carries the window class the desktop entry announces, and closing it ends the
# program with status 0. lintian reports no error and no warning on the package.
# Usage: deb.sh CPACK BUILD_DIR VERSION DESKTOP_ID
. "$(dirname "$0")/../../tools/x11/harness.sh"
. "$(dirname "$0")/checks.sh"
# Failures go through the harness, which also shows the program's output.
fail() { e2e_fail "$@"; }

CPACK=${1:?usage: deb.sh CPACK BUILD_DIR VERSION DESKTOP_ID}
BUILD=${2:?usage: deb.sh CPACK BUILD_DIR VERSION DESKTOP_ID}
VERSION=${3:?usage: deb.sh CPACK BUILD_DIR VERSION DESKTOP_ID}
ID=${4:?usage: deb.sh CPACK BUILD_DIR VERSION DESKTOP_ID}
MAIN_TITLE=$E2E_MAIN_TITLE

for tool in dpkg dpkg-deb lintian; do
    command -v "$tool" >/dev/null || fail "'$tool' is not installed"
done

# --- Build ------------------------------------------------------------------------------
[ -f "$BUILD/CPackConfig.cmake" ] || fail "no CPackConfig.cmake in $BUILD: configure the build first"
"$CPACK" --config "$BUILD/CPackConfig.cmake" -G DEB -B "$E2E_TMP/out" >"$E2E_TMP/cpack.log" 2>&1 ||
    fail "cpack failed: $(tail -n 30 "$E2E_TMP/cpack.log")"
arch=$(dpkg --print-architecture)
DEB="$E2E_TMP/out/quoriam_${VERSION}_${arch}.deb"
[ -f "$DEB" ] || fail "cpack made no $(basename "$DEB"): $(ls "$E2E_TMP/out")"
ok "cpack built $(basename "$DEB")"

# --- lintian ----------------------------------------------------------------------------
# Debian's own checks of a binary package: policy, the changelog, the manual page (with
# man's warnings), the desktop entry, the binary. Informational tags are not failures.
lintian --fail-on error,warning "$DEB" >"$E2E_TMP/lintian.log" 2>&1
lintian_status=$?
if [ "$lintian_status" -ne 0 ] || grep -qE '^[EW]: ' "$E2E_TMP/lintian.log"; then
    fail "lintian (status $lintian_status) reports: $(grep -v 'root privileges' "$E2E_TMP/lintian.log")"
fi
ok "lintian: no errors, no warnings"

# --- Control fields ---------------------------------------------------------------------
dpkg-deb -I "$DEB" >"$E2E_TMP/info" || fail "dpkg-deb -I cannot read the package"
field() { sed -n "s/^ $1: //p" "$E2E_TMP/info" | head -n 1; }
[ "$(field Package)" = quoriam ] || fail "Package is '$(field Package)', expected quoriam"
[ "$(field Version)" = "$VERSION" ] || fail "Version is '$(field Version)', expected $VERSION"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)', expected $arch"
[ "$(field Maintainer)" = "Quoriam developers <quoriam@example.org>" ] ||
    fail "Maintainer is '$(field Maintainer)'"
[ -n "$(field Section)" ] || fail "the package has no Section"
[ -n "$(field Description)" ] || fail "the package has no Description"
depends=$(field Depends)
[ -n "$depends" ] || fail "the package depends on nothing"
# The program links Qt Widgets, and Qt needs a platform plugin at run time.
for dep in libqt6widgets6 qt6-qpa-plugins; do
    case ", $depends," in
    *", $dep "* | *", $dep,"* | *"| $dep "* | *"| $dep,"*) ;;
    *) fail "Depends lacks $dep: $depends" ;;
    esac
done
ok "control: quoriam $VERSION ($arch), section $(field Section), depends: $depends"

# --- Contents ---------------------------------------------------------------------------
dpkg-deb -c "$DEB" >"$E2E_TMP/contents" || fail "dpkg-deb -c cannot list the package"
# Columns: mode owner/group size date time path.
listed() { awk -v p="./$1" '$6 == p { print $1, $2 }' "$E2E_TMP/contents"; }
expected="usr/bin/quoriam usr/share/applications/$ID.desktop usr/share/metainfo/$ID.metainfo.xml
    usr/share/doc/quoriam/copyright usr/share/doc/quoriam/changelog.gz usr/share/man/man1/quoriam.1.gz"
for size in $ICON_SIZES; do
    expected="$expected usr/share/icons/hicolor/${size}x${size}/apps/quoriam.png"
done
for path in $expected; do
    entry=$(listed "$path")
    [ -n "$entry" ] || fail "the package lacks /$path"
    case $entry in
    -*" root/root") ;;
    *) fail "/$path is listed as '$entry', expected a regular file owned by root/root" ;;
    esac
done
case $(listed usr/bin/quoriam) in
-rwxr-xr-x*) ;;
*) fail "/usr/bin/quoriam is not mode 755: $(listed usr/bin/quoriam)" ;;
esac
# Only /usr: a package must not put files in /usr/local, /opt or /home.
others=$(awk '$6 != "./" && $6 !~ /^\.\/usr\// && $6 != "./usr/"' "$E2E_TMP/contents")
[ -z "$others" ] || fail "the package installs outside /usr: $others"
ok "contents: program, desktop entry, metainfo, licence, changelog, manual page and the icons"

# --- Unpacked ---------------------------------------------------------------------------
dpkg -x "$DEB" "$E2E_TMP/root" || fail "dpkg -x cannot unpack the package"
check_tree "$E2E_TMP/root/usr" "$ID" "$VERSION"
wmclass=$(desktop_key "$E2E_TMP/root/usr/share/applications/$ID.desktop" StartupWMClass)

e2e_start_display
e2e_start_app "$E2E_TMP/root/usr/bin/quoriam"
e2e_wait_window "$MAIN_TITLE" 30
MAIN=$E2E_WIN
e2e_ok "the packaged program shows its main window '$MAIN_TITLE'"

# A desktop matches the window to the entry by its WM_CLASS (instance, class).
if [ -n "$wmclass" ]; then
    class=$(e2e_x xprop -id "$MAIN" WM_CLASS 2>/dev/null)
    case $class in
    *"\"$wmclass\""*) e2e_ok "its WM_CLASS names '$wmclass', as StartupWMClass says: ${class#*= }" ;;
    *) fail "StartupWMClass is '$wmclass' but the window's WM_CLASS is: $class" ;;
    esac
fi

e2e_close "$MAIN"
e2e_expect_exit 0 15
e2e_ok "all checks passed"
