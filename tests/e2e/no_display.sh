#!/usr/bin/env bash
# Without a display to run on, the program says so in one line on stderr and ends with
# status 1: no abort, no signal, no core file. Four ways to get there: DISPLAY names no
# running X server; no DISPLAY outside Wayland; QT_QPA_PLATFORM names no platform; in a
# Wayland session neither X11 nor Wayland can be reached.
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
# any display but the variables given; it must end with status 1 after printing exactly
# one line, on stderr, that contains TEXT.
expect_failure()
{
    local case=$1 text=$2 status lines
    shift 2
    (cd "$TMP" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE -u QT_QPA_PLATFORM \
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

expect_failure "no X server at $DISPLAY_NONE" "\"$DISPLAY_NONE\"" DISPLAY="$DISPLAY_NONE"
expect_failure "DISPLAY unset" "DISPLAY is not set"
expect_failure "unknown platform" '"nonsense" named by QT_QPA_PLATFORM' QT_QPA_PLATFORM=nonsense
# X11 is chosen with Wayland as the fallback; neither answers.
expect_failure "neither X11 nor Wayland" "\"$DISPLAY_NONE\" or the Wayland display \"quoriam-none\"" \
    DISPLAY="$DISPLAY_NONE" WAYLAND_DISPLAY=quoriam-none
ok "all checks passed"
