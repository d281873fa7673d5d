# End-to-end harness: the real tabulet under Xvfb, driven with xdotool.
# Source it from a test script; every process it starts is stopped by process id on exit.
#
#   e2e_start_display [--wm] [--tray]   Xvfb on a free display (openbox, trayer when asked)
#   e2e_start_accessibility             a private session bus and the accessibility bus on it;
#                                       tabulet started afterwards is always accessible
#   e2e_atspi COMMAND ARGS...           asks tabulet through that bus (atspiclient.py)
#   e2e_start_tabulet ARGS...           start the built tabulet with the given arguments
#   e2e_wait_window NAME                wait for a visible window whose name matches NAME
#   e2e_screenshot FILE                 the whole screen as PNG
#   e2e_stop_tabulet [SIGNAL]           end tabulet (default SIGTERM) and wait; sets E2E_STATUS
#   e2e_fail MESSAGE                    report and exit non-zero
#   e2e_wait_dialog WINDOW              wait for a visible window of tabulet other than WINDOW
#                                       (a dialog), activate it and print its id
#   e2e_wait_dialog_gone WINDOW         wait until tabulet shows no window but WINDOW
#   e2e_write_config FOLDER [KEY=VALUE...] -- TITLE...
#                                       make FOLDER with a tbu_config.xml of these options and
#                                       one visible note per title (tab00001.rtf on); XML in
#                                       E2E_CONFIG_EXTRA (a <commands> list) is added to it
#
# Environment: TABULET_BINARY (path of the executable), E2E_WORK (scratch folder, made here).

set -euo pipefail

E2E_PIDS=()
E2E_GROUPS=()
E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/tabulet-e2e.XXXXXX")
E2E_TABULET_PID=
E2E_STATUS=
export XDG_RUNTIME_DIR="$E2E_WORK/runtime"
export XDG_DATA_HOME="$E2E_WORK/xdg-data"
export XDG_CONFIG_HOME="$E2E_WORK/xdg-config"
export HOME="$E2E_WORK/home"
export DBUS_SESSION_BUS_ADDRESS=disabled:
unset QT_QPA_PLATFORM
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$HOME"

e2e_cleanup() {
    local pid
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        pid=${E2E_PIDS[i]}
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${E2E_PIDS[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    for pid in "${E2E_GROUPS[@]}"; do
        kill -- "-$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    if [ -z "${E2E_KEEP:-}" ]; then
        rm -rf "$E2E_WORK"
    else
        echo "kept $E2E_WORK"
    fi
}
trap e2e_cleanup EXIT

e2e_fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ]; then
        e2e_screenshot "$E2E_WORK/failure.png" 2>/dev/null && echo "screenshot: $E2E_WORK/failure.png" >&2
        E2E_KEEP=1
    fi
    exit 1
}

e2e_wait_for() { # seconds command...
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.1
    done
}

e2e_start_display() {
    local wm= tray=
    for option in "$@"; do
        case "$option" in
        --wm) wm=1 ;;
        --tray) tray=1 ;;
        esac
    done
    # Xvfb picks a free display itself and writes its number, so that tests can run side by side.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$E2E_WORK/display" >"$E2E_WORK/xvfb.log" 2>&1 &
    E2E_PIDS+=($!)
    e2e_wait_for 20 test -s "$E2E_WORK/display" || e2e_fail "Xvfb did not start"
    export DISPLAY=":$(head -n 1 "$E2E_WORK/display")"
    e2e_wait_for 20 xdpyinfo || e2e_fail "Xvfb did not answer on $DISPLAY"
    if [ -n "$wm" ]; then
        openbox --sm-disable >"$E2E_WORK/openbox.log" 2>&1 &
        E2E_PIDS+=($!)
        e2e_wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window' || e2e_fail "openbox did not start"
    fi
    if [ -n "$tray" ]; then
        trayer --edge top --align right --widthtype request --height 24 >"$E2E_WORK/trayer.log" 2>&1 &
        E2E_PIDS+=($!)
        e2e_wait_for 10 sh -c 'xdotool search --classname trayer | grep -q .' || e2e_fail "trayer did not start"
    fi
}

