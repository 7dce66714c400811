#!/usr/bin/env bash
# The main window and the About window on a real X server with a window manager:
# titles, sizes, placement, stay-on-top, F10, and the three ways the program ends from here
# (File > Exit, the window manager's close with and without the About window open).
# Usage: main_window.sh PATH/TO/quoriam
. "$(dirname "$0")/lib.sh"

BIN=${1:?usage: main_window.sh PATH/TO/quoriam}
MAIN_TITLE=$E2E_MAIN_TITLE
ABOUT_TITLE="Quoriam About"

e2e_start_display

# Starts the program and checks its main window; sets MAIN to the window's id.
open_main()
{
    e2e_start_app "$BIN"
    e2e_wait_window "$MAIN_TITLE" 30
    MAIN=$E2E_WIN
    e2e_ok "main window '$MAIN_TITLE' is shown"
}

# Opens File > About from the keyboard; sets ABOUT to the window's id.
open_about()
{
    e2e_focus "$MAIN"
    e2e_menu f a
    e2e_wait_window "$ABOUT_TITLE" 10
    ABOUT=$E2E_WIN
    e2e_ok "File > About (Alt+F, A) shows '$ABOUT_TITLE'"
}

# --- Run 1: the windows, then File > Exit ----------------------------------------------
e2e_say "run 1: main window, About window, File > Exit"
open_main

# Qt draws the menu bar inside the X window, under the 87 px of client area.
e2e_window_info "$MAIN" || e2e_fail "main window is gone"
[ "$E2E_W" -eq 526 ] || e2e_fail "main window is $E2E_W px wide, expected 526"
menubar=$((E2E_H - 87))
[ "$menubar" -ge 12 ] && [ "$menubar" -le 40 ] ||
    e2e_fail "main window is $E2E_H px high: 87 px of client area leave $menubar px for the menu bar"
e2e_ok "main window is 526 x $E2E_H px (87 px client area + $menubar px menu bar)"
e2e_check_centred "$MAIN" "main window"
e2e_check_above "$MAIN" "main window"

open_about
e2e_check_size "$ABOUT" 304 124 "About window"
e2e_check_centred "$ABOUT" "About window"
e2e_check_above "$ABOUT" "About window"

e2e_close "$ABOUT"
e2e_wait_until 5 "the About window closes" e2e_no_viewable_title "$ABOUT_TITLE"
e2e_ok "closing the About window closes it"
# The program must go on: give a wrongful end time to happen, then look.
sleep 1
e2e_app_alive || e2e_fail "closing the About window ended the program"
e2e_viewable "$MAIN" || e2e_fail "the main window is no longer shown after closing the About window"
e2e_ok "the program goes on with its main window shown"

e2e_focus "$MAIN"
e2e_key F10
e2e_wait_until 5 "F10 opens a menu" e2e_menu_open
e2e_key Escape
e2e_wait_until 5 "Escape closes the menu" eval '! e2e_menu_open'
e2e_ok "F10 opens the menu"

e2e_focus "$MAIN"
e2e_menu f x
e2e_say "File > Exit (Alt+F, X)"
e2e_expect_exit 0 10
e2e_window_gone "$MAIN" || e2e_fail "the main window outlives the program"

# --- Run 2: the window manager closes the main window (openbox's Alt+F4) ---------------
e2e_say "run 2: Alt+F4 on the main window"
open_main
e2e_focus "$MAIN"
e2e_key alt+F4
e2e_expect_exit 0 10

# --- Run 3: WM_DELETE_WINDOW to the main window while the About window is open ---------
e2e_say "run 3: closing the main window while the About window is open"
open_main
open_about
e2e_close "$MAIN"
e2e_expect_exit 0 10
e2e_window_gone "$MAIN" || e2e_fail "the main window outlives the program"
e2e_window_gone "$ABOUT" || e2e_fail "the About window outlives the program"
e2e_window_exists "$MAIN_TITLE" && e2e_fail "a window titled '$MAIN_TITLE' is still there"
e2e_window_exists "$ABOUT_TITLE" && e2e_fail "a window titled '$ABOUT_TITLE' is still there"
e2e_ok "both windows are gone"

e2e_say "all checks passed"
