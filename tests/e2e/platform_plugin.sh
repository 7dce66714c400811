#!/usr/bin/env bash
# Qt's platform plugin, with an X server running. When Qt cannot load the plugin (here a
# qt.conf beside a copy of the program points Qt's plugins at an empty folder), the
# program passes on Qt's messages, which name the plugin, then says what to do, and ends
# with status 1, without blaming the display; when the X server refuses the user, the
# display is blamed. When the plugin loads, what Qt logged while starting reaches the
# output: QT_DEBUG_PLUGINS=1 shows the plugin being loaded, and the program then ends
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

: >"$E2E_TMP/no.auth"
expect_status_1 "X server refuses" "$BIN" XAUTHORITY="$E2E_TMP/no.auth"
grep -qF "cannot start on the X display \"$DISPLAY\"" <<<"$ERR" ||
    e2e_fail "X server refuses: the display is not blamed: $ERR"
! grep -qF reinstall <<<"$ERR" || e2e_fail "X server refuses: the plugin is blamed: $ERR"
e2e_ok "X server refuses: status 1, $ERR"

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
