#!/usr/bin/env bash
# The editor menu on a right click: Bold carries a check mark over bold text, Paste and Paste
# Text Only are greyed while the clipboard is empty, and a choice from it runs its command.
source "$(dirname "$0")/lib.sh"
e2e_start_display --wm

home="$E2E_WORK/notes"
mkdir -p "$home"
cat >"$home/tbu_config.xml" <<'XML'
<?xml version="1.0" standalone="no" ?>
<config version="1.1">
    <options>
        <option key="showtipsonstartup" val="0"/>
    </options>
    <notes>
        <note id="0" title="tab1" filename="tab00001.rtf" visible="1"/>
    </notes>
</config>
XML
e2e_start_tabulet -homedir "$home"
window=$(e2e_wait_window "^Tabulet - tab1$")
xdotool windowactivate --sync "$window"
xdotool type --delay 20 "hello world"
xdotool key ctrl+a ctrl+shift+b

# Menu windows of the program, newest last, as "id x y width height".
menu_windows() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$E2E_TABULET_PID" 2>/dev/null); do
        [ "$id" = "$window" ] && continue
        eval "$(xdotool getwindowgeometry --shell "$id")"
        echo "$id $X $Y $WIDTH $HEIGHT"
    done | sort -n
}
wait_menus() { # count
    e2e_wait_for 10 sh -c "[ \$(xdotool search --onlyvisible --pid $E2E_TABULET_PID | grep -v -x $window | wc -l) -ge $1 ]" ||
        e2e_fail "no menu opened"
    sleep 0.3
}
# Darkest and mean intensity (0 to 1) of a region of a screenshot.
darkest() { convert "$1" -crop "$2" -colorspace gray -format '%[fx:minima]' info:; }
mean() { convert "$1" -crop "$2" -colorspace gray -format '%[fx:mean]' info:; }
below() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }

eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 100)) $((Y + 60)) click 3
wait_menus 1
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
wait_menus 2
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
e2e_wait_for 10 sh -c "[ -z \"\$(xdotool search --onlyvisible --pid $E2E_TABULET_PID | grep -v -x $window)\" ]" ||
    e2e_fail "the menu stayed open"
e2e_stop_tabulet TERM
grep -q '\\ul' "$home/tab00001.rtf" || e2e_fail "Underline chosen from the menu was not applied"
grep -q '\\b' "$home/tab00001.rtf" || e2e_fail "the bold text was lost"
echo PASS
