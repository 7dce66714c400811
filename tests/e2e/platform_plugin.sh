#!/usr/bin/env bash
# Qt's platform plugin, with an X server running. When Qt cannot load the plugin (here a
# qt.conf beside a copy of the program points Qt's plugins at an empty folder), the
# program passes on Qt's messages, which name the plugin, then says what to do, and ends
# with status 1, without blaming the display. Where the X server refuses the user, or
# Qt's own arguments name a display or platform that is not there, one line says so,
# whatever DISPLAY holds. When the plugin loads, what Qt logged while starting reaches
# the output: QT_DEBUG_PLUGINS=1 shows the plugin being loaded, and the program then ends
# normally.
# Usage: platform_plugin.sh PATH/TO/quoriam
E2E_WM=${E2E_WM:-none} # no window is placed or stacked here
. "$(dirname "$0")/lib.sh"

BIN=$(realpath "${1:?usage: platform_plugin.sh PATH/TO/quoriam}") || exit 1
unset QT_PLUGIN_PATH
ulimit -c 0
e2e_start_display

# expect_status_1 CASE PROGRAM [VARIABLE=VALUE...]: the program ends with status 1; sets
# ERR to what it wrote on stderr.
expect_status_1()
{
    local case=$1 program=$2 status
    shift 2
    "${E2E_APP_ENV[@]}" "$@" timeout 60 "$program" >/dev/null 2>"$E2E_TMP/err"
    status=$? ERR=$(cat "$E2E_TMP/err")
    [ "$status" -eq 1 ] || e2e_fail "$case: status $status, expected 1: $ERR"
}

COPY="$E2E_TMP/copy"
mkdir -p "$COPY/no-plugins" || e2e_fail "cannot make $COPY"
cp "$BIN" "$COPY/quoriam" || e2e_fail "cannot copy the program"
printf '[Paths]\nPlugins = %s\n' "$COPY/no-plugins" >"$COPY/qt.conf"
expect_status_1 "without plugins" "$COPY/quoriam"
grep -qF '"xcb"' <<<"$ERR" || e2e_fail "without plugins: Qt's message naming \"xcb\" is missing: $ERR"
grep -qF 'reinstall Quoriam' <<<"$ERR" || e2e_fail "without plugins: no line of what to do: $ERR"
! grep -qF 'cannot start on' <<<"$ERR" || e2e_fail "without plugins: the display is blamed: $ERR"
e2e_ok "without plugins: status 1, Qt's messages and what to do: $ERR"

# expect_line CASE TEXT [VARIABLE=VALUE...] -- [ARGUMENT...]: the program ends with
# status 1 after one line on stderr, which contains TEXT.
expect_line()
{
    local case=$1 text=$2 variables=()
    shift 2
    while [ "$1" != -- ]; do
        variables+=("$1")
        shift
    done
    shift
    "${E2E_APP_ENV[@]}" "${variables[@]}" timeout 60 "$BIN" "$@" >/dev/null 2>"$E2E_TMP/err"
    status=$? ERR=$(cat "$E2E_TMP/err")
    [ "$status" -eq 1 ] && [ "$(wc -l <"$E2E_TMP/err")" -eq 1 ] && grep -qF -- "$text" <<<"$ERR" ||
        e2e_fail "$case: status $status, expected 1 and one line with '$text': $ERR"
    e2e_ok "$case: status 1, $ERR"
}

# A display no X server here uses.
for ((n = 6000; n < 7000; n++)); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] ||
        grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix || break
done
: >"$E2E_TMP/no.auth"
expect_line "X server refuses" "cannot start on the X display \"$DISPLAY\"" XAUTHORITY="$E2E_TMP/no.auth" --
expect_line "-display names no X server" "the X display \":$n\" named by -display" -- -display ":$n"
expect_line "-platform names no platform" 'no platform "nonsense" here (named by -platform)' -- -platform nonsense
expect_line "-platform wayland without a compositor" 'the Wayland display "wayland-0"' -- --platform wayland

E2E_APP_ENV+=(QT_DEBUG_PLUGINS=1)
e2e_start_app "$BIN"
e2e_wait_window "$E2E_MAIN_TITLE" 30
grep -qF 'platforms/libqxcb' "$E2E_APP_LOG" ||
    e2e_fail "QT_DEBUG_PLUGINS=1: the lines about loading the xcb plugin are missing"
e2e_ok "QT_DEBUG_PLUGINS=1: Qt's lines about loading the xcb plugin are passed on"
e2e_focus "$E2E_WIN"
e2e_menu f x
e2e_expect_exit 0 10
e2e_say "all checks passed"
