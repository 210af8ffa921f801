#!/usr/bin/env bash
# Drives KEBO Notes in the test display around its questions and its
# quitting: keys and closes that come while a document's question is up, a
# quit from DDE, the frame's close and the session's end while a question or
# the Save As dialog is up, a log-off answered with Cancel and with Don't
# Save, Save As onto a file open in another window, and a second start whose
# file the running instance cannot open. The helper program (notes_poke)
# sends what the system and other programs send.
#
#   notes-quit-e2e.sh NOTES.exe NOTES_POKE.exe [SHOT_FOLDER]
#
# Needs DISPLAY and WINEPREFIX of a running session (the test script's).
set -uo pipefail
notes=$1
poke_exe=$2
shots=${3:-$(dirname "$notes")/screenshots}
mkdir -p "$shots"
source "$(dirname "$0")/notes-e2e-lib.sh"
count() { windows "$1" | wc -l; }
# Stays true while no second window titled $1 comes within two seconds.
stays_single() {
    for _ in $(seq 20); do
        [ "$(count "$1")" -gt 1 ] && return 1
        sleep 0.1
    done
    return 0
}
# A click on the caption of window $1 makes it the active one (the test
# display has no window manager to ask).
activate() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + 40)) $((Y + 8)) click 1
    sleep 0.3
}
# Answers every question titled $1 still up with Escape (after a failure).
dismiss_all() {
    for _ in $(seq 5); do
        [ -z "$(windows "$1")" ] && return
        activate "$(windows "$1" | head -1)"
        xdotool key Escape
        sleep 0.5
    done
}
dont_save() {
    dialog_origin "$1" 380 118
    xdotool mousemove $((dx + 212)) $((dy + 95)) click 1
}
# The helper, its one line of output without the console's CR.
poke() { timeout 150 wine "$poke_exe" "$@" 2>/dev/null | tr -d '\r'; }
# The helper in the background, its line in $work/$1 once it ends.
poke_async() {
    local out=$1
    shift
    rm -f "$work/$out" "$work/$out.done"
    (poke "$@" >"$work/$out"; touch "$work/$out.done") &
}
# Waits up to $2 seconds for the background helper's line.
poke_result() {
    for _ in $(seq $(($2 * 10))); do
        [ -e "$work/$1.done" ] && { cat "$work/$1"; return 0; }
        sleep 0.1
    done
    echo "(no answer yet)"
}

cd "$work" || exit 1
printf 'alpha\r\n' >a.txt
printf 'text\000with a zero byte\n' >zero.dat

note "the program with one document"
start_notes a.txt
expect_title "KEBO Notes - a.txt (UTF-8)" "the file from the command line"
focus_frame
key Home
type_text "W"
expect_title "KEBO Notes - a.txt (UTF-8) *" "after typing"

note "Ctrl+F4, a close from outside and the frame's close while the question is up"
key ctrl+w
ask=$(find_window "Save Changes")
[ -n "$ask" ] || fail "no Save Changes question for Ctrl+W"
key ctrl+F4
stays_single "Save Changes" || fail "Ctrl+F4 in the question asked about the document a second time"
[ "$(poke close "a.txt (UTF-8) *")" = posted ] || fail "the helper found no document window titled a.txt *"
stays_single "Save Changes" || fail "a close from outside asked about the document a second time"
poke close "KEBO Notes - a.txt (UTF-8) *" >/dev/null
stays_single "Save Changes" || fail "the frame's close during the question asked again"
shot notes-quit-one-question
key Escape
gone "Save Changes" || { fail "Cancel did not end the question"; dismiss_all "Save Changes"; }
kill -0 "$pid" 2>/dev/null || { fail "the program ended"; exit 1; }
expect_title "KEBO Notes - a.txt (UTF-8) *" "after Cancel, the document stays changed"

note "DDE exit while the question is up is refused, and no document is left marked to drop its changes"
key ctrl+w
ask=$(find_window "Save Changes")
[ -n "$ask" ] || fail "no Save Changes question for the second Ctrl+W"
poke_async exit1 dde-exit
answer=$(poke_result exit1 20)
[ "$answer" = nack ] || fail "DDE exit during the question was answered [$answer], expected nack"
stays_single "Save Changes" || fail "DDE exit during the question asked again"
if [ "$(count "Save Changes")" -gt 1 ]; then
    # What the old behaviour did: Don't Save in the inner question.
    dont_save "$(windows "Save Changes" | tail -1)"
    sleep 1
fi
dismiss_all "Save Changes"
kill -0 "$pid" 2>/dev/null || { fail "the program ended after DDE exit during a question"; exit 1; }
expect_title "KEBO Notes - a.txt (UTF-8) *" "after the refused exit"
key ctrl+w
ask=$(find_window "Save Changes")
[ -n "$ask" ] || fail "the changed document closed without asking after a quit that did not happen"
dismiss_all "Save Changes"
expect_bytes a.txt 'alpha\r\n' "the refused quits"

