#!/usr/bin/env bash
# Archives as a person uses them: archive now from the browser, change the notes, restore the
# archive (answering the question both ways) and come back to the restored notes after the
# program's own restart; a custom archive folder of the user's own look-alike folders is never
# touched, not even by the deletion of old archives.
source "$(dirname "$0")/lib.sh"
e2e_start_display --wm

home="$E2E_WORK/notes"
documents="$E2E_WORK/documents"
mkdir -p "$documents/my_project" "$documents/old_photos" "$documents/20200101_000000" "$documents/20200101_000001/src"
echo mine >"$documents/my_project/tab00001.rtf"
echo photo >"$documents/old_photos/a.jpg"
echo photo >"$documents/20200101_000000/holiday.jpg"
echo code >"$documents/20200101_000001/src/main.c"
# "Archive..." on F6 (Windows key code 117).
E2E_CONFIG_EXTRA='<commands><command name="showArchives" key="117" mod=""/></commands>' \
    e2e_write_config "$home" confirmexit=0 showtipsonstartup=0 autoarchive=0 usedefaultarchivedir=0 \
    "customarchivedir=$documents" -- One
printf '{\\rtf1\\ansi first version\\par}' >"$home/tab00001.rtf"
lookalikes=$(cd "$documents" && find . -printf '%p %s\n' | sort)

e2e_start_tabulet -homedir "$home"
window=$(e2e_wait_window "^Tabulet - One$")

archives() { # the folders the archiver made
    find "$documents" -mindepth 1 -maxdepth 1 -name '20[2-9]*_*' ! -name '20200101_*' | sort
}
open_browser() {
    xdotool windowactivate --sync "$window"
    xdotool key F6
    e2e_wait_window "^Archives$"
}
# Waits for a window of the program other than the given ones, activates it and prints its id.
wait_new_window() { # known windows...
    local id= deadline=$((SECONDS + 20))
    while [ $SECONDS -lt $deadline ]; do
        id=$(xdotool search --onlyvisible --pid "$E2E_TABULET_PID" 2>/dev/null | grep -v -x -F "$(printf '%s\n' "$@")" | head -n 1 || true)
        if [ -n "$id" ]; then
            xdotool windowactivate --sync "$id" 2>/dev/null || true
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    e2e_fail "no new window appeared"
}
# Answers the message that tells how many files were copied.
confirm_copied() { # browser
    wait_new_window "$window" "$1" >/dev/null
    sleep 0.3
    xdotool key Return
}
# The list has the focus; the buttons follow it in the order Get, Archive Now, Cancel.
press_archive_now() { # browser
    xdotool windowactivate --sync "$1" 2>/dev/null || true
    xdotool key Tab Tab space
    confirm_copied "$1"
}
# Selects the newest archive, presses Get and answers the question: Yes archives first. The
# look-alikes "old_photos" and "my_project" are listed on top, with the time of the scan.
get_newest() { # browser yes|no
    xdotool windowactivate --sync "$1" 2>/dev/null || true
    xdotool key Home Down Down Tab space
    wait_new_window "$window" "$1" >/dev/null
    sleep 0.3
    if [ "$2" = yes ]; then
        # No is the default button; Yes stands before it.
        xdotool key shift+Tab space
        confirm_copied "$1"
    else
        xdotool key Return
    fi
}
# Waits for the window of the program's next start-up pass, as it shows a note.
wait_restart() { # title
    e2e_wait_for 20 sh -c "! xdotool search --onlyvisible --name '^Archives$'" || e2e_fail "the browser stayed open"
    sleep 1
    kill -0 "$E2E_TABULET_PID" || e2e_fail "the program ended instead of starting again"
    window=$(e2e_wait_window "^Tabulet - $1$")
}
note_has() { # file text
    grep -qF -- "$2" "$home/$1" || e2e_fail "$1 lacks '$2': $(cat "$home/$1" 2>/dev/null)"
}

# Archive now: one archive of the note and the configuration, shown at the top of the list.
browser=$(open_browser)
press_archive_now "$browser"
e2e_wait_for 10 test -n "$(archives)" || e2e_fail "no archive was made"
first=$(archives)
[ -f "$first/tab00001.rtf" ] && [ -f "$first/tbu_config.xml" ] || e2e_fail "the archive lacks files: $(ls "$first")"
sleep 0.5
e2e_screenshot "$E2E_WORK/browser.png"
xdotool key Escape

# Change the note and add one; then restore, answering No: the archived state comes back.
xdotool windowactivate --sync "$window"
xdotool key ctrl+End
xdotool type --delay 20 " changed"
xdotool key ctrl+n
e2e_wait_dialog "$window" >/dev/null
xdotool type --delay 20 "Later"
xdotool key Return
e2e_wait_window "^Tabulet - Later$" >/dev/null
xdotool type --delay 20 "made after the archive"
browser=$(open_browser)
note_has tab00001.rtf changed
note_has tab00002.rtf "made after the archive"
get_newest "$browser" no
wait_restart One
note_has tab00001.rtf "first version"
grep -qF changed "$home/tab00001.rtf" && e2e_fail "the change survived the restore"
[ ! -e "$home/tab00002.rtf" ] || e2e_fail "the note made after the archive survived the restore"
grep -q 'title="Later"' "$home/tbu_config.xml" && e2e_fail "the restored configuration was written over"
e2e_screenshot "$E2E_WORK/restored.png"

# A later note again, and a restore answering Yes: the current state is archived first, so
# restoring that newer archive brings the later note back.
xdotool windowactivate --sync "$window"
xdotool key ctrl+n
e2e_wait_dialog "$window" >/dev/null
xdotool type --delay 20 "Kept"
xdotool key Return
e2e_wait_window "^Tabulet - Kept$" >/dev/null
xdotool type --delay 20 "archived first"
browser=$(open_browser)
get_newest "$browser" yes
wait_restart One
[ "$(archives | wc -l)" = 2 ] || e2e_fail "answering Yes made no new archive: $(archives)"
second=$(archives | tail -n 1)
grep -qF "archived first" "$second/tab00002.rtf" || e2e_fail "the new archive lacks the later note"
[ ! -e "$home/tab00002.rtf" ] || e2e_fail "the restore kept the later note"
browser=$(open_browser)
get_newest "$browser" no
# That archive was made with "Kept" shown, and so it comes back.
wait_restart Kept
note_has tab00002.rtf "archived first"
grep -q 'title="Kept"' "$home/tbu_config.xml" || e2e_fail "the later note's record did not come back"

# Old archives are deleted at once with an interval of 0 days; the look-alikes stay as they were.
e2e_stop_tabulet TERM
sed -i -e 's/key="deletearchive" val="0"/key="deletearchive" val="1"/' \
    -e 's/key="deletearchiveinterval" val="[0-9]*"/key="deletearchiveinterval" val="0"/' "$home/tbu_config.xml"
e2e_start_tabulet -homedir "$home"
e2e_wait_window "^Tabulet - Kept$" >/dev/null
e2e_wait_for 10 test -z "$(archives)" || e2e_fail "old archives were not deleted: $(archives)"
[ "$(cd "$documents" && find . -printf '%p %s\n' | sort)" = "$lookalikes" ] ||
    e2e_fail "the user's folders changed: $(cd "$documents" && find . | sort)"
e2e_stop_tabulet TERM
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"