e2e_start_accessibility() {
    # The session bus, the accessibility bus launcher, its bus and its registry all run in a
    # process group of their own, which the cleanup ends as a whole.
    setsid dbus-daemon --session --nofork --nopidfile --print-address=3 \
        3>"$E2E_WORK/session-bus" >"$E2E_WORK/dbus.log" 2>&1 &
    E2E_GROUPS+=($!)
    e2e_wait_for 10 test -s "$E2E_WORK/session-bus" || e2e_fail "the session bus did not start"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$E2E_WORK/session-bus")
    export DBUS_SESSION_BUS_ADDRESS
    setsid /usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 >"$E2E_WORK/at-spi.log" 2>&1 &
    E2E_GROUPS+=($!)
    e2e_wait_for 10 sh -c 'dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress | grep -q unix' ||
        e2e_fail "the accessibility bus did not start"
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

e2e_atspi() {
    TABULET_PID=$E2E_TABULET_PID timeout 30 /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspiclient.py" "$@"
}

e2e_start_tabulet() {
    "${TABULET_BINARY:?TABULET_BINARY is not set}" "$@" >"$E2E_WORK/tabulet.out" 2>"$E2E_WORK/tabulet.err" &
    E2E_TABULET_PID=$!
    E2E_PIDS+=($E2E_TABULET_PID)
}

# Prints the id of the first visible window whose name matches; waits up to 20 seconds.
e2e_wait_window() {
    local name=$1 id=
    local deadline=$((SECONDS + 20))
    while [ $SECONDS -lt $deadline ]; do
        id=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    e2e_fail "no window named '$name' appeared"
}

e2e_dialog_of_tabulet() { # note window
    xdotool search --onlyvisible --pid "$E2E_TABULET_PID" 2>/dev/null | grep -v -x "$1" | head -n 1
}

e2e_wait_dialog() {
    local dialog= deadline=$((SECONDS + 20))
    until dialog=$(e2e_dialog_of_tabulet "$1") && [ -n "$dialog" ]; do
        [ $SECONDS -ge $deadline ] && e2e_fail "no dialog appeared"
        sleep 0.1
    done
    xdotool windowactivate --sync "$dialog" 2>/dev/null || true
    echo "$dialog"
}

e2e_wait_dialog_gone() {
    e2e_wait_for 10 sh -c "[ -z \"\$(xdotool search --onlyvisible --pid $E2E_TABULET_PID | grep -v -x $1)\" ]" ||
        e2e_fail "the dialog stayed open"
}

e2e_write_config() {
    local folder=$1 number=0
    shift
    mkdir -p "$folder"
    {
        printf '<?xml version="1.0" standalone="no" ?>\n<config version="1.1">\n<options>\n'
        while [ $# -gt 0 ] && [ "$1" != -- ]; do
            printf '<option key="%s" val="%s"/>\n' "${1%%=*}" "${1#*=}"
            shift
        done
        printf '</options>\n<notes>\n'
        shift
        for title in "$@"; do
            printf '<note id="%d" title="%s" filename="tab%05d.rtf" visible="1"/>\n' $number "$title" $((number + 1))
            number=$((number + 1))
        done
        printf '</notes>\n%s</config>\n' "${E2E_CONFIG_EXTRA:+$E2E_CONFIG_EXTRA
}"
    } >"$folder/tbu_config.xml"
}

e2e_screenshot() {
    import -window root "$1"
}

e2e_stop_tabulet() {
    local signal=${1:-TERM}
    kill "-$signal" "$E2E_TABULET_PID" 2>/dev/null || true
    e2e_wait_exit
}

# Waits up to 20 seconds for tabulet to end by itself; sets E2E_STATUS to its exit code.
e2e_wait_exit() {
    local deadline=$((SECONDS + 20))
    while kill -0 "$E2E_TABULET_PID" 2>/dev/null; do
        [ $SECONDS -ge $deadline ] && e2e_fail "tabulet did not end"
        sleep 0.1
    done
    set +e
    wait "$E2E_TABULET_PID"
    E2E_STATUS=$?
    set -e
}
