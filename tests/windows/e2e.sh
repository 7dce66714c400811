#!/usr/bin/env bash
# quoriam.exe from the zip for Windows users, under Wine on a real X server with a window
# manager: Wine maps each window to an X window with the program's title, and turns the
# real user32 SetWindowPos(HWND_TOPMOST) into _NET_WM_STATE_ABOVE, so the checks of the
# Linux end-to-end tests apply. The exe runs from the unpacked zip with no DLL beside it.
#  1. The main window: its title, centred, on top, its menu bar and its banner.
#  2. File > About: the About window, on top.
#  3. Incoming Fax > New: the setup window, on top; the main window hides.
#  4. Emptying the delay box: "Must be 0 or more", which stays above the setup window
#     when that is clicked; the box holds 0 again.
#  5. Send with a delay of 2, then another program takes the focus: the incoming fax 1.5
#     to 2.5 s later, in front of it and active, not on top; closing it ends the program
#     with status 0.
#  6. Started again on a German Windows (LANG=de_DE.UTF-8, from which Wine takes the
#     display language): the main window's title, its access keys and the delay's
#     message box are German; closing the setup window ends the program.
# Boxes and buttons are reached by name, at the places e2e_places.exe lists.
# Usage: e2e.sh PATH/TO/Quoriam-<version>-win64.zip PATH/TO/e2e_places.exe
# Wine names the X windows of a program after its executable (the harness finds the
# drop-down menus by that name).
# shellcheck disable=SC2034 # read by the harness
E2E_APP_CLASS='^quoriam\.exe$'
. "$(dirname "$0")/../e2e/lib.sh"
. "$(dirname "$0")/wine-prefix.sh"

ZIP=${1:?usage: e2e.sh PATH/TO/Quoriam-<version>-win64.zip PATH/TO/e2e_places.exe}
PLACES=${2:?usage: e2e.sh PATH/TO/Quoriam-<version>-win64.zip PATH/TO/e2e_places.exe}
BANNER="$(dirname "$0")/../../resources/banner.bmp"
MAIN_TITLE=$E2E_MAIN_TITLE
ABOUT_TITLE="Quoriam About"
SETUP_TITLE=$E2E_SETUP_TITLE
FAX_TITLE=$E2E_FAX_TITLE
BOX_TITLE="Quoriam-Fake Fax Creator"
CLIENT_H=87 # the main window's client area, under the menu bar
# Allowance on the latest arrival: the key reaches the program a little after xdotool
# returns, and the fax window takes a moment to build and map, which under Wine goes
# through wineserver and Wine's X11 driver as well (0.15 s on Linux). The earliest
# arrival is held to 1.5 s exactly.
LATE_ALLOWANCE=0.4

[ -f "$ZIP" ] || e2e_fail "no zip at '$ZIP' (make windows)"
ZIP=$(realpath "$ZIP")
command -v xwd >/dev/null || e2e_fail "'xwd' is not installed (tools/install-deps.sh --windows)"

# ---------------------------------------------------------------------------------------
# The program under Wine

# wine_start_app EXE [NAME=VALUE...]: starts EXE in its own folder on the private
# display, in English (Wine takes its language from LANG) unless the variables given say
# otherwise.
wine_start_app()
{
    local exe=$1
    shift
    : >"$E2E_APP_LOG"
    (cd "$(dirname "$exe")" &&
        exec env -u QT_QPA_PLATFORM -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=C "$@" \
            "$QUORIAM_WINE" "$(basename "$exe")") >"$E2E_APP_LOG" 2>&1 &
    E2E_APP_PID=$!
    e2e_say "started $exe under Wine (pid $E2E_APP_PID) $*"
}

# german_locale: sets GERMAN_LOCALE to the variables of a German locale (de_DE.UTF-8),
# which Wine takes only where glibc knows it: the system's, or one made with localedef
# in the test's folder.
german_locale()
{
    GERMAN_LOCALE=(LANG=de_DE.UTF-8)
    locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8' && return
    mkdir -p "$E2E_TMP/locale"
    localedef -i de_DE -f UTF-8 "$E2E_TMP/locale/de_DE.UTF-8" >"$E2E_TMP/localedef.log" 2>&1 ||
        [ -f "$E2E_TMP/locale/de_DE.UTF-8/LC_MESSAGES/SYS_LC_MESSAGES" ] ||
        e2e_fail "localedef cannot make a German locale (Debian: locales): $(cat "$E2E_TMP/localedef.log")"
    GERMAN_LOCALE+=(LOCPATH="$E2E_TMP/locale")
}

