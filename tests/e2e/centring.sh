#!/usr/bin/env bash
# Each of the four windows opens centred on the work area, frame included, under the
# window manager E2E_WM (or none): the main window, About, the setup window and the
# incoming fax, in one run of the program. Where a window manager stacks and activates
# windows, the setup window also stays above a window opened after it that has the
# focus, and the fax comes up active.
# Usage: [E2E_WM=icewm|fluxbox|mutter|kwin|none] [E2E_TASKBAR_AT_TOP=1] centring.sh PATH/TO/quoriam
#        PATH/TO/e2e_places
. "$(dirname "$0")/lib.sh"

BIN=${1:?usage: centring.sh PATH/TO/quoriam PATH/TO/e2e_places}
PLACES=${2:?usage: centring.sh PATH/TO/quoriam PATH/TO/e2e_places}

# E2E_TASKBAR_AT_TOP=1 puts icewm's taskbar at the top: the work area starts below it.
if [ "${E2E_TASKBAR_AT_TOP:-0}" = 1 ]; then
    mkdir -p "$E2E_TMP/config/icewm" && echo TaskBarAtTop=1 >"$E2E_TMP/config/icewm/preferences"
fi
e2e_start_display
e2e_read_places env QT_QPA_PLATFORM=offscreen "$PLACES"
if [ "${E2E_TASKBAR_AT_TOP:-0}" = 1 ]; then
    work_area_below_top() { e2e_work_area && [ "$E2E_WA_Y" -gt 0 ]; }
    e2e_wait_until 10 "the work area starts below icewm's taskbar" work_area_below_top
    e2e_ok "the work area starts at ($E2E_WA_X,$E2E_WA_Y), below the taskbar"
fi
e2e_start_app "$BIN"
e2e_wait_window "$E2E_MAIN_TITLE" 30
MAIN=$E2E_WIN
e2e_check_centred "$MAIN" "main window"

e2e_focus "$MAIN"
e2e_menu f a
e2e_wait_window "Quoriam About" 10
e2e_check_centred "$E2E_WIN" "About window"

e2e_focus "$MAIN"
e2e_menu i n
e2e_wait_window "$E2E_SETUP_TITLE" 10
SETUP=$E2E_WIN
e2e_check_centred "$SETUP" "setup window"
[ "$E2E_WM" = none ] || e2e_check_stays_above "$SETUP" "setup window"

# Send with no delay.
e2e_focus "$SETUP"
e2e_click "$SETUP" "Receive Fax In"
e2e_key ctrl+a
e2e_type 0
e2e_check_focused_text 0 "delay box"
e2e_click "$SETUP" Send
e2e_wait_window "$E2E_FAX_TITLE" 10
e2e_check_centred "$E2E_WIN" "incoming fax"
if [ "$E2E_WM" != none ]; then
    e2e_wait_until 5 "the incoming fax is the active window" e2e_is_active "$E2E_WIN"
    e2e_ok "the incoming fax is the active window"
fi

e2e_say "all checks passed"
