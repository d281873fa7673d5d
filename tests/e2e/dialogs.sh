#!/usr/bin/env bash
# The small dialogs as a person meets them: the tip of the day at start, moving on each start and
# turned off from its check box; the help page opened from F1; the About box and the version
# check; in German once the German language file is chosen.
source "$(dirname "$0")/lib.sh"
unset TABULET_NO_STARTUP_TIP
e2e_start_display --wm

# The desktop's opener, standing in for a browser: it writes down what it was asked to open.
mkdir -p "$E2E_WORK/bin"
cat >"$E2E_WORK/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >>"$E2E_WORK/opened"
EOF
chmod +x "$E2E_WORK/bin/xdg-open"
export PATH="$E2E_WORK/bin:$PATH"

home="$E2E_WORK/notes"
config="$home/tbu_config.xml"
mkdir -p "$home"

# Waits until no visible window of that name is left.
wait_gone() { # name
    e2e_wait_for 10 sh -c "! xdotool search --onlyvisible --name '$1'" || e2e_fail "'$1' stayed open"
}
# Closes a dialog with a key and waits until it has gone.
close_with() { # window-name key
    local dialog
    dialog=$(e2e_wait_window "$1")
    xdotool windowactivate --sync "$dialog" 2>/dev/null || true
    xdotool key "$2"
    wait_gone "$1"
}
# The configuration is written just after a dialog closes: give it a moment.
option_is() { # key value
    e2e_wait_for 10 grep -q "<option key=\"$1\" val=\"$2\"/>" "$config"
}

# First start: the first tip, shown over the window.
e2e_start_tabulet -homedir "$home"
e2e_wait_window "^Tabulet - tab1$" >/dev/null
e2e_wait_window "^Tip of the Day$" >/dev/null
e2e_screenshot "$E2E_WORK/tip-english.png"
close_with "^Tip of the Day$" Escape
option_is currenttip 1 || e2e_fail "currenttip did not move on"
option_is showtipsonstartup 1 || e2e_fail "the tips were turned off"

# F1: the help page shipped beside the program, as a local file.
window=$(e2e_wait_window "^Tabulet - tab1$")
xdotool windowactivate --sync "$window"
xdotool key F1
e2e_wait_for 10 test -s "$E2E_WORK/opened" || e2e_fail "F1 opened nothing"
expected="file://$(cd "$(dirname "$TABULET_BINARY")" && pwd -P)/help/index.html"
[ "$(cat "$E2E_WORK/opened")" = "$expected" ] || e2e_fail "F1 opened $(cat "$E2E_WORK/opened"), not $expected"
grep -q "<kbd>Ctrl+Shift+B</kbd>" "${expected#file://}" || e2e_fail "the help page lacks its shortcuts"
e2e_stop_tabulet TERM
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"

# German, with About on F2 and the version check on F4.
sed -i -e 's/val="english.tabulang"/val="deutsch.tabulang"/' \
    -e 's/<command name="about" key="0" mod=""/<command name="about" key="113" mod=""/' \
    -e 's/<command name="checkForNewVersion" key="0" mod=""/<command name="checkForNewVersion" key="115" mod=""/' \
    "$config"
e2e_start_tabulet -homedir "$home"
e2e_wait_window "^Tipp des Tages$" >/dev/null
e2e_screenshot "$E2E_WORK/tip-german.png"
# The check box has the focus first: Space turns the tips off.
tip=$(e2e_wait_window "^Tipp des Tages$")
xdotool windowactivate --sync "$tip" 2>/dev/null || true
xdotool key space
close_with "^Tipp des Tages$" Escape
option_is showtipsonstartup 0 || e2e_fail "the check box did not turn the tips off"
option_is currenttip 2 || e2e_fail "currenttip did not move on again"

window=$(e2e_wait_window "^Tabulet - tab1$")
xdotool windowactivate --sync "$window"
xdotool key F2
e2e_wait_window "^Über Tabulet$" >/dev/null
e2e_screenshot "$E2E_WORK/about.png"
close_with "^Über Tabulet$" Return
xdotool windowactivate --sync "$window"
xdotool key F4
e2e_wait_window "^Nach neuer Version suchen$" >/dev/null
e2e_screenshot "$E2E_WORK/version-check.png"
close_with "^Nach neuer Version suchen$" Return
# F1 in German: the German help page.
rm -f "$E2E_WORK/opened"
xdotool windowactivate --sync "$window"
xdotool key F1
e2e_wait_for 10 test -s "$E2E_WORK/opened" || e2e_fail "F1 opened nothing in German"
[ "$(cat "$E2E_WORK/opened")" = "${expected%/index.html}/de/index.html" ] ||
    e2e_fail "F1 opened $(cat "$E2E_WORK/opened") in German"
e2e_stop_tabulet TERM
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"

# Turned off: no tip at the next start, and a termination signal ends the program at once.
e2e_start_tabulet -homedir "$home"
e2e_wait_window "^Tabulet - tab1$" >/dev/null
sleep 1
! xdotool search --onlyvisible --name "^Tipp des Tages$" >/dev/null || e2e_fail "a tip was shown although turned off"
e2e_stop_tabulet TERM
option_is currenttip 2 || e2e_fail "currenttip moved without a tip"

# A tip still open when the program is told to end does not keep it alive.
sed -i 's/<option key="showtipsonstartup" val="0"\/>/<option key="showtipsonstartup" val="1"\/>/' "$config"
e2e_start_tabulet -homedir "$home"
e2e_wait_window "^Tipp des Tages$" >/dev/null
e2e_stop_tabulet TERM
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS with the tip open"
echo PASS
