#!/usr/bin/env bash
# Handover benchmark: a later start that hands its arguments to the running copy and ends,
# beside a full start of the program, measured alternately in one run on one Xvfb display with
# 100 formatted notes of 2-20 KiB. Full start: exec to the first mapped window (no copy runs in
# its session). Handover: exec to the end of the later start, once its running copy has taken
# the arguments (a copy runs in that session). Prints medians and the ratio; nothing passes or fails.
#   bench/app/handover.sh BUILD_FOLDER [RUNS]
set -euo pipefail
build=$(cd "${1:?usage: handover.sh BUILD_FOLDER [RUNS]}" && pwd)
runs=${2:-9}
work=$(mktemp -d)
running=
trap 'kill $running $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/xdg" DBUS_SESSION_BUS_ADDRESS=disabled: TABULET_NO_STARTUP_TIP=1
# The instance is per session runtime folder: one session with a running copy, one without.
mkdir -p -m 700 "$work/run-full" "$work/run-handover"
source "$(dirname "$0")/benchlib.sh"
bench_start_display

"$build/bench/app/bench_make_notes" "$work/notes" 100 2 20
XDG_RUNTIME_DIR="$work/run-handover" "$build/tabulet" -homedir "$work/notes" >/dev/null 2>&1 &
running=$!
# Once the running copy listens, a first handover warms the later start.
bench_wait_listening "$running" || { echo "the running copy ended before it listened" >&2; exit 1; }
XDG_RUNTIME_DIR="$work/run-handover" "$build/tabulet" -homedir "$work/notes"
XDG_RUNTIME_DIR="$work/run-full" "$build/bench/app/bench_mapwait" 0.5 "$build/tabulet" -homedir "$work/notes" >/dev/null

for ((i = 0; i < runs; i++)); do
    XDG_RUNTIME_DIR="$work/run-full" "$build/bench/app/bench_mapwait" 0.3 "$build/tabulet" -homedir "$work/notes" |
        cut -d' ' -f1 >>"$work/full.ms"
    # Timed by the shell itself: no process but the later start runs between the two readings.
    start=$EPOCHREALTIME
    XDG_RUNTIME_DIR="$work/run-handover" "$build/tabulet" -homedir "$work/notes"
    end=$EPOCHREALTIME
    echo "$start $end" >>"$work/handover.times"
    sleep 0.3
done
awk '{print ($2 - $1) * 1000}' "$work/handover.times" >"$work/handover.ms"
f_ms=$(median <"$work/full.ms")
h_ms=$(median <"$work/handover.ms")
echo "runs: $runs each, alternating"
printf 'full start (100 notes), exec to window   %8.1f ms\n' "$f_ms"
printf 'later start, exec to handed over and end %8.1f ms\n' "$h_ms"
printf 'ratio                                    %8.2f x\n' "$(echo "$h_ms / $f_ms" | bc -l)"
