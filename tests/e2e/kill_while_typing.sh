#!/usr/bin/env bash
# kill -9 at a random moment while a person types: every time, the note file still parses and
# holds every word typed up to the idle-save delay (two seconds) before the kill.
#   E2E_ROUNDS (default 3) rounds of up to E2E_TYPING_SECONDS (default 8) of typing each.
source "$(dirname "$0")/lib.sh"
RTFCONV=${RTFCONV:-$(dirname "$TABULET_BINARY")/tools/rtfconv/rtfconv}
[ -x "$RTFCONV" ] || e2e_fail "no rtfconv at $RTFCONV"
rounds=${E2E_ROUNDS:-3}
typing=${E2E_TYPING_SECONDS:-8}
e2e_start_display --wm

home="$E2E_WORK/notes"
e2e_write_config "$home" confirmexit=0 showtipsonstartup=0 -- Typed
now_ms() { echo $(($(date +%s%N) / 1000000)); }

for ((round = 1; round <= rounds; round++)); do
    e2e_start_tabulet -homedir "$home"
    window=$(e2e_wait_window "^Tabulet - Typed$")
    xdotool windowactivate --sync "$window"
    xdotool key ctrl+End
    typed="$E2E_WORK/typed-$round.log"
    # Each word is logged with the time its last key went out.
    (
        for ((word = 1; ; word++)); do
            xdotool type --delay 30 "r${round}w${word} "
            echo "$(now_ms) r${round}w${word}" >>"$typed"
        done
    ) &
    typist=$!
    sleep "$((2 + RANDOM % (typing - 1))).$((RANDOM % 10))"
    killed=$(now_ms)
    kill -KILL "$E2E_TABULET_PID"
    kill "$typist"
    wait "$typist" 2>/dev/null || true
    e2e_wait_exit

    text=$("$RTFCONV" --to text "$home/tab00001.rtf") || e2e_fail "round $round: the note file does not parse"
    # What went out more than the idle delay (and a little time to handle the keys) before the kill.
    while read -r sent word; do
        if [ $((killed - sent)) -gt 2500 ] && ! grep -q "$word " <<<"$text"; then
            e2e_fail "round $round: '$word', typed $((killed - sent)) ms before the kill, is not in the file"
        fi
    done <"$typed"
    echo "round $round: $(wc -w <<<"$text") words in the file"
done
echo PASS
