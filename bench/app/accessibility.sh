#!/usr/bin/env bash
# What the accessibility bridge costs the note window: bench_note_window's note switches run in
# turns with accessibility off and on, ROUNDS times each, on Xvfb. "On" is as a screen reader
# has it: a private session bus with the desktop's accessibility bus (at-spi2-core), Qt's bridge
# always on, and a client listening to every event of the objects, window and focus, as Orca
# does. Every figure is the median over all repetitions of all rounds; the ratio is on to off.
#   bench/app/accessibility.sh BUILD [ROUNDS] [FILTER]
set -euo pipefail
build=${1:?usage: accessibility.sh BUILD [ROUNDS] [FILTER]}
rounds=${2:-3}
filter=${3:-BM_SwitchNotes/notes:2/KB:1024}
work=$(mktemp -d)
groups=()
stop() {
    for group in "${groups[@]}"; do kill -- "-$group" 2>/dev/null || true; done
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap stop EXIT
source "$(dirname "$0")/benchlib.sh"
bench_start_display

setsid dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" >/dev/null 2>&1 &
groups+=($!)
until [ -s "$work/bus" ]; do sleep 0.1; done
bus=$(head -n 1 "$work/bus")
DBUS_SESSION_BUS_ADDRESS=$bus setsid /usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 >/dev/null 2>&1 &
groups+=($!)
DBUS_SESSION_BUS_ADDRESS=$bus setsid /usr/bin/python3 -c '
import pyatspi
for kind in ("object:", "window:", "focus:"):
    pyatspi.Registry.registerEventListener(lambda event: None, kind)
pyatspi.Registry.start()' >/dev/null 2>&1 &
groups+=($!)
sleep 1

for ((round = 0; round < rounds; round++)); do
    env -u QT_LINUX_ACCESSIBILITY_ALWAYS_ON DBUS_SESSION_BUS_ADDRESS=disabled: \
        "$build/bench/app/bench_note_window" --benchmark_filter="$filter" \
        --benchmark_out="$work/off.$round.json" --benchmark_out_format=json >/dev/null 2>&1
    DBUS_SESSION_BUS_ADDRESS=$bus QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
        "$build/bench/app/bench_note_window" --benchmark_filter="$filter" \
        --benchmark_out="$work/on.$round.json" --benchmark_out_format=json >/dev/null 2>&1
done

python3 "$(dirname "$0")/notewindow_summary.py" "$work" "$rounds" on off
