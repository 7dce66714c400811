#!/usr/bin/env bash
# The program in its user's language on a real X server: with LANGUAGE=de (and the C
# formats) the main window's title is German, and its German access keys open the setup
# window (Alt+E, N: Eingehendes Fax > Neu), whose sender box holds its German default.
# Closing the setup window ends the program.
# Usage: language.sh PATH/TO/quoriam
. "$(dirname "$0")/lib.sh"

BIN=${1:?usage: language.sh PATH/TO/quoriam}
E2E_APP_ENV+=(LANGUAGE=de LC_ALL=C)
MAIN_TITLE="Quoriam – das einzige Programm für gefälschte Faxe"

e2e_start_display
e2e_start_app "$BIN"
e2e_wait_until 30 "the main window is shown, titled '$MAIN_TITLE'" e2e_viewable_title "$MAIN_TITLE"
MAIN=$(e2e_find_viewable "$MAIN_TITLE")
e2e_ok "with LANGUAGE=de the main window's title is German"

e2e_focus "$MAIN"
e2e_menu e n
e2e_wait_window "$E2E_SETUP_TITLE" 10
SETUP=$E2E_WIN
e2e_ok "Eingehendes Fax > Neu (Alt+E, N) shows the setup window"
e2e_focus "$SETUP"
e2e_check_focused_text "Max Mustermann" "the sender box"

e2e_close "$SETUP"
e2e_expect_exit 0 10
e2e_say "all checks passed"
