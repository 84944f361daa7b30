#!/usr/bin/env bash
# The program tried end to end as a pupil would: the real binary on a virtual
# X server, worked with the keyboard and the mouse through xdotool. Every main
# menu is opened by its access letter; a projection is run, shown as a pyramid
# with a cursor and continued a year; the age-group dialog, the heading
# dialog, one- and two-person lifetimes, the 1901 census, the three historical
# tables, About and the guide are visited; a table goes to the clipboard and
# into a PDF file through the print dialog; "&Afslut" ends the program.
#
# What can be read back from outside is checked: the window title, the
# clipboard (text and picture) and the PDF's text. Each main state is saved
# as a screenshot so that a person can look at what happened.
#
# Usage: tests/e2e_test.sh PROGRAM [SCREENSHOT_DIR]
# Needs Xvfb, xdotool, xclip, import (imagemagick) and pdftotext.
set -euo pipefail

program=$(realpath "$1")
shots=${2:-$(dirname "$program")/e2e-screenshots}
mkdir -p "$shots"
rm -f "$shots"/*.png "$shots"/*.txt "$shots"/*.pdf

readonly title="   Lysvandre    Version 110109"
readonly heading="Klasse 8b"
started=$SECONDS

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
    if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

# --- reporting --------------------------------------------------------------

step() { printf '[%3ds] %s\n' $((SECONDS - started)) "$*"; }

fail() {
    echo "FAILED: $*" >&2
    [ -z "$app_pid" ] || program_running || echo "The program is no longer running." >&2
    if [ -n "${DISPLAY:-}" ]; then
        import -window root "$shots/failure.png" 2>/dev/null || true
        echo "program windows on screen:" >&2
        for w in $(program_windows); do echo "  $w '$(xdotool getwindowname "$w" 2>/dev/null)'" >&2; done
    fi
    echo "--- program output ---" >&2
    cat "$work/program.log" >&2 2>/dev/null || true
    exit 1
}

for tool in Xvfb xdotool xclip import pdftotext; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh installs it)"
done

# --- waiting ----------------------------------------------------------------
# Nothing waits blindly for long: each wait polls every 0.1 s for what it
# needs and gives up after a generous limit (the machine may be busy
# building).

readonly patience=15  # seconds

program_running() { [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; }

# Runs the command until it succeeds; false after the limit, or at once when
# the program has ended meanwhile.
poll() {
    local tries=$((patience * 10))
    until "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        [ -z "$app_pid" ] || program_running || return 1
        sleep 0.1
    done
}

# Like poll, for a command that prints what it found: prints it.
poll_for() {
    local tries=$((patience * 10)) found
    until found=$("$@"); do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        [ -z "$app_pid" ] || program_running || return 1
        sleep 0.1
    done
    echo "$found"
}

# A short pause for the program to paint what the last input asked for. Used
# only before a screenshot; the checks themselves poll.
settle() { sleep 0.4; }

# The program's mapped windows (main window, dialogs, open menus).
program_windows() { xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null || true; }
window_count() { program_windows | wc -l; }
window_count_is() { [ "$(window_count)" -eq "$1" ]; }

# Prints the id of the program's visible window with exactly this title.
window_named() {
    local w
    for w in $(program_windows); do
        if [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ]; then
            echo "$w"
            return 0
        fi
    done
    return 1
}

wait_window() { poll_for window_named "$1" || fail "window '$1' did not appear"; }

is_gone() { ! program_windows | grep -qx "$1"; }
wait_gone() { poll is_gone "$1" || fail "window $1 ($2) did not close"; }

# A dialog without a title (census-year chooser, About) is found as the
# program's one window besides the main window: a menu's drop-down is gone
# before the item it chose opens a dialog.
other_window() {
    local w
    for w in $(program_windows); do
        if [ "$w" != "$main" ]; then
            echo "$w"
            return 0
        fi
    done
    return 1
}
wait_other_window() { poll_for other_window || fail "no dialog opened after $1"; }

# --- input --------------------------------------------------------------------
# With no window manager nobody hands the focus back when a dialog closes, so
# every input first gives it to the window meant, as a click on it would.

focus() { timeout 10 xdotool windowfocus --sync "$1" || fail "could not focus window $1"; }
keys() { xdotool key --delay 60 "$@"; }
typed() { xdotool type --delay 60 "$1"; }
# No --sync on mousemove: the server takes the move before the click anyway,
# and Debian 12's xdotool waits long when the pointer is already there.
click_at() { xdotool mousemove "$1" "$2" click 1; }
click_in() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# Opens a main menu by its access letter (Alt+letter) and waits for its
# drop-down to be on screen; the caller then walks it with the arrow keys.
open_menu() {
    poll window_count_is 1 || fail "a dialog or menu is still open before Alt+$1"
    focus "$main"
    keys "alt+$1"
    poll window_count_is 2 || fail "Alt+$1 opened no menu"
}

shot() {
    settle
    import -window root "$shots/$1.png" || fail "screenshot $1"
    step "screenshot $1.png"
}

# --- reading back ---------------------------------------------------------------

clipboard_text() { timeout 5 xclip -o -selection clipboard 2>/dev/null || true; }

clipboard_offers() { grep -qx "$1" <<<"$(timeout 5 xclip -o -selection clipboard -t TARGETS 2>/dev/null)"; }

clipboard_has() {
    local text s
    text=$(clipboard_text)
    for s in "$@"; do grep -qF -- "$s" <<<"$text" || return 1; done
}

# Waits until the clipboard's text holds every given string, keeps it as
# NAME.txt beside the screenshots.
expect_clipboard() {
    local name=$1
    shift
    if ! poll clipboard_has "$@"; then
        clipboard_text >"$shots/$name.txt"
        fail "clipboard ($name.txt) lacks one of: $*"
    fi
    clipboard_text >"$shots/$name.txt"
    step "clipboard $name.txt holds: $*"
}

# Copies what the shown view offers through the menu "Rediger" (it has no
# access letter: Alt+F opens "&Filer" and the right arrow moves on to it).
copy_to_clipboard() {
    open_menu f
    keys Right Return
}

# --- the program ------------------------------------------------------------------

step "virtual X server"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
poll test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
display=$(head -n1 "$work/display")
export DISPLAY=":$display"
step "display $DISPLAY"

# A home of its own: the print dialog proposes a file there, and the user's
# real one is left alone.
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 \
    "$program" >"$work/program.log" 2>&1 &
app_pid=$!

main=$(wait_window "$title")
[ "$(xdotool getwindowname "$main")" = "$title" ] || fail "window title"
step "main window $main, title '$title'"
shot 01-start

# Every main menu that has an access letter, opened by it ("Rediger" and
# "Aldersgruppe" have none; they are reached below with the arrow keys).
for menu in f:Filer l:Levetid p:Prognose t:Folketaellinger h:Hjaelp; do
    open_menu "${menu%%:*}"
    shot "02-menu-${menu#*:}"
    keys Escape Escape
done

# --- projection ---------------------------------------------------------------------

open_menu p
keys Return  # Inddata
dialog=$(wait_window "Inddata til Prognose")
focus "$dialog"
typed 1.8
keys Return
typed 2030
keys Return
typed 67
shot 03-projection-inputs
keys Return  # with every field filled, the default button OK takes Enter
wait_gone "$dialog" "projection inputs"
shot 04-projection-2030

open_menu p
keys Down Down Return  # Pyramide
settle
click_at 520 300  # a cursor line through the pyramid
shot 05-projection-pyramid-cursor

# The pyramid with its cursor, copied as a picture.
copy_to_clipboard
poll clipboard_offers image/png ||
    fail "the pyramid did not reach the clipboard as a picture"
timeout 5 xclip -o -selection clipboard -t image/png >"$shots/05-clipboard-pyramid.png"
[ "$(head -c 4 "$shots/05-clipboard-pyramid.png" | od -An -tx1 | tr -d ' ')" = 89504e47 ] ||
    fail "the clipboard picture is not a PNG image"
step "clipboard picture 05-clipboard-pyramid.png"

open_menu p
keys Down Down Down Down Return  # Fortsæt
dialog=$(wait_window "Inddata til Prognose")
focus "$dialog"
keys Return  # the next year is proposed, OK has the focus
wait_gone "$dialog" "continuation"
shot 06-projection-2031

# --- age groups and the heading --------------------------------------------------------

# "Aldersgruppe" is an item of the menu bar itself, without an access letter:
# reached from "&Prognose" with the right arrow.
open_menu p
keys Right Return
dialog=$(wait_window "  Aldersgrupper")
focus "$dialog"
typed 0..4
keys Return
shot 07-agegroups-0-4

# The dialog's buttons lie at fixed places in it; the second is the heading.
click_in "$dialog" 76 28
heading_dialog=$(wait_window "   Overskrift")
focus "$heading_dialog"
typed "$heading"
shot 08-heading
keys Return Return  # Enter moves on to OK, which takes the next
wait_gone "$heading_dialog" "heading"

click_in "$dialog" 112 28  # copy
expect_clipboard 07-clipboard-agegroups "$heading" "Fremskrevne data" "2008  0..4" "2031  0..4" "Historiske data" "1901  0..4"
click_in "$dialog" 172 28  # close
wait_gone "$dialog" "age groups"

# --- the table to the clipboard and the printer -------------------------------------------

open_menu p
keys Down Return  # Tabel
copy_to_clipboard
expect_clipboard 09-clipboard-projection-2031 "$heading" "PROGNOSE  for året 2031" "Basisår: 2008" "I alt:"

pdf="$shots/09-projection-2031.pdf"
open_menu f
keys Return  # Udskriv
dialog=$(wait_window "Udskriv")  # the toolkit's print dialog, in Danish
focus "$dialog"
# The PDF file is the last printer the dialog lists ("&Navn"); the file name
# field has the access letter of "Output&fil".
keys alt+n End alt+f ctrl+a
typed "$pdf"
shot 09-print-dialog
keys Return
wait_gone "$dialog" "print dialog"
poll test -s "$pdf" || fail "no PDF file was printed"
poll pdftotext -q -layout "$pdf" "$shots/09-projection-2031.txt" || fail "the PDF cannot be read"
for s in "$heading" "PROGNOSE" "2031" "Basisår: 2008" "I alt:"; do
    grep -qF -- "$s" "$shots/09-projection-2031.txt" || fail "the printed PDF lacks '$s'"
done
step "PDF 09-projection-2031.pdf holds the heading and the 2031 table"

# --- lifetimes ------------------------------------------------------------------------------

open_menu l
keys Return  # Én person
typed 45
keys Return
typed m
keys Return Return  # on to OK, and OK
shot 10-lifetime-one-table
copy_to_clipboard
expect_clipboard 10-clipboard-lifetime-one "Levetidstabel" "Medianlevetid: 80 år."

open_menu l
keys Down Down Return  # Graf
settle
click_at 300 400
shot 11-lifetime-one-graph-cursor

open_menu l
keys Down Return  # To personer
typed 45
keys Return
typed m
keys Return
typed 70
keys Return
typed k
keys Return Return
shot 12-lifetime-two-table
copy_to_clipboard
expect_clipboard 12-clipboard-lifetime-two "Levetidstabel" "A: Mand" "B: Kvinde" "Chance for at A overlever B"

open_menu l
keys Down Down Return  # Graf
settle
click_at 300 400
shot 13-lifetime-two-graph-cursor

# --- censuses ---------------------------------------------------------------------------------

open_menu t
keys Return  # Inddata: the census-year chooser, a dialog without a title
dialog=$(wait_other_window "Folketællinger > Inddata")
focus "$dialog"
typed 1901  # a census year: the focus moves on to OK
shot 14-census-chooser
keys Return
wait_gone "$dialog" "census-year chooser"
shot 15-census-1901-table
copy_to_clipboard
expect_clipboard 15-clipboard-census-1901 "$heading" "Folketælling år: 1901" "I alt:"

open_menu t
keys Down Down Return  # Pyramide
shot 16-census-1901-pyramid

# "Historiske data" is the menu's last item: up from the first wraps to it.
# Each table is copied to see that the one chosen is the one shown.
n=0
for table in "middellevetid:Middellevetid for nyfødte" "doedelighed:Dødelighed for mænd" \
             "fertilitet:Fertilitet: Antal børn pr. kvinde"; do
    open_menu t
    keys Up Right
    for ((i = 0; i < n; i++)); do keys Down; done
    keys Return
    shot "17-historical-$n-${table%%:*}"
    copy_to_clipboard
    expect_clipboard "17-clipboard-historical-$n" "${table#*:}"
    n=$((n + 1))
done

# --- help -----------------------------------------------------------------------------------------

open_menu h
keys o  # &Om programmet
dialog=$(wait_other_window "Hjælp > Om programmet")
focus "$dialog"
shot 18-about
keys Return
wait_gone "$dialog" "About"

open_menu h
keys Return  # Vejledning
dialog=$(wait_window "  Vejledning")
focus "$dialog"
shot 19-guide
keys Return
wait_gone "$dialog" "guide"

# --- the end ----------------------------------------------------------------------------------------

open_menu f
keys a  # &Afslut
for ((i = 0; i < patience * 10; i++)); do
    program_running || break
    sleep 0.1
done
program_running && fail "the program did not end after Afslut"
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"

if [ -s "$work/program.log" ]; then
    echo "--- program output ---"
    cat "$work/program.log"
fi
step "done in $((SECONDS - started)) s; screenshots in $shots"
