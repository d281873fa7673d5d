#!/usr/bin/env bash
# Every editing operation from its shortcut, as a person types it, and the note as it is saved:
# the character toggles, lists, alignment, automatic formatting, sorting, find and replace, export.
source "$(dirname "$0")/lib.sh"
RTFCONV=${RTFCONV:-$(dirname "$TABULET_BINARY")/tools/rtfconv/rtfconv}
[ -x "$RTFCONV" ] || e2e_fail "no rtfconv at $RTFCONV"
e2e_start_display --wm

home="$E2E_WORK/notes"
mkdir -p "$home" "$E2E_WORK/out"
# The commands without a default shortcut get Ctrl+Alt+1 to 8 (Windows key codes 49 to 56).
bind() { echo "<command name=\"$1\" key=\"$2\" mod=\"AC\"/>"; }
E2E_CONFIG_EXTRA="<commands>
$(bind makeSelectionSuperscript 49)
$(bind makeSelectionSubscript 50)
$(bind makeSelectionAllcaps 51)
$(bind makeSelectionSmallcaps 52)
$(bind sortAscending 53)
$(bind sortDescending 54)
$(bind clearAllStyles 55)
$(bind saveCopy 56)
</commands>" e2e_write_config "$home" confirmexit=0 showtipsonstartup=0 -- Edit Other
for n in 1 2; do printf '{\\rtf1\\ansi \\par}' >"$home/tab0000$n.rtf"; done

e2e_start_tabulet -homedir "$home"
window=$(e2e_wait_window "^Tabulet - Edit$")
xdotool windowactivate --sync "$window"

# Leaves the note for the other one and comes back: the note is written on the way.
save_note() { # the note's title, the other's title
    xdotool key ctrl+Tab
    e2e_wait_window "^Tabulet - $2$" >/dev/null
    xdotool key ctrl+Tab
    e2e_wait_window "^Tabulet - $1$" >/dev/null
}
note_as() { # html|text file
    "$RTFCONV" --to "$1" "$home/$2"
}
expect_in() { # what text
    grep -qF -- "$2" <<<"$1" || e2e_fail "expected '$2' in: $1"
}
wait_dialog() {
    e2e_wait_dialog "$window"
}
wait_dialog_gone() {
    e2e_wait_dialog_gone "$window"
    xdotool windowactivate --sync "$window"
}

# Character toggles, one line each: the line is selected and its toggle pressed.
words=(bold italic under strike sup sub caps small)
keys=(ctrl+shift+b ctrl+shift+i ctrl+shift+u ctrl+shift+s ctrl+alt+1 ctrl+alt+2 ctrl+alt+3 ctrl+alt+4)
for word in "${words[@]}"; do
    xdotool type --delay 20 "$word"
    xdotool key Return
done
xdotool type --delay 20 "partly bold"
xdotool key ctrl+Home
for key in "${keys[@]}"; do
    xdotool key shift+End "$key" Down Home
done
# Part of the line bold, then the whole line: all of it bold.
xdotool key shift+Right shift+Right shift+Right ctrl+shift+b Home shift+End ctrl+shift+b End
e2e_screenshot "$E2E_WORK/toggles.png"
save_note Edit Other
html=$(note_as html tab00001.rtf)
expect_in "$html" "<b>bold</b>"
expect_in "$html" "<i>italic</i>"
expect_in "$html" "<u>under</u>"
expect_in "$html" "<s>strike</s>"
expect_in "$html" "<sup>sup</sup>"
expect_in "$html" "<sub>sub</sub>"
expect_in "$html" "uppercase\">caps"
expect_in "$html" "small-caps\">small"
expect_in "$html" "<b>partly bold</b>"
# The same toggle again takes it off.
xdotool key ctrl+Home shift+End ctrl+shift+b
save_note Edit Other
html=$(note_as html tab00001.rtf)
grep -qF "<b>bold</b>" <<<"$html" && e2e_fail "bold stayed after its second toggle"

