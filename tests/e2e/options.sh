#!/usr/bin/env bash
# The Options sheet as a person uses it: open it from the menu, change the background colour, the
# tab font, a command's shortcut and the hotkey, press OK; the window shows colour and font at
# once, the shortcut and the hotkey work, and the configuration holds everything after exit.
# Opened again, changed and cancelled, nothing changes in the window or the file.
source "$(dirname "$0")/lib.sh"
e2e_start_display --wm

home="$E2E_WORK/notes"
config="$home/tbu_config.xml"
e2e_write_config "$home" confirmexit=0 showtipsonstartup=0 oneinstance=0 -- alpha
e2e_start_tabulet -homedir "$home"
window=$(e2e_wait_window "^Tabulet - alpha$")
xdotool windowactivate --sync "$window"

# The colour of one pixel of the screen, as "srgb(r,g,b)".
pixel() {
    import -window root -crop "1x1+$1+$2" txt:- | grep -o 'srgb([0-9,]*)' | head -n 1
}
shows() { # x y colour: the window has painted the colour there (it paints after it is mapped)
    local deadline=$((SECONDS + 10))
    until [ "$(pixel "$1" "$2")" = "$3" ]; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.2
    done
}
eval "$(xdotool getwindowgeometry --shell "$window")"
# A point of the editor far from its text, and the band of the tab strip.
editor_x=$((X + WIDTH * 3 / 4))
editor_y=$((Y + HEIGHT * 3 / 4))
strip() { import -window root -crop "${WIDTH}x40+$X+$Y" "$1"; }
shows $editor_x $editor_y "srgb(249,243,145)" || e2e_fail "the editor does not show the default background"
strip "$E2E_WORK/strip-before.png"

open_options() {
    xdotool windowactivate --sync "$window"
    xdotool key ctrl+o
    e2e_wait_window "^Options$"
}
# Clicks the OK button of the shortcut dialog: every key goes into its field. (The window
# manager's frame makes getwindowgeometry's place unreliable; its size is right.)
click_shortcut_ok() { # dialog
    eval "$(xdotool getwindowgeometry --shell --prefix ENTRY_ "$1")"
    xdotool mousemove --window "$1" $((ENTRY_WIDTH - 137)) $((ENTRY_HEIGHT - 27)) click 1
}

sheet=$(open_options)
e2e_screenshot "$E2E_WORK/options-notepad.png"
# The page titles have the focus; the colour button comes next.
xdotool key Tab space
colours=$(e2e_wait_window "^Select Color$")
xdotool key alt+h ctrl+a
xdotool type "#336699"
xdotool key Return
e2e_wait_for 10 sh -c "! xdotool search --onlyvisible --name '^Select Color$' | grep -q ." || e2e_fail "the colour dialog stayed"
# The hotkey: Change... opens the shortcut dialog; keys pressed there are the new combination.
xdotool windowactivate --sync "$sheet"
xdotool key Tab Tab Tab space
entry=$(e2e_wait_window "^Enter Shortcut$")
xdotool key ctrl+alt+k
e2e_screenshot "$E2E_WORK/options-hotkey.png"
click_shortcut_ok "$entry"
e2e_wait_for 10 sh -c "! xdotool search --onlyvisible --name '^Enter Shortcut$' | grep -q ." || e2e_fail "the shortcut dialog stayed"
# Turning the page gives its first control the focus: the font button of the tabs page.
xdotool windowactivate --sync "$sheet"
xdotool key ctrl+Tab space
e2e_wait_window "^Select Font$" >/dev/null
xdotool key alt+f ctrl+a
xdotool type "DejaVu Serif"
xdotool key alt+s ctrl+a
xdotool type "14"
xdotool key Return
e2e_wait_for 10 sh -c "! xdotool search --onlyvisible --name '^Select Font$' | grep -q ." || e2e_fail "the font dialog stayed"
# The keyboard page: the list finds a command by the first letters of its menu text.
xdotool windowactivate --sync "$sheet"
xdotool key ctrl+Tab ctrl+Tab ctrl+Tab ctrl+Tab ctrl+Tab
xdotool type "new tab"
xdotool key Return
entry=$(e2e_wait_window "^Enter Shortcut$")
xdotool key ctrl+shift+y
click_shortcut_ok "$entry"
e2e_wait_for 10 sh -c "! xdotool search --onlyvisible --name '^Enter Shortcut$' | grep -q ." || e2e_fail "the shortcut dialog stayed"
e2e_screenshot "$E2E_WORK/options-keyboard.png"
# Return in the list opens its row; OK is the next control.
xdotool windowactivate --sync "$sheet"
xdotool key Tab Return
e2e_wait_for 10 sh -c "! xdotool search --onlyvisible --name '^Options$' | grep -q ." || e2e_fail "OK did not close the sheet"