# wine_check_centred ID NAME: the window's frame lies centred on the work area. Qt
# centres the window with the frame Windows gives it, and Wine reports its own frame
# metrics for that, while openbox draws a frame of its own: their difference leaves the
# middle up to 8 px off (on Windows the frame is the one Qt centred with). The pointer
# waits in a corner, so openbox, which places a window it is left to place under the
# pointer, would not centre it by chance.
wine_check_centred()
{
    local left right top bottom dx2 dy2
    e2e_wait_until 5 "$2 is shown in its frame (_NET_FRAME_EXTENTS)" e2e_framed "$1"
    read -r left right top bottom <<<"$E2E_FRAME"
    e2e_work_area
    dx2=$((2 * (E2E_X - left) + E2E_W + left + right - (2 * E2E_WA_X + E2E_WA_W)))
    dy2=$((2 * (E2E_Y - top) + E2E_H + top + bottom - (2 * E2E_WA_Y + E2E_WA_H)))
    [ "${dx2#-}" -le 16 ] && [ "${dy2#-}" -le 16 ] ||
        e2e_fail "$2 is not centred: its frame's middle is off the work area's by ($((dx2 / 2)),$((dy2 / 2))) px"
    e2e_ok "$2 is centred on the work area (frame's middle off by $((dx2 / 2)),$((dy2 / 2)) px)"
}

# ---------------------------------------------------------------------------------------
# Pixels

# xwd_pixel FILE X Y: the red, green and blue of a pixel of an xwd dump of a TrueColor
# window (32 bits a pixel), as three decimals. XWD_DATA, XWD_LINE and XWD_BYTE_ORDER
# come from the dump's header (check_banner).
xwd_pixel()
{
    # shellcheck disable=SC2046 # one byte a word
    set -- $(od -An -tu1 -j $((XWD_DATA + $3 * XWD_LINE + $2 * 4)) -N4 "$1")
    if [ "$XWD_BYTE_ORDER" -eq 0 ]; then echo "$3 $2 $1"; else echo "$2 $3 $4"; fi
}

# bmp_pixel FILE X Y: the same for a 24-bit bottom-up BMP.
bmp_pixel()
{
    local data width height line
    read -r data width height <<<"$(od -An -tu4 -j 10 -N4 "$1" | tr -d '\n') $(od -An -tu4 -j 18 -N8 "$1")"
    line=$(((width * 3 + 3) / 4 * 4))
    # shellcheck disable=SC2046 # one byte a word
    set -- $(od -An -tu1 -j $((data + (height - 1 - $3) * line + $2 * 3)) -N3 "$1")
    echo "$3 $2 $1"
}

# check_banner ID: the client area under the menu bar shows the banner, pixel for pixel
# at a grid of points (within 3 levels a channel).
check_banner()
{
    local dump="$E2E_TMP/main.xwd" header x y want got top bad=0
    e2e_x xwd -silent -id "$1" -out "$dump" || e2e_fail "xwd cannot read the main window"
    # shellcheck disable=SC2207 # one field a word
    header=($(od -An -tu4 --endian=big -N100 "$dump"))
    [ "${header[3]}" -eq 24 ] && [ "${header[11]}" -eq 32 ] ||
        e2e_fail "the main window's dump is ${header[3]} deep at ${header[11]} bits a pixel, expected 24 at 32"
    XWD_LINE=${header[12]}
    XWD_BYTE_ORDER=${header[7]} # 0: least significant byte first
    XWD_DATA=$((header[0] + header[19] * 12))
    top=$((header[5] - CLIENT_H))
    for y in 2 20 43 66 84; do
        for x in 3 70 140 210 263 330 400 460 522; do
            want=$(bmp_pixel "$BANNER" "$x" "$y")
            got=$(xwd_pixel "$dump" "$x" $((top + y)))
            awk -v w="$want" -v g="$got" 'BEGIN { split(w, a); split(g, b)
                for (i = 1; i <= 3; i++) { d = a[i] - b[i]; if (d > 3 || d < -3) exit 1 } }' ||
                { bad=$((bad + 1)); e2e_say "banner pixel ($x,$y): $got, expected $want"; }
        done
    done
    [ "$bad" -eq 0 ] || e2e_fail "$bad of 45 points of the banner differ from resources/banner.bmp"
    e2e_ok "the banner fills the client area under the menu bar (45 points match banner.bmp)"
}

# stacked_above ID1 ID2: the first window is above the second in the window manager's
# stacking order (_NET_CLIENT_LIST_STACKING, bottom to top).
stacked_above()
{
    e2e_x xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/, /\n/g' |
        awk -v a="$(printf '0x%x' "$1")" -v b="$(printf '0x%x' "$2")" \
            '$0 == a { ia = NR } $0 == b { ib = NR } END { exit !(ia > ib && ib > 0) }'
}

