#!/usr/bin/env bash
# One copy per user: a second start hands its switches to the running copy and ends, a theme
# path with blanks arrives intact, --toggle hides and shows the window, six copies started at
# once after the running one was killed leave exactly one, and another user's connection is
# dropped. Another user who takes the instance name first is sent nothing, and cannot make a
# second copy run on the same data folder.
source "$(dirname "$0")/lib.sh"
peer="$(dirname "$0")/instancepeer.py"
e2e_start_display --wm

home="$E2E_WORK/home-notes"
themes="$XDG_DATA_HOME/Tabulet/themes"
e2e_write_config "$home" confirmexit=0 -- alpha
e2e_start_tabulet -homedir "$home"
first=$E2E_TABULET_PID
window=$(e2e_wait_window "^Tabulet - alpha$")

visible() { xdotool search --onlyvisible --pid "$first" 2>/dev/null | grep -q -x "$window"; }
second_start() { # arguments...: runs a later copy to its end, which must come at once and be 0
    timeout 20 "$TABULET_BINARY" -homedir "$home" "$@" >>"$E2E_WORK/second.out" 2>&1 ||
        e2e_fail "a later start ended with status $?"
}

# Another program in front; a plain second start brings the notes forward and leaves no window.
xmessage -name other "another program" &
E2E_PIDS+=($!)
e2e_wait_for 10 sh -c 'xdotool search --classname "^other$" | grep -q .' || e2e_fail "xmessage did not show"
other=$(xdotool search --classname "^other$" | head -n 1)
xdotool windowactivate --sync "$other"
[ "$(xdotool getwindowfocus)" = "$other" ] || e2e_fail "the other program did not take the focus"
second_start
e2e_wait_for 10 sh -c "[ \"\$(xdotool getactivewindow)\" = $window ]" || e2e_fail "the first copy did not come forward"
[ "$(xdotool search --onlyvisible --name '^Tabulet' | wc -l)" = 1 ] || e2e_fail "more than one note window"

# A theme path with a blank and quotes is installed by the first copy, which reports it.
mkdir -p "$E2E_WORK/my themes"
theme="$E2E_WORK/my themes/Blue \"sky\".tabutheme"
cp "$(dirname "$TABULET_BINARY")/themes/dark.tabutheme" "$theme"
(cd "$E2E_WORK/my themes" && second_start -theme "Blue \"sky\".tabutheme")
report=$(e2e_wait_dialog "$window")
e2e_screenshot "$E2E_WORK/theme-installed.png"
cmp -s "$theme" "$themes/Blue \"sky\".tabutheme" || e2e_fail "the theme was not installed in the first copy"
xdotool key Return
e2e_wait_dialog_gone "$window"

# A language handed over by a later start is installed by the first copy, which asks whether to
# use it.
language="$E2E_WORK/Klingon.tabulang"
cp "$(dirname "$TABULET_BINARY")/languages/english.tabulang" "$language"
second_start -language "$language"
e2e_wait_dialog "$window" >/dev/null
cmp -s "$language" "$XDG_DATA_HOME/Tabulet/languages/Klingon.tabulang" ||
    e2e_fail "the language handed over was not installed in the first copy"
xdotool key alt+n
e2e_wait_dialog_gone "$window"

# --toggle hides the window in front and shows it again.
xdotool windowactivate --sync "$window" 2>/dev/null || true
e2e_wait_for 10 sh -c "[ \"\$(xdotool getactivewindow)\" = $window ]" || e2e_fail "the note window did not become active"
second_start --toggle
e2e_wait_for 10 sh -c "! xdotool search --onlyvisible --pid $first | grep -q -x $window" || e2e_fail "--toggle did not hide"
second_start --toggle
e2e_wait_for 10 sh -c "xdotool search --onlyvisible --pid $first | grep -q -x $window" || e2e_fail "--toggle did not show"

# Written from the wire format: the own user is answered; another user is dropped unanswered.
export INSTANCE_NAME
INSTANCE_NAME=$(python3 "$peer" --name "$first")
[ "$(python3 "$peer")" = OK ] || e2e_fail "the instance socket did not answer its own user"
if [ "$(id -u)" = 0 ]; then
    rm -rf "$themes"
    answer=$(setpriv --reuid=65534 --regid=65534 --clear-groups /usr/bin/python3 "$peer" -theme "$theme")
    [ -z "$answer" ] || e2e_fail "another user's handover was answered: $answer"
    sleep 1
    [ ! -e "$themes" ] || e2e_fail "another user made the running copy install a file"
    [ -z "$(e2e_dialog_of_tabulet "$window")" ] || e2e_fail "another user's handover opened a dialog"
else
    echo "not root: the check with another user id is skipped"
fi

# Killed, the running copy leaves nothing behind: of six copies started at once, one runs on.
kill -KILL "$first"
wait "$first" 2>/dev/null || true
pids=()
for i in 1 2 3 4 5 6; do
    "$TABULET_BINARY" -homedir "$home" >"$E2E_WORK/race$i.out" 2>&1 &
    pids+=($!)
    E2E_PIDS+=($!)
done
e2e_wait_for 30 sh -c "[ \$(for p in ${pids[*]}; do kill -0 \$p 2>/dev/null && echo \$p; done | wc -l) -le 1 ]" ||
    e2e_fail "more than one copy runs on"
running=()
for pid in "${pids[@]}"; do
    if kill -0 "$pid" 2>/dev/null; then
        running+=("$pid")
    else
        wait "$pid" || e2e_fail "a copy that handed over ended with status $?"
    fi
done
[ ${#running[@]} = 1 ] || e2e_fail "${#running[@]} copies run on instead of one"
E2E_TABULET_PID=${running[0]}
e2e_wait_window "^Tabulet - alpha$" >/dev/null
name=$(python3 "$peer" --name "$E2E_TABULET_PID")
e2e_stop_tabulet TERM

if [ "$(id -u)" != 0 ]; then
    echo "not root: another user taking the instance name is skipped"
    exit 0
fi
# Another user listens under the name first and answers "OK" to anything, as the running copy
# would. A start sends it nothing and runs; a later start cannot reach that copy, so it says why
# and ends instead of running a second copy on the same notes.
received="$E2E_WORK/squatter-received"
setpriv --reuid=65534 --regid=65534 --clear-groups /usr/bin/python3 "$peer" --squat "$name" >"$received" &
E2E_PIDS+=($!)
e2e_wait_for 10 grep -q "@$name\$" /proc/net/unix || e2e_fail "the other user's listener did not start"
e2e_start_tabulet -homedir "$home"
window=$(e2e_wait_window "^Tabulet - alpha$")
"$TABULET_BINARY" -homedir "$home" -theme "$theme" >"$E2E_WORK/refused.out" 2>&1 &
refused=$!
E2E_PIDS+=($refused)
e2e_wait_for 20 sh -c "xdotool search --onlyvisible --pid $refused | grep -q ." || e2e_fail "the later start told nothing"
e2e_screenshot "$E2E_WORK/data-folder-in-use.png"
[ "$(xdotool search --onlyvisible --name '^Tabulet - ' | wc -l)" = 1 ] || e2e_fail "a second note window runs"
xdotool windowactivate --sync "$(xdotool search --onlyvisible --pid $refused | head -n 1)" key Return
status=0
wait "$refused" || status=$?
[ "$status" = 1 ] || e2e_fail "the refused start ended with status $status"
[ ! -s "$received" ] || e2e_fail "the other user received: $(head -c 200 "$received")"
[ ! -e "$themes" ] || e2e_fail "the refused start installed its theme somewhere"
e2e_stop_tabulet TERM
