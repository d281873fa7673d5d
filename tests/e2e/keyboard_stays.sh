#!/usr/bin/env bash
# The keyboard stays with the note while the window is off the taskbar, under a window manager
# with a tray: the pin button puts the window above others and back without changing anything
# else about it (its shortcuts, taskbar state, place, size, focus), and after each kind of dialog
# typed text goes into the note again. The window and its dialogs carry the program's icon.
source "$(dirname "$0")/lib.sh"
e2e_start_display --wm --tray

home="$E2E_WORK/notes"
# F5: tip of the day, F6: word count, F7: document list.
E2E_CONFIG_EXTRA='<commands>
<command name="showTips" key="116" mod=""/>
<command name="Plugin: Count words" key="117" mod=""/>
<command name="viewDocumentList" key="118" mod=""/>
</commands>'
e2e_write_config "$home" showtipsonstartup=0 -- tab1 tab2
e2e_start_tabulet -homedir "$home"
window=$(e2e_wait_window "^Tabulet - tab1$")
xdotool windowactivate --sync "$window"
# Any other window of the program is a dialog, but for the tray icon's (which comes anew when
# the options are applied), the size of a tray icon.
dialogs() {
    local id X Y WIDTH HEIGHT SCREEN
    for id in $(xdotool search --onlyvisible --pid "$E2E_TABULET_PID"); do
        [ "$id" = "$window" ] && continue
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ "$WIDTH" -gt 32 ] && echo "$id"
    done
    return 0
}
export -f dialogs
export E2E_TABULET_PID window

has_icon() { # window
    [[ "$(xprop -id "$1" _NET_WM_ICON)" == *"Icon ("* ]]
}
state() {
    xprop -id "$window" _NET_WM_STATE
}
has_state() { # name
    [[ "$(state)" == *"_NET_WM_STATE_$1"* ]]
}
# Opens a dialog with a key, closes it with other keys, then types a word that must reach the note.
through_dialog() { # word open-key close-keys...
    local word=$1 open=$2 dialog
    shift 2
    xdotool key "$open"
    e2e_wait_for 20 bash -c '[ -n "$(dialogs)" ]' ||
        e2e_fail "$open opened no dialog: the keyboard is not with the note window"
    dialog=$(dialogs | head -n 1)
    has_icon "$dialog" || e2e_fail "the dialog of $open has no icon"
    xdotool key --delay 100 "$@"
    e2e_wait_for 10 bash -c '[ -z "$(dialogs)" ]' ||
        e2e_fail "the dialog of $open stayed open"
    sleep 0.3
    xdotool type --delay 20 " $word"
}

# The icon follows once the window has painted.
e2e_wait_for 10 has_icon "$window" || e2e_fail "the window has no icon"
has_state SKIP_TASKBAR || e2e_fail "the window is on the taskbar"

# The pin: a click puts the window above others; everything else stays as it was.
eval "$(xdotool getwindowgeometry --shell "$window")"
before="$X $Y $WIDTH $HEIGHT"
pin() {
    xdotool mousemove --sync $((X + WIDTH - 68)) $((Y + 12)) click 1
    # Away from the button, before its tool tip shows (a window of the program, not a dialog).
    xdotool mousemove --sync 900 700
    sleep 0.5
}
pin
has_state ABOVE || e2e_fail "the pin did not put the window above others: $(state)"
has_state SKIP_TASKBAR || e2e_fail "the pin put the window on the taskbar: $(state)"
[ "$(xdotool search --onlyvisible --name '^Tabulet - tab1$')" = "$window" ] || e2e_fail "the pin made a new window"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$X $Y $WIDTH $HEIGHT" = "$before" ] || e2e_fail "the pin moved the window from $before to $X $Y $WIDTH $HEIGHT"
[ "$(xdotool getwindowfocus)" = "$window" ] || e2e_fail "the pin took the focus"
# Put away into the tray and shown again from there, the window is still above others.
xdotool mousemove --sync $((X + WIDTH - 44)) $((Y + 12)) click 1 mousemove --sync 900 700
e2e_wait_for 10 sh -c "xwininfo -id $window | grep -q IsUnMapped" || e2e_fail "the window did not go to the tray"
for id in $(xdotool search --onlyvisible --pid "$E2E_TABULET_PID"); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "$WIDTH" -le 32 ] && xdotool mousemove "$((X + WIDTH / 2))" "$((Y + HEIGHT / 2))" sleep 0.1 click 1
done
e2e_wait_for 10 sh -c "xwininfo -id $window | grep -q IsViewable" || e2e_fail "the tray icon did not show the window"
xdotool mousemove --sync 900 700 windowactivate --sync "$window"
has_state ABOVE || e2e_fail "the window shown from the tray is no longer above others: $(state)"
has_state SKIP_TASKBAR || e2e_fail "the window shown from the tray is on the taskbar: $(state)"
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool type --delay 20 "pinned"
# Shortcuts still run: a new note (named), then bold on its text.
through_dialog named ctrl+n Escape
xdotool key ctrl+shift+Left ctrl+shift+b End
pin
! has_state ABOVE || e2e_fail "the second click left the window above others"
has_state SKIP_TASKBAR || e2e_fail "the second click put the window on the taskbar: $(state)"
through_dialog unpinned ctrl+n Escape

# Every kind of dialog gives the keyboard back to the note.
through_dialog tip F5 Escape
through_dialog counted F6 Return
through_dialog listed F7 Escape
through_dialog printing ctrl+p Escape
through_dialog searched ctrl+f Escape
# Replace's Cancel: the fields are empty, so Tab passes them, the check boxes and the direction.
through_dialog replaced ctrl+h Tab Tab Tab Tab Tab space
through_dialog optioned ctrl+o Return
sleep 0.5
e2e_screenshot "$E2E_WORK/typed.png"
e2e_stop_tabulet TERM
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"

note="$home/tab00001.rtf"
grep -q 'pinned' "$note" || e2e_fail "typing after the pin did not reach the note"
grep -q '\\b' "$note" || e2e_fail "Ctrl+Shift+B after the pin did not make the text bold"
for word in named unpinned tip counted listed printing searched replaced optioned; do
    grep -q "$word" "$note" || e2e_fail "'$word', typed after its dialog, is not in the note: $(cat "$note")"
done
echo PASS
