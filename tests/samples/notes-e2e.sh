#!/usr/bin/env bash
# Drives KEBO Notes in the test display with xdotool: documents from the
# command line, typing and saving with the accelerator (the bytes on disk
# compared), one level of undo, closing a changed document (Cancel, then
# Don't Save), a save into a read-only file, a file the text engine cannot
# hold, a second start handing its file to the first instance, and the
# Control Gallery's controls answering clicks.
#
#   notes-e2e.sh NOTES.exe [SHOT_FOLDER]
#
# Needs DISPLAY and WINEPREFIX of a running session (the test script's).
set -uo pipefail
notes=$1
shots=${2:-$(dirname "$notes")/screenshots}
mkdir -p "$shots"
source "$(dirname "$0")/notes-e2e-lib.sh"

cd "$work" || exit 1
printf 'alpha\r\nbeta\r\n' >a.txt
printf 'one\ntwo\n' >b.txt
printf 'read\r\nonly\r\n' >ro.txt
printf 'text\000with a zero byte\n' >zero.dat
chmod a-w ro.txt

note "two files from the command line, each in its own window"
start_notes a.txt b.txt
expect_title "KEBO Notes - b.txt (UTF-8)" "the last file opened is in front"

note "typing marks the document changed; Ctrl+S saves its LF lines as LF"
focus_frame
key Home
type_text "Z"
expect_title "KEBO Notes - b.txt (UTF-8) *" "after typing"
key ctrl+s
expect_title "KEBO Notes - b.txt (UTF-8)" "after Ctrl+S"
expect_bytes b.txt 'Zone\ntwo\n' "Ctrl+S"
ls "$work" | grep -qi '\.tmp$' && fail "a temporary file was left beside the document"

note "the CR LF document: a new line is saved as CR LF"
key ctrl+F6
expect_title "KEBO Notes - a.txt (UTF-8)" "Ctrl+F6"
key Home
type_text "X"
key Return
key ctrl+s
expect_title "KEBO Notes - a.txt (UTF-8)" "after Ctrl+S"
expect_bytes a.txt 'X\r\nalpha\r\nbeta\r\n' "Ctrl+S of the CR LF file"

note "undo takes back the last change"
type_text "Q"
key ctrl+z
key ctrl+s
expect_bytes a.txt 'X\r\nalpha\r\nbeta\r\n' "Ctrl+Z and Ctrl+S"

note "closing a changed document: Cancel keeps it open and changed"
type_text "W"
expect_title "KEBO Notes - a.txt (UTF-8) *" "after typing W"
key ctrl+w
ask=$(find_window "Save Changes")
[ -n "$ask" ] || fail "no Save Changes question when a changed document closes"
shot notes-ask-save
key Escape
gone "Save Changes" || fail "Cancel did not end the question"
expect_title "KEBO Notes - a.txt (UTF-8) *" "after Cancel"
expect_bytes a.txt 'X\r\nalpha\r\nbeta\r\n' "Cancel"

note "Don't Save closes it and leaves the file as it was"
key ctrl+w
ask=$(find_window "Save Changes")
if [ -n "$ask" ]; then
    dialog_origin "$ask" 380 118
    xdotool mousemove $((dx + 212)) $((dy + 95)) click 1
    gone "Save Changes" || fail "Don't Save did not end the question"
else
    fail "no Save Changes question the second time"
fi
expect_title "KEBO Notes - b.txt (UTF-8)" "after Don't Save"
expect_bytes a.txt 'X\r\nalpha\r\nbeta\r\n' "Don't Save"

note "a second start hands its file to the running instance and ends"
start=$(date +%s)
timeout 60 wine "$notes" ro.txt
code=$?
[ "$code" = 0 ] || fail "the second start ended with $code"
[ $(($(date +%s) - start)) -lt 30 ] || fail "the second start took $(($(date +%s) - start)) s"
expect_title "KEBO Notes - ro.txt (UTF-8)" "the handed file"
[ "$(xdotool search --onlyvisible --name '^KEBO Notes' 2>/dev/null | wc -l)" = 1 ] ||
    fail "a second frame is on the screen"

note "saving into a read-only file shows an alert and loses nothing"
focus_frame
key Home
type_text "R"
key ctrl+s
alert=$(find_window "Cannot Save")
[ -n "$alert" ] || fail "no Cannot Save alert for the read-only file"
shot notes-cannot-save
key Return
gone "Cannot Save" || fail "OK did not end the alert"
expect_title "KEBO Notes - ro.txt (UTF-8) *" "after the failed save"
expect_bytes ro.txt 'read\r\nonly\r\n' "the failed save"
ls "$work" | grep -qi '\.tmp$' && fail "the failed save left a temporary file"

