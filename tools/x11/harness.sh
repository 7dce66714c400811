# shellcheck shell=bash
# The X11 harness of the end-to-end tests and of the benchmark: a private X server with a
# window manager, the real program on it, and helpers that find its windows by exact
# title, read what the X server knows about them, reach boxes and buttons by name, type
# and pick menu items, and wait, always within a time limit, for something to happen.
# Source it from a script, which then calls e2e_start_display. The end-to-end tests
# source it through tests/e2e/lib.sh, which adds their checks.
#
# Every process started here is stopped on every way out of the script (normal end,
# failure, Ctrl-C, SIGTERM from CTest).
#
# Set by the caller, before or after sourcing:
#  - E2E_WM picks the window manager: openbox (the default), icewm, fluxbox, or none (a
#    bare X server, where nothing draws frames, activates windows or closes them politely);
#    or a desktop's Wayland compositor, headless, whose XWayland is the X server: mutter
#    (GNOME's) or kwin (KDE Plasma's). Under those the program runs as in that desktop's
#    session, QT_QPA_PLATFORM unset; where the compositor cannot start, the test is
#    skipped with status 77 and a line that says why;
#  - E2E_PROGRESS_FD, the file descriptor that progress (e2e_say) and passed checks
#    (e2e_ok) go to: 1, the standard output, unless set; 2 keeps the standard output for
#    the caller's own results. Failures always go to the standard error;
#  - E2E_OK_LINES=no leaves out the lines of passed checks;
#  - E2E_APP_CLASS, the instance name of the program's X windows as a regular expression
#    (xdotool search --classname): ^quoriam$ unless set; under Wine, ^quoriam\.exe$.
#
# Needs: Xvfb, openbox (or the chosen window manager), xdotool, xwininfo and xprop
# (x11-utils), wmctrl, xauth, and xclip, and coreutils' timeout; for a compositor, mutter
# or kwin_wayland (kwin-wayland), Xwayland and dbus-run-session. tools/install-deps.sh
# --test installs them all.

set -u

E2E_NAME=$(basename "$0" .sh)
E2E_WM=${E2E_WM:-openbox}
case $E2E_WM in
openbox | icewm | fluxbox | none | mutter | kwin) ;;
*)
    printf '[%s] FAIL: E2E_WM=%s: expected openbox, icewm, fluxbox, none, mutter or kwin\n' "$E2E_NAME" "$E2E_WM" >&2
    exit 1
    ;;
esac
E2E_PROGRESS_FD=${E2E_PROGRESS_FD:-1}
E2E_OK_LINES=${E2E_OK_LINES:-yes}
E2E_APP_CLASS=${E2E_APP_CLASS:-^quoriam\$}
E2E_SCREEN_W=1280
E2E_SCREEN_H=1024
# No X query may take longer than this (seconds); a hung server fails the test.
E2E_X_TIMEOUT=10

E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/quoriam-e2e.XXXXXX") || exit 1
mkdir -m 700 "$E2E_TMP/runtime" || exit 1
E2E_XVFB_PID=
E2E_WM_PID=
E2E_SESSION_PID=
E2E_SESSION_KEEPER=
E2E_APP_PID=
E2E_APP_LOG="$E2E_TMP/app.log"

# The program's window titles, exactly: the setup and fax titles are pushed to the right
# with spaces.
E2E_MAIN_TITLE="Quoriam-The Only Fake Fax Creator Program"
E2E_SETUP_TITLE="$(printf '%64s' '')Quoriam"
E2E_FAX_TITLE="$(printf '%34s' '')Incoming Fax"

# ---------------------------------------------------------------------------------------
# Reporting

e2e_say() { printf '[%s] %s\n' "$E2E_NAME" "$*" >&"$E2E_PROGRESS_FD"; }
e2e_ok()
{
    [ "$E2E_OK_LINES" = no ] || printf '[%s] ok: %s\n' "$E2E_NAME" "$*" >&"$E2E_PROGRESS_FD"
}

