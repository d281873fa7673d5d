# Helpers of the menu tests, sourced after lib.sh.
#
#   menus_start KEY=VALUE...   a note "tab1" and these options (no tip of the day) in a fresh data
#                              folder $home; starts tabulet on it and sets $window
#   menus_restart              starts tabulet again on the same data folder
#   menus_wait_open COUNT      waits until COUNT menus of the program are open
#   menus_wait_closed          waits until no menu of the program is open

home="$E2E_WORK/notes"

menus_start() {
    mkdir -p "$home"
    {
        echo '<?xml version="1.0" standalone="no" ?>'
        echo '<config version="1.1">'
        echo '    <options>'
        echo '        <option key="showtipsonstartup" val="0"/>'
        local option
        for option in "$@"; do
            echo "        <option key=\"${option%%=*}\" val=\"${option#*=}\"/>"
        done
        echo '    </options>'
        echo '    <notes>'
        echo '        <note id="0" title="tab1" filename="tab00001.rtf" visible="1"/>'
        echo '    </notes>'
        echo '</config>'
    } >"$home/tbu_config.xml"
    menus_restart
}

menus_restart() {
    e2e_start_tabulet -homedir "$home"
    window=$(e2e_wait_window "^Tabulet - tab1$")
    xdotool windowactivate --sync "$window"
}

# The ids of the program's visible windows other than the note window.
menus_open() {
    xdotool search --onlyvisible --pid "$E2E_TABULET_PID" 2>/dev/null | grep -v -x "$window" || true
}

menus_wait_open() {
    local deadline=$((SECONDS + 10))
    until [ "$(menus_open | wc -l)" -ge "$1" ]; do
        [ $SECONDS -ge $deadline ] && e2e_fail "no menu opened"
        sleep 0.1
    done
    sleep 0.3
}

menus_wait_closed() {
    local deadline=$((SECONDS + 10))
    until [ -z "$(menus_open)" ]; do
        [ $SECONDS -ge $deadline ] && e2e_fail "the menu stayed open"
        sleep 0.1
    done
}
