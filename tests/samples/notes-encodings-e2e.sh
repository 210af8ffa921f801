#!/usr/bin/env bash
# Drives KEBO Notes in the test display on files in every encoding it reads,
# in a folder named in Japanese: each opens with its encoding in the title,
# an edit saves in the file's own encoding (byte order mark and line ends
# kept), and the same through a second start's hand-off. Also a document in
# four scripts, screenshot for a look, and the neighbour of a name in another
# script left alone.
#
#   notes-encodings-e2e.sh NOTES.exe [SHOT_FOLDER]
#
# Needs DISPLAY and WINEPREFIX of a running session (the test script's).
set -uo pipefail
notes=$1
shots=${2:-$(dirname "$notes")/screenshots}
mkdir -p "$shots"
source "$(dirname "$0")/notes-e2e-lib.sh"

folder="日本語のメモ"
mkdir -p "$work/$folder"
cd "$work/$folder" || exit 1
# Each file: its name, its bytes (printf), its encoding's name, and its bytes
# after X is typed at the start of its text.
printf 'caf\xc3\xa9 \xe2\x98\x95\r\n' >u8.txt
printf '\xef\xbb\xbf\xce\xa9mega\n' >bom.txt
printf '\xff\xfe\xe5\x65\x2c\x67\r\x00\n\x00' >le.txt
printf '\xfe\xff\x04\x16\x00\r' >be.txt
printf 'caf\xe9\r\n' >ansi.txt
cases=(
    "u8.txt|UTF-8|X"'caf\xc3\xa9 \xe2\x98\x95\r\n'
    "bom.txt|UTF-8 BOM|"'\xef\xbb\xbfX\xce\xa9mega\n'
    "le.txt|UTF-16 LE|"'\xff\xfeX\x00\xe5\x65\x2c\x67\r\x00\n\x00'
    "be.txt|UTF-16 BE|"'\xfe\xff\x00X\x04\x16\x00\r'
)
# The ANSI file only where the code page is the Western one its bytes are in.
acp=$(wine reg query 'HKLM\System\CurrentControlSet\Control\Nls\CodePage' /v ACP 2>/dev/null |
    tr -d '\r' | awk '/ACP/ { print $NF }')
[ "$acp" = 1252 ] && cases+=("ansi.txt|ANSI|"'Xcaf\xe9\r\n')

note "the files from the command line, from a folder named in Japanese"
names=()
for c in "${cases[@]}"; do names+=("${c%%|*}"); done
start_notes "${names[@]}"
last=${cases[${#cases[@]}-1]}
IFS='|' read -r name encoding _ <<<"$last"
expect_title "KEBO Notes - $name ($encoding)" "the last file opened is in front"

note "each file, edited and saved, keeps its encoding, byte order mark and line ends"
focus_frame
for (( i=${#cases[@]}-1; i>=0; i-- )); do
    IFS='|' read -r name encoding bytes <<<"${cases[$i]}"
    expect_title "KEBO Notes - $name ($encoding)" "$name in front"
    key ctrl+Home
    type_text "X"
    expect_title "KEBO Notes - $name ($encoding) *" "$name after typing"
    key ctrl+s
    expect_title "KEBO Notes - $name ($encoding)" "$name after Ctrl+S"
    expect_bytes "$folder/$name" "$bytes" "$name saved"
    key ctrl+w
done

# In Japanese (code page 932) a lead byte without its trail byte is no
# character: it reads as U+FFFD, which the code page cannot hold, so saving
# asks first: Cancel writes nothing, Save as UTF-8 writes UTF-8.
if [ "$acp" = 932 ]; then
    note "saving what the code page cannot hold asks, and never writes a question mark"
    printf 'a\x81\r\n' >lone.txt
    timeout 60 wine "$notes" lone.txt
    expect_title "KEBO Notes - lone.txt (ANSI)" "the file with a lone lead byte"
    focus_frame
    key ctrl+Home
    type_text "X"
    key ctrl+s
    ask=$(find_window "Save in UTF-8")
    [ -n "$ask" ] || fail "no question before saving a character the code page cannot hold"
    shot notes-ask-encoding
    key Escape
    gone "Save in UTF-8" || fail "Cancel did not end the question"
    expect_title "KEBO Notes - lone.txt (ANSI) *" "after Cancel"
    expect_bytes "$folder/lone.txt" 'a\x81\r\n' "Cancel"
    key ctrl+s
    ask=$(find_window "Save in UTF-8")
    [ -n "$ask" ] || fail "no question at the second save"
    key Return
    gone "Save in UTF-8" || fail "Save as UTF-8 did not end the question"
    expect_title "KEBO Notes - lone.txt (UTF-8)" "after Save as UTF-8"
    expect_bytes "$folder/lone.txt" 'Xa\xef\xbf\xbd\r\n' "Save as UTF-8"
    key ctrl+w
fi

note "a second start from the same folder hands its file over by its full path"
printf '\xff\xfeh\x00i\x00' >again.txt
timeout 60 wine "$notes" again.txt
code=$?
[ "$code" = 0 ] || fail "the second start ended with $code"
expect_title "KEBO Notes - again.txt (UTF-16 LE)" "the handed file"
focus_frame
key ctrl+End
type_text "!"
key ctrl+s
expect_bytes "$folder/again.txt" '\xff\xfeh\x00i\x00!\x00' "the handed file saved"
key ctrl+w

note "a document in four scripts"
printf 'Latin: caf\xc3\xa9 na\xc3\xafve\r\nGreek: \xce\xa9\xce\xbc\xce\xad\xce\xb3\xce\xb1\r\nCyrillic: \xd0\x96\xd1\x83\xd1\x80\xd0\xbd\xd0\xb0\xd0\xbb\r\nJapanese: \xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e\xe3\x81\xae\xe3\x83\xa1\xe3\x83\xa2\r\n' >scripts.txt
timeout 60 wine "$notes" scripts.txt
expect_title "KEBO Notes - scripts.txt (UTF-8)" "the document in four scripts"
sleep 1
shot notes-four-scripts

note "Ctrl+Q ends the program, nothing being changed"
focus_frame
quit_with_ctrl_q

report_and_exit
