#!/usr/bin/env bash
# Notes between running copies: a peer written from the wire format alone sends a note that is
# accepted under an edited title, declined, and offered only after the About box closes; a
# second copy sends one of its notes to the first through the send dialog and another to the
# peer. Each copy has its own data folder; only the first listens.
source "$(dirname "$0")/lib.sh"
peer="$(dirname "$0")/../net/notepeer.py"
e2e_start_display --wm --tray

free_port() { python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
port=$(free_port)
incoming="$E2E_WORK/incoming"
mkdir -p "$incoming"
receiver="$E2E_WORK/receiver"
E2E_CONFIG_EXTRA='<commands><command name="about" key="113" mod=""/></commands>' \
    e2e_write_config "$receiver" listenfornotes=1 port="$port" oneinstance=0 confirmexit=0 -- alpha
printf '{\\rtf1 alpha}' >"$receiver/tab00001.rtf"

# Lists what is in a folder, so that a leftover file shows in the failure.
files_in() { find "$1" -type f -printf '%f\n' | sort | tr '\n' ' '; }
wait_new_file() { # note window
    e2e_wait_for 20 sh -c "xdotool search --onlyvisible --name '^Note Received$' | grep -q ." || e2e_fail "no Note Received dialog"
    xdotool windowactivate --sync "$(xdotool search --onlyvisible --name '^Note Received$' | head -n 1)" 2>/dev/null || true
}
new_file_gone() { e2e_wait_for 10 sh -c "! xdotool search --onlyvisible --name '^Note Received$' | grep -q ." || e2e_fail "Note Received stayed open"; }

TMPDIR="$incoming" e2e_start_tabulet -homedir "$receiver"
receiver_pid=$E2E_TABULET_PID
window=$(e2e_wait_window "^Tabulet - alpha$")
e2e_wait_for 20 sh -c "python3 -c 'import socket; socket.create_connection((\"127.0.0.1\", $port), 1)'" ||
    e2e_fail "the receiver does not listen on $port"

# From the peer: accepted under an edited title, it is a new tab whose file is the sent file.
printf '{\\rtf1\\ansi Gr\\u252?\\u223?e vom Peer}' >"$E2E_WORK/peer-note.rtf"
python3 "$peer" send 127.0.0.1 "$port" "$E2E_WORK/peer-note.rtf" --sender "Jürgen" --title "From the peer"
wait_new_file
e2e_screenshot "$E2E_WORK/new-file.png"
xdotool key ctrl+a
xdotool type --delay 20 "Edited title"
xdotool key Return
new_file_gone
e2e_wait_window "^Tabulet - Edited title$" >/dev/null
cmp -s "$E2E_WORK/peer-note.rtf" "$receiver/tab00002.rtf" || e2e_fail "tab00002.rtf is not the sent file"
[ -z "$(files_in "$incoming")" ] || e2e_fail "left in the temporary folder: $(files_in "$incoming")"

# Declined: nothing is left behind.
python3 "$peer" send 127.0.0.1 "$port" "$E2E_WORK/peer-note.rtf" --title "Unwanted"
wait_new_file
xdotool key Escape
new_file_gone
[ ! -e "$receiver/tab00003.rtf" ] || e2e_fail "a declined note was stored"
[ -z "$(files_in "$incoming")" ] || e2e_fail "left in the temporary folder: $(files_in "$incoming")"

# While the About box is open the note waits; it is offered once the box has closed.
xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool key F2
about=$(e2e_wait_dialog "$window")
python3 "$peer" send 127.0.0.1 "$port" "$E2E_WORK/peer-note.rtf" --title "Waited"
sleep 1
! xdotool search --onlyvisible --name '^Note Received$' | grep -q . || e2e_fail "offered while the About box was open"
xdotool windowactivate --sync "$about" 2>/dev/null || true
xdotool key Escape
wait_new_file
xdotool key Escape
new_file_gone

# A second copy sends its note through the send dialog: first to the receiver, then to the peer.
sender_home="$E2E_WORK/sender"
# The receiver holds the hotkey on this display: the sender goes without one.
e2e_write_config "$sender_home" oneinstance=0 activatekey=0 confirmexit=0 sender=Anna -- beta
printf '{\\rtf1 beta from the second copy}' >"$sender_home/tab00001.rtf"
e2e_start_tabulet -homedir "$sender_home"
sender_pid=$E2E_TABULET_PID
sender_window=$(e2e_wait_window "^Tabulet - beta$")
send_with_dialog() { # recipient
    xdotool windowactivate --sync "$sender_window" 2>/dev/null || true
    eval "$(xdotool getwindowgeometry --shell "$sender_window")"
    xdotool mousemove $((X + TAB_X)) $((Y + TAB_Y)) click 3
    sleep 0.5
    xdotool key Down Down Down Down Down Return
    e2e_wait_for 10 sh -c "xdotool search --onlyvisible --name '^Send Note$' | grep -q ." || e2e_fail "no Send Note dialog"
    xdotool windowactivate --sync "$(xdotool search --onlyvisible --name '^Send Note$' | head -n 1)" 2>/dev/null || true
    xdotool type --delay 20 "$1"
    e2e_screenshot "$E2E_WORK/send-file.png"
    xdotool key Return
    # A box over the dialog says that the note went out; Enter closes it and the dialog.
    e2e_wait_for 20 sh -c "[ \$(xdotool search --onlyvisible --name '^Send Note$' | wc -l) -ge 2 ]" ||
        e2e_fail "nothing said that the note was sent"
    e2e_screenshot "$E2E_WORK/note-sent.png"
    xdotool windowactivate --sync "$(xdotool search --onlyvisible --name '^Send Note$' | sort -n | tail -n 1)" 2>/dev/null || true
    xdotool key Return
    e2e_wait_for 20 sh -c "! xdotool search --onlyvisible --name '^Send Note$' | grep -q ." || e2e_fail "Send Note stayed open"
}
TAB_X=${TAB_X:-30}
TAB_Y=${TAB_Y:-40}
send_with_dialog "127.0.0.1:$port"
E2E_TABULET_PID=$receiver_pid
wait_new_file
xdotool key Return
new_file_gone
e2e_wait_window "^Tabulet - beta$" >/dev/null
cmp -s "$sender_home/tab00001.rtf" "$receiver/tab00003.rtf" || e2e_fail "tab00003.rtf is not the second copy's file"

peer_port=$(free_port)
python3 "$peer" receive "$peer_port" "$E2E_WORK/peer-received.rtf" >"$E2E_WORK/peer.out" &
peer_pid=$!
E2E_PIDS+=($peer_pid)
# The peer takes one connection only: give it a moment to listen instead of probing it.
sleep 1
E2E_TABULET_PID=$sender_pid
send_with_dialog "127.0.0.1:$peer_port"
wait "$peer_pid" || e2e_fail "the peer received nothing: $(cat "$E2E_WORK/peer.out")"
cmp -s "$sender_home/tab00001.rtf" "$E2E_WORK/peer-received.rtf" || e2e_fail "the peer got other bytes"
grep -qx "sender=Anna" "$E2E_WORK/peer.out" || e2e_fail "peer: $(cat "$E2E_WORK/peer.out")"
grep -qx "title=beta" "$E2E_WORK/peer.out" || e2e_fail "peer: $(cat "$E2E_WORK/peer.out")"

e2e_stop_tabulet TERM
E2E_TABULET_PID=$receiver_pid
e2e_stop_tabulet TERM
[ "$E2E_STATUS" = 0 ] || e2e_fail "the receiver ended with $E2E_STATUS"
echo "note exchange: ok"
