#!/usr/bin/env bash
# --help and --version answer and exit without creating or touching any data; --help says what
# the README and the man page say.
source "$(dirname "$0")/lib.sh"

out=$("$TABULET_BINARY" --version)
[ "$out" = "tabulet 2.1.23" ] || e2e_fail "--version printed '$out'"
"$TABULET_BINARY" --help | grep -q -- "-homedir FOLDER" || e2e_fail "--help lacks the switches"
# How many copies run is said in the same words by --help, the README and the man page.
source_root=$(cd "$(dirname "$0")/../.." && pwd)
rule=$("$TABULET_BINARY" --help | grep "^One copy runs per user and session" || true)
[ -n "$rule" ] || e2e_fail "--help does not say that one copy runs per user and session"
for document in README.md packaging/tabulet.1; do
    grep -qxF -- "$rule" "$source_root/$document" || e2e_fail "$document does not say as --help does: $rule"
done
"$TABULET_BINARY" -homedir "$E2E_WORK/notes" --help >/dev/null
[ -z "$(ls -A "$XDG_DATA_HOME")" ] || e2e_fail "data was created: $(ls -A "$XDG_DATA_HOME")"
[ ! -e "$E2E_WORK/notes" ] || e2e_fail "the home folder was created"
echo PASS
