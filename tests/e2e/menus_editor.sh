#!/usr/bin/env bash
# The editor menu on a right click: Bold carries a check mark over bold text, Paste and Paste
# Text Only are greyed while the clipboard is empty, and a choice from it runs its command.
source "$(dirname "$0")/lib.sh"
e2e_start_display --wm

source "$(dirname "$0")/menus_lib.sh"
menus_start
xdotool type --delay 20 "hello world"
xdotool key ctrl+a ctrl+shift+b

# Menu windows of the program as "id x y width height".
menu_windows() {
    local id
    for id in $(menus_open); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        echo "$id $X $Y $WIDTH $HEIGHT"
    done
}
# Darkest and mean intensity (0 to 1) of a region of a screenshot.
darkest() { convert "$1" -crop "$2" -colorspace gray -format '%[fx:minima]' info:; }
mean() { convert "$1" -crop "$2" -colorspace gray -format '%[fx:mean]' info:; }
below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }

eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 100)) $((Y + 60)) click 3
menus_wait_open 1
read -r _ menuX menuY _ _ <<<"$(menu_windows | tail -n 1)"
e2e_screenshot "$E2E_WORK/editor-menu.png"
# Items are 20 pixels high below a 2-pixel frame: Copy, Cut, Paste, Paste Text Only.
label() { echo "90x16+$((menuX + 25))+$((menuY + 2 + 20 * $1 + 2))"; }
copyInk=$(darkest "$E2E_WORK/editor-menu.png" "$(label 0)")
pasteInk=$(darkest "$E2E_WORK/editor-menu.png" "$(label 2)")
pasteTextInk=$(darkest "$E2E_WORK/editor-menu.png" "$(label 3)")
below "$copyInk" 0.25 || e2e_fail "Copy is not drawn in the text colour ($copyInk)"
below 0.35 "$pasteInk" || e2e_fail "Paste is not greyed with an empty clipboard ($pasteInk)"
below 0.35 "$pasteTextInk" || e2e_fail "Paste Text Only is not greyed ($pasteTextInk)"

# Into the Character submenu (greyed items are passed over), then onto Italics.
xdotool key Down Down Down Down Down Down Right
menus_wait_open 2
xdotool key Down
sleep 0.3
read -r _ subX subY _ _ <<<"$(menu_windows | sort -k2 -n | tail -n 1)"
e2e_screenshot "$E2E_WORK/character-menu.png"
strip() { echo "20x20+$subX+$((subY + 2 + 20 * $1))"; }
boldStrip=$(mean "$E2E_WORK/character-menu.png" "$(strip 0)")
underlineStrip=$(mean "$E2E_WORK/character-menu.png" "$(strip 2)")
below "$boldStrip" "$(awk -v u="$underlineStrip" 'BEGIN { print u - 0.05 }')" ||
    e2e_fail "Bold carries no check mark (strip $boldStrip, Underline's $underlineStrip)"

# Underline from the menu: the note is saved with it when the window loses the focus.
xdotool key Down Return
menus_wait_closed
e2e_stop_tabulet TERM
grep -q '\\ul' "$home/tab00001.rtf" || e2e_fail "Underline chosen from the menu was not applied"
grep -q '\\b' "$home/tab00001.rtf" || e2e_fail "the bold text was lost"
echo PASS
