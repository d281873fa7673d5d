#!/usr/bin/env bash
# F1 on a desktop with nothing that opens web pages (no xdg-open, no browser on the path): the
# shipped help page shows in a window of the program, captioned with the page's title, once
# however often F1 is pressed; in German the German page.
source "$(dirname "$0")/lib.sh"
e2e_start_display --wm

program_folder=$(cd "$(dirname "$TABULET_BINARY")" && pwd -P)
page_title() { # page
    sed -n 's:.*<title>\(.*\)</title>.*:\1:p' "$1" | head -n 1
}
mkdir -p "$E2E_WORK/nothing"
home="$E2E_WORK/notes"

# Presses F1 in the note window and waits for the help window of that title.
help_window_after_f1() { # title
    local window
    window=$(e2e_wait_window "^Tabulet - one$")
    xdotool windowactivate --sync "$window"
    xdotool key F1
    e2e_wait_window "^$1$"
}

for language in english deutsch; do
    e2e_write_config "$home" oneinstance=0 showtipsonstartup=0 languagefile=$language.tabulang -- one
    page="$program_folder/help/index.html"
    [ $language = deutsch ] && page="$program_folder/help/de/index.html"
    title=$(page_title "$page")
    [ -n "$title" ] || e2e_fail "$page has no title"
    PATH="$E2E_WORK/nothing" e2e_start_tabulet -homedir "$home"
    help=$(help_window_after_f1 "$title")
    e2e_screenshot "$E2E_WORK/help-$language.png"
    # Pressed again, F1 brings the same window forward.
    help_window_after_f1 "$title" >/dev/null
    [ "$(xdotool search --onlyvisible --name "^$title$" | wc -l)" = 1 ] || e2e_fail "F1 opened a second help window"
    xdotool windowactivate --sync "$help" 2>/dev/null || true
    xdotool key Escape
    e2e_wait_for 10 sh -c "! xdotool search --onlyvisible --name '^$title$' | grep -q ." || e2e_fail "the help stayed open"
    e2e_stop_tabulet TERM
    [ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"
done
echo PASS
