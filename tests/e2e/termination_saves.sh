#!/usr/bin/env bash
# SIGINT, SIGTERM, SIGHUP and SIGQUIT end the program the way its exit command does: the configuration is saved.
source "$(dirname "$0")/lib.sh"
e2e_start_display

home="$E2E_WORK/notes"
e2e_write_config "$home" selectedtab=1 -- First Second
for signal in INT TERM HUP QUIT; do
    e2e_start_tabulet -homedir "$home"
    e2e_wait_window "Second" >/dev/null
    e2e_stop_tabulet "$signal"
    [ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS after SIG$signal"
    grep -q '<option key="autoformat" val="1"/>' "$home/tbu_config.xml" || e2e_fail "not saved after SIG$signal"
    grep -q '<note id="1" title="Second" filename="tab00002.rtf"' "$home/tbu_config.xml" || e2e_fail "notes lost"
    grep -q '<command name="makeSelectionBold" key="66" mod="CS"/>' "$home/tbu_config.xml" || e2e_fail "commands"
done
echo PASS
