#!/bin/sh
# Installs the Debian packages that building, running and testing Quoriam need,
# asking dpkg first and calling apt-get only for what is missing.
set -eu

# lupdate and lrelease (qt6-l10n-tools), CMake's Qt6LinguistTools (qt6-tools-dev) and Qt's
# own translations (qt6-translations-l10n), which the build compiles in.
packages="cmake make g++ qt6-base-dev libxcb1-dev qt6-qpa-plugins fonts-dejavu-core qt6-l10n-tools qt6-tools-dev qt6-translations-l10n"
# The tests: Xvfb and window managers for the end-to-end runs, the Wayland platform
# plugin, and GNOME's and KDE Plasma's compositors (with XWayland and Plasma's window
# decoration) for the runs under those desktops.
if [ "${1:-}" = "--test" ]; then
    packages="$packages xvfb xauth openbox xdotool x11-utils wmctrl xclip desktop-file-utils appstream dpkg-dev file libxdamage-dev libxtst-dev lintian icewm"
    packages="$packages fluxbox qt6-wayland mutter kwin-wayland kwin-style-breeze xwayland dbus-daemon"
fi
# The Windows build: MinGW-w64, Wine to run it, what fetching and building Qt for
# Windows from Debian's source package needs (tools/windows/qt.sh), and xwd (x11-apps),
# with which its tests read the program's windows, and the data of a German locale for
# Wine (locales).
if [ "${1:-}" = "--windows" ]; then
    packages="$packages g++-mingw-w64-x86-64-posix wine64 ninja-build qt6-base-dev-tools dpkg-dev xz-utils x11-apps locales"
fi

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing:$missing"
# Another install running at the same time holds dpkg's lock: wait for it.
$sudo apt-get -o DPkg::Lock::Timeout=600 update
DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends $missing
