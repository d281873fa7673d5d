#!/usr/bin/env bash
# A configured language file that does not exist gives way to the first listed one, without the
# option being rewritten.
source "$(dirname "$0")/lib.sh"
e2e_start_display

home="$E2E_WORK/notes"
e2e_write_config "$home" languagefile=missing.tabulang -- Einkauf
# The first listed file is the first by name of the per-user folder: put a known one there.
mkdir -p "$XDG_DATA_HOME/Tabulet/languages"
printf 'ID_TRAY_TOOLTIP: Probe - %%s\n' >"$XDG_DATA_HOME/Tabulet/languages/aaa.tabulang"
e2e_start_tabulet -homedir "$home"
e2e_wait_window "^Probe - Einkauf$" >/dev/null
e2e_stop_tabulet TERM
grep -q '<option key="languagefile" val="missing.tabulang"/>' "$home/tbu_config.xml" ||
    e2e_fail "the language option was rewritten"
echo PASS