# Alignment, lists and the automatic formatting, on new lines at the end.
xdotool key ctrl+a Delete
xdotool type --delay 20 "centred"
xdotool key ctrl+e Return ctrl+l
xdotool type --delay 20 "right"
xdotool key ctrl+r Return ctrl+l
xdotool type --delay 20 "bulleted then numbered"
xdotool key ctrl+shift+2 ctrl+shift+1 Return ctrl+shift+1 Return
xdotool type --delay 20 "1. typed item"
xdotool key Return Return
xdotool type --delay 20 "x1. stays, 5+-1"
e2e_screenshot "$E2E_WORK/paragraphs.png"
save_note Edit Other
html=$(note_as html tab00001.rtf)
grep -q '<p style="text-align:center">.*centred' <<<"$html" || e2e_fail "not centred: $html"
grep -q '<p style="text-align:right">.*right' <<<"$html" || e2e_fail "not right-aligned: $html"
text=$(note_as text tab00001.rtf)
expect_in "$text" "x1. stays, 5±1"
grep -qF "1. typed item" <<<"$text" && e2e_fail "the typed list marker stayed: $text"
grep -q "<ol" <<<"$html" || e2e_fail "no numbered list: $html"
grep -q "<ul" <<<"$html" && e2e_fail "the bulleted line did not become numbered: $html"

# Sorting in the other note.
xdotool key ctrl+Tab
e2e_wait_window "^Tabulet - Other$" >/dev/null
xdotool type --delay 20 "c"
xdotool key Return
xdotool type --delay 20 "B"
xdotool key Return
xdotool type --delay 20 "a"
xdotool key ctrl+a ctrl+alt+5
save_note Other Edit
[ "$(note_as text tab00002.rtf)" = $'B\na\nc' ] || e2e_fail "ascending: $(note_as text tab00002.rtf)"
xdotool key ctrl+a ctrl+alt+6
save_note Other Edit
[ "$(note_as text tab00002.rtf)" = $'c\na\nB' ] || e2e_fail "descending: $(note_as text tab00002.rtf)"
# A selection that ends at the first position of a line sorts that line too.
xdotool key ctrl+Home shift+Down shift+Down ctrl+alt+5
save_note Other Edit
[ "$(note_as text tab00002.rtf)" = $'B\na\nc' ] || e2e_fail "to a line start: $(note_as text tab00002.rtf)"

# Replace all of a with b in banana.
xdotool key ctrl+a
xdotool type --delay 20 "banana"
xdotool key ctrl+h
wait_dialog >/dev/null
xdotool type --delay 20 "a"
xdotool key Tab
xdotool type --delay 20 "b"
e2e_screenshot "$E2E_WORK/replace.png"
xdotool key alt+a
sleep 0.5
xdotool key Escape
wait_dialog_gone
save_note Other Edit
[ "$(note_as text tab00002.rtf)" = "bbnbnb" ] || e2e_fail "replace all: $(note_as text tab00002.rtf)"

# A replacement that holds the searched text ends, and one undo takes it back.
xdotool key ctrl+a
xdotool type --delay 20 "a-a"
xdotool key ctrl+h
wait_dialog >/dev/null
xdotool key ctrl+a
xdotool type --delay 20 "a"
xdotool key Tab ctrl+a
xdotool type --delay 20 "aa"
xdotool key alt+a
sleep 0.5
xdotool key Escape
wait_dialog_gone
save_note Other Edit
[ "$(note_as text tab00002.rtf)" = "aa-aa" ] || e2e_fail "replace all with itself: $(note_as text tab00002.rtf)"

# Find, then F3 and Shift+F3 without the dialog: past the last match it starts at the first.
xdotool key ctrl+a
xdotool type --delay 20 "cat dog cat"
xdotool key ctrl+f
wait_dialog >/dev/null
xdotool key ctrl+a
xdotool type --delay 20 "cat"
xdotool key Return
sleep 0.5
xdotool key Escape
wait_dialog_gone
xdotool key F3
xdotool type --delay 20 "X"
xdotool key F3
xdotool type --delay 20 "Y"
save_note Other Edit
[ "$(note_as text tab00002.rtf)" = "Y dog X" ] || e2e_fail "find next: $(note_as text tab00002.rtf)"

# Tab types a tab; Shift+Tab over three lines takes the leading tab off the two that have one,
# and the lines stay selected (bold reaches all three).
xdotool key ctrl+a Delete Tab
xdotool type --delay 20 "one"
xdotool key Return
xdotool type --delay 20 "two"
xdotool key Return Tab
xdotool type --delay 20 "three"
save_note Other Edit
[ "$(note_as text tab00002.rtf)" = $'\tone\ntwo\n\tthree' ] || e2e_fail "tabs: $(note_as text tab00002.rtf)"
xdotool key ctrl+a shift+Tab ctrl+shift+b
save_note Other Edit
[ "$(note_as text tab00002.rtf)" = $'one\ntwo\nthree' ] || e2e_fail "shift+tab: $(note_as text tab00002.rtf)"
html=$(note_as html tab00002.rtf)
for line in one two three; do expect_in "$html" "<b>$line</b>"; done

