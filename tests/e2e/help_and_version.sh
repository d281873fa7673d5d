#!/usr/bin/env bash
# --help and --version answer and exit without creating or touching any data.
source "$(dirname "$0")/lib.sh"

out=$("$TABULET_BINARY" --version)
[ "$out" = "tabulet 2.1.23" ] || e2e_fail "--version printed '$out'"
"$TABULET_BINARY" --help | grep -q -- "-homedir FOLDER" || e2e_fail "--help lacks the switches"
"$TABULET_BINARY" -homedir "$E2E_WORK/notes" --help >/dev/null
[ -z "$(ls -A "$XDG_DATA_HOME")" ] || e2e_fail "data was created: $(ls -A "$XDG_DATA_HOME")"
[ ! -e "$E2E_WORK/notes" ] || e2e_fail "the home folder was created"
echo PASS
