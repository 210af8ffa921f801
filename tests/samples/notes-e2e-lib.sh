# Sourced by the Notes end-to-end scripts: the scratch folder, the clean-up
# and the display helpers they share. The script sets shots first, pid to the
# Notes it starts, and frame once it has found the frame window.

export WINEDEBUG=${WINEDEBUG:--all}
work=$(mktemp -d)
failures=0
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    # A test may leave files read-only.
    chmod -R u+w "$work" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
note() { echo "--- $*"; }
shot() { import -window root "$shots/$1.png"; }

# The system's own dialogs carry the titles of the locale's language: the
# test runs in English and in Japanese (as regular expressions).
save_as_title='(Save As|名前を付けて保存)'
error_title='(Error|エラー)'

# The frame's title names the front document and its change mark.
title() { xdotool getwindowname "$frame" 2>/dev/null; }
# Waits up to five seconds for the frame's title to be exactly $1.
title_is() {
    for _ in $(seq 50); do
        [ "$(title)" = "$1" ] && return 0
        sleep 0.1
    done
    return 1
}
expect_title() { title_is "$1" || fail "$2: the frame is titled [$(title)], expected [$1]"; }
# The visible top-level windows titled exactly $1.
windows() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null; }
# The window titled exactly $1, waited for up to five seconds.
find_window() {
    local found=""
    for _ in $(seq 50); do
        found=$(windows "$1" | head -1)
        [ -n "$found" ] && break
        sleep 0.1
    done
    echo "$found"
}
gone() {
    for _ in $(seq 50); do
        [ -z "$(windows "$1")" ] && return 0
        sleep 0.1
    done
    return 1
}
# The file's bytes, as printf writes them, against what is on disk.
expect_bytes() {
    local file=$1 expected=$2 why=$3
    printf "$expected" >"$work/expected"
    cmp -s "$work/expected" "$work/$file" ||
        fail "$why: $file holds [$(od -c "$work/$file" | head -3)], expected [$(od -c "$work/expected" | head -3)]"
}
key() { xdotool key "$@"; sleep 0.3; }
type_text() { xdotool type --delay 60 "$1"; sleep 0.3; }
# The X focus goes to the frame through its caption; the keys then reach the
# front document's text.
focus_frame() {
    eval "$(xdotool getwindowgeometry --shell "$frame")"
    xdotool mousemove $((X + 200)) $((Y + 8)) click 1
    sleep 0.3
}
# The content origin of a dialog-style window made for a content of W x H:
# Wine draws the frame of an unmanaged window itself, as wide on the left,
# right and bottom, with the caption on top; its client area is 2 pixels
# wider and taller than the content.
dialog_origin() {
    local w=$1 client_w=$(($2 + 2)) client_h=$(($3 + 2))
    eval "$(xdotool getwindowgeometry --shell "$w")"
    local border=$(((WIDTH - client_w) / 2))
    dx=$((X + border))
    dy=$((Y + HEIGHT - client_h - border))
}

# Starts Notes with the given arguments and waits for its frame; without a
# frame nothing after can be checked.
start_notes() {
    wine "$notes" "$@" &
    pid=$!
    frame=""
    for _ in $(seq 150); do
        frame=$(xdotool search --onlyvisible --name '^KEBO Notes' 2>/dev/null | head -1)
        [ -n "$frame" ] && break
        sleep 0.1
    done
    [ -n "$frame" ] || { fail "no frame titled KEBO Notes"; exit 1; }
}

# Ctrl+Q with nothing changed ends the program.
quit_with_ctrl_q() {
    key ctrl+q
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then
        fail "the program is still running after Ctrl+Q"
    else
        wait "$pid"
        pid=""
    fi
}

report_and_exit() {
    if [ "$failures" -gt 0 ]; then
        echo "$failures check(s) failed; screenshots in $shots"
        exit 1
    fi
    echo "all checks passed; screenshots in $shots"
    exit 0
}