# Prints the reason and, when the program ran, the end of its output; then exits 1,
# which stops everything through the EXIT trap.
e2e_fail()
{
    printf '[%s] FAIL: %s\n' "$E2E_NAME" "$*" >&2
    if [ -s "$E2E_APP_LOG" ]; then
        printf '[%s] program output (last 20 lines):\n' "$E2E_NAME" >&2
        tail -n 20 "$E2E_APP_LOG" | sed 's/^/    /' >&2
    fi
    exit 1
}

# e2e_skip REASON: the test cannot run here; says why and exits 77, which CTest reports as
# skipped (SKIP_RETURN_CODE), never as passed.
e2e_skip()
{
    printf '[%s] SKIP: %s\n' "$E2E_NAME" "$*"
    exit 77
}

# ---------------------------------------------------------------------------------------
# Clean-up

e2e_stop_pid()
{
    local pid=$1 i
    [ -n "$pid" ] || return 0
    kill -TERM "$pid" 2>/dev/null || return 0
    for i in $(seq 1 40); do
        e2e_pid_alive "$pid" || break
        sleep 0.05
    done
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return 0
}

# The compositor's session: the compositor and its message bus first, so that it takes its
# XWayland down cleanly, then the program that kept the session open.
e2e_stop_session()
{
    local pid
    [ -n "$E2E_SESSION_PID" ] || return 0
    for pid in $(cat "/proc/$E2E_SESSION_PID/task/$E2E_SESSION_PID/children" 2>/dev/null); do
        e2e_stop_pid "$pid"
    done
    e2e_stop_pid "$E2E_SESSION_KEEPER"
    e2e_stop_pid "$E2E_SESSION_PID"
}

