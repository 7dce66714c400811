# shellcheck shell=bash
# The end-to-end tests' layer over the X11 harness (tools/x11/harness.sh, which starts the
# X server and the program and finds and reads its windows): the checks that the tests
# make on a window, each failing the test with what it found or printing what held.
# Source it from a test script, which then calls e2e_start_display.

# shellcheck source-path=SCRIPTDIR source=../../tools/x11/harness.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../tools/x11/harness.sh"

# e2e_check_size ID W H NAME
e2e_check_size()
{
    e2e_window_info "$1" || e2e_fail "$4: window $1 is gone"
    [ "$E2E_W" -eq "$2" ] && [ "$E2E_H" -eq "$3" ] ||
        e2e_fail "$4 is ${E2E_W} x ${E2E_H} px, expected $2 x $3"
    e2e_ok "$4 is $2 x $3 px"
}

# e2e_outer ID NAME: waits for the window to be shown in its frame (the window manager's,
# when there is one) and sets E2E_FX E2E_FY E2E_FW E2E_FH to the frame's place and size.
e2e_outer()
{
    local left right top bottom
    e2e_wait_until 5 "$2 is shown in its frame (_NET_FRAME_EXTENTS)" e2e_framed "$1"
    read -r left right top bottom <<<"$E2E_FRAME"
    E2E_FX=$((E2E_X - left)) E2E_FY=$((E2E_Y - top))
    E2E_FW=$((E2E_W + left + right)) E2E_FH=$((E2E_H + top + bottom))
}

# e2e_check_centred_in ID NAME X Y W H WHERE: the window with its frame is centred on the
# rectangle: its middle is within 2 px of the rectangle's in both directions.
e2e_check_centred_in()
{
    local dx2 dy2 dx dy
    e2e_outer "$1" "$2"
    # Twice the offsets, to keep half pixels.
    dx2=$(((2 * E2E_FX + E2E_FW) - (2 * $3 + $5)))
    dy2=$(((2 * E2E_FY + E2E_FH) - (2 * $4 + $6)))
    dx=$(awk -v d="$dx2" 'BEGIN { printf "%.1f", d / 2 }')
    dy=$(awk -v d="$dy2" 'BEGIN { printf "%.1f", d / 2 }')
    [ "${dx2#-}" -le 4 ] && [ "${dy2#-}" -le 4 ] ||
        e2e_fail "$2 is not centred: its frame at ($E2E_FX,$E2E_FY) ${E2E_FW}x${E2E_FH} (window ${E2E_W}x${E2E_H}, frame $E2E_FRAME) has its middle off $7's ($3,$4 $5x$6) by ($dx,$dy) px"
    e2e_ok "$2 is centred on $7 (frame's middle off by $dx,$dy px)"
}

# e2e_check_centred ID NAME: the window with its frame is centred on the work area.
e2e_check_centred()
{
    e2e_work_area
    e2e_check_centred_in "$1" "$2" "$E2E_WA_X" "$E2E_WA_Y" "$E2E_WA_W" "$E2E_WA_H" "the work area"
}

# e2e_check_centred_on ID OWNER NAME: the window with its frame is centred on OWNER's.
e2e_check_centred_on()
{
    e2e_outer "$2" "the window under $3"
    e2e_check_centred_in "$1" "$3" "$E2E_FX" "$E2E_FY" "$E2E_FW" "$E2E_FH" "its window"
}

# e2e_check_above ID NAME / e2e_check_not_above ID NAME
e2e_check_above()
{
    e2e_is_above "$1" || e2e_fail "$2 does not stay on top: $(e2e_net_wm_state "$1")"
    e2e_ok "$2 stays on top (_NET_WM_STATE_ABOVE)"
}
e2e_check_not_above()
{
    local state
    state=$(e2e_net_wm_state "$1")
    case $state in
    *_NET_WM_STATE_ABOVE*) e2e_fail "$2 stays on top but should not: $state" ;;
    esac
    e2e_ok "$2 does not stay on top"
}

# e2e_toplevel ID: the root's child that holds the window (its frame, under a window
# manager that draws one), as 0x... .
e2e_toplevel()
{
    local window=$1 tree root parent
    while tree=$(e2e_x xwininfo -tree -id "$window" 2>/dev/null); do
        root=$(sed -n 's/^ *Root window id: \(0x[0-9a-f]*\).*/\1/p' <<<"$tree")
        parent=$(sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p' <<<"$tree")
        [ "$parent" = "$root" ] && break
        window=$parent
    done
    printf '0x%x\n' "$window"
}

# e2e_check_stays_above ID NAME: a window of another program opened after it, which takes
# the focus, stays below it in the X server's stacking of the windows on the screen
# (xwininfo lists the root's children from the top down). Closes that window again.
e2e_check_stays_above()
{
    local other above below order
    xmessage -title "Another program" "A window opened after $2" >/dev/null 2>&1 &
    E2E_OTHER_PID=$!
    e2e_wait_window "Another program" 10
    other=$E2E_WIN
    e2e_focus "$other"
    above=$(e2e_toplevel "$1") below=$(e2e_toplevel "$other")
    order=$(e2e_x xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p' |
        grep -xE "$above|$below" | tr '\n' ' ')
    [ "$order" = "$above $below " ] ||
        e2e_fail "$2 (in $above) is not above a window opened after it that has the focus (in $below): from the top, $order"
    e2e_stop_pid "$E2E_OTHER_PID"
    E2E_OTHER_PID=
    e2e_wait_until 5 "the other program's window closes" e2e_window_gone "$other"
    e2e_ok "$2 stays above a window opened after it that has the focus"
}

# e2e_check_focused_text EXPECTED NAME: the text box with the keyboard focus holds
# EXPECTED. Selects all its text and copies it (Ctrl+A, Ctrl+C), then reads the clipboard.
# A focus elsewhere copies nothing and leaves the previous clipboard, so consecutive checks
# should expect different texts.
e2e_check_focused_text()
{
    local want=$1 what=$2 start got
    e2e_key ctrl+a ctrl+c
    start=$(e2e_now)
    until e2e_clipboard_is "$want"; do
        if e2e_cmp "$(e2e_elapsed "$start")" '>=' 3; then
            got=$(e2e_clipboard)
            e2e_fail "$what: the focused box holds '$got', expected '$want'"
        fi
        sleep 0.05
    done
    e2e_ok "$what holds '$(printf '%s' "$want" | sed -n '1h;1!H;${g;s/\n/\\n/g;p}')'"
}

# e2e_check_arrival T_BEFORE T_AFTER LAST_ABSENT T_SEEN ALLOWANCE: Send with a delay of 2
# was pressed between T_BEFORE and T_AFTER, and the fax was still absent at LAST_ABSENT
# and shown at T_SEEN: it came 1.5 to 2.5 s after the press (ALLOWANCE s more on the late
# side, for the time the click takes to reach the program).
e2e_check_arrival()
{
    local earliest latest
    earliest=$(e2e_elapsed "$1" "$4")
    latest=$(e2e_elapsed "$2" "$3")
    e2e_say "incoming fax shown between $latest and $earliest s after the click on Send"
    e2e_cmp "$earliest" '>=' 1.5 ||
        e2e_fail "the fax showed too early: at most $earliest s after the click on Send, expected 1.5 s at least"
    e2e_cmp "$latest" '<=' "$(awk -v a="$5" 'BEGIN { print 2.5 + a }')" ||
        e2e_fail "the fax showed too late: not before $latest s after the click on Send, expected 2.5 s at most (+ $5 s allowance)"
    e2e_ok "the fax arrives 1.5 to 2.5 s after the click on Send"
}