# From the editor menu: sorting, bold, and the text colour dialog cancelled. The menu is opened
# with a right click below the text (the selection stays) and walked with the arrow keys; Paste
# and Paste Text Only are greyed with the clipboard empty and skipped.
editor_menu() { # keys...
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + 200)) $((Y + 140)) click 3
    sleep 0.5
    xdotool key "$@"
    sleep 0.3
}
menu_down() { # count: keys that reach the count-th enabled item
    local keys=() i
    for ((i = 0; i < $1; i++)); do keys+=(Down); done
    echo "${keys[@]}"
}
# Clear styles at the caret (Ctrl+Alt+7): the bold above does not go on into the new text.
xdotool key ctrl+a Delete ctrl+alt+7
xdotool type --delay 20 "c"
xdotool key Return
xdotool type --delay 20 "B"
xdotool key Return
xdotool type --delay 20 "a"
save_note Other Edit
grep -q "<b>" <<<"$(note_as html tab00002.rtf)" && e2e_fail "clear styles left bold: $(note_as html tab00002.rtf)"
xdotool key ctrl+a
# Sort is the ninth enabled item; Ascending the first of its submenu.
editor_menu $(menu_down 9) Right Return
save_note Other Edit
[ "$(note_as text tab00002.rtf)" = $'B\na\nc' ] || e2e_fail "menu sort: $(note_as text tab00002.rtf)"
xdotool key ctrl+a
editor_menu $(menu_down 9) Right Down Return
save_note Other Edit
[ "$(note_as text tab00002.rtf)" = $'c\na\nB' ] || e2e_fail "menu sort descending: $(note_as text tab00002.rtf)"
# Character is the sixth; Bold the first of it, Text Color the fifth.
xdotool key ctrl+a
editor_menu $(menu_down 6) Right Return
xdotool key ctrl+a
editor_menu $(menu_down 6) Right Down Down Down Down Return
wait_dialog >/dev/null
sleep 0.5
e2e_screenshot "$E2E_WORK/colour-dialog.png"
xdotool key Escape
wait_dialog_gone
save_note Other Edit
html=$(note_as html tab00002.rtf)
expect_in "$html" "<b>c</b>"
grep -q "color:" <<<"$html" && e2e_fail "the cancelled colour dialog changed the colour: $html"

# The other toggles, lists and alignments from the editor menu, each on a fresh one-line note:
# the path into the menu (Character is the sixth enabled item, Paragraph the seventh) and what
# the saved note shows.
from_menu() { # word expected keys...
    local word=$1 expected=$2
    shift 2
    xdotool key ctrl+a Delete ctrl+alt+7
    xdotool type --delay 20 "$word"
    xdotool key shift+Home
    editor_menu "$@"
    save_note Other Edit
    expect_in "$(note_as html tab00002.rtf)" "$expected"
}
character=$(menu_down 6)
paragraph=$(menu_down 7)
from_menu italic "<i>italic</i>" $character Right $(menu_down 1) Return
from_menu under "<u>under</u>" $character Right $(menu_down 2) Return
from_menu strike "<s>strike</s>" $character Right $(menu_down 6) Return
from_menu sup "<sup>sup</sup>" $character Right $(menu_down 7) Return
from_menu sub "<sub>sub</sub>" $character Right $(menu_down 8) Return
from_menu caps 'uppercase">caps' $character Right $(menu_down 9) Return
from_menu small 'small-caps">small' $character Right $(menu_down 10) Return
from_menu bullets "<ul>" $paragraph Right Return
from_menu numbers '<ol type="1" start="1">' $paragraph Right Down Return
from_menu centre '<p style="text-align:center">' $paragraph Right Down Down Right Down Return
from_menu right '<p style="text-align:right">' $paragraph Right Down Down Right Down Down Return

# Export by the chosen name's extension, whichever filter is shown.
export_to() { # path
    xdotool key ctrl+alt+8
    wait_dialog >/dev/null
    sleep 0.5
    xdotool key ctrl+a
    xdotool type --delay 10 "$1"
    xdotool key Return
    wait_dialog_gone
}
export_to "$E2E_WORK/out/x.RTF"
head -c 6 "$E2E_WORK/out/x.RTF" | grep -q '{\\rtf1' || e2e_fail "x.RTF is not RTF"
export_to "$E2E_WORK/out/x.txt"
[ "$(cat "$E2E_WORK/out/x.txt")" = right ] || e2e_fail "x.txt: $(cat "$E2E_WORK/out/x.txt")"

xdotool key ctrl+q
e2e_wait_exit
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"
echo PASS