# wm_sync: returns once the window manager has handled every event that came before:
# it answers a new title of the other program's window with _NET_WM_VISIBLE_NAME.
WM_SYNCS=0
wm_sync()
{
    WM_SYNCS=$((WM_SYNCS + 1))
    e2e_x xdotool set_window --name "other $WM_SYNCS" "$OTHER" || e2e_fail "xdotool cannot rename a window"
    e2e_wait_until 5 "the window manager answers" eval \
        'e2e_x xprop -id "$OTHER" _NET_WM_VISIBLE_NAME | grep -q "\"other $WM_SYNCS\""'
}

# ---------------------------------------------------------------------------------------

e2e_start_display
wine_prefix
e2e_read_places "$QUORIAM_WINE" "$PLACES"

mkdir -p "$E2E_TMP/unpacked"
(cd "$E2E_TMP/unpacked" && cmake -E tar xf "$ZIP") || e2e_fail "cannot unpack $ZIP"
EXE=$(find "$E2E_TMP/unpacked" -maxdepth 2 -name quoriam.exe)
[ -n "$EXE" ] || e2e_fail "no quoriam.exe in $ZIP"
[ -z "$(find "$E2E_TMP/unpacked" -iname '*.dll')" ] || e2e_fail "the zip holds DLLs: it should need none"
e2e_ok "$(basename "$ZIP") unpacked: quoriam.exe and no DLL"

# Another program, an X client of its own, to take the focus while the fax is on its way.
xlogo >/dev/null 2>&1 &
OTHER_PID=$!
e2e_wait_window xlogo 10
OTHER=$E2E_WIN

# --- 1. The main window ----------------------------------------------------------------
e2e_x xdotool mousemove 0 0 || e2e_fail "xdotool cannot move the pointer"
wine_start_app "$EXE"
e2e_wait_window "$MAIN_TITLE" 60
MAIN=$E2E_WIN
e2e_ok "main window '$MAIN_TITLE' is shown"
e2e_window_info "$MAIN" || e2e_fail "main window is gone"
[ "$E2E_W" -eq 526 ] || e2e_fail "main window is $E2E_W px wide, expected 526"
menubar=$((E2E_H - CLIENT_H))
[ "$menubar" -ge 12 ] && [ "$menubar" -le 40 ] ||
    e2e_fail "main window is $E2E_H px high: $CLIENT_H px of client area leave $menubar px for the menu bar"
e2e_ok "main window is 526 x $E2E_H px ($CLIENT_H px client area + $menubar px menu bar)"
wine_check_centred "$MAIN" "main window"
e2e_check_above "$MAIN" "main window"
check_banner "$MAIN"

# --- 2. File > About -------------------------------------------------------------------
e2e_focus "$MAIN"
e2e_menu f a
e2e_wait_window "$ABOUT_TITLE" 10
ABOUT=$E2E_WIN
e2e_ok "File > About (Alt+F, A) shows '$ABOUT_TITLE'"
e2e_check_above "$ABOUT" "About window"
e2e_close "$ABOUT"
e2e_wait_until 5 "the About window closes" e2e_no_viewable_title "$ABOUT_TITLE"
e2e_app_alive || e2e_fail "closing the About window ended the program"
e2e_ok "closing the About window leaves the program running"

# --- 3. Incoming Fax > New -------------------------------------------------------------
e2e_focus "$MAIN"
e2e_menu i n
e2e_wait_window "$SETUP_TITLE" 10
SETUP=$E2E_WIN
e2e_ok "Incoming Fax > New (Alt+I, N) shows the setup window"
e2e_wait_until 5 "the main window hides" e2e_not_viewable "$MAIN"
e2e_check_above "$SETUP" "setup window"