# At once: the colour, the tab font, the shortcut and the hotkey.
shows $editor_x $editor_y "srgb(51,102,153)" || e2e_fail "the editor did not take the new background colour"
strip "$E2E_WORK/strip-after.png"
changed=$(compare -metric AE "$E2E_WORK/strip-before.png" "$E2E_WORK/strip-after.png" null: 2>&1 || true)
[ "$changed" != 0 ] || e2e_fail "the tab strip looks as before the new font"
e2e_screenshot "$E2E_WORK/after-ok.png"
xdotool windowactivate --sync "$window"
xdotool key ctrl+shift+y
dialog=$(e2e_wait_dialog "$window")
xdotool key Escape
e2e_wait_dialog_gone "$window"

xmessage -name other "another program" &
E2E_PIDS+=($!)
e2e_wait_for 10 sh -c 'xdotool search --classname "^other$" | grep -q .' || e2e_fail "xmessage did not show"
other=$(xdotool search --classname "^other$" | head -n 1)
xdotool windowactivate --sync "$other"
xdotool key ctrl+alt+k
e2e_wait_for 10 sh -c "[ \"\$(xdotool getactivewindow)\" = $window ]" || e2e_fail "the new hotkey did not bring the notes forward"

xdotool key ctrl+q
e2e_wait_exit
option() { grep -o "<option key=\"$1\" val=\"[^\"]*\"" "$config" | sed 's/.*val="//; s/"$//'; }
[ "$(option bgcolor)" = 996633 ] || e2e_fail "bgcolor is '$(option bgcolor)'"
[ "$(option tabfont)" = "DejaVu Serif" ] || e2e_fail "tabfont is '$(option tabfont)'"
[ "$(option tabfontsize)" = 14 ] || e2e_fail "tabfontsize is '$(option tabfontsize)'"
[ "$(option activatekey)" = 75 ] || e2e_fail "activatekey is '$(option activatekey)'"
[ "$(option activatemod)" = AC ] || e2e_fail "activatemod is '$(option activatemod)'"
grep -q '<command name="newTab" key="89" mod="CS"/>' "$config" || e2e_fail "the new shortcut of newTab is not stored"

# Cancel: the colour changed in the sheet reaches neither the window nor the file.
e2e_start_tabulet -homedir "$home"
window=$(e2e_wait_window "^Tabulet - alpha$")
xdotool windowactivate --sync "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
editor_x=$((X + WIDTH * 3 / 4))
editor_y=$((Y + HEIGHT * 3 / 4))
cp "$config" "$E2E_WORK/config-before-cancel.xml"
sheet=$(open_options)
xdotool key Tab space
e2e_wait_window "^Select Color$" >/dev/null
xdotool key alt+h ctrl+a
xdotool type "#000000"
xdotool key Return
xdotool windowactivate --sync "$sheet"
xdotool key Escape
e2e_wait_for 10 sh -c "! xdotool search --onlyvisible --name '^Options$' | grep -q ." || e2e_fail "Escape did not close the sheet"
shows $editor_x $editor_y "srgb(51,102,153)" || e2e_fail "the editor does not show the colour of the first OK"
sleep 0.5
[ "$(pixel $editor_x $editor_y)" = "srgb(51,102,153)" ] || e2e_fail "Cancel changed the editor's background"
cmp -s "$config" "$E2E_WORK/config-before-cancel.xml" || e2e_fail "Cancel changed the configuration"
xdotool windowactivate --sync "$window"
xdotool key ctrl+q
e2e_wait_exit
[ "$(option bgcolor)" = 996633 ] || e2e_fail "bgcolor is '$(option bgcolor)' after Cancel"