e2e_cleanup()
{
    local status=$?
    trap - EXIT INT TERM HUP
    e2e_stop_pid "$E2E_APP_PID"
    e2e_stop_pid "$E2E_WM_PID"
    e2e_stop_session
    e2e_stop_pid "$E2E_XVFB_PID"
    rm -rf "$E2E_TMP"
    exit "$status"
}
trap e2e_cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# A child of this shell that has exited is either gone from /proc (already reaped by the
# shell, which keeps its status for `wait`) or a zombie.
e2e_pid_alive()
{
    local stat
    { read -r stat <"/proc/$1/stat"; } 2>/dev/null || return 1
    stat=${stat##*) }
    [ "${stat%% *}" != Z ]
}

# ---------------------------------------------------------------------------------------
# Time

# Seconds since the epoch with microseconds, without starting a process.
e2e_now() { printf '%s\n' "${EPOCHREALTIME/,/.}"; }

# e2e_elapsed START [END]: seconds from START to END (default: now), 3 decimals.
e2e_elapsed()
{
    local end=${2:-$(e2e_now)}
    awk -v a="$1" -v b="$end" 'BEGIN { printf "%.3f", b - a }'
}

# e2e_cmp A OP B: numeric comparison of decimals (OP one of < <= > >=).
e2e_cmp() { awk -v a="$1" -v b="$3" "BEGIN { exit !(a $2 b) }"; }

# e2e_wait_until TIMEOUT DESCRIPTION COMMAND...: runs COMMAND every 50 ms until it
# succeeds; fails the test with DESCRIPTION once TIMEOUT seconds have passed.
e2e_wait_until()
{
    local timeout=$1 what=$2
    shift 2
    local start
    start=$(e2e_now)
    until "$@"; do
        if e2e_cmp "$(e2e_elapsed "$start")" '>=' "$timeout"; then
            e2e_fail "$what (still not so after ${timeout} s)"
        fi
        sleep 0.05
    done
}

# ---------------------------------------------------------------------------------------
# X server and window manager

# Runs an X client with a time limit.
e2e_x() { timeout "$E2E_X_TIMEOUT" "$@"; }

# A window manager is ready once it has announced itself (EWMH) and published the work
# area that windows are placed in.
e2e_wm_ready()
{
    e2e_x xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' &&
        e2e_x xprop -root _NET_WORKAREA 2>/dev/null | grep -q '='
}

# Starts Xvfb on a free display, with an authorisation cookie of its own, and the window
# manager E2E_WM on it, and waits until both answer.
e2e_start_display()
{
    local cookie i start tool wm wm_tools=
    case $E2E_WM in
    mutter | kwin)
        e2e_start_compositor
        return
        ;;
    esac
    [ "$E2E_WM" = none ] || wm_tools="$E2E_WM wmctrl"
    for tool in Xvfb $wm_tools xdotool xwininfo xprop xauth xclip timeout; do
        command -v "$tool" >/dev/null ||
            e2e_fail "'$tool' is not installed (tools/install-deps.sh --test installs what these tests need)"
    done
    cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
    : >"$E2E_TMP/server.auth"
    xauth -q -f "$E2E_TMP/server.auth" add :0 MIT-MAGIC-COOKIE-1 "$cookie" ||
        e2e_fail "xauth cannot write a cookie"

    # -noreset: the server would otherwise reset when its last client leaves, and a
    # client connecting meanwhile (the window manager just after our first query) fails.
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN_W}x${E2E_SCREEN_H}x24" -nolisten tcp -noreset \
        -auth "$E2E_TMP/server.auth" 3>"$E2E_TMP/display" >"$E2E_TMP/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    for i in $(seq 1 200); do
        grep -q '^[0-9][0-9]*$' "$E2E_TMP/display" 2>/dev/null && break
        e2e_pid_alive "$E2E_XVFB_PID" || e2e_fail "Xvfb ended at start: $(cat "$E2E_TMP/xvfb.log")"
        sleep 0.05
    done
    grep -q '^[0-9][0-9]*$' "$E2E_TMP/display" || e2e_fail "Xvfb did not report its display in 10 s"
    export DISPLAY=":$(cat "$E2E_TMP/display")"
    export XAUTHORITY="$E2E_TMP/client.auth"
    : >"$XAUTHORITY"
    xauth -q add "$DISPLAY" MIT-MAGIC-COOKIE-1 "$cookie" || e2e_fail "xauth cannot write a cookie"
    e2e_wait_until 10 "X server $DISPLAY answers" e2e_x xprop -root _NET_WM_NAME >/dev/null 2>&1

    if [ "$E2E_WM" = none ]; then
        e2e_say "X server $DISPLAY (${E2E_SCREEN_W}x${E2E_SCREEN_H}) without a window manager is up"
        return 0
    fi

    # The window manager with its built-in default configuration, whatever the user's is.
    mkdir -p "$E2E_TMP/config" "$E2E_TMP/home"
    wm=("$E2E_WM")
    [ "$E2E_WM" = openbox ] && wm+=(--sm-disable)
    HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$E2E_TMP/config" "${wm[@]}" >"$E2E_TMP/wm.log" 2>&1 &
    E2E_WM_PID=$!
    start=$(e2e_now)
    until e2e_wm_ready; do
        e2e_pid_alive "$E2E_WM_PID" || e2e_fail "$E2E_WM ended at start: $(cat "$E2E_TMP/wm.log")"
        e2e_cmp "$(e2e_elapsed "$start")" '<' 20 ||
            e2e_fail "$E2E_WM does not manage $DISPLAY after 20 s: $(cat "$E2E_TMP/wm.log")"
        sleep 0.05
    done
    e2e_say "X server $DISPLAY (${E2E_SCREEN_W}x${E2E_SCREEN_H}) with $E2E_WM is up"
}

