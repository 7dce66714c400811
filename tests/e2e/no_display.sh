#!/usr/bin/env bash
# Without a display to run on, the program says so in one line on stderr (in the user's
# language) and ends with status 1: no abort, no signal, no core file. The ways there: DISPLAY names no running X
# server; no DISPLAY outside Wayland; QT_QPA_PLATFORM names no platform; in a Wayland
# session neither X11 nor Wayland can be reached, or Wayland alone is offered and cannot
# be; QT_QPA_PLATFORM or -platform names a platform that cannot start here (eglfs without
# its device, linuxfb without a framebuffer). The platforms that need no display (vnc,
# offscreen) start.
# Usage: no_display.sh PATH/TO/quoriam
set -u

BIN=$(realpath "${1:?usage: no_display.sh PATH/TO/quoriam}") || exit 1
NAME=$(basename "$0" .sh)
ok() { printf '[%s] ok: %s\n' "$NAME" "$*"; }
fail()
{
    printf '[%s] FAIL: %s\n' "$NAME" "$*" >&2
    exit 1
}

# A core file would be written where core dumps are on; the status shows an abort anyway.
ulimit -c 0
TMP=$(mktemp -d "${TMPDIR:-/tmp}/quoriam-nodisplay.XXXXXX") || exit 1
trap 'rm -rf "$TMP"' EXIT
# Where Wayland clients look for the compositor's socket: here, none.
mkdir -m 700 "$TMP/run"

# A display no X server here uses: no lock file, no socket (a file, or Linux's abstract
# one). X servers that pick a free display themselves count up from 0, so look far above.
free_display()
{
    local n
    for ((n = 4000 + RANDOM % 1000; n < 6000; n++)); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix 2>/dev/null && continue
        echo ":$n"
        return 0
    done
    return 1
}
DISPLAY_NONE=$(free_display) || fail "no free X display number between 4000 and 6000"

# expect_failure CASE TEXT VARIABLE=VALUE...: runs the program in an environment without
# any display but the variables given (in English, unless they name a language); it must
# end with status 1 after printing exactly one line, on stderr, that contains TEXT.
expect_failure()
{
    local case=$1 text=$2 status lines
    shift 2
    (cd "$TMP" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE -u QT_QPA_PLATFORM \
        -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG \
        XDG_RUNTIME_DIR="$TMP/run" "$@" timeout 60 "$BIN") >"$TMP/out" 2>"$TMP/err"
    status=$?
    [ "$status" -ne 124 ] || fail "$case: the program was still running after 60 s"
    [ "$status" -lt 128 ] || fail "$case: the program died of signal $((status - 128)): $(cat "$TMP/err")"
    [ "$status" -eq 1 ] || fail "$case: status $status, expected 1: $(cat "$TMP/err")"
    [ ! -s "$TMP/out" ] || fail "$case: output on stdout: $(cat "$TMP/out")"
    lines=$(wc -l <"$TMP/err")
    [ "$lines" -eq 1 ] || fail "$case: $lines lines on stderr, expected one:
$(cat "$TMP/err")"
    grep -qF -- "$text" "$TMP/err" || fail "$case: the line does not name '$text': $(cat "$TMP/err")"
    ! compgen -G "$TMP/core*" >/dev/null || fail "$case: a core file was written"
    ok "$case: status 1, $(cat "$TMP/err")"
}

# expect_start CASE VARIABLE=VALUE...: the program starts as it would above and builds its
# main window (Qt logs the window's menu shortcuts then); it is then ended.
expect_start()
{
    local case=$1 pid status
    shift
    (cd "$TMP" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE -u QT_QPA_PLATFORM \
        XDG_RUNTIME_DIR="$TMP/run" QT_LOGGING_RULES=qt.gui.shortcutmap.debug=true "$@" "$BIN") \
        >"$TMP/out" 2>"$TMP/err" &
    pid=$!
    for ((i = 0; i < 1200; i++)); do
        grep -q shortcutmap "$TMP/err" && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    kill -TERM "$pid" 2>/dev/null
    wait "$pid"
    status=$?
    grep -q shortcutmap "$TMP/err" && [ "$status" -eq 143 ] ||
        fail "$case: the program did not start (status $status): $(tail -n 3 "$TMP/err")"
    ok "$case: the program starts"
}

expect_failure "no X server at $DISPLAY_NONE" "\"$DISPLAY_NONE\"" DISPLAY="$DISPLAY_NONE"
expect_failure "DISPLAY unset" "DISPLAY is not set"
expect_failure "DISPLAY unset, in German" "quoriam: Start auf einem X-Display nicht möglich (DISPLAY ist nicht gesetzt)" \
    LANGUAGE=de
expect_failure "unknown platform" 'no platform "nonsense" here (named by QT_QPA_PLATFORM)' QT_QPA_PLATFORM=nonsense
# X11 is chosen with Wayland as the fallback; neither answers.
expect_failure "neither X11 nor Wayland" "\"$DISPLAY_NONE\" or the Wayland display \"quoriam-none\"" \
    DISPLAY="$DISPLAY_NONE" WAYLAND_DISPLAY=quoriam-none
expect_failure "Wayland alone" 'the Wayland display "quoriam-none"' WAYLAND_DISPLAY=quoriam-none
# libwayland complains on its own about the missing runtime folder.
expect_failure "Wayland named, no runtime folder" 'the Wayland display "wayland-0"' \
    QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR=
# Devices that are not there, so that no real screen is ever taken over.
printf '{ "device": "%s/no-card" }\n' "$TMP" >"$TMP/kms.json"
expect_failure "eglfs without its device" 'the Qt platform "eglfs": Could not open DRM device' \
    QT_QPA_PLATFORM=eglfs QT_QPA_EGLFS_KMS_CONFIG="$TMP/kms.json"
expect_failure "linuxfb without a framebuffer" 'the Qt platform "linuxfb": it finds no screen' \
    QT_QPA_PLATFORM=linuxfb:fb="$TMP/no-fb"
# vnc listens on a port of the system's choosing, to which nothing here connects.
expect_start "vnc" QT_QPA_PLATFORM=vnc:port=0
expect_start "offscreen" QT_QPA_PLATFORM=offscreen
ok "all checks passed"
