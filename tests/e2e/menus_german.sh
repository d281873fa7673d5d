#!/usr/bin/env bash
# With "languagefile" set to the German file in the configuration and the program restarted, the
# menus show the German texts: the editor menu's first label, "Kopieren" instead of "Copy", is
# drawn wider, and the menu keeps its items.
source "$(dirname "$0")/lib.sh"
e2e_start_display --wm

source "$(dirname "$0")/menus_lib.sh"

# Opens the editor menu, keeps a screenshot of it as $1.png and prints "labelWidth menuHeight":
# the ink width of the first item's label and the menu's height.
editor_menu() { # name
    local menu
    # Copy, the first item, acts on a selection: without one it would be greyed.
    xdotool type --delay 20 "note"
    xdotool key ctrl+a
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + 100)) $((Y + 70)) click 3
    menus_wait_open 1
    menu=$(menus_open | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$menu")"
    e2e_screenshot "$E2E_WORK/screen.png"
    convert "$E2E_WORK/screen.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$E2E_WORK/$1.png"
    # The label column of the first item: from 25 pixels in, left of the shortcut column.
    local ink
    ink=$(convert "$E2E_WORK/$1.png" -crop "$((WIDTH / 2))x16+25+4" +repage -colorspace gray -threshold 50% \
        -negate -trim -format '%w' info:)
    echo "$ink $HEIGHT"
    xdotool key Escape
}

menus_start languagefile=english.tabulang
read -r englishWidth englishHeight <<<"$(editor_menu english)"
e2e_stop_tabulet TERM

sed -i 's/val="english.tabulang"/val="deutsch.tabulang"/' "$home/tbu_config.xml"
menus_restart
read -r germanWidth germanHeight <<<"$(editor_menu german)"
e2e_stop_tabulet TERM

[ "$englishHeight" = "$germanHeight" ] ||
    e2e_fail "the German menu has other items (height $germanHeight, English $englishHeight)"
[ "$germanWidth" -gt $((englishWidth + 10)) ] ||
    e2e_fail "the first item is not the German label (ink $germanWidth pixels wide, English $englishWidth)"
compare -metric AE "$E2E_WORK/english.png" "$E2E_WORK/german.png" null: >/dev/null 2>&1 &&
    e2e_fail "the German menu looks like the English one"
grep -q '<option key="languagefile" val="deutsch.tabulang"/>' "$home/tbu_config.xml" ||
    e2e_fail "the language option was not kept"
echo PASS
