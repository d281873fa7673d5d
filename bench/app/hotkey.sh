#!/usr/bin/env bash
# Hotkey benchmark: with Tabulet running on an Xvfb display under openbox with 100 formatted notes
# of 2-20 KiB and its window hidden by the hotkey, the time from XTest pressing Ctrl+Shift+/ until
# the note window is mapped, and until it has drawn into itself (DAMAGE's first report after the
# map: the window shown). Prints medians beside the 30 ms target; nothing passes or fails.
#   bench/app/hotkey.sh BUILD_FOLDER [RUNS]
set -euo pipefail
build=$(cd "${1:?usage: hotkey.sh BUILD_FOLDER [RUNS]}" && pwd)
runs=${2:-15}
work=$(mktemp -d)
running= wm=
trap 'kill $running $wm $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/xdg" XDG_RUNTIME_DIR="$work/run" DBUS_SESSION_BUS_ADDRESS=disabled: TABULET_NO_STARTUP_TIP=1
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
source "$(dirname "$0")/benchlib.sh"
bench_start_display
openbox >/dev/null 2>&1 &
wm=$!
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window; do sleep 0.1; done

"$build/bench/app/bench_make_notes" "$work/notes" 100 2 20
"$build/tabulet" -homedir "$work/notes" >/dev/null 2>&1 &
running=$!
sleep 2
"$build/bench/app/bench_hotkeywait" "$runs" >"$work/times"
mapped=$(cut -d' ' -f1 <"$work/times" | median)
painted=$(cut -d' ' -f2 <"$work/times" | median)
echo "presses: $(wc -l <"$work/times")"
printf 'hotkey to window mapped    %7.1f ms\n' "$mapped"
printf 'hotkey to window drawn     %7.1f ms   (%.2f x the 30 ms target)\n' "$painted" "$(echo "$painted / 30" | bc -l)"
