#!/usr/bin/env bash
# Without the pointer: a note is created, a word made bold through the frame's Bold button reached
# with F6 and the arrow keys, the notes switched from the focused tab strip, Options opened and
# closed, and the window hidden to the tray by its Minimize button and brought back by the hotkey.
source "$(dirname "$0")/lib.sh"
e2e_start_display --wm --tray

home="$E2E_WORK/notes"
e2e_write_config "$home" confirmexit=0 -- First
printf '{\\rtf1\\ansi first words\\par}' >"$home/tab00001.rtf"
e2e_start_tabulet -homedir "$home"
window=$(e2e_wait_window "^Tabulet - First$")
xdotool windowactivate --sync "$window"

title_is() { [ "$(xdotool getwindowname "$window")" = "Tabulet - $1" ]; }
dialog_open() { xdotool getwindowfocus | grep -v -x -q "$window"; }
# F6 from the note: the tabs, then the first theme button (Menu); then right to a button.
to_button() { # steps to the right of the first button
    xdotool key F6 F6
    for ((step = 0; step < $1; step++)); do xdotool key Right; done
}

# A new note: its name dialog takes the typing in its first field; Enter accepts it.
xdotool key ctrl+n
e2e_wait_for 10 dialog_open || e2e_fail "Ctrl+N opened no dialog"
xdotool type --delay 20 "Second"
xdotool key Return
e2e_wait_for 10 title_is Second || e2e_fail "no note Second: $(xdotool getwindowname "$window")"

# The buttons in reading order: Menu, New Tab, Always On Top, Minimize, Exit, then Bold.
xdotool type --delay 20 "plain strong"
xdotool key ctrl+shift+Left
to_button 5
xdotool key space Escape

# The tab strip follows the arrows.
xdotool key F6 Left Escape
e2e_wait_for 10 title_is First || e2e_fail "Left in the tab strip did not show First"
xdotool key F6 Right Escape
e2e_wait_for 10 title_is Second || e2e_fail "Right in the tab strip did not show Second"

xdotool key ctrl+o
e2e_wait_for 10 dialog_open || e2e_fail "Ctrl+O opened no dialog"
xdotool key Escape
e2e_wait_for 10 sh -c "xdotool getwindowfocus | grep -q -x $window" || e2e_fail "Escape left Options open"

shown() { xdotool search --onlyvisible --pid "$E2E_TABULET_PID" 2>/dev/null | grep -q -x "$window"; }
to_button 3
xdotool key Return
e2e_wait_for 10 sh -c "! xdotool search --onlyvisible --pid $E2E_TABULET_PID | grep -q -x $window" ||
    e2e_fail "the Minimize button did not hide the window"
xdotool key ctrl+shift+slash
e2e_wait_for 10 shown || e2e_fail "the hotkey did not bring the window back"

e2e_stop_tabulet TERM
second=$(grep -l 'plain' "$home"/tab*.rtf) || e2e_fail "the new note was not saved"
grep -q 'plain \\b strong' "$second" || e2e_fail "strong is not bold: $(cat "$second")"
echo PASS
