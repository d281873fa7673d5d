#!/usr/bin/env bash
# The global hotkey: with another program in front, Ctrl+Shift+/ brings the notes forward and a
# second press hides them, with NumLock on as well; a copy whose combination another client
# already holds tells the user so.
source "$(dirname "$0")/lib.sh"
e2e_start_display --wm

home="$E2E_WORK/notes"
e2e_write_config "$home" confirmexit=0 -- alpha
e2e_start_tabulet -homedir "$home"
first=$E2E_TABULET_PID
window=$(e2e_wait_window "^Tabulet - alpha$")

xmessage -name other "another program" &
E2E_PIDS+=($!)
e2e_wait_for 10 sh -c 'xdotool search --classname "^other$" | grep -q .' || e2e_fail "xmessage did not show"
other=$(xdotool search --classname "^other$" | head -n 1)

press_in_other() { # the key combination, pressed while the other program has the focus
    xdotool windowactivate --sync "$other"
    [ "$(xdotool getwindowfocus)" = "$other" ] || e2e_fail "the other program did not take the focus"
    xdotool key "$1"
}
shown() { xdotool search --onlyvisible --pid "$first" 2>/dev/null | grep -q -x "$window"; }
# The second press hides the notes once the program has seen its window become active; a press
# that comes before (a loaded machine) still finds it behind and brings it forward again.
press_to_hide() {
    for _ in 1 2 3; do
        xdotool key ctrl+shift+slash
        e2e_wait_for 3 sh -c "! xdotool search --onlyvisible --pid $first | grep -q -x $window" && return 0
    done
    return 1
}

for numlock in off on; do
    [ $numlock = on ] && xdotool key Num_Lock
    press_in_other ctrl+shift+slash
    e2e_wait_for 10 sh -c "[ \"\$(xdotool getactivewindow)\" = $window ]" ||
        e2e_fail "Ctrl+Shift+/ did not bring the notes forward (NumLock $numlock)"
    press_to_hide || e2e_fail "a second Ctrl+Shift+/ did not hide the notes (NumLock $numlock)"
done
xdotool key Num_Lock
# Other combinations with the same key reach the program in front.
press_in_other ctrl+slash
sleep 0.5
shown && e2e_fail "Ctrl+/ toggled the notes"

# A second copy of its own finds the combination held and says so, naming it.
press_in_other ctrl+shift+slash
e2e_wait_for 10 shown || e2e_fail "the notes did not come back"
second_home="$E2E_WORK/second"
e2e_write_config "$second_home" oneinstance=0 confirmexit=0 -- beta
e2e_start_tabulet -homedir "$second_home"
second_window=$(e2e_wait_window "^Tabulet - beta$")
message=$(e2e_wait_dialog "$second_window")
e2e_screenshot "$E2E_WORK/hotkey-taken.png"
xdotool search --onlyvisible --all --pid "$E2E_TABULET_PID" --name '^Error$' | grep -q -x "$message" ||
    e2e_fail "no message about the taken hotkey"
e2e_wait_for 10 sh -c "xdotool windowactivate --sync $message; [ \"\$(xdotool getwindowfocus)\" = $message ]" ||
    e2e_fail "the message did not take the focus"
xdotool key Return
e2e_wait_dialog_gone "$second_window"
e2e_stop_tabulet TERM
E2E_TABULET_PID=$first
e2e_stop_tabulet TERM