note "a file the text engine cannot hold is refused, and nothing changes"
timeout 60 wine "$notes" zero.dat &
second=$!
alert=$(find_window "Cannot Open")
[ -n "$alert" ] || fail "no Cannot Open alert for a file with a zero byte"
shot notes-cannot-open
key Return
# The second start then says on its own that the file was not opened.
own=""
for _ in $(seq 100); do
    own=$(xdotool search --onlyvisible --name '^Cannot Open$' 2>/dev/null | grep -vx "$alert" | head -1)
    [ -n "$own" ] && break
    sleep 0.1
done
if [ -n "$own" ]; then
    eval "$(xdotool getwindowgeometry --shell "$own")"
    xdotool mousemove $((X + 40)) $((Y + 8)) click 1
    key Return
fi
gone "Cannot Open" || fail "OK did not end the alerts"
wait "$second"
expect_title "KEBO Notes - ro.txt (UTF-8) *" "after the refused file"

note "a new document is saved through the system's Save As dialog"
key ctrl+n
expect_title "KEBO Notes - Untitled 1 (UTF-8)" "Ctrl+N"
type_text "new"
key ctrl+s
save_as=$(find_window "$save_as_title")
if [ -n "$save_as" ]; then
    sleep 0.5
    key End
    key shift+Home
    type_text "$(winepath -w "$work/new.txt" 2>/dev/null)"
    key Return
    gone "$save_as_title" || fail "the Save As dialog stayed"
    expect_title "KEBO Notes - new.txt (UTF-8)" "after Save As"
    expect_bytes new.txt 'new' "Save As"
else
    fail "Ctrl+S of a new document showed no Save As dialog"
fi

note "About shows the version from the version resource"
key alt+h
key a
about=$(find_window "About KEBO Notes")
[ -n "$about" ] || fail "Help, About showed no About window"
shot notes-about
key Return
gone "About KEBO Notes" || fail "OK did not end About"

note "quitting with a changed document asks first; Cancel keeps everything"
key ctrl+q
ask=$(find_window "Save Changes")
[ -n "$ask" ] || fail "Ctrl+Q with a changed document asked nothing"
key Escape
gone "Save Changes" || fail "Cancel did not end the question"
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "the program ended although quitting was cancelled"
# The document asked about comes to the front; the others are all still there.
expect_title "KEBO Notes - ro.txt (UTF-8) *" "the cancelled quit"
seen=""
for _ in 1 2 3; do
    key ctrl+F6
    seen="$seen[$(title)]"
done
for name in b.txt new.txt; do
    case $seen in *"[KEBO Notes - $name (UTF-8)]"*) ;; *) fail "$name is gone after the cancelled quit ($seen)" ;; esac
done
expect_bytes ro.txt 'read\r\nonly\r\n' "the cancelled quit"

note "the Control Gallery"
focus_frame
key alt+w
key g
expect_title "KEBO Notes - Control Gallery" "Window, Control Gallery"
sleep 1
shot notes-gallery
# The gallery's picture sits in its scroll view, whose content starts at
# (190, 168) of the window plus the view's frame. Its first row, the
# darkest blue of the gradient, is found on the screen; the controls are
# placed from there.
convert "$shots/notes-gallery.png" -depth 8 txt:- >"$work/screen.txt"
corner=$(convert "$(dirname "$0")/../../samples/notes/art/GalleryPicture.bmp" -crop 1x1+0+0 -depth 8 txt:- |
    grep -o '#[0-9A-F]\{6\}' | head -1)
origin=$(grep -m1 " $corner" "$work/screen.txt" | cut -d: -f1)
if [ -z "$origin" ]; then
    fail "the gallery's picture is not on the screen"
else
    gx=$((${origin%,*} - 191)) gy=$((${origin#*,} - 169))
    # The number of pixels of an area of the gallery (x y w h) that changed
    # between two screenshots; nothing there blinks, so a still area gives 0.
    changed() {
        convert "$shots/$1.png" -crop "$5x$6+$((gx + $3))+$((gy + $4))" +repage "$work/a.png"
        convert "$shots/$2.png" -crop "$5x$6+$((gx + $3))+$((gy + $4))" +repage "$work/b.png"
        compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1 | awk '{ printf "%d", $1 }'
    }
    click() { xdotool mousemove $((gx + $1)) $((gy + $2)) click 1; sleep 0.5; }
    reacts() {
        local name=$1 x=$2 y=$3 w=$4 h=$5 why=$6
        shot "gallery-before-$name"
        shift 6
        "$@"
        sleep 0.5
        shot "gallery-after-$name"
        [ "$(changed "gallery-before-$name" "gallery-after-$name" "$x" "$y" "$w" "$h")" -gt 2 ] ||
            fail "the gallery: $why"
    }
    reacts push 150 22 200 18 "the push button's text did not change" click 76 29
    reacts check 334 56 200 18 "the check box did not enable the pop-up" click 24 64
    reacts bar 360 90 60 18 "the scroll bar's value did not show" click 250 98
    reacts list 190 124 300 18 "the list's selection did not show" click 60 134
fi

report_and_exit
