#!/usr/bin/env bash
# Scripts in the plugins folder of a notes folder given with -homedir run only when the user
# agrees: the first start asks, naming the folder; a No keeps them from running, now and at the
# next start, which does not ask again; a Yes for another folder lets its script run.
source "$(dirname "$0")/lib.sh"
e2e_start_display --wm

write_marker_plugin() { # notes folder
    mkdir -p "$1/plugins"
    cat >"$1/plugins/marker.lua" <<LUA
function versionInfo() tb:setPluginInfo("Marker", "1.0", "", "", "", "2.1.0") end
function initPlugin() local f = io.open("$1/ran", "a") f:write("ran\n") f:close() end
LUA
    e2e_write_config "$1" showtipsonstartup=0 -- tab1
}

# Starts on the notes folder and answers the question with the key; none: no question is expected.
start_answering() { # notes folder, key or none
    e2e_start_tabulet -homedir "$1"
    if [ "$2" != none ]; then
        local question=
        e2e_wait_for 20 sh -c "xdotool search --onlyvisible --pid $E2E_TABULET_PID >/dev/null" ||
            e2e_fail "no question appeared"
        question=$(xdotool search --onlyvisible --pid "$E2E_TABULET_PID" | head -n 1)
        xdotool search --onlyvisible --name "^Tabulet - tab1$" >/dev/null &&
            e2e_fail "the note window came before the question"
        e2e_screenshot "$E2E_WORK/question-$2.png"
        xdotool windowactivate --sync "$question" key "$2"
    fi
    e2e_wait_window "^Tabulet - tab1$" >/dev/null
    [ "$(xdotool search --onlyvisible --pid "$E2E_TABULET_PID" | wc -l)" -eq 1 ] ||
        e2e_fail "a window besides the note window is open"
}

stranger="$E2E_WORK/stranger"
write_marker_plugin "$stranger"
start_answering "$stranger" Escape
e2e_stop_tabulet TERM
[ ! -e "$stranger/ran" ] || e2e_fail "the refused script ran"
consent="$XDG_CONFIG_HOME/tabulet/plugin-folders"
grep -qxF "refuse	$stranger/plugins" "$consent" || e2e_fail "the answer was not kept in the user's configuration"

start_answering "$stranger" none
e2e_stop_tabulet TERM
[ ! -e "$stranger/ran" ] || e2e_fail "the refused script ran at the next start"

mine="$E2E_WORK/mine"
write_marker_plugin "$mine"
start_answering "$mine" alt+y
e2e_stop_tabulet TERM
[ "$(cat "$mine/ran")" = ran ] || e2e_fail "the allowed script did not run once"
echo PASS