# e2e_start_compositor: E2E_WM's Wayland compositor, headless, with XWayland, on a message
# bus, runtime folder and configuration of its own, and the program's environment as in
# that desktop's session. The compositor runs a small program of ours in its session,
# which tells the X display (and its cookie) and keeps the session open.
e2e_start_compositor()
{
    local tool run="$E2E_TMP/wayland" desktop compositor start values
    case $E2E_WM in
    mutter)
        desktop=GNOME
        compositor=(mutter --headless --wayland --virtual-monitor "${E2E_SCREEN_W}x${E2E_SCREEN_H}" --)
        ;;
    kwin)
        desktop=KDE
        # kwin_wayland carries a file capability (cap_sys_resource) that some containers
        # refuse to start ("Operation not permitted"); a copy carries none.
        command -v kwin_wayland >/dev/null && cp "$(command -v kwin_wayland)" "$E2E_TMP/kwin_wayland"
        compositor=("$E2E_TMP/kwin_wayland" --virtual --xwayland --width "$E2E_SCREEN_W"
            --height "$E2E_SCREEN_H")
        ;;
    esac
    for tool in "${E2E_WM/kwin/kwin_wayland}" Xwayland dbus-run-session wmctrl xdotool xwininfo xprop xclip timeout; do
        command -v "$tool" >/dev/null ||
            e2e_fail "'$tool' is not installed (tools/install-deps.sh --test installs what these tests need)"
    done
    mkdir -m 700 "$run" && mkdir -p "$E2E_TMP/config" "$E2E_TMP/home" || e2e_fail "cannot make $run"
    {
        echo '#!/bin/sh'
        printf 'file=%q\n' "$E2E_TMP/session"
        echo 'printf "%s %s %s\n" "$$" "$DISPLAY" "$XAUTHORITY" >"$file.new" && mv "$file.new" "$file"'
        echo 'exec sleep infinity'
    } >"$E2E_TMP/session.sh"
    chmod +x "$E2E_TMP/session.sh"
    env -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS -u XAUTHORITY \
        HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$E2E_TMP/config" XDG_RUNTIME_DIR="$run" \
        dbus-run-session -- "${compositor[@]}" "$E2E_TMP/session.sh" >"$E2E_TMP/wm.log" 2>&1 &
    E2E_SESSION_PID=$!
    start=$(e2e_now)
    until [ -s "$E2E_TMP/session" ]; do
        e2e_pid_alive "$E2E_SESSION_PID" ||
            e2e_skip "$E2E_WM cannot start here: $(tail -n 3 "$E2E_TMP/wm.log" | tr '\n' ' ')"
        e2e_cmp "$(e2e_elapsed "$start")" '<' 60 ||
            e2e_skip "$E2E_WM started no session within 60 s: $(tail -n 3 "$E2E_TMP/wm.log" | tr '\n' ' ')"
        sleep 0.05
    done
    read -r E2E_SESSION_KEEPER values XAUTHORITY <"$E2E_TMP/session"
    export DISPLAY=$values
    if [ -n "$XAUTHORITY" ]; then export XAUTHORITY; else unset XAUTHORITY; fi
    # mutter publishes the work area; KWin under Wayland does not (see e2e_work_area).
    e2e_wait_until 30 "$E2E_WM manages XWayland's display $DISPLAY" eval \
        'e2e_x xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"'
    E2E_APP_ENV=(env -u SESSION_MANAGER -u DBUS_SESSION_BUS_ADDRESS -u QT_QPA_PLATFORMTHEME
        -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$run" WAYLAND_DISPLAY=wayland-0
        XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP="$desktop" LANGUAGE=en)
    e2e_say "$E2E_WM (Wayland, ${E2E_SCREEN_W}x${E2E_SCREEN_H}) is up with XWayland on $DISPLAY, after $(e2e_elapsed "$start") s"
}

# ---------------------------------------------------------------------------------------
# The program

