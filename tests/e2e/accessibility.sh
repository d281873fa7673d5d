#!/usr/bin/env bash
# Asked through the desktop's accessibility bus as a screen reader asks, the note window, its
# dialogs and its menus name every control in the program's language; the tab list matches the
# notes; a tab selected and a button pressed through the bus act as a click does.
source "$(dirname "$0")/lib.sh"
e2e_start_display --wm --tray
e2e_start_accessibility

home="$E2E_WORK/notes"
peer="$(dirname "$0")/../net/notepeer.py"
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
printf '{\\rtf1 sent words}' >"$E2E_WORK/sent.rtf"

# The program's small window that the tray took in.
tray_icon() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$E2E_TABULET_PID" 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ "$WIDTH" -le 32 ] && [ "$HEIGHT" -le 32 ] && [ "$WIDTH" -gt 4 ] && echo "$id" && return 0
    done
    return 1
}
# The program's shown windows but the note window and the tray icon: dialogs and menus.
others() { xdotool search --onlyvisible --pid "$E2E_TABULET_PID" 2>/dev/null | grep -v -x -e "$window" -e "$icon"; }
wait_other() { e2e_wait_for 10 others || e2e_fail "no dialog or menu opened"; }
no_other() { ! others; }
wait_no_other() { e2e_wait_for 10 no_other || e2e_fail "a dialog or menu stayed open"; }
# In the menu just opened, chooses the item through the bus and walks the dialog it opens.
walk_chosen_dialog() { # item languagefile
    wait_other
    e2e_atspi choose "$1" Down
    sleep 0.5
    wait_other
    e2e_atspi check || e2e_fail "the dialog of \"$1\" ($2) has unnamed controls"
    xdotool key Escape
    wait_no_other
}

