#!/usr/bin/env bash
# The tray icon in a real tray: the chosen picture shows there, one click hides the note window
# and the next shows it again in front, a double click brings it forward from behind another
# window, a right click opens the translated tray menu whose "Reset Position" puts the window back
# near the corner of the work area, minimising goes to the tray, and the program ends as usual.
source "$(dirname "$0")/lib.sh"
e2e_start_display --wm --tray

home="$E2E_WORK/notes"
e2e_write_config "$home" trayicon=14 confirmexit=0 showtipsonstartup=0 languagefile=deutsch.tabulang -- Shopping
e2e_start_tabulet -homedir "$home"
window=$(e2e_wait_window "^Tabulet - Shopping$")
xdotool windowactivate --sync "$window"

# The icon is the program's small window that the tray took in.
tray_icon() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$E2E_TABULET_PID" 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        if [ "$WIDTH" -le 32 ] && [ "$HEIGHT" -le 32 ] && [ "$WIDTH" -gt 4 ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}
e2e_wait_for 20 tray_icon || e2e_fail "no icon appeared in the tray"
icon=$(tray_icon)
eval "$(xdotool getwindowgeometry --shell "$icon")"
icon_x=$((X + WIDTH / 2))
icon_y=$((Y + HEIGHT / 2))
icon_box="${WIDTH}x${HEIGHT}+${X}+${Y}"
# No --sync: it waits for a pointer motion that never comes when the pointer is there already.
click_icon() { xdotool mousemove "$icon_x" "$icon_y" sleep 0.1 click "$@"; }

# "trayicon" 14 is the green globe: the icon is mostly green.
e2e_screenshot "$E2E_WORK/tray.png"
convert "$E2E_WORK/tray.png" -crop "$icon_box" +repage "$E2E_WORK/icon.png"
mean=$(convert "$E2E_WORK/icon.png" -alpha off -scale '1x1!' -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info:)
read -r red green blue <<<"$mean"
[ "$green" -gt "$red" ] && [ "$green" -gt "$blue" ] || e2e_fail "the tray icon is not the green globe (mean $mean)"

shown() { xwininfo -id "$window" | grep -q IsViewable; }
hidden() { xwininfo -id "$window" | grep -q IsUnMapped; }

click_icon 1
e2e_wait_for 10 hidden || e2e_fail "one click on the tray icon did not hide the window"
e2e_screenshot "$E2E_WORK/hidden.png"
sleep 0.6
click_icon 1
e2e_wait_for 10 shown || e2e_fail "a second click on the tray icon did not show the window"
e2e_wait_for 10 sh -c "[ \"\$(xdotool getactivewindow)\" = $window ]" || e2e_fail "the shown window is not active"

# Behind another window, a double click brings the note window forward.
xmessage -name other -geometry 600x400+0+0 "another program" &
E2E_PIDS+=($!)
other=$(e2e_wait_window "^other$")
xdotool windowactivate --sync "$other"
sleep 0.6
click_icon --repeat 2 --delay 80 1
e2e_wait_for 10 shown || e2e_fail "a double click left the window hidden"
e2e_wait_for 10 sh -c "[ \"\$(xdotool getactivewindow)\" = $window ]" || e2e_fail "a double click did not activate the window"
e2e_screenshot "$E2E_WORK/shown.png"

windows() { xdotool search --onlyvisible --pid "$E2E_TABULET_PID" 2>/dev/null | wc -l; }
xdotool windowmove --sync "$window" 400 300
before=$(windows)
click_icon 3
e2e_wait_for 10 sh -c "[ \$(xdotool search --onlyvisible --pid $E2E_TABULET_PID | wc -l) -gt $before ]" ||
    e2e_fail "a right click on the tray icon opened no menu"
sleep 0.3
e2e_screenshot "$E2E_WORK/traymenu.png"
# Print, then past the separator Check For New Version, then Reset Position.
xdotool key Down Down Down Return
read -r area_x area_y _ <<<"$(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g')"
reset_place="Position: $((area_x + 10)),$((area_y + 10))"
e2e_wait_for 10 sh -c "xdotool getwindowgeometry $window | grep -q '$reset_place'" ||
    e2e_fail "Reset Position left the window at $(xdotool getwindowgeometry "$window" | tr '\n' ' ')"
xdotool getwindowgeometry "$window" | grep -q "Geometry: 450x300" || e2e_fail "Reset Position did not size the window"

# Minimised by the window manager, the window goes to the tray as well, and one click brings it back.
xdotool windowminimize "$window"
withdrawn() { hidden && ! xprop -id "$window" WM_STATE | grep -q Iconic; }
e2e_wait_for 10 withdrawn ||
    e2e_fail "the minimised window did not go to the tray ($(xprop -id "$window" WM_STATE | tr '\n' ' '))"
sleep 0.6
click_icon 1
e2e_wait_for 10 shown || e2e_fail "a click did not bring back the minimised window"

e2e_stop_tabulet
[ "$E2E_STATUS" -eq 0 ] || e2e_fail "tabulet ended with $E2E_STATUS"
echo "tray icon: ok"
