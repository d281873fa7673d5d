#!/usr/bin/env bash
# Takes a screenshot of the running program for the AppStream metainfo: a note window of the
# given theme with two sample notes, on a display of its own.
#   takescreenshot.sh TABULET THEME OUTPUT.png
set -euo pipefail

tabulet=$1 theme=$2 output=$3
work=$(mktemp -d "${TMPDIR:-/tmp}/tabulet-screenshot.XXXXXX")
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

wait_for() { # seconds command...
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.1
    done
}

home="$work/notes"
mkdir -p "$home" "$work/runtime" "$work/data" "$work/home"
chmod 700 "$work/runtime"
cat >"$home/tbu_config.xml" <<XML
<?xml version="1.0" standalone="no" ?>
<config version="1.1">
<options>
<option key="theme" val="$theme"/>
<option key="oneinstance" val="0"/>
<option key="showtipsonstartup" val="0"/>
<option key="checkfornewversiononstartup" val="0"/>
</options>
<notes>
<note id="0" title="Shopping" filename="tab00001.rtf" visible="1"/>
<note id="1" title="Ideas" filename="tab00002.rtf" visible="1"/>
</notes>
</config>
XML
printf '%s\n' '{\rtf1\ansi\deff0{\fonttbl{\f0 DejaVu Sans;}}\f0\fs22 {\b Saturday market}\par' \
    'milk, bread, apples\par tea for the office\par\par {\i Call the plumber before noon}\par}' >"$home/tab00001.rtf"
printf '%s\n' '{\rtf1\ansi\deff0{\fonttbl{\f0 DejaVu Sans;}}\f0\fs22 A tab per idea\par}' >"$home/tab00002.rtf"

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
wait_for 20 test -s "$work/display" || { echo "takescreenshot: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"
export XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/data" HOME="$work/home"
export DBUS_SESSION_BUS_ADDRESS=disabled: ASAN_OPTIONS=detect_leaks=0 TABULET_NO_STARTUP_TIP=1
unset QT_QPA_PLATFORM

"$tabulet" -homedir "$home" >"$work/tabulet.log" 2>&1 &
pids+=($!)
window=
find_window() { window=$(xdotool search --onlyvisible --name Shopping | head -n 1) && [ -n "$window" ]; }
wait_for 60 find_window || { echo "takescreenshot: no window" >&2; cat "$work/tabulet.log" >&2; exit 1; }
find_window
# The window is painted once it is mapped; a moment for the first frame.
sleep 1
import -window "$window" "$output"
