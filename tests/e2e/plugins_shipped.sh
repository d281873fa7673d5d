#!/usr/bin/env bash
# The shipped plug-ins and one in the per-user plug-ins folder, run from the Plugins submenu and
# from shortcuts bound in the configuration: the note and the saved configuration show their
# work. Then in German: the entries carry German texts and a binding to one of them runs it.
source "$(dirname "$0")/lib.sh"
e2e_start_display --wm

home="$E2E_WORK/notes"
own="$XDG_DATA_HOME/Tabulet/plugins"
mkdir -p "$own/mine"
cat >"$own/mine/hello.lua" <<'LUA'
function versionInfo() tb:setPluginInfo("Hello", "1.0", "", "", "", "2.1.0") end
function initPlugin() tb:registerMenuEntry("Say hello", "hello") end
function hello() local s = tb:getSelection() tb:setText(s.minc, s.maxc, "hello from a plug-in") end
LUA
# F2 opens the main menu; Ctrl+Alt+U and Ctrl+Alt+D run two plug-in entries.
E2E_CONFIG_EXTRA='<commands>
<command name="showMenu" key="113" mod=""/>
<command name="Plugin: UPPER CASE" key="85" mod="AC"/>
<command name="Plugin: Insert date and time (ISO 8601)" key="68" mod="AC"/>
</commands>'
e2e_write_config "$home" showtipsonstartup=0 -- tab1

start() {
    e2e_start_tabulet -homedir "$home"
    window=$(e2e_wait_window "^Tabulet - tab1$")
    xdotool windowactivate --sync "$window"
}

# Chooses Plugins → the label at that place (from 0) → the entry at that place from the main menu.
# Labels in order: Change case, Date and time, Hello, Line tools, Word count.
from_menu() { # label entry
    xdotool key F2
    sleep 0.5
    # Check for a new version, Options, Always on top, then Plugins.
    xdotool key Down Down Down Down Right
    sleep 0.3
    for ((i = 0; i < $1; i++)); do xdotool key Down; done
    xdotool key Right
    sleep 0.3
    for ((i = 0; i < $2; i++)); do xdotool key Down; done
    xdotool key Return
    sleep 0.5
}

start
xdotool type --delay 20 "alpha beta"
xdotool key ctrl+a ctrl+alt+u End Return
sleep 0.3
xdotool key ctrl+alt+d
sleep 0.3
from_menu 3 0 # Line tools → Duplicate line
xdotool key ctrl+End Return
from_menu 2 0 # Hello → Say hello
from_menu 4 0 # Word count → Count words
dialog=$(e2e_wait_dialog "$window")
e2e_screenshot "$E2E_WORK/word-count.png"
xdotool key Return
e2e_wait_dialog_gone "$window"
e2e_stop_tabulet TERM

note="$home/tab00001.rtf"
grep -q 'ALPHA BETA' "$note" || e2e_fail "UPPER CASE from its shortcut did not change the selection"
[ "$(grep -o '20[0-9][0-9]-[01][0-9]-[0-3][0-9]T[0-2][0-9]:[0-5][0-9]:[0-5][0-9][+-][0-9][0-9]:[0-9][0-9]' "$note" |
    wc -l)" -eq 2 ] || e2e_fail "the ISO date was not inserted and then duplicated as its line"
grep -q 'hello from a plug-in' "$note" || e2e_fail "the per-user plug-in's entry did not run"
config="$home/tbu_config.xml"
grep -q "<plugin path=\"$own/mine/hello.lua\" enabled=\"1\"/>" "$config" ||
    e2e_fail "the per-user plug-in is not in the saved configuration"
grep -q 'plugins/wordcount.lua" enabled="1"/>' "$config" || e2e_fail "the shipped plug-ins are not saved"
grep -q '<command name="Plugin: UPPER CASE" key="85" mod="AC"/>' "$config" || e2e_fail "a plug-in binding was lost"
grep -q '<command name="Plugin: Count words" key="0" mod=""/>' "$config" ||
    e2e_fail "the plug-in entries are not offered for bindings"

# With the German language file the entries have German texts: a binding to "kleinbuchstaben"
# lowers the case.
sed -i 's|<command name="Plugin: UPPER CASE"|<command name="Plugin: kleinbuchstaben"|' "$config"
sed -i '/<option key="languagefile"/d; s|<options>|<options>\n<option key="languagefile" val="deutsch.tabulang"/>|' "$config"
start
xdotool key ctrl+Home shift+End ctrl+alt+u
sleep 0.5
e2e_stop_tabulet TERM
grep -q 'alpha beta' "$note" || e2e_fail "the German entry did not run from its binding"
grep -q '<command name="Plugin: GROSSBUCHSTABEN" key="0" mod=""/>' "$config" ||
    e2e_fail "the German entries were not registered"
echo PASS
