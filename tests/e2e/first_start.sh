#!/usr/bin/env bash
# A first start in an empty home folder creates the folder set, shows the window in the middle of
# the screen with the tip of the day beside it and, on exit, writes the configuration in the
# documented layout.
source "$(dirname "$0")/lib.sh"
e2e_start_display --wm

home="$E2E_WORK/notes"
mkdir -p "$home"
e2e_start_tabulet -homedir "$home"
window=$(e2e_wait_window "tab1")
e2e_screenshot "$E2E_WORK/first_start.png"
eval "$(xdotool getwindowgeometry --shell "$window")"
# The screen is 1024×768 without panels: a 450×200 window centred on it.
[ "$X,$Y" = "287,284" ] || e2e_fail "the window opened at $X,$Y, not in the middle of the screen"
xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || e2e_fail "the window is on the taskbar"

for folder in Tabulet Tabulet/plugins Tabulet/pluginCFG; do
    [ -d "$XDG_DATA_HOME/$folder" ] || e2e_fail "folder $folder was not created"
done
[ -f "$XDG_DATA_HOME/applications/org.tabulet.Tabulet.language.desktop" ] || e2e_fail "no desktop entry"
[ ! -e "$home/tbu_config.xml" ] || e2e_fail "configuration written before the first save"

e2e_stop_tabulet TERM
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"
# The shipped plug-ins are listed by their full paths: the program folder reads as PROGRAM.
program=$(dirname "$(realpath "$TABULET_BINARY")")
sed "s|\"$program/plugins/|\"PROGRAM/plugins/|" "$home/tbu_config.xml" >"$E2E_WORK/written.xml"
cmp "$E2E_WORK/written.xml" "$E2E_DATA/first_start_config.xml" ||
    { diff "$E2E_WORK/written.xml" "$E2E_DATA/first_start_config.xml" | head -20; e2e_fail "configuration differs"; }
[ ! -e "$XDG_DATA_HOME/Tabulet/tbu_config.xml" ] || e2e_fail "-homedir was not honoured"

# With the tip of the day: it opens beside the window, which stays wholly in view.
mkdir -p "$E2E_WORK/tipped"
unset TABULET_NO_STARTUP_TIP
e2e_start_tabulet -homedir "$E2E_WORK/tipped"
window=$(e2e_wait_window "tab1")
tip=$(e2e_wait_dialog "$window")
sleep 0.3
e2e_screenshot "$E2E_WORK/first_start_tip.png"
eval "$(xdotool getwindowgeometry --shell "$window")"
read -r left top right bottom <<<"$X $Y $((X + WIDTH)) $((Y + HEIGHT))"
eval "$(xdotool getwindowgeometry --shell "$tip")"
[ $((X + WIDTH)) -le "$left" ] || [ "$X" -ge "$right" ] || [ $((Y + HEIGHT)) -le "$top" ] || [ "$Y" -ge "$bottom" ] ||
    e2e_fail "the tip of the day (${WIDTH}x$HEIGHT at $X,$Y) covers the window ($left,$top to $right,$bottom)"
xdotool key Escape
e2e_wait_dialog_gone "$window"
e2e_stop_tabulet TERM
echo PASS
