#!/usr/bin/env bash
# A damaged configuration is kept aside, the user is told, and the note files it named come back
# as notes instead of being forgotten by the next save. A pipe as configuration or as language file
# holds nothing up.
source "$(dirname "$0")/lib.sh"
e2e_start_display

home="$E2E_WORK/notes"
mkdir -p "$home"
printf '<?xml version="1.0"?><config version="1.1"><options><option key="w" val="500"' >"$home/tbu_config.xml"
cp "$home/tbu_config.xml" "$E2E_WORK/damaged.xml"
printf '{\\rtf1 first}' >"$home/tab00001.rtf"
printf '{\\rtf1 second}' >"$home/tab00002.rtf"
e2e_start_tabulet -homedir "$home"
box=$(e2e_wait_window "^Error$")
e2e_screenshot "$E2E_WORK/damaged_configuration.png"
until xdotool search --onlyvisible --name "Tabulet - " >/dev/null 2>&1; do
    box=$(xdotool search --onlyvisible --name "^Error$" 2>/dev/null | tail -n 1 || true)
    [ -n "$box" ] && xdotool windowfocus --sync "$box" key Return 2>/dev/null || true
    sleep 0.5
    [ $SECONDS -gt 60 ] && e2e_fail "the message box did not close"
done
e2e_stop_tabulet TERM

kept=$(ls "$home" | grep -v -x -E 'tbu_config.xml|tbu_lock|tab0000[12].rtf|archive' || true)
[ -n "$kept" ] || e2e_fail "the damaged file was not kept"
cmp -s "$home/$kept" "$E2E_WORK/damaged.xml" || e2e_fail "the kept copy differs from the damaged file"
grep -q 'filename="tab00001.rtf"' "$home/tbu_config.xml" || e2e_fail "tab00001.rtf was not recovered"
grep -q 'filename="tab00002.rtf"' "$home/tbu_config.xml" || e2e_fail "tab00002.rtf was not recovered"

# Nobody writes into these pipes: the start goes on, telling that the configuration is damaged and
# that the language file could not be copied.
piped="$E2E_WORK/piped"
mkdir -p "$piped"
mkfifo "$piped/tbu_config.xml" "$E2E_WORK/pipe.tabulang"
e2e_start_tabulet -homedir "$piped" -language "$E2E_WORK/pipe.tabulang"
deadline=$((SECONDS + 60))
boxes=0
until [ $boxes -ge 2 ] && xdotool search --onlyvisible --name "Tabulet - " >/dev/null 2>&1; do
    box=$(xdotool search --onlyvisible --name "^Error$" 2>/dev/null | tail -n 1 || true)
    if [ -n "$box" ] && xdotool windowfocus --sync "$box" key Return 2>/dev/null; then
        boxes=$((boxes + 1))
        e2e_wait_for 10 sh -c "! xdotool search --onlyvisible --name '^Error$' | grep -q -x $box" || true
    fi
    sleep 0.2
    [ $SECONDS -gt $deadline ] && e2e_fail "the start with pipes did not come up ($boxes messages closed)"
done
[ -p "$piped/tbu_config.xml" ] || e2e_fail "the pipe in the configuration's place was replaced"
e2e_stop_tabulet TERM
echo PASS
