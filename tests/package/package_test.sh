#!/usr/bin/env bash
# The Debian package as a user meets it. A Release tree of its own, built with Debian's hardening
# flags, makes the package with `cpack -G DEB`; it must hold exactly the files of manifest.txt
# (every shipped language, theme, tip file and plug-in among them), and lintian must find no error
# or warning. As root the package is then installed: the desktop entry and the metainfo validate,
# the man pages show, /usr/bin/tabulet runs with the themes, languages, tips, help pages and
# plug-ins of /usr/share/tabulet, tabulet-rtfconv converts a note, and `dpkg -r` leaves nothing of
# ours under /usr.
#
#   package_test.sh SOURCE_DIR PACKAGE_BUILD_DIR
set -euo pipefail

source_dir=$(cd "$1" && pwd)
build_dir=$2
here=$(dirname "$(realpath "${BASH_SOURCE[0]}")")

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

version=$(sed -n 's/^project(Tabulet VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
deb="$build_dir/tabulet_${version}_$(dpkg --print-architecture).deb"

# --- build -------------------------------------------------------------------------------------
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Built as Debian builds its packages: fortified, stack-protected, bound at start.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTABULET_TESTS=OFF "${launcher[@]}" \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build_dir" -j "$(nproc 2>/dev/null || echo 2)"
rm -f "$deb"
(cd "$build_dir" && cpack -G DEB >/dev/null) || fail "cpack could not make the package"
[ -f "$deb" ] || fail "cpack made no $deb"

# --- what the package holds --------------------------------------------------------------------
work=$(mktemp -d "${TMPDIR:-/tmp}/tabulet-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | sort >"$work/contents"
sort "$here/manifest.txt" >"$work/manifest"
if ! cmp -s "$work/contents" "$work/manifest"; then
    echo "< only in manifest.txt, > only in the package:" >&2
    diff "$work/manifest" "$work/contents" | grep '^[<>]' >&2 || true
    fail "the package does not hold what manifest.txt lists"
fi
# The manifest keeps up with the shipped files: each one the sources have is in the package.
for file in "$source_dir"/resources/languages/*.tabulang "$source_dir"/resources/plugins/*.lua \
    "$source_dir"/resources/tips/*.txt; do
    kind=$(basename "$(dirname "$file")")
    grep -qx "/usr/share/tabulet/$kind/$(basename "$file")" "$work/contents" || fail "$file is not in the package"
done
for theme in "$source_dir"/resources/themes/*/; do
    grep -qx "/usr/share/tabulet/themes/$(basename "$theme").tabutheme" "$work/contents" ||
        fail "the theme $(basename "$theme") is not in the package"
done
for page in $(cd "$source_dir/resources" && find help -name index.html); do
    grep -qx "/usr/share/tabulet/$page" "$work/contents" || fail "$page is not in the package"
done

depends=$(dpkg-deb -f "$deb" Depends)
# The editor uses Qt's private text control: the package must hold to the Qt it was built with.
for library in libqt6widgets6 libtinyxml2 libzip4 liblua5.1 qt6-qpa-plugins "qt6-base-abi (= "; do
    [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library: $depends"
done

lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$work/lintian" 2>&1 ||
    { cat "$work/lintian" >&2; fail "lintian reports errors or warnings"; }
grep -v '^running with root privileges' "$work/lintian" || true

dpkg-deb -x "$deb" "$work/root"
for page in tabulet tabulet-rtfconv; do
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$work/root/usr/share/man/man1/$page.1.gz" >"$work/$page.man" \
        2>"$work/$page.warnings"
    [ ! -s "$work/$page.warnings" ] || { cat "$work/$page.warnings" >&2; fail "the man page $page has faults"; }
    grep -q "^NAME" "$work/$page.man" && grep -Eq "^ +$page +- " "$work/$page.man" || fail "the man page $page has no name"
done

# --- installed ---------------------------------------------------------------------------------
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: the package was built and checked; installing it (dpkg -i) needs root"
    exit 77
fi
dpkg-query -W -f='${Status}' tabulet 2>/dev/null | grep -q 'install ok installed' &&
    echo "note: tabulet was installed before this test; it is replaced and removed"

installed=
remove_package() {
    [ -n "$installed" ] && dpkg -r tabulet >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap remove_package EXIT
dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; fail "dpkg -i failed"; }
installed=1
dpkg -L tabulet | sort >"$work/installed"
desktop-file-validate /usr/share/applications/org.tabulet.Tabulet.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net /usr/share/metainfo/org.tabulet.Tabulet.metainfo.xml >"$work/appstream" 2>&1 ||
    { cat "$work/appstream" >&2; fail "appstreamcli validate"; }
for screenshot in $(sed -n 's|.*<value key="Tabulet::screenshot-[a-z]*">\(.*\)</value>.*|\1|p' \
    /usr/share/metainfo/org.tabulet.Tabulet.metainfo.xml); do
    [ -s "$screenshot" ] || fail "the metainfo names $screenshot, which is not installed"
done
# Minimal images leave the man pages out (dpkg path-exclude); the page was shown above then.
if [ -f /usr/share/man/man1/tabulet.1.gz ]; then
    MANPAGER=cat man tabulet 2>/dev/null | grep -Eq "tabulet +- +a small notepad" || fail "man tabulet shows no page"
else
    echo "note: this system's dpkg leaves man pages out; man tabulet was not tried"
fi
[ "$(/usr/bin/tabulet --version)" = "tabulet $version" ] || fail "tabulet --version"
tabulet-rtfconv --help | grep -q -- "--to text" || fail "tabulet-rtfconv --help"
printf '%s' '{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0 Arial;}}\f0\fs20 Milk and {\b bread}\par caf\'"'"'e9}' \
    >"$work/note.rtf"
[ "$(tabulet-rtfconv --to text "$work/note.rtf")" = "$(printf 'Milk and bread\ncaf\xc3\xa9')" ] ||
    fail "tabulet-rtfconv --to text gave: $(tabulet-rtfconv --to text "$work/note.rtf")"

# The installed program under Xvfb, with a fresh data folder.
TABULET_BINARY=/usr/bin/tabulet
export TABULET_BINARY
# shellcheck source=../e2e/lib.sh
source "$source_dir/tests/e2e/lib.sh"
unset TABULET_NO_STARTUP_TIP
trap 'e2e_cleanup; remove_package' EXIT
mkdir -p "$E2E_WORK/bin"
cat >"$E2E_WORK/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >"$E2E_WORK/opened"
EOF
chmod +x "$E2E_WORK/bin/xdg-open"
export PATH="$E2E_WORK/bin:$PATH"
e2e_start_display --wm
home="$E2E_WORK/notes"
config="$home/tbu_config.xml"
mkdir -p "$home"

# Opens the help page with F1 and prints the address the desktop was asked to open.
help_opened() { # window
    rm -f "$E2E_WORK/opened"
    xdotool windowactivate --sync "$1" 2>/dev/null || true
    xdotool key F1
    e2e_wait_for 10 test -s "$E2E_WORK/opened" || e2e_fail "F1 opened nothing"
    cat "$E2E_WORK/opened"
}
close_tip() { # name
    local tip
    tip=$(e2e_wait_window "$1")
    xdotool windowactivate --sync "$tip" 2>/dev/null || true
    xdotool key Escape
    e2e_wait_for 10 sh -c "! xdotool search --onlyvisible --name '$1'" || e2e_fail "the tip stayed open"
}

# First start: English, the default theme, the first tip, the English help page.
e2e_start_tabulet -homedir "$home"
window=$(e2e_wait_window "^Tabulet - tab1$")
# Docks and task switchers find the desktop entry of the window by its class.
wm_class=$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/org.tabulet.Tabulet.desktop)
xprop -id "$window" WM_CLASS | grep -q "\"$wm_class\"" ||
    e2e_fail "the window's $(xprop -id "$window" WM_CLASS) does not name the desktop entry's class $wm_class"
close_tip "^Tip of the Day$"
[ "$(help_opened "$window")" = "file:///usr/share/tabulet/help/index.html" ] || e2e_fail "F1 opened $(cat "$E2E_WORK/opened")"
e2e_screenshot "$E2E_WORK/installed-english.png"
e2e_stop_tabulet TERM
[ "$E2E_STATUS" = 0 ] || e2e_fail "exit status $E2E_STATUS"
grep -q '<option key="theme" val="default"/>' "$config" || e2e_fail "the first start did not take the default theme"
for plugin in "$source_dir"/resources/plugins/*.lua; do
    grep -q "\"/usr/share/tabulet/plugins/$(basename "$plugin")\"" "$config" ||
        e2e_fail "the plug-in $(basename "$plugin") was not found in /usr/share/tabulet"
done

# German and the dark theme: the German tip and help page; the theme stays as chosen.
sed -i -e 's/val="english.tabulang"/val="deutsch.tabulang"/' -e 's/<option key="theme" val="default"/<option key="theme" val="dark"/' \
    "$config"
e2e_start_tabulet -homedir "$home"
window=$(e2e_wait_window "^Tabulet - tab1$")
close_tip "^Tipp des Tages$"
[ "$(help_opened "$window")" = "file:///usr/share/tabulet/help/de/index.html" ] ||
    e2e_fail "F1 opened $(cat "$E2E_WORK/opened") in German"
e2e_screenshot "$E2E_WORK/installed-german-dark.png"
e2e_stop_tabulet TERM
grep -q '<option key="theme" val="dark"/>' "$config" || e2e_fail "the dark theme was not found in /usr/share/tabulet"
[ -n "${TABULET_PACKAGE_SCREENSHOTS:-}" ] && cp "$E2E_WORK"/installed-*.png "$TABULET_PACKAGE_SCREENSHOTS/"

# --- removed -----------------------------------------------------------------------------------
dpkg -r tabulet >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log" >&2; fail "dpkg -r failed"; }
installed=
while read -r path; do
    [ -d "$path" ] || [ ! -e "$path" ] || fail "dpkg -r left $path"
done <"$work/installed"
leftovers=$(find /usr -iname '*tabulet*' 2>/dev/null | head -n 20)
[ -z "$leftovers" ] || fail "left under /usr after dpkg -r: $leftovers"
echo PASS
