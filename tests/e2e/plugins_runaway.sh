#!/usr/bin/env bash
# A plug-in entry that never returns: after five seconds the user is asked whether to stop it,
# stopping it lets the program go on, and what was typed before and after is saved.
source "$(dirname "$0")/lib.sh"
e2e_start_display --wm

home="$E2E_WORK/notes"
own="$XDG_DATA_HOME/Tabulet/plugins"
mkdir -p "$own"
cat >"$own/spin.lua" <<'LUA'
function versionInfo() tb:setPluginInfo("Spinner", "1.0", "", "", "", "2.1.0") end
function initPlugin() tb:registerMenuEntry("Spin", "spin") end
function spin() while true do end end
LUA
E2E_CONFIG_EXTRA='<commands><command name="Plugin: Spin" key="83" mod="AC"/></commands>'
e2e_write_config "$home" showtipsonstartup=0 -- tab1
e2e_start_tabulet -homedir "$home"
window=$(e2e_wait_window "^Tabulet - tab1$")
xdotool windowactivate --sync "$window"
xdotool type --delay 20 "typed before"
started=$SECONDS
xdotool key ctrl+alt+s
dialog=$(e2e_wait_dialog "$window")
[ $((SECONDS - started)) -ge 4 ] || e2e_fail "the question came before the plug-in had run five seconds"
xdotool getwindowname "$dialog" | grep -q "Plugin not responding" || e2e_fail "the question is not the expected one"
e2e_screenshot "$E2E_WORK/question.png"
xdotool key Return
e2e_wait_dialog_gone "$window"
xdotool windowactivate --sync "$window"
xdotool type --delay 20 " and after"
e2e_stop_tabulet TERM
grep -q 'typed before and after' "$home/tab00001.rtf" || e2e_fail "the note typed around the stopped plug-in was lost"
grep -q "ERROR: can't run function \`spin': script stopped by the user" "$E2E_WORK/tabulet.err" ||
    e2e_fail "the stop was not reported on the debug output"
echo PASS
