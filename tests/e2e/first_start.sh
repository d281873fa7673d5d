#!/usr/bin/env bash
# A first start in an empty home folder creates the folder set, shows the window and, on exit,
# writes the configuration in the documented layout.
source "$(dirname "$0")/lib.sh"
e2e_start_display --wm

home="$E2E_WORK/notes"
mkdir -p "$home"
e2e_start_tabulet -homedir "$home"
window=$(e2e_wait_window "tab1")
e2e_screenshot "$E2E_WORK/first_start.png"
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
echo PASS
