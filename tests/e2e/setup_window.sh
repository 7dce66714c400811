#!/usr/bin/env bash
# Incoming Fax > New on a real X server with a window manager: the main window hides,
# the setup window shows with the keyboard focus in the sender box, and closing it ends
# the program.
# Usage: setup_window.sh PATH/TO/quoriam PATH/TO/e2e_places
. "$(dirname "$0")/lib.sh"

BIN=${1:?usage: setup_window.sh PATH/TO/quoriam PATH/TO/e2e_places}
PLACES=${2:?usage: setup_window.sh PATH/TO/quoriam PATH/TO/e2e_places}
MAIN_TITLE=$E2E_MAIN_TITLE
SETUP_TITLE=$E2E_SETUP_TITLE

e2e_start_display
e2e_read_places env QT_QPA_PLATFORM=offscreen "$PLACES"
e2e_start_app "$BIN"
e2e_wait_window "$MAIN_TITLE" 30
MAIN=$E2E_WIN
e2e_ok "main window is shown"

e2e_focus "$MAIN"
e2e_menu i n
e2e_say "Incoming Fax > New (Alt+I, N)"
e2e_wait_window "$SETUP_TITLE" 10
SETUP=$E2E_WIN
[ "${#SETUP_TITLE}" -eq 71 ] || e2e_fail "test error: the title should have 71 characters"
e2e_ok "setup window is shown, titled 64 spaces + 'Quoriam' (exactly)"

e2e_wait_until 5 "the main window hides" e2e_not_viewable "$MAIN"
e2e_window_info "$MAIN" || e2e_fail "the main window's X window is gone; it should only be hidden"
e2e_ok "the main window is hidden (map state $E2E_MAP)"

e2e_check_size "$SETUP" 561 310 "setup window"
e2e_check_centred "$SETUP" "setup window"
e2e_check_above "$SETUP" "setup window"

e2e_focus "$SETUP"
e2e_check_focused_text "Fake Person" "the box with the focus at opening (the sender box)"

# Emptying the delay box: a modal box above everything, which a window manager that
# minimises it anyway gets back at once; Enter closes it and the box holds "0".
e2e_click "$SETUP" "Receive Fax In"
e2e_key ctrl+a BackSpace
e2e_wait_window "Quoriam-Fake Fax Creator" 5
BOX=$E2E_WIN
e2e_check_centred_on "$BOX" "$SETUP" "the message box"
e2e_net_wm_state "$BOX" | grep -q _NET_WM_STATE_MODAL || e2e_fail "the message box is not modal"
e2e_check_above "$BOX" "the message box"
e2e_x xdotool windowminimize "$BOX"
e2e_wait_until 5 "the message box comes back" e2e_viewable "$BOX"
e2e_ok "the message box comes back when minimised"
e2e_focus "$BOX"
e2e_key Return
e2e_wait_until 5 "Enter closes the message box" e2e_not_viewable "$BOX"
e2e_focus "$SETUP"
e2e_check_focused_text "0" "the emptied delay box"

e2e_close "$SETUP"
e2e_say "closing the setup window"
e2e_expect_exit 0 10
e2e_window_gone "$SETUP" || e2e_fail "the setup window outlives the program"

e2e_say "all checks passed"
