#!/usr/bin/env bash
# The frameless window is moved by its drag bar and sized by its corner; with no window manager
# to do it, the window follows the pointer itself. The new place and size are kept.
source "$(dirname "$0")/lib.sh"
e2e_start_display

home="$E2E_WORK/notes"
e2e_write_config "$home" x=40 y=30 w=450 h=220 -- Frame
e2e_start_tabulet -homedir "$home"
window=$(e2e_wait_window "Frame")
geometry() { xdotool getwindowgeometry "$window" | tr -d '\n' | sed 's/.*Position: \([0-9,]*\).*Geometry: \([0-9x]*\).*/\1 \2/'; }
[ "$(geometry)" = "40,30 450x220" ] || e2e_fail "restored as $(geometry)"

# The default theme's drag bar runs along the top, below the 3-pixel sizing edge.
xdotool mousemove 240 35 mousedown 1 mousemove 290 65 mousemove 340 95 mouseup 1
e2e_wait_for 5 sh -c "[ \"\$(xdotool getwindowgeometry $window | grep Position)\" != \"\${1}\" ]" _ "  Position: 40,30 (screen: 0)"
[ "$(geometry)" = "140,90 450x220" ] || e2e_fail "moved to $(geometry)"

# Bottom-right corner: the last pixel of the window.
xdotool mousemove 589 309 mousedown 1 mousemove 620 330 mousemove 649 359 mouseup 1
sleep 0.5
[ "$(geometry)" = "140,90 510x270" ] || e2e_fail "sized to $(geometry)"

e2e_stop_tabulet TERM
config="$home/tbu_config.xml"
for option in 'x" val="140' 'y" val="90' 'w" val="510' 'h" val="270'; do
    grep -q "<option key=\"$option\"/>" "$config" || e2e_fail "not kept: $option"
done
echo PASS
