#!/usr/bin/env bash
# The notes as a whole, as a person works with them: reorder and hide notes in the document list
# and find the order again after a restart; give a note a preset in its properties and see its
# colours; find a note by a word of its text; print the note and a selection of it to PDF through
# the print dialog.
source "$(dirname "$0")/lib.sh"
e2e_start_display --wm

home="$E2E_WORK/notes"
config="$home/tbu_config.xml"
bind() { echo "<command name=\"$1\" key=\"$2\" mod=\"\"/>"; }
# F3 the document list, F4 the properties, F6 printing.
E2E_CONFIG_EXTRA="<commands>
$(bind viewDocumentList 114)
$(bind properties 115)
$(bind print 117)
</commands>" e2e_write_config "$home" confirmexit=0 showtipsonstartup=0 -- One Two Three
printf '{\\rtf1\\ansi first note\\par}' >"$home/tab00001.rtf"
printf '{\\rtf1\\ansi second note\\par}' >"$home/tab00002.rtf"
{
    printf '{\\rtf1\\ansi '
    for n in $(seq 1 100); do printf 'third note line %d\\par ' "$n"; done
    printf '}'
} >"$home/tab00003.rtf"

e2e_start_tabulet -homedir "$home"
window=$(e2e_wait_window "^Tabulet - One$")
xdotool windowactivate --sync "$window"

press() { # key [times]
    for _ in $(seq 1 "${2:-1}"); do xdotool key "$1"; done
}
open_dialog() { # key
    xdotool windowactivate --sync "$window"
    xdotool key "$1"
    e2e_wait_dialog "$window"
}
dialog_gone() {
    e2e_wait_dialog_gone "$window"
    xdotool windowactivate --sync "$window"
}
notes_in_order() {
    grep -o '<note [^>]*' "$config" | sed -E 's/.*title="([^"]*)".*visible="([01])".*/\1:\2/' | tr '\n' ' '
}

# The document list: the search field has the focus, the list comes next, then the filters and
# the buttons Activate, OK, Cancel, show/hide, Up, Down.
open_dialog F3 >/dev/null
e2e_wait_window "^Document List$" >/dev/null
press Tab
press Down 3
e2e_screenshot "$E2E_WORK/documentlist.png"
press Tab 7 # Up: Three goes before Two
press space
press shift+Tab 7
press Home # One
press Tab 6 # show/hide: One is hidden
press space
e2e_screenshot "$E2E_WORK/documentlist-edited.png"
press shift+Tab 2 # OK
press space
dialog_gone
e2e_wait_window "^Tabulet - Three$" >/dev/null
e2e_stop_tabulet TERM
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"
order=$(notes_in_order)
[ "$order" = "One:0 Three:1 Two:1 " ] || e2e_fail "the configuration keeps the notes as: $order"

# A preset for the note: Use Preset, then "Navy" chosen by typing its name, OK.
e2e_start_tabulet -homedir "$home"
window=$(e2e_wait_window "^Tabulet - Three$")
xdotool windowactivate --sync "$window"
open_dialog F4 >/dev/null
e2e_wait_window "^Properties of \"Three\"$" >/dev/null
press space
press Tab
xdotool type --delay 50 Navy
e2e_screenshot "$E2E_WORK/properties.png"
press Return
dialog_gone
sleep 0.5
e2e_screenshot "$E2E_WORK/navy.png"
eval "$(xdotool getwindowgeometry --shell "$window")"
pixel=$(convert "$E2E_WORK/navy.png" -format '%[pixel:p{'$((X + WIDTH / 2))','$((Y + HEIGHT - 40))'}]' info:)
case "$pixel" in
*"160,173,236"*) ;;
*) e2e_fail "the note's background is $pixel, not the preset's" ;;
esac

# Finding a note by a word of its text: the list opens with the focus in its search field, and
# Enter jumps to the first note found.
find_note() { # words title
    open_dialog F3 >/dev/null
    xdotool type --delay 50 "$1"
    press Return
    dialog_gone
    e2e_wait_window "^Tabulet - $2$" >/dev/null
}
open_dialog F3 >/dev/null
xdotool type --delay 50 "SECOND"
sleep 0.5
e2e_screenshot "$E2E_WORK/search.png"
press Escape
dialog_gone
find_note "second" Two
find_note "third line" Three

# Printing the whole note, then a selection, to PDF: the print dialog's printer is the file.
print_to() { # pdf
    open_dialog F6 >/dev/null
    e2e_wait_window "^Print" >/dev/null
    press Return
    dialog_gone
    e2e_wait_for 20 test -s "$1" || e2e_fail "no PDF at $1"
}
print_to "$HOME/Three.pdf"
pages=$(pdfinfo "$HOME/Three.pdf" | sed -n 's/^Pages: *//p')
[ "$pages" = 3 ] || e2e_fail "the note printed on $pages pages"
pdftotext "$HOME/Three.pdf" - | grep -q "third note line 100" || e2e_fail "the last line was not printed"
rm "$HOME/Three.pdf"

press ctrl+Home
press shift+Down 2
print_to "$HOME/Three.pdf"
text=$(pdftotext "$HOME/Three.pdf" - | tr -s '\n\f' ' ')
[ "$text" = "third note line 1 third note line 2 " ] || e2e_fail "the selection printed as: $text"

e2e_stop_tabulet TERM
grep -q 'title="Three"[^>]*preset="Navy" usepreset="1"' "$config" || e2e_fail "the preset was not kept"
echo "notes as a whole: ok"
