#!/usr/bin/env bash
# Typed text reaches the note's file without a save point: after a kill -9 three seconds after
# typing stopped, and after the display server went away right after typing, the file holds it.
# A tray host that starts after the program gets the icon at once.
source "$(dirname "$0")/lib.sh"
RTFCONV=${RTFCONV:-$(dirname "$TABULET_BINARY")/tools/rtfconv/rtfconv}
[ -x "$RTFCONV" ] || e2e_fail "no rtfconv at $RTFCONV"
e2e_start_display --wm
xvfb_pid=${E2E_PIDS[0]}

home="$E2E_WORK/notes"
e2e_write_config "$home" confirmexit=0 showtipsonstartup=0 -- Typed
note_holds() { "$RTFCONV" --to text "$home/tab00001.rtf" | grep -q "$1"; }

start_and_type() { # text
    e2e_start_tabulet -homedir "$home"
    window=$(e2e_wait_window "^Tabulet - Typed$")
    xdotool windowactivate --sync "$window"
    xdotool key ctrl+End
    xdotool type --delay 20 "$1"
}

# The icon is the program's small window that the tray took in.
tray_icon() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$E2E_TABULET_PID" 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ "$WIDTH" -le 32 ] && [ "$HEIGHT" -le 32 ] && [ "$WIDTH" -gt 4 ] && return 0
    done
    return 1
}

start_and_type "typed before the kill "
sleep 3
kill -KILL "$E2E_TABULET_PID"
e2e_wait_exit
note_holds "typed before the kill" || e2e_fail "the text typed three seconds before kill -9 is not in the file"

# No tray host at start; one that starts later takes the icon.
start_and_type "then more "
trayer --edge top --align right --widthtype request --height 24 >"$E2E_WORK/trayer.log" 2>&1 &
E2E_PIDS+=($!)
e2e_wait_for 10 sh -c 'xdotool search --classname trayer | grep -q .' || e2e_fail "trayer did not start"
started=$(date +%s%N)
e2e_wait_for 10 tray_icon || e2e_fail "the icon did not dock in a tray host that started later"
echo "the icon docked $((($(date +%s%N) - started) / 1000000)) ms after the tray host's window appeared"

# The display server goes away before the idle save is due.
xdotool windowactivate --sync "$window"
xdotool key ctrl+End
xdotool type --delay 20 "and just before the display went"
sleep 0.5
kill -KILL "$xvfb_pid"
unset DISPLAY
e2e_wait_exit
[ "$E2E_STATUS" = 1 ] || e2e_fail "exit status $E2E_STATUS when the display went away"
! grep -E 'AddressSanitizer|runtime error|Segmentation' "$E2E_WORK/tabulet.err" || e2e_fail "a crash when the display went away"
note_holds "then more and just before the display went" ||
    e2e_fail "the text typed just before the display went away is not in the file"
note_holds "typed before the kill" || e2e_fail "the text saved before is gone"
echo PASS
