#!/usr/bin/env bash
# The first start follows the desktop's preference, read from the portal on the session bus:
# the dark theme and dark notes when it prefers dark, the default theme when it prefers light; a
# theme already chosen in the configuration stays.
source "$(dirname "$0")/lib.sh"
e2e_start_display

# A session bus of the test's own with a portal that answers the colour scheme.
start_portal() { # colour-scheme: 1 dark, 2 light
    dbus-daemon --session --nofork --print-address=1 >"$E2E_WORK/bus$1" 2>/dev/null &
    E2E_PIDS+=($!)
    e2e_wait_for 10 test -s "$E2E_WORK/bus$1" || e2e_fail "dbus-daemon did not start"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$E2E_WORK/bus$1")
    export DBUS_SESSION_BUS_ADDRESS
    "${FAKE_SETTINGS_PORTAL:?}" "$1" >"$E2E_WORK/portal$1" 2>&1 &
    E2E_PIDS+=($!)
    e2e_wait_for 10 grep -q ready "$E2E_WORK/portal$1" || e2e_fail "the fake portal did not start"
}
# Starts and ends the program on the data folder; prints the theme it wrote, the mean brightness
# (0 to 1) of its window and that of the middle of its note.
start_and_look() { # home
    local window
    e2e_start_tabulet -homedir "$1"
    window=$(e2e_wait_window "^Tabulet - tab1$")
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$window")"
    e2e_screenshot "$1.png"
    e2e_stop_tabulet TERM
    [ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"
    echo "$(sed -n 's/.*<option key="theme" val="\([^"]*\)"\/>.*/\1/p' "$1/tbu_config.xml")" \
        "$(convert "$1.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" -colorspace gray -format '%[fx:mean]' info:)" \
        "$(convert "$1.png" -crop "$((WIDTH / 2))x$((HEIGHT / 4))+$((X + WIDTH / 4))+$((Y + HEIGHT / 2))" \
            -colorspace gray -format '%[fx:mean]' info:)"
}

start_portal 1
mkdir -p "$E2E_WORK/dark"
read -r theme darkness note <<<"$(start_and_look "$E2E_WORK/dark")"
[ "$theme" = dark ] || e2e_fail "a desktop that prefers dark got the theme '$theme'"
awk -v note="$note" 'BEGIN { exit !(note < 0.3) }' || e2e_fail "the new note is not dark (brightness $note)"
e2e_write_config "$E2E_WORK/chosen" theme=default -- tab1
read -r theme _ <<<"$(start_and_look "$E2E_WORK/chosen")"
[ "$theme" = default ] || e2e_fail "the theme the user chose became '$theme'"

start_portal 2
mkdir -p "$E2E_WORK/light"
read -r theme lightness _ <<<"$(start_and_look "$E2E_WORK/light")"
[ "$theme" = default ] || e2e_fail "a desktop that prefers light got the theme '$theme'"
awk -v dark="$darkness" -v light="$lightness" 'BEGIN { exit !(dark + 0.2 < light) }' ||
    e2e_fail "the dark window (brightness $darkness) is not darker than the light one ($lightness)"
echo PASS
