#!/usr/bin/env bash
# Send, on a real X server with a window manager, driven with the keyboard and with clicks
# on the boxes and buttons, which are found by name.
#  1. Delay 2: the setup window hides at once, the incoming fax shows 1.5 to 2.5 s after
#     the click on Send (the wait counts from the time of day rounded to whole seconds), the
#     program sleeps meanwhile, and closing the fax ends it.
#  2. Delay "abc": a critical message box, the setup window stays with its texts.
# Usage: send.sh PATH/TO/quoriam PATH/TO/e2e_places
. "$(dirname "$0")/lib.sh"

BIN=${1:?usage: send.sh PATH/TO/quoriam PATH/TO/e2e_places}
PLACES=${2:?usage: send.sh PATH/TO/quoriam PATH/TO/e2e_places}
MAIN_TITLE=$E2E_MAIN_TITLE
SETUP_TITLE=$E2E_SETUP_TITLE
FAX_TITLE=$E2E_FAX_TITLE
BOX_TITLE="Quoriam-Fake Fax Creator"
CLK_TCK=$(getconf CLK_TCK)

# Measurement allowance on the latest arrival: the click reaches the program a little
# after xdotool returns, and the fax window takes a moment to build and map.
LATE_ALLOWANCE=0.15
# The most processor time the program may use while it waits, in seconds.
MAX_WAIT_CPU=0.1

e2e_start_display
e2e_read_places env QT_QPA_PLATFORM=offscreen "$PLACES"

# Starts the program and opens the setup window from the keyboard; sets SETUP.
open_setup()
{
    e2e_open_setup "$BIN"
    SETUP=$E2E_SETUP
    e2e_ok "setup window is shown (Alt+I, N)"
}

# --- 1. A delay of 2 seconds -----------------------------------------------------------
e2e_say "part 1: Send with a delay of 2 s"
open_setup
e2e_check_focused_text "Fake Person" "sender box (focus at opening)"
e2e_click "$SETUP" "Receive Fax In"
e2e_check_focused_text "15" "delay box"
# Ctrl+A of the check above left the text selected; typing replaces it.
e2e_type 2
e2e_check_focused_text "2" "delay box"
e2e_point "$SETUP" Send
e2e_say "a click on Send"

# The click is timed.
t_before=$(e2e_now)
e2e_x xdotool click 1 || e2e_fail "xdotool click failed"
t_after=$(e2e_now)

e2e_wait_until 0.5 "the setup window hides at once" e2e_not_viewable "$SETUP"
e2e_ok "the setup window hid $(e2e_elapsed "$t_after") s after the click"
t_hidden=$(e2e_now)
cpu_start=$(e2e_app_cpu_ticks)
[ -n "$cpu_start" ] || e2e_fail "the program ended after Send"

# Look for the fax until it shows. The processor time is read before each look: when
# the look finds no fax, that reading belongs to the wait.
cpu_waited=$cpu_start
last_absent=$t_after
give_up_us=$((${t_after/./} + 5000000))
while :; do
    t=$(e2e_now)
    cpu=$(e2e_app_cpu_ticks)
    [ -n "$cpu" ] || e2e_fail "the program ended while waiting to show the fax"
    if FAX=$(e2e_find_viewable "$FAX_TITLE"); then
        t_seen=$(e2e_now)
        [ "$(printf '%s\n' "$FAX" | wc -l)" -eq 1 ] || e2e_fail "more than one incoming fax is shown: $FAX"
        break
    fi
    last_absent=$t
    cpu_waited=$cpu
    [ "${t/./}" -lt "$give_up_us" ] || e2e_fail "no incoming fax 5 s after Send with a delay of 2 s"
done

# The fax was still absent at last_absent and present at t_seen; the key went out
# between t_before and t_after.
e2e_check_arrival "$t_before" "$t_after" "$last_absent" "$t_seen" "$LATE_ALLOWANCE"

cpu_s=$(awk -v t="$((cpu_waited - cpu_start))" -v hz="$CLK_TCK" 'BEGIN { printf "%.3f", t / hz }')
waited=$(e2e_elapsed "$t_hidden" "$last_absent")
e2e_cmp "$cpu_s" '<' "$MAX_WAIT_CPU" ||
    e2e_fail "the program used $cpu_s s of processor time while waiting, expected less than $MAX_WAIT_CPU s"
e2e_ok "processor time used in the $waited s of waiting: $cpu_s s ($((cpu_waited - cpu_start)) ticks)"

e2e_check_size "$FAX" 399 336 "incoming fax"
e2e_check_centred "$FAX" "incoming fax"
e2e_check_not_above "$FAX" "incoming fax"
e2e_viewable "$SETUP" && e2e_fail "the setup window came back with the fax"

e2e_close "$FAX"
e2e_say "closing the incoming fax"
e2e_expect_exit 0 10

# --- 2. A delay that is no number ------------------------------------------------------
e2e_say "part 2: Send with the delay 'abc'"
open_setup
e2e_click "$SETUP" From
e2e_key ctrl+a
e2e_type "Ada Lovelace"
e2e_click "$SETUP" To
e2e_key ctrl+a
e2e_type "Charles Babbage"
e2e_click "$SETUP" Message
e2e_key ctrl+a
e2e_type "Line one"
e2e_key Return
e2e_type "Line two"
e2e_click "$SETUP" "Receive Fax In"
e2e_key ctrl+a
e2e_type abc
e2e_check_focused_text abc "delay box"
e2e_click "$SETUP" Send
e2e_say "a click on Send"

e2e_wait_window "$BOX_TITLE" 10
BOX=$E2E_WIN
e2e_ok "a message box titled '$BOX_TITLE' is shown"
e2e_wait_until 5 "the message box has the focus" e2e_is_active "$BOX"
e2e_net_wm_state "$BOX" | grep -q _NET_WM_STATE_MODAL ||
    e2e_fail "the message box is not modal: $(e2e_net_wm_state "$BOX")"
e2e_ok "it is modal and has the focus"
e2e_viewable "$SETUP" || e2e_fail "the setup window hid behind the message box"
e2e_ok "the setup window stays shown"

e2e_key Return
e2e_wait_until 5 "Return dismisses the message box" e2e_no_viewable_title "$BOX_TITLE"
e2e_ok "Return dismisses the message box"
e2e_app_alive || e2e_fail "the program ended with the message box"
e2e_viewable "$SETUP" || e2e_fail "the setup window is no longer shown"
e2e_viewable_title "$FAX_TITLE" && e2e_fail "an incoming fax is shown after a delay that is no number"
e2e_focus "$SETUP"
e2e_check_focused_text abc "delay box (focus after the message)"
e2e_click "$SETUP" From
e2e_check_focused_text "Ada Lovelace" "sender box"
e2e_click "$SETUP" To
e2e_check_focused_text "Charles Babbage" "recipient box"
e2e_click "$SETUP" Message
e2e_check_focused_text "Line one
Line two" "message text box"

e2e_close "$SETUP"
e2e_expect_exit 0 10
e2e_say "all checks passed"