# --- 4. An emptied delay box -----------------------------------------------------------
e2e_focus "$SETUP"
e2e_check_focused_text "Fake Person" "sender box (focus at opening)"
e2e_click "$SETUP" "Receive Fax In"
e2e_check_focused_text "15" "delay box"
e2e_key BackSpace
e2e_wait_window "$BOX_TITLE" 10
BOX=$E2E_WIN
e2e_wait_until 5 "the message box has the focus" e2e_is_active "$BOX"
# A Windows message box copies its title, text and buttons with Ctrl+C.
e2e_key ctrl+c
e2e_wait_until 5 "the message box's text reaches the clipboard" eval 'e2e_clipboard | grep -qx "Must be 0 or more"'
e2e_ok "emptying the delay box shows '$BOX_TITLE': Must be 0 or more"
# Both windows stay on top: only the box's owner keeps it above the window clicked.
e2e_x xdotool mousemove --window "$SETUP" 40 40 click 1 || e2e_fail "xdotool cannot click"
wm_sync
stacked_above "$BOX" "$SETUP" || e2e_fail "a click on the setup window put it above the message box"
e2e_ok "a click on the setup window leaves the message box above it"
e2e_focus "$BOX"
e2e_key Return
e2e_wait_until 5 "Return dismisses the message box" e2e_no_viewable_title "$BOX_TITLE"
e2e_focus "$SETUP"
e2e_check_focused_text "0" "delay box after the message"

# --- 5. Send with a delay of 2 ---------------------------------------------------------
e2e_type 2
e2e_check_focused_text "2" "delay box"
e2e_point "$SETUP" Send
t_before=$(e2e_now)
e2e_x xdotool click 1 || e2e_fail "xdotool click failed"
t_after=$(e2e_now)
e2e_x xdotool mousemove 0 0 || e2e_fail "xdotool cannot move the pointer"
e2e_say "a click on Send"
e2e_wait_until 1 "the setup window hides at once" e2e_not_viewable "$SETUP"
e2e_focus "$OTHER"
# The fax was still absent at last_absent and shown at t_seen.
last_absent=$(e2e_now)
e2e_no_viewable_title "$FAX_TITLE" || e2e_fail "the fax came before the other program had the focus"
e2e_ok "the other program has the focus while the fax is on its way"
until FAX=$(e2e_find_viewable "$FAX_TITLE"); do
    last_absent=$(e2e_now)
    e2e_app_alive || e2e_fail "the program ended while waiting to show the fax"
    e2e_cmp "$(e2e_elapsed "$t_after")" '<' 10 || e2e_fail "no incoming fax 10 s after Send with a delay of 2 s"
done
t_seen=$(e2e_now)
e2e_check_arrival "$t_before" "$t_after" "$last_absent" "$t_seen" "$LATE_ALLOWANCE"
e2e_wait_until 5 "the fax takes the focus from the other program" e2e_is_active "$FAX"
stacked_above "$FAX" "$OTHER" || e2e_fail "the fax is behind the other program"
e2e_ok "the fax comes up in front of the other program, with the focus"
e2e_check_not_above "$FAX" "incoming fax"
kill "$OTHER_PID"

e2e_close "$FAX"
e2e_say "closing the incoming fax"
e2e_expect_exit 0 20

# --- 6. On a German Windows ------------------------------------------------------------
GERMAN_MAIN_TITLE="Quoriam – das einzige Programm für gefälschte Faxe"
GERMAN_BOX_TITLE="Quoriam – Fax-Fälscher"
german_locale
wine_start_app "$EXE" "${GERMAN_LOCALE[@]}"
e2e_wait_until 60 "the main window is shown, titled '$GERMAN_MAIN_TITLE'" e2e_viewable_title "$GERMAN_MAIN_TITLE"
MAIN=$(e2e_find_viewable "$GERMAN_MAIN_TITLE")
e2e_ok "on a German Windows the main window's title is German"
e2e_focus "$MAIN"
e2e_menu e n
e2e_wait_window "$SETUP_TITLE" 10
SETUP=$E2E_WIN
e2e_ok "Eingehendes Fax > Neu (Alt+E, N) shows the setup window"
e2e_focus "$SETUP"
e2e_check_focused_text "Max Mustermann" "sender box"
e2e_click "$SETUP" "Receive Fax In" # the places do not change with the language
e2e_key ctrl+a BackSpace
e2e_wait_until 10 "a message box titled '$GERMAN_BOX_TITLE' is shown" e2e_viewable_title "$GERMAN_BOX_TITLE"
BOX=$(e2e_find_viewable "$GERMAN_BOX_TITLE")
e2e_wait_until 5 "the message box has the focus" e2e_is_active "$BOX"
e2e_key ctrl+c
e2e_wait_until 5 "the message box's text reaches the clipboard" eval 'e2e_clipboard | grep -qx "Muss 0 oder mehr sein"'
e2e_ok "emptying the delay box shows '$GERMAN_BOX_TITLE': Muss 0 oder mehr sein"
e2e_key Return
e2e_wait_until 5 "Return dismisses the message box" eval '! e2e_viewable_title "$GERMAN_BOX_TITLE"'
e2e_close "$SETUP"
e2e_expect_exit 0 20

e2e_say "all checks passed"