# The language file, then the texts expected: the tab list, the "New note" button, the main menu
# button, an item of the main, the editor and the tray menu, and the window's place on top (a
# button and a menu item).
check_language() { # languagefile notes newNote menuButton mainItem editorItem trayItem onTop
    # The shipped plug-in names its entry in the program's language.
    local count="Count words"
    [ "$1" = deutsch.tabulang ] && count="Wörter zählen"
    E2E_CONFIG_EXTRA="<commands><command name=\"Plugin: $count\" key=\"116\" mod=\"\"/></commands>" \
        e2e_write_config "$home" languagefile="$1" x=40 y=30 w=500 h=300 listenfornotes=1 port="$port" -- First Second
    printf '{\\rtf1\\ansi first words\\par}' >"$home/tab00001.rtf"
    printf '{\\rtf1\\ansi second words\\par}' >"$home/tab00002.rtf"
    e2e_start_tabulet -homedir "$home"
    window=$(e2e_wait_window "First")
    e2e_wait_for 20 tray_icon || e2e_fail "no icon in the tray"
    icon=$(tray_icon)

    e2e_atspi check || e2e_fail "the note window ($1) has unnamed controls"
    [ "$(e2e_atspi tabs)" = $'*First\n Second' ] || e2e_fail "tab list: $(e2e_atspi tabs)"
    e2e_atspi tree >"$E2E_WORK/tree"
    grep -q "^  page tab list \"$2\"" "$E2E_WORK/tree" || e2e_fail "the tab list is not named \"$2\""
    [ "$(e2e_atspi editor)" = $'First\nfirst words' ] || e2e_fail "editor: $(e2e_atspi editor)"

    e2e_atspi select-tab Second
    e2e_wait_for 10 sh -c "xdotool getwindowname $window | grep -q 'Second\$'" || e2e_fail "Second was not shown"
    [ "$(e2e_atspi tabs)" = $' First\n*Second' ] || e2e_fail "after selecting: $(e2e_atspi tabs)"
    [ "$(e2e_atspi editor)" = $'Second\nsecond words' ] || e2e_fail "editor after selecting: $(e2e_atspi editor)"

    # Switching notes from the keyboard is heard: the tab selected and the editor's new name.
    e2e_atspi events ctrl+shift+Tab >"$E2E_WORK/events"
    grep -q "^object:state-changed:selected|page tab|First$" "$E2E_WORK/events" &&
        grep -q "^object:property-change:accessible-name|text|First$" "$E2E_WORK/events" ||
        e2e_fail "switching notes was not told: $(cat "$E2E_WORK/events")"

    # A plug-in's message (the word count, bound to F5) is heard as an alert taking the focus.
    e2e_atspi events F5 >"$E2E_WORK/events"
    grep -q "^window:activate|alert|" "$E2E_WORK/events" && grep -q "^focus:|push button|OK$" "$E2E_WORK/events" ||
        e2e_fail "the plug-in's message was not heard: $(cat "$E2E_WORK/events")"
    xdotool key Return
    wait_no_other

    # A received note is offered in a dialog whose fields are named.
    e2e_wait_for 20 python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 1)" ||
        e2e_fail "the program does not listen for notes"
    python3 "$peer" send 127.0.0.1 "$port" "$E2E_WORK/sent.rtf" --title "Sent"
    wait_other
    e2e_atspi check || e2e_fail "the received note's dialog ($1) has unnamed controls"
    xdotool key Escape
    wait_no_other

    e2e_atspi press "$3"
    wait_other
    e2e_atspi check || e2e_fail "the name dialog ($1) has unnamed controls"
    xdotool key Escape
    wait_no_other

    # The pages of Options, then search and replace, each from its shortcut.
    xdotool key ctrl+o
    wait_other
    for ((page = 1; page <= pages; page++)); do
        e2e_atspi check || e2e_fail "page $page of Options ($1) has unnamed controls"
        xdotool key ctrl+Tab
    done
    xdotool key Escape
    wait_no_other
    for keys in ctrl+f ctrl+h; do
        xdotool key "$keys"
        wait_other
        e2e_atspi check || e2e_fail "the dialog of $keys ($1) has unnamed controls"
        xdotool key Escape
        wait_no_other
    done

    # A toggle pressed through the bus: its button and its menu item are checked.
    e2e_atspi press "$8"
    e2e_wait_for 10 sh -c 'xprop -id "$1" _NET_WM_STATE | grep -q ABOVE' _ "$window" || e2e_fail "\"$8\" did not act"
    e2e_atspi tree >"$E2E_WORK/tree"
    grep -q "^  push button \"$8\" checked" "$E2E_WORK/tree" || e2e_fail "the button \"$8\" is not checked"
    e2e_atspi press "$4"
    wait_other
    e2e_atspi menu Down >"$E2E_WORK/menu" || e2e_fail "the main menu ($1) has unnamed items"
    grep -q "|$5|" "$E2E_WORK/menu" || e2e_fail "the main menu lacks \"$5\": $(cat "$E2E_WORK/menu")"
    grep -q "|$8||checked$" "$E2E_WORK/menu" || e2e_fail "\"$8\" is not checked: $(cat "$E2E_WORK/menu")"
    xdotool key Escape
    wait_no_other

    # Dialogs chosen through the bus from the main menu and from the first tab's menu.
    for item in "${menu_dialogs[@]}"; do
        e2e_atspi press "$4"
        walk_chosen_dialog "$item" "$1"
    done
    for item in "${tab_dialogs[@]}"; do
        eval "$(xdotool getwindowgeometry --shell "$window")"
        xdotool mousemove $((X + 25)) $((Y + 40)) click 3
        walk_chosen_dialog "$item" "$1"
    done

    # The editor's menu from the menu key, the tray's from a right click on the tray icon.
    e2e_atspi menu Menu Down >"$E2E_WORK/menu" || e2e_fail "the editor menu ($1) has unnamed items"
    grep -q "|$6|" "$E2E_WORK/menu" || e2e_fail "the editor menu lacks \"$6\": $(cat "$E2E_WORK/menu")"
    xdotool key Escape
    wait_no_other
    eval "$(xdotool getwindowgeometry --shell "$icon")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) sleep 0.1 click 3
    wait_other
    e2e_atspi menu Down >"$E2E_WORK/menu" || e2e_fail "the tray menu ($1) has unnamed items"
    grep -q "|$7|" "$E2E_WORK/menu" || e2e_fail "the tray menu lacks \"$7\": $(cat "$E2E_WORK/menu")"
    xdotool key Escape
    wait_no_other

    e2e_stop_tabulet TERM
}

# Every page of Options and the dialogs of the main menu in English; the German texts come from
# the same keys.
pages=9
menu_dialogs=("About..." "Show Tips" "View Document List..." "Archive...")
tab_dialogs=("Properties..." "Send to Tabulet user...")
check_language english.tabulang Notes "New Tab" Menu Options... Copy "Reset Position" "Always On Top"
pages=1
menu_dialogs=()
tab_dialogs=()
check_language deutsch.tabulang Notizen "Neuer Tab" Menü Optionen... Kopieren "Position zurücksetzen" \
    "Immer im Vordergrund"
echo PASS