# The environment the program runs in, as a command to put before it: the X11 platform, a
# runtime folder of its own, English whatever the caller's language, and nothing of the
# caller's session (its session manager, message bus and platform theme). env executes
# the program, which keeps env's process id.
# Under a compositor, the compositor's session instead (e2e_start_compositor).
E2E_APP_ENV=(env -u SESSION_MANAGER -u DBUS_SESSION_BUS_ADDRESS -u QT_QPA_PLATFORMTHEME
    QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$E2E_TMP/runtime" LANGUAGE=en)

# e2e_start_app BINARY: starts the program on the private display.
e2e_start_app()
{
    [ -x "$1" ] || e2e_fail "no program at '$1'"
    : >"$E2E_APP_LOG"
    "${E2E_APP_ENV[@]}" "$1" >"$E2E_APP_LOG" 2>&1 &
    E2E_APP_PID=$!
    e2e_say "started $1 (pid $E2E_APP_PID)"
}

e2e_app_alive() { e2e_pid_alive "$E2E_APP_PID"; }
e2e_app_ended() { ! e2e_pid_alive "$E2E_APP_PID"; }

# e2e_expect_exit STATUS TIMEOUT: the program ends within TIMEOUT s with STATUS.
e2e_expect_exit()
{
    local want=$1 timeout=$2 status
    e2e_wait_until "$timeout" "the program ends" e2e_app_ended
    wait "$E2E_APP_PID"
    status=$?
    E2E_APP_PID=
    [ "$status" -eq "$want" ] || e2e_fail "the program ended with status $status, expected $want"
    e2e_ok "the program ended with status $status"
}

# Processor time (user + system) the program has used so far, in clock ticks; fails
# when the program has ended.
e2e_app_cpu_ticks()
{
    local stat
    { read -r stat <"/proc/$E2E_APP_PID/stat"; } 2>/dev/null || return 1
    # Fields after the ")" that closes the command name start at field 3: utime and
    # stime, fields 14 and 15, are the 12th and 13th of the rest.
    stat=${stat##*) }
    set -- $stat
    echo $((${12} + ${13}))
}

# ---------------------------------------------------------------------------------------
# Windows

# e2e_find_window TITLE [XDOTOOL-SEARCH-OPTION...]: prints the ids of every window whose
# name is exactly TITLE (leading spaces included). `xdotool search` matches a regular
# expression anywhere in the name, case-insensitively, so its answers are compared
# again exactly. A name with letters outside ASCII does not come back from WM_NAME, which
# the search reads, as it was: such a name is searched by its ASCII beginning.
e2e_find_window()
{
    local title=$1 ascii pattern id name
    shift
    ascii=${title%%[! -~]*}
    pattern=$(printf '%s' "$ascii" | sed -e 's/^ *//' -e 's/[][\.*^$+?(){}|/]/\\&/g')
    [ "$ascii" = "$title" ] && pattern+='$'
    for id in $(e2e_x xdotool search "$@" --name "$pattern" 2>/dev/null); do
        name=$(e2e_x xdotool getwindowname "$id" 2>/dev/null) || continue
        [ "$name" = "$title" ] && echo "$id"
    done
}

e2e_window_exists() { [ -n "$(e2e_find_window "$1")" ]; }

# e2e_find_viewable TITLE: the ids of the viewable windows named exactly TITLE; fails
# when there is none.
e2e_find_viewable()
{
    local ids
    ids=$(e2e_find_window "$1" --onlyvisible)
    [ -n "$ids" ] && echo "$ids"
}

e2e_viewable_title() { e2e_find_viewable "$1" >/dev/null; }
e2e_no_viewable_title() { ! e2e_find_viewable "$1" >/dev/null; }

# e2e_wait_window TITLE TIMEOUT: waits for a viewable window named exactly TITLE and
# sets E2E_WIN to its id.
e2e_wait_window()
{
    local title=$1 timeout=$2
    e2e_wait_until "$timeout" "a window titled '$title' is shown" e2e_viewable_title "$title"
    E2E_WIN=$(e2e_find_viewable "$title")
    [ -n "$E2E_WIN" ] || e2e_fail "the window titled '$title' went away at once"
    [ "$(printf '%s\n' "$E2E_WIN" | wc -l)" -eq 1 ] ||
        e2e_fail "more than one window titled '$title' is shown: $E2E_WIN"
}

# e2e_window_info ID: sets E2E_X E2E_Y (absolute position of the client area), E2E_W
# E2E_H (its size) and E2E_MAP (map state) from xwininfo.
e2e_window_info()
{
    local info
    info=$(e2e_x xwininfo -id "$1" 2>/dev/null) || return 1
    E2E_X=$(printf '%s\n' "$info" | sed -n 's/^ *Absolute upper-left X: *//p')
    E2E_Y=$(printf '%s\n' "$info" | sed -n 's/^ *Absolute upper-left Y: *//p')
    E2E_W=$(printf '%s\n' "$info" | sed -n 's/^ *Width: *//p')
    E2E_H=$(printf '%s\n' "$info" | sed -n 's/^ *Height: *//p')
    E2E_MAP=$(printf '%s\n' "$info" | sed -n 's/^ *Map State: *//p')
}

e2e_viewable()
{
    e2e_window_info "$1" || return 1
    [ "$E2E_MAP" = IsViewable ]
}
e2e_not_viewable() { ! e2e_viewable "$1"; }

e2e_window_gone() { ! e2e_x xwininfo -id "$1" >/dev/null 2>&1; }

# e2e_net_wm_state ID: the window's _NET_WM_STATE atoms, one line.
e2e_net_wm_state() { e2e_x xprop -id "$1" _NET_WM_STATE 2>/dev/null; }

e2e_is_above() { e2e_net_wm_state "$1" | grep -q '_NET_WM_STATE_ABOVE'; }

# The active window, as the window manager says; without one, the window with the
# keyboard focus.
e2e_active_window()
{
    if [ "$E2E_WM" = none ]; then
        e2e_x xdotool getwindowfocus -f 2>/dev/null
    else
        e2e_x xdotool getactivewindow 2>/dev/null
    fi
}
e2e_is_active() { [ "$(e2e_active_window)" = "$1" ]; }

# e2e_focus ID: makes the window the active one, as a click on it would.
e2e_focus()
{
    e2e_is_active "$1" && return 0
    if [ "$E2E_WM" = none ]; then
        e2e_x xdotool windowfocus "$1" >/dev/null 2>&1
    else
        e2e_x xdotool windowactivate "$1" >/dev/null 2>&1
    fi
    e2e_wait_until 5 "window $1 becomes the active window" e2e_is_active "$1"
}

# e2e_key KEY...: types keys (xdotool key syntax) into the window that has the focus.
e2e_key() { e2e_x xdotool key --delay 30 "$@" || e2e_fail "xdotool key $* failed"; }

# e2e_type TEXT: types TEXT into the window that has the focus.
e2e_type() { e2e_x xdotool type --delay 30 -- "$1" || e2e_fail "xdotool type '$1' failed"; }

# e2e_menu_open: one of the program's drop-down menus is shown. Menus carry no WM_NAME
# (only _NET_WM_NAME) and Qt does not always mark their window type, so they are found
# as the program's viewable override-redirect windows (E2E_APP_CLASS).
e2e_menu_open()
{
    local id info
    for id in $(e2e_x xdotool search --classname "$E2E_APP_CLASS" 2>/dev/null); do
        info=$(e2e_x xwininfo -id "$id" 2>/dev/null) || continue
        case $info in
        *"Map State: IsViewable"*) ;;
        *) continue ;;
        esac
        case $info in
        *"Override Redirect State: yes"*) return 0 ;;
        esac
    done
    return 1
}

