#!/usr/bin/env bash
# With "languagefile" set to the German file in the configuration and the program restarted, the
# menus show the German texts: the editor menu's first label, "Kopieren" instead of "Copy", is
# drawn wider, and the menu keeps its items.
source "$(dirname "$0")/lib.sh"
e2e_start_display --wm

home="$E2E_WORK/notes"
mkdir -p "$home"
cat >"$home/tbu_config.xml" <<'XML'
<?xml version="1.0" standalone="no" ?>
<config version="1.1">
    <options>
        <option key="showtipsonstartup" val="0"/>
        <option key="languagefile" val="english.tabulang"/>
    </options>
    <notes>
        <note id="0" title="tab1" filename="tab00001.rtf" visible="1"/>
    </notes>
</config>
XML

# Opens the editor menu, keeps a screenshot of it as $1.png and prints "labelWidth menuHeight":
# the ink width of the first item's label and the menu's height.
editor_menu() { # name
    local window menu
    window=$(e2e_wait_window "^Tabulet - tab1$")
    xdotool windowactivate --sync "$window"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + 100)) $((Y + 70)) click 3
    e2e_wait_for 10 sh -c "xdotool search --onlyvisible --pid $E2E_TABULET_PID | grep -q -v -x $window" ||
        e2e_fail "no menu opened"
    sleep 0.5
    menu=$(xdotool search --onlyvisible --pid "$E2E_TABULET_PID" | grep -v -x "$window" | head -n 1)
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

e2e_start_tabulet -homedir "$home"
read -r englishWidth englishHeight <<<"$(editor_menu english)"
e2e_stop_tabulet TERM

sed -i 's/val="english.tabulang"/val="deutsch.tabulang"/' "$home/tbu_config.xml"
e2e_start_tabulet -homedir "$home"
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
