#!/usr/bin/env bash
# With no language file anywhere the program says so before any window and ends with status 0.
source "$(dirname "$0")/lib.sh"
e2e_start_display

program="$E2E_WORK/program"
mkdir -p "$program/languages"
cp "$TABULET_BINARY" "$TABULET_BINARY-notepad" "$program/"
TABULET_BINARY="$program/tabulet"
home="$E2E_WORK/notes"
mkdir -p "$home"
e2e_start_tabulet -homedir "$home"
box=$(e2e_wait_window "Vostrel: ERROR")
e2e_screenshot "$E2E_WORK/no_language_files.png"
[ -z "$(xdotool search --onlyvisible --name "Tabulet|tab1" 2>/dev/null)" ] || e2e_fail "a note window was shown"
# The box takes the keyboard focus; Return presses its OK button.
until ! kill -0 "$E2E_TABULET_PID" 2>/dev/null; do
    box=$(xdotool search --onlyvisible --name "Vostrel: ERROR" 2>/dev/null | tail -n 1 || true)
    [ -n "$box" ] && xdotool windowfocus --sync "$box" key Return 2>/dev/null || true
    sleep 0.5
    [ $SECONDS -gt 60 ] && e2e_fail "the message box did not close"
done
e2e_wait_exit
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"
[ ! -e "$home/tbu_config.xml" ] || e2e_fail "something was saved"
echo PASS
