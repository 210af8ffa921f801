#!/usr/bin/env bash
# Drives KEBO Notes in the test display with text in other scripts: Greek,
# Japanese, an emoji of the Basic Multilingual Plane and one outside it typed
# into a new document, Backspace over each kind and Delete over one, the
# arrow keys across them with ASCII letters typed between, and the document
# saved under a name, its bytes compared exactly. Then the clipboard with
# another program (the helper program): its text pasted into a new document
# and saved, and Notes' whole text copied and read back by the helper.
#
#   notes-typing-e2e.sh NOTES.exe NOTES_TEXT.exe [SHOT_FOLDER]
#
# Needs DISPLAY and WINEPREFIX of a running session (the test script's).
set -uo pipefail
notes=$1
text_exe=$2
shots=${3:-$(dirname "$notes")/screenshots}
mkdir -p "$shots"
source "$(dirname "$0")/notes-e2e-lib.sh"

# The helper, its one line of output without the console's CR.
helper() { timeout 60 wine "$text_exe" "$@" 2>/dev/null | tr -d '\r'; }
# Characters as the system delivers typed ones, WM_CHAR by WM_CHAR, UTF-16
# units (a surrogate pair as two messages). xdotool's Unicode typing remaps
# a spare key code to each character in turn, and Wine now and then reads a
# key press before the new mapping: a character is lost now and then.
type_chars() {
    printf '%s' "$1" >"$work/chars.txt"
    local said
    said=$(helper type chars.txt)
    case $said in posted*) ;; *) fail "the helper could not type [$1]: $said" ;; esac
    sleep 0.5
}
# Saves the front document, a new one, under $1 in the scratch folder.
save_as() {
    key ctrl+s
    local dialog
    dialog=$(find_window "$save_as_title")
    if [ -z "$dialog" ]; then
        fail "no Save As dialog for $1"
        return
    fi
    sleep 0.5
    key End
    key shift+Home
    type_text "$(winepath -w "$work/$1" 2>/dev/null)"
    key Return
    gone "$save_as_title" || fail "the Save As dialog stayed for $1"
    expect_title "KEBO Notes - $1 (UTF-8)" "after saving $1"
}

cd "$work" || exit 1

note "a new document at the start"
start_notes
expect_title "KEBO Notes - Untitled 1 (UTF-8)" "the new document"
focus_frame

note "Greek, Japanese and emoji typed, Backspace over each kind"
type_chars "Ωμέγα"
expect_title "KEBO Notes - Untitled 1 (UTF-8) *" "after typing Greek"
key BackSpace                   # α, two bytes
type_chars " 日本語"
key BackSpace                   # 語, three bytes
type_chars " ☕😀"
key BackSpace                   # 😀, a surrogate pair, four bytes
key BackSpace                   # ☕, three bytes
type_chars "☕😀"
# Ωμέγ 日本 ☕😀
note "the arrow keys step over whole characters"
key Left                        # before 😀
type_text "a"
key Left Left                   # before ☕
type_text "b"
key Home Right Right            # after Ωμ
type_text "c"
key Right Right Right Right     # after έγ 日
type_text "d"
# Delete removes the character before the caret, as Backspace does.
key End Delete                  # 😀, four bytes
type_chars "😀"
key Left Right                  # back over 😀, to the end
type_text "e"
shot notes-typing
expected='\xce\xa9\xce\xbcc\xce\xad\xce\xb3 \xe6\x97\xa5d\xe6\x9c\xac b\xe2\x98\x95a\xf0\x9f\x98\x80e'
save_as typed.txt
expect_bytes typed.txt "$expected" "the typed document"

note "text another program put on the clipboard, pasted and saved"
printf 'na\xc3\xafve \xe2\x98\x95 \xce\xa9mega \xe6\x97\xa5\xe6\x9c\xac' >clip-in.txt
said=$(helper put clip-in.txt)
[ "$said" = "put 16" ] || fail "the helper could not fill the clipboard: $said"
key ctrl+n
expect_title "KEBO Notes - Untitled 2 (UTF-8)" "Ctrl+N"
key ctrl+v
expect_title "KEBO Notes - Untitled 2 (UTF-8) *" "after Ctrl+V"
save_as pasted.txt
expect_bytes pasted.txt 'na\xc3\xafve \xe2\x98\x95 \xce\xa9mega \xe6\x97\xa5\xe6\x9c\xac' "the pasted document"

note "the typed document's whole text, copied, read by another program"
key ctrl+F6
expect_title "KEBO Notes - typed.txt (UTF-8)" "Ctrl+F6"
key ctrl+a
key ctrl+c
said=$(helper get clip-out.txt)
[ "$said" = "got 16" ] || fail "the helper could not read the clipboard: $said"
printf "$expected" >expected-clip
cmp -s expected-clip clip-out.txt ||
    fail "the copied text: the clipboard holds [$(od -c clip-out.txt | head -3)], expected [$(od -c expected-clip | head -3)]"

note "Ctrl+Q ends the program, nothing being changed"
quit_with_ctrl_q

report_and_exit
