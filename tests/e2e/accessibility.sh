#!/usr/bin/env bash
# Asked through the desktop's accessibility bus as a screen reader asks, the note window, its
# dialogs and its menus name every control in the program's language; the tab list matches the
# notes; a tab selected and a button pressed through the bus act as a click does.
source "$(dirname "$0")/lib.sh"
e2e_start_display --wm
e2e_start_accessibility
source "$(dirname "$0")/menus_lib.sh"

home="$E2E_WORK/notes"

# language file, then the texts expected: the tab list, the "New note" button, the main menu
# button and an item of the main menu.
check_language() { # languagefile notes newNote menuButton menuItem
    e2e_write_config "$home" languagefile="$1" x=40 y=30 w=500 h=300 -- First Second
    printf '{\\rtf1\\ansi first words\\par}' >"$home/tab00001.rtf"
    printf '{\\rtf1\\ansi second words\\par}' >"$home/tab00002.rtf"
    e2e_start_tabulet -homedir "$home"
    window=$(e2e_wait_window "First")

    e2e_atspi check || e2e_fail "the note window ($1) has unnamed controls"
    [ "$(e2e_atspi tabs)" = $'*First\n Second' ] || e2e_fail "tab list: $(e2e_atspi tabs)"
    e2e_atspi tree >"$E2E_WORK/tree"
    grep -q "^  page tab list \"$2\"" "$E2E_WORK/tree" || e2e_fail "the tab list is not named \"$2\""
    [ "$(e2e_atspi editor)" = $'First\nfirst words' ] || e2e_fail "editor: $(e2e_atspi editor)"

    e2e_atspi select-tab Second
    e2e_wait_for 5 sh -c '[ "$(xdotool getwindowname '"$window"')" != "${1%% - *} - First" ]' _ "$(xdotool getwindowname "$window")"
    [ "$(e2e_atspi tabs)" = $' First\n*Second' ] || e2e_fail "after selecting: $(e2e_atspi tabs)"
    [ "$(e2e_atspi editor)" = $'Second\nsecond words' ] || e2e_fail "editor after selecting: $(e2e_atspi editor)"

    e2e_atspi press "$3"
    e2e_wait_dialog "$window" >/dev/null
    e2e_atspi check || e2e_fail "the name dialog ($1) has unnamed controls"
    xdotool key Escape
    e2e_wait_dialog_gone "$window"

    e2e_atspi press "$4"
    menus_wait_open 1
    e2e_atspi menu Down >"$E2E_WORK/menu" || e2e_fail "the main menu ($1) has unnamed items"
    grep -q "|$5|" "$E2E_WORK/menu" || e2e_fail "the main menu lacks \"$5\": $(cat "$E2E_WORK/menu")"
    xdotool key Escape
    menus_wait_closed

    e2e_stop_tabulet TERM
}

check_language english.tabulang Notes "New Tab" Menu Options...
check_language deutsch.tabulang Notizen "Neuer Tab" Menü Optionen...
echo PASS
