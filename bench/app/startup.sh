#!/usr/bin/env bash
# Start-up benchmark: exec to the first mapped window and resident memory 3 s later, for tabulet
# with 100 formatted notes of 2-20 KiB, for a minimal Qt window program and for a minimal one
# that shows a line of text in the notes' four faces, measured alternately in one run on one
# Xvfb display; xpad too when it is installed, as a desktop note program to compare with (each
# run a first start in a fresh home). Prints medians and the ratios; nothing passes or fails.
#   bench/app/startup.sh BUILD_FOLDER [RUNS]
set -euo pipefail
build=$(cd "${1:?usage: startup.sh BUILD_FOLDER [RUNS]}" && pwd)
runs=${2:-9}
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/xdg" XDG_RUNTIME_DIR="$work/run" DBUS_SESSION_BUS_ADDRESS=disabled:
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
source "$(dirname "$0")/benchlib.sh"
bench_start_display

"$build/bench/app/bench_make_notes" "$work/notes" 100 2 20
# A first run of each warms the file cache.
"$build/bench/app/bench_mapwait" 0.5 "$build/tabulet" -homedir "$work/notes" >/dev/null
"$build/bench/app/bench_mapwait" 0.5 "$build/bench/app/bench_minimal_window" >/dev/null
"$build/bench/app/bench_mapwait" 0.5 "$build/bench/app/bench_minimal_text_window" >/dev/null
# Each program in turn: "<ms> <KiB>" lines in PROGRAM.time (a short wait after the window, so that
# the next start finds the machine awake: after seconds of idling, a virtual machine answers the
# next process slowly) and in PROGRAM.memory (the resident memory 3 s after the window).
measure() { # time|memory SETTLE_SECONDS
    local kind=$1
    "$build/bench/app/bench_mapwait" "$2" "$build/tabulet" -homedir "$work/notes" >>"$work/tabulet.$kind"
    "$build/bench/app/bench_mapwait" "$2" "$build/bench/app/bench_minimal_window" >>"$work/minimal.$kind"
    "$build/bench/app/bench_mapwait" "$2" "$build/bench/app/bench_minimal_text_window" >>"$work/text.$kind"
    if command -v xpad >/dev/null; then
        local home
        home=$(mktemp -d -p "$work")
        HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data \
            timeout 30 "$build/bench/app/bench_mapwait" "$2" xpad >>"$work/xpad.$kind" 2>/dev/null || true
        # Only the xpad started here (it may have left a copy of its own behind), by its home.
        for pid in $(pgrep -x xpad); do
            if grep -qzx "HOME=$home" "/proc/$pid/environ" 2>/dev/null; then kill "$pid"; fi
        done
    fi
}
for ((i = 0; i < runs; i++)); do
    measure time 0.3
done
for ((i = 0; i < runs; i++)); do
    measure memory 3
done
t_ms=$(cut -d' ' -f1 "$work/tabulet.time" | median)
m_ms=$(cut -d' ' -f1 "$work/minimal.time" | median)
t_kib=$(cut -d' ' -f2 "$work/tabulet.memory" | median)
m_kib=$(cut -d' ' -f2 "$work/minimal.memory" | median)
echo "runs: $runs each for time and for memory, alternating"
printf 'tabulet (100 notes)   %8.1f ms %8.1f MiB\n' "$t_ms" "$(echo "$t_kib / 1024" | bc -l)"
printf 'minimal Qt window     %8.1f ms %8.1f MiB\n' "$m_ms" "$(echo "$m_kib / 1024" | bc -l)"
printf 'ratio                 %8.2f x  %8.2f x\n' "$(echo "$t_ms / $m_ms" | bc -l)" "$(echo "$t_kib / $m_kib" | bc -l)"
x_ms=$(cut -d' ' -f1 "$work/text.time" | median)
x_kib=$(cut -d' ' -f2 "$work/text.memory" | median)
printf 'minimal Qt text window%8.1f ms %8.1f MiB\n' "$x_ms" "$(echo "$x_kib / 1024" | bc -l)"
printf 'tabulet against it    %8.2f x  %8.2f x\n' "$(echo "$t_ms / $x_ms" | bc -l)" "$(echo "$t_kib / $x_kib" | bc -l)"
if [ -s "$work/xpad.time" ]; then
    x_ms=$(cut -d' ' -f1 "$work/xpad.time" | median)
    x_kib=$(cut -d' ' -f2 "$work/xpad.memory" | median)
    printf 'xpad (first start)    %8.1f ms %8.1f MiB\n' "$x_ms" "$(echo "$x_kib / 1024" | bc -l)"
fi
