#!/usr/bin/env bash
# A full disk loses nothing. The note and the configuration keep what was saved last, the user
# is told once, the note typed into stays shown (another tab and a new note are refused, saying
# why), and once there is room again everything typed reaches the file. Needs root for the small
# file system the data folder lives on.
source "$(dirname "$0")/lib.sh"
RTFCONV=${RTFCONV:-$(dirname "$TABULET_BINARY")/tools/rtfconv/rtfconv}
[ -x "$RTFCONV" ] || e2e_fail "no rtfconv at $RTFCONV"
home="$E2E_WORK/notes"
mkdir -p "$home"
if [ "$(id -u)" != 0 ] || ! mount -t tmpfs -o size=1m tmpfs "$home" 2>/dev/null; then
    echo "a small file system for the data folder can be mounted only as root: skipped"
    exit 77
fi
trap 'e2e_cleanup_disk' EXIT
e2e_cleanup_disk() {
    kill "$E2E_TABULET_PID" 2>/dev/null || true
    umount -l "$home" 2>/dev/null || true
    e2e_cleanup
}
e2e_start_display --wm
e2e_write_config "$home" confirmexit=0 showtipsonstartup=0 -- Typed Other
note_text() { "$RTFCONV" --to text "$home/tab00001.rtf"; }
note_holds() { note_text | grep -q "$1"; }
# The one dialog of tabulet is closed with Return; prints its name.
close_dialog() {
    local dialog
    dialog=$(e2e_wait_dialog "$window")
    xdotool getwindowname "$dialog"
    xdotool key Return
    e2e_wait_dialog_gone "$window"
}

e2e_start_tabulet -homedir "$home"
window=$(e2e_wait_window "^Tabulet - Typed$")
xdotool windowactivate --sync "$window"
xdotool key ctrl+End
xdotool type --delay 20 "saved first "
e2e_wait_for 10 note_holds "saved first" || e2e_fail "the first words were not saved"
cp "$home/tab00001.rtf" "$E2E_WORK/note.before"
cp "$home/tbu_config.xml" "$E2E_WORK/config.before"

dd if=/dev/zero of="$home/filler" bs=64k 2>/dev/null || true
xdotool type --delay 20 "then the disk was full"
caption=$(close_dialog)
[ "$caption" = Error ] || e2e_fail "the dialog after a failed save is '$caption'"
cmp -s "$home/tab00001.rtf" "$E2E_WORK/note.before" || e2e_fail "the note file changed on a full disk"
cmp -s "$home/tbu_config.xml" "$E2E_WORK/config.before" || e2e_fail "the configuration changed on a full disk"
xdotool windowactivate --sync "$window"
xdotool type --delay 20 " and more"
sleep 3
[ -z "$(e2e_dialog_of_tabulet "$window")" ] || e2e_fail "the failed save was told twice"

# Neither another tab nor a new note takes the unsaved note's place.
xdotool key ctrl+Tab
close_dialog >/dev/null
xdotool windowactivate --sync "$window"
xdotool key ctrl+n
e2e_wait_dialog "$window" >/dev/null
xdotool type --delay 20 "Fresh"
xdotool key Return
close_dialog >/dev/null
[ "$(xdotool getwindowname "$window")" = "Tabulet - Typed" ] || e2e_fail "the unsaved note was left"
ls "$home" | grep -q '^tab00003' && e2e_fail "a note file was made on a full disk"

rm "$home/filler"
e2e_wait_for 20 note_holds "saved first then the disk was full and more" ||
    e2e_fail "the text typed on the full disk did not reach the file once there was room: $(note_text)"
xdotool windowactivate --sync "$window"
xdotool key ctrl+Tab
e2e_wait_for 10 sh -c "[ \"\$(xdotool getwindowname $window)\" = 'Tabulet - Other' ]" ||
    e2e_fail "the next tab was not shown once the note was saved"
e2e_stop_tabulet
grep -q 'title="Other"' "$home/tbu_config.xml" || e2e_fail "the configuration is not whole after exit"
left=$(find "$home" -maxdepth 1 -type f -printf '%f\n' | grep -v -E '^(tab0000[12]\.rtf|tbu_config\.xml|tbu_lock)$' || true)
[ -z "$left" ] || e2e_fail "files were left behind: $left"
echo PASS