# e2e_menu ACCESS ITEM: opens a menu of the focused window with Alt+ACCESS, waits for it
# to show and picks ITEM by its access key.
e2e_menu()
{
    e2e_key "alt+$1"
    e2e_wait_until 5 "Alt+$1 opens a menu" e2e_menu_open
    e2e_key "$2"
}

# The text on the clipboard, as its owner hands it out.
e2e_clipboard() { e2e_x xclip -o -selection clipboard 2>/dev/null; }
e2e_clipboard_is() { [ "$(e2e_clipboard)" = "$1" ]; }

# e2e_close ID: asks the window manager to close the window (WM_DELETE_WINDOW).
e2e_close() { e2e_x wmctrl -i -c "$1" || e2e_fail "wmctrl cannot close window $1"; }

# ---------------------------------------------------------------------------------------
# Boxes and buttons, by name

# e2e_read_places COMMAND...: runs COMMAND, which lists where the boxes and buttons of the
# program's windows are (tests/e2e/places.cpp), and keeps the list for e2e_point.
e2e_read_places()
{
    "$@" >"$E2E_TMP/places.out" 2>"$E2E_TMP/places.err" && [ -s "$E2E_TMP/places.out" ] ||
        e2e_fail "no list of the controls' places from $*: $(cat "$E2E_TMP/places.err")"
    tr -d '\r' <"$E2E_TMP/places.out" >"$E2E_TMP/places" # Windows ends its lines with CR LF
}

