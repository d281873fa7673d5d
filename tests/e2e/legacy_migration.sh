#!/usr/bin/env bash
# A tbu.ini of an older version becomes the note list and the options of the new configuration.
source "$(dirname "$0")/lib.sh"
e2e_start_display

home="$E2E_WORK/notes"
mkdir -p "$home"
cp "$E2E_DATA/legacy/tbu.ini" "$home/tbu.ini"
e2e_start_tabulet -homedir "$home"
e2e_wait_window "Shopping" >/dev/null
e2e_stop_tabulet TERM
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"

config="$home/tbu_config.xml"
grep -q '<option key="wordwrap" val="0"/>' "$config" || e2e_fail "wordwrap was not migrated"
grep -q '<note id="0" title="Shopping" filename="tab00003.rtf" visible="1"' "$config" || e2e_fail "first note"
grep -q '<titlecolor r="255" g="0" b="0"/>' "$config" || e2e_fail "title colour"
grep -q '<note id="1" title="Old" filename="note.rtf" visible="1"' "$config" || e2e_fail "second note"
grep -q '<note id="2" title="Hidden" filename="tab00004.rtf" visible="0"' "$config" || e2e_fail "hidden note"
grep -q 'key="tab00"' "$config" && e2e_fail "legacy note options were written"
cmp -s "$home/tbu.ini" "$E2E_DATA/legacy/tbu.ini" || e2e_fail "tbu.ini was changed"
echo PASS