note "DDE exit and the session's end while a new document's Save As is up"
key ctrl+n
expect_title "KEBO Notes - Untitled 1 (UTF-8)" "Ctrl+N"
type_text "new"
key ctrl+s
save_as=$(find_window "$save_as_title")
if [ -n "$save_as" ]; then
    poke_async exit2 dde-exit
    answer=$(poke_result exit2 20)
    [ "$answer" = nack ] || fail "DDE exit during Save As was answered [$answer], expected nack"
    sleep 1; [ -z "$(windows "Save Changes")" ] || fail "DDE exit during Save As asked about a document"
    dismiss_all "Save Changes"
    answer=$(poke query-end-session)
    [ "$answer" = "answer 0" ] || fail "the session's end during Save As was answered [$answer], expected answer 0"
    dismiss_all "Save Changes"
    sleep 0.5
    activate "$save_as"
    key End
    key shift+Home
    type_text "$(winepath -w "$work/new.txt" 2>/dev/null)"
    key Return
    gone "$save_as_title" || fail "the Save As dialog stayed"
    expect_title "KEBO Notes - new.txt (UTF-8)" "after Save As"
    expect_bytes new.txt 'new' "Save As after the refused quits"
else
    fail "Ctrl+S of a new document showed no Save As dialog"
fi

note "Save As onto a file open in another window is refused"
type_text "N"
expect_title "KEBO Notes - new.txt (UTF-8) *" "after typing in new.txt"
key alt+f
key a
save_as=$(find_window "$save_as_title")
if [ -n "$save_as" ]; then
    sleep 0.5
    key End
    key shift+Home
    type_text "$(winepath -w "$work/a.txt" 2>/dev/null)"
    key Return
    # The system asks whether to replace the existing file first (Wine's
    # question has no title of its own: "Error" or the dialog's).
    for _ in $(seq 50); do
        [ -n "$(windows "Cannot Save")" ] && break
        prompt=$(windows "$error_title" | head -1)
        [ -z "$prompt" ] && [ "$(count "$save_as_title")" -gt 1 ] && prompt=$(windows "$save_as_title" | tail -1)
        [ -n "$prompt" ] && { activate "$prompt"; key Return; break; }
        sleep 0.1
    done
    alert=$(find_window "Cannot Save")
    [ -n "$alert" ] || fail "no alert for Save As onto a file open in another window"
    shot notes-save-as-open-file
    key Return
    gone "Cannot Save" || fail "OK did not end the alert"
    gone "$save_as_title" || { fail "the Save As dialog stayed"; key Escape; }
    expect_bytes a.txt 'alpha\r\n' "Save As onto the open a.txt"
    expect_title "KEBO Notes - new.txt (UTF-8) *" "new.txt keeps its name and its changes"
else
    fail "File, Save As showed no dialog"
fi

note "a second start whose file the running instance cannot open says so"
timeout 60 wine "$notes" zero.dat &
second=$!
alert=$(find_window "Cannot Open")
if [ -n "$alert" ]; then
    key Return
    # The running instance's alert goes; then the second start's own.
    own=""
    for _ in $(seq 100); do
        own=$(windows "Cannot Open" | head -1)
        [ -n "$own" ] && [ "$own" != "$alert" ] && break
        own=""
        sleep 0.1
    done
    [ -n "$own" ] || fail "the second start showed no alert of its own"
    shot notes-second-start-not-opened
    [ -n "$own" ] && activate "$own" && key Return
else
    fail "no Cannot Open alert for a file with a zero byte"
fi
wait "$second"
code=$?
[ "$code" != 0 ] || fail "the second start ended with 0 although the file was not opened"
[ "$code" != 124 ] || fail "the second start did not end"
dismiss_all "Cannot Open"

note "a log-off answered with Cancel keeps the session and the documents"
focus_frame
poke_async end1 query-end-session
ask=$(find_window "Save Changes")
[ -n "$ask" ] || fail "the session's end asked nothing although documents are changed"
key Escape
answer=$(poke_result end1 20)
[ "$answer" = "answer 0" ] || fail "Cancel answered the session's end with [$answer], expected answer 0"
dismiss_all "Save Changes"
kill -0 "$pid" 2>/dev/null || { fail "the program ended after Cancel"; exit 1; }

note "when the session ends all the same, nothing more is asked"
[ "$(poke end-session)" = sent ] || fail "the helper could not send the session's end"
for _ in $(seq 20); do
    [ -n "$(windows "Save Changes")" ] && break
    sleep 0.1
done
[ -z "$(windows "Save Changes")" ] || fail "the session's end asked a question"
dismiss_all "Save Changes"

note "a log-off answered with Don't Save lets the session end and ends the program"
focus_frame
poke_async end2 query-end-session
for round in 1 2; do
    ask=$(find_window "Save Changes")
    [ -n "$ask" ] || break
    dont_save "$ask"
    for _ in $(seq 50); do
        [ "$(windows "Save Changes" | head -1)" != "$ask" ] && break
        sleep 0.1
    done
done
answer=$(poke_result end2 20)
[ "$answer" = "answer 1" ] || fail "Don't Save answered the session's end with [$answer], expected answer 1"
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program still runs after the session's end was agreed"
expect_bytes a.txt 'alpha\r\n' "Don't Save"
ls "$work" | grep -qi '\.tmp$' && fail "a temporary file was left beside the documents"

report_and_exit