# e2e_place_of ID NAME: sets E2E_PX E2E_PY to the middle of the box or button that
# assistive tools name NAME ("Send", "Receive Fax In") in the window ID, in the window's
# pixels; fails saying which control it cannot find.
e2e_place_of()
{
    local title window place x y w h
    title=$(e2e_x xdotool getwindowname "$1" 2>/dev/null) || e2e_fail "window $1 is gone"
    window=$(printf '%s' "$title" | sed -e 's/^ *//' -e 's/ *$//')
    place=$(awk -F'\t' -v w="$window" -v c="$2" '$1 == w && $2 == c { print $3, $4, $5, $6; exit }' \
        "$E2E_TMP/places")
    [ -n "$place" ] || e2e_fail "no control named '$2' in the window '$window' (it has: $(awk -F'\t' \
        -v w="$window" '$1 == w { printf "%s%s", s, $2; s = ", " }' "$E2E_TMP/places"))"
    read -r x y w h <<<"$place"
    E2E_PX=$((x + w / 2)) E2E_PY=$((y + h / 2))
}

# e2e_point ID NAME: moves the pointer to the middle of that control.
e2e_point()
{
    e2e_place_of "$1" "$2"
    e2e_x xdotool mousemove --window "$1" "$E2E_PX" "$E2E_PY" ||
        e2e_fail "xdotool cannot move the pointer to '$2'"
}

# e2e_click ID NAME: clicks that control, and puts the pointer back where it was.
e2e_click()
{
    local pointer
    e2e_place_of "$1" "$2"
    pointer=$(e2e_x xdotool getmouselocation | sed 's/x:\([0-9]*\) y:\([0-9]*\).*/\1 \2/')
    # shellcheck disable=SC2086 # x y
    e2e_x xdotool mousemove --window "$1" "$E2E_PX" "$E2E_PY" click 1 mousemove $pointer ||
        e2e_fail "xdotool cannot click '$2'"
}

# ---------------------------------------------------------------------------------------
# Where windows go

# e2e_work_area: sets E2E_WA_X E2E_WA_Y E2E_WA_W E2E_WA_H to the work area of the current
# desktop (_NET_WORKAREA), or to the whole screen without a window manager.
e2e_work_area()
{
    local desktop values
    E2E_WA_X=0 E2E_WA_Y=0 E2E_WA_W=$E2E_SCREEN_W E2E_WA_H=$E2E_SCREEN_H
    [ "$E2E_WM" = none ] && return 0
    desktop=$(e2e_x xprop -root -notype _NET_CURRENT_DESKTOP 2>/dev/null | sed -n 's/.* = //p')
    values=$(e2e_x xprop -root -notype _NET_WORKAREA 2>/dev/null | sed -n 's/.* = //p' | tr -d ' ')
    # KWin under Wayland publishes none: its X11 programs (Qt too) take the whole screen.
    [ -z "$values" ] && [ "$E2E_WM" = kwin ] && return 0
    set -- ${values//,/ }
    shift $((4 * ${desktop:-0})) 2>/dev/null || set --
    [ $# -ge 4 ] || e2e_fail "no work area for desktop ${desktop:-0} in _NET_WORKAREA ($values)"
    E2E_WA_X=$1 E2E_WA_Y=$2 E2E_WA_W=$3 E2E_WA_H=$4
}

# e2e_frame_extents ID: sets E2E_FRAME to the window manager's frame around the window,
# "left right top bottom" (_NET_FRAME_EXTENTS); fails while there is none. Without a
# window manager there is no frame: "0 0 0 0".
e2e_frame_extents()
{
    local values
    E2E_FRAME="0 0 0 0"
    [ "$E2E_WM" = none ] && return 0
    values=$(e2e_x xprop -id "$1" -notype _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.* = //p')
    [ -n "$values" ] || return 1
    E2E_FRAME=${values//,/}
}

e2e_framed() { e2e_viewable "$1" && e2e_frame_extents "$1"; }

# ---------------------------------------------------------------------------------------
# The way to the setup window

# e2e_open_setup BIN: starts the program and opens the setup window from the keyboard
# (Incoming Fax > New: Alt+I, N); sets E2E_SETUP to the setup window, focused.
e2e_open_setup()
{
    e2e_start_app "$1"
    e2e_wait_window "$E2E_MAIN_TITLE" 30
    e2e_focus "$E2E_WIN"
    e2e_menu i n
    e2e_wait_window "$E2E_SETUP_TITLE" 10
    E2E_SETUP=$E2E_WIN
    e2e_focus "$E2E_SETUP"
}
