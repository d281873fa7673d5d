#!/usr/bin/env bash
# The themes submenu: from the main menu (the window's menu button) another shipped theme, from
# the editor menu another subtheme; each is drawn at once and kept in the configuration.
source "$(dirname "$0")/lib.sh"
e2e_start_display --wm

source "$(dirname "$0")/menus_lib.sh"
menus_start theme=default subtheme=full

option() { # key: its value in the saved configuration
    sed -n "s/.*<option key=\"$1\" val=\"\([^\"]*\)\".*/\1/p" "$home/tbu_config.xml"
}
window_shot() { # file
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$window")"
    e2e_screenshot "$E2E_WORK/screen.png"
    convert "$E2E_WORK/screen.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$1"
}
differ() { # a b: more than 500 pixels differ
    local changed
    changed=$(compare -metric AE "$1" "$2" null: 2>&1 || true)
    [ "${changed%% *}" -gt 500 ] 2>/dev/null
}

window_shot "$E2E_WORK/default-full.png"

# The menu button of the default theme sits 5 pixels in from the top left corner. In the main
# menu the Themes submenu is the fifth entry; its first item is the first installed theme, "dark".
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 12)) $((Y + 12)) click 1
menus_wait_open 1
xdotool key Down Down Down Down Down Right
menus_wait_open 2
xdotool key Return
menus_wait_closed
e2e_wait_for 10 sh -c "grep -q '<option key=\"theme\" val=\"dark\"/>' '$home/tbu_config.xml'" ||
    e2e_fail "the theme chosen from the menu was not kept (theme is '$(option theme)')"
window_shot "$E2E_WORK/dark.png"
differ "$E2E_WORK/default-full.png" "$E2E_WORK/dark.png" || e2e_fail "the window was not drawn in the dark theme"
before=$(option subtheme)

# From the editor menu: Themes is the fourth entry from the bottom. Past the two themes come the
# subthemes in title order, "compact" then "full": take the one that is not current.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 100)) $((Y + 70)) click 3
menus_wait_open 1
xdotool key Up Up Up Up Right
menus_wait_open 2
if [ "$before" = "compact" ]; then
    wanted=full
    xdotool key Down Down Down Return
else
    wanted=compact
    xdotool key Down Down Return
fi
menus_wait_closed
e2e_wait_for 10 sh -c "grep -q '<option key=\"subtheme\" val=\"$wanted\"/>' '$home/tbu_config.xml'" ||
    e2e_fail "the subtheme chosen from the menu was not kept (subtheme is '$(option subtheme)', wanted $wanted)"
window_shot "$E2E_WORK/dark-$wanted.png"
differ "$E2E_WORK/dark.png" "$E2E_WORK/dark-$wanted.png" || e2e_fail "the window was not drawn in the other subtheme"
grep -q '<option key="theme" val="dark"/>' "$home/tbu_config.xml" || e2e_fail "the subtheme changed the theme"

e2e_stop_tabulet TERM
echo PASS
