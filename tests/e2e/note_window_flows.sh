#!/usr/bin/env bash
# The note window as a person uses it: typing, a new note, switching tabs, bold, deleting and
# exiting, with the files it leaves behind.
source "$(dirname "$0")/lib.sh"
e2e_start_display --wm

home="$E2E_WORK/notes"
mkdir -p "$home"
e2e_start_tabulet -homedir "$home"
window=$(e2e_wait_window "^Tabulet - tab1$")
xdotool windowactivate --sync "$window"
e2e_screenshot "$E2E_WORK/skinned.png"

# Waits for a dialog of the program, types the text into it and presses Return.
answer_dialog() { # text
    e2e_wait_dialog "$window" >/dev/null
    [ -n "$1" ] && xdotool type --delay 20 "$1"
    xdotool key Return
    e2e_wait_dialog_gone "$window"
}

xdotool type --delay 20 "hello world"
xdotool key ctrl+n
answer_dialog "Second"
e2e_wait_window "^Tabulet - Second$" >/dev/null
printf '%s' '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fnil\fprq12\fcharset0 Arial;}}\viewkind4\uc1\pard\lang3079\f0\fs18\par}' >"$E2E_WORK/new-note.rtf"
cmp "$home/tab00002.rtf" "$E2E_WORK/new-note.rtf" || e2e_fail "the new note's file differs"
grep -q 'hello world' "$home/tab00001.rtf" || e2e_fail "the first note was not saved when its tab was left"

xdotool key ctrl+Tab
e2e_wait_window "^Tabulet - tab1$" >/dev/null
xdotool key ctrl+a ctrl+shift+b
e2e_screenshot "$E2E_WORK/bold.png"
# The bold button, first of the default theme's row along the bottom edge, shows another look.
eval "$(xdotool getwindowgeometry --shell "$window")"
button="24x24+$((X + 4))+$((Y + HEIGHT - 28))"
convert "$E2E_WORK/skinned.png" -crop "$button" "$E2E_WORK/button-before.png"
convert "$E2E_WORK/bold.png" -crop "$button" "$E2E_WORK/button-after.png"
changed=$(compare -metric AE "$E2E_WORK/button-before.png" "$E2E_WORK/button-after.png" null: 2>&1 || true)
[ "${changed%% *}" -gt 20 ] 2>/dev/null || e2e_fail "the bold button kept its look ($changed pixels changed)"
xdotool key ctrl+Tab
e2e_wait_window "^Tabulet - Second$" >/dev/null
grep -q '\\b' "$home/tab00001.rtf" || e2e_fail "the bold text was not saved as bold"
head -c 6 "$home/tab00001.rtf" | grep -q '{\\rtf1' || e2e_fail "the note is not RTF"

# Delete the selected second note: the first is shown again, and the last tab cannot go. The
# question's default is No: Y answers Yes.
xdotool key ctrl+F4
e2e_wait_dialog "$window" >/dev/null
xdotool key y
e2e_wait_dialog_gone "$window"
e2e_wait_window "^Tabulet - tab1$" >/dev/null
[ ! -e "$home/tab00002.rtf" ] || e2e_fail "the deleted note's file is still there"
xdotool key ctrl+F4
answer_dialog ""
e2e_wait_window "^Tabulet - tab1$" >/dev/null

xdotool key ctrl+n
answer_dialog "Kept"
e2e_wait_window "^Tabulet - Kept$" >/dev/null
xdotool key ctrl+q
answer_dialog ""
e2e_wait_exit
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"
config="$home/tbu_config.xml"
grep -q '<note id="0" title="tab1" filename="tab00001.rtf" visible="1"' "$config" || e2e_fail "first note"
grep -q '<note id="1" title="Kept" filename="tab00002.rtf" visible="1"' "$config" || e2e_fail "second note"
grep -q '<option key="selectedtab" val="1"/>' "$config" || e2e_fail "selected tab"
for key in x y w h; do
    grep -q "<option key=\"$key\" val=\"[0-9]*\"/>" "$config" || e2e_fail "no $key"
done
echo PASS
