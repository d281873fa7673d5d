#!/usr/bin/env bash
# kill -9 at a random moment after a burst of typing, then the display server killed right after
# typing: every time, the note file still parses, and at the next start every word typed is in
# the note, taken back from its journal; a clean end then writes it to the file.
#   E2E_ROUNDS (default 3) rounds of kill -9; 20 for the long run.
source "$(dirname "$0")/lib.sh"
RTFCONV=${RTFCONV:-$(dirname "$TABULET_BINARY")/tools/rtfconv/rtfconv}
[ -x "$RTFCONV" ] || e2e_fail "no rtfconv at $RTFCONV"
rounds=${E2E_ROUNDS:-3}
e2e_start_display --wm

home="$E2E_WORK/notes"
e2e_write_config "$home" confirmexit=0 showtipsonstartup=0 -- Typed
typed=()

start_and_type() { # round
    e2e_start_tabulet -homedir "$home"
    window=$(e2e_wait_window "^Tabulet - Typed$")
    xdotool windowactivate --sync "$window"
    xdotool key ctrl+End
    for ((word = 1; word <= 1 + RANDOM % 6; word++)); do
        xdotool type --delay 20 "$1w$word "
        typed+=("$1w$word")
    done
}

# Starts the program on the notes, lets it take back what its journal kept, ends it cleanly and
# checks that the note file holds every word typed so far.
check_next_start() { # what happened
    # A note is first written by its first save.
    [ ! -e "$home/tab00001.rtf" ] || "$RTFCONV" --to text "$home/tab00001.rtf" >/dev/null ||
        e2e_fail "$1: the note file does not parse"
    e2e_start_tabulet -homedir "$home"
    e2e_wait_window "^Tabulet - Typed$" >/dev/null
    e2e_stop_tabulet TERM
    local text word
    text=$("$RTFCONV" --to text "$home/tab00001.rtf") || e2e_fail "$1: the note file does not parse after the start"
    for word in "${typed[@]}"; do
        grep -q "$word " <<<"$text" || e2e_fail "$1: '$word' is not in the note at the next start"
    done
    echo "$1: all ${#typed[@]} words typed are in the note"
}

for ((round = 1; round <= rounds; round++)); do
    start_and_type "r$round"
    # The last key has a moment to reach the editor; the idle save may or may not have come.
    wait_ms=$((200 + RANDOM % 2800))
    sleep "$((wait_ms / 1000)).$(printf %03d $((wait_ms % 1000)))"
    kill -KILL "$E2E_TABULET_PID"
    e2e_wait_exit
    check_next_start "kill -9 $wait_ms ms after typing, round $round"
done

# The display server goes away the moment typing ends.
xvfb_pid=${E2E_PIDS[0]}
start_and_type display
kill -KILL "$xvfb_pid"
e2e_wait_exit
# A new display; the old one's number must not be taken for it.
rm -f "$E2E_WORK/display"
e2e_start_display --wm
check_next_start "display killed right after typing"
echo PASS
