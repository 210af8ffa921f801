#!/usr/bin/env bash
# Reads the launcher and KEBO Notes as a screen reader does: the test client
# (acc_client, a separate process) asks the running program's windows for
# their accessible objects, and its output is compared with the tables in
# tests/views/access/ (one line per object: depth, role, name, value, states,
# and the place relative to the window's client area). It also presses
# Install through the default action and reads a Notes document's text.
#
#   access-e2e.sh CLIENT.exe LAUNCHER.exe DEMO_FOLDER NOTES.exe [OUT_FOLDER]
#
# Needs DISPLAY and WINEPREFIX of a running session (the test script's). The
# walks are kept in OUT_FOLDER for a look.
set -uo pipefail
client=$1
launcher=$2
demo=$3
notes=$4
out=${5:-$(dirname "$client")/access}
tables=$(cd "$(dirname "$0")/access" && pwd)
mkdir -p "$out"
# The launcher's runs time its splash: one at a time on this machine.
exec 9>"${TMPDIR:-/tmp}/kebo-launcher-e2e.lock"
flock 9
export HALCYRA_STANDIN_QUIET=1
export WINEDEBUG=${WINEDEBUG:--all}
source "$(dirname "$0")/../../scripts/wine-session.sh"
system_folder=$(wine_system_folder "$demo/tools/SystemFolder.exe") || {
    echo "FAILED: the system folder could not be asked of $demo/tools/SystemFolder.exe"; exit 1; }
work=$(mktemp -d)
failures=0
pid=""
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
note() { echo "--- $*"; }
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$work"
    rm -f "$system_folder/QuickTime.qts"
}
trap cleanup EXIT
stop() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; pid=""; sleep 0.5; }

acc() { wine "$client" "$@" 2>/dev/null | tr -d '\r'; }

# The walk with each place made relative to the first object's (the client
# area's) top left.
relative() {
    awk -F'\t' 'BEGIN { OFS = "\t" }
        NR == 1 { split($6, o, " ") }
        { split($6, p, " "); $6 = (p[1] - o[1]) " " (p[2] - o[2]) " " p[3] " " p[4]; print }'
}

# Compares a walk (file) with a table; on a difference shows both.
check_table() {
    local walk=$1 table=$2 why=$3
    relative <"$walk" >"$work/relative"
    cp "$work/relative" "$out/$(basename "$table")"
    if ! diff -u "$tables/$table" "$work/relative" >"$work/diff"; then
        fail "$why: the accessible tree differs from $table"
        cat "$work/diff"
    fi
}

launcher_title='Halcyra  International'

start_launcher() {
    rm -f "$demo/Halcyra/HalcyraSetup.args"
    (cd "$demo" && exec wine "$launcher") &
    pid=$!
}

# Waits (up to 12 seconds) for the main screen: Install no longer invisible.
walk_after_splash() {
    for _ in $(seq 40); do
        acc --title "$launcher_title" --wait 2 walk >"$work/walk"
        if grep -qP '^\d+\tpushbutton\tInstall\t\t' "$work/walk" &&
            ! grep -P '^\d+\tpushbutton\tInstall\t' "$work/walk" | grep -q invisible; then
            return 0
        fi
        sleep 0.3
    done
    return 1
}

note "the launcher after the splash: its views with the buttons' names"
echo stand-in >"$system_folder/QuickTime.qts"
start_launcher
acc --title "$launcher_title" --wait 10 walk >"$work/splash"
cp "$work/splash" "$out/launcher-splash.txt"
grep -P '^\d+\tpushbutton\tInstall\t' "$work/splash" | grep -q invisible ||
    fail "during the splash the Install button is not reported invisible"
if walk_after_splash; then
    check_table "$work/walk" launcher.txt "the launcher after the splash"
else
    fail "the Install button did not become visible to the client"
    cat "$work/walk"
fi

note "focus events: Tab and Shift+Tab move between the launcher's buttons"
acc --title "$launcher_title" listen 4 >"$work/tabs" &
listener=$!
sleep 1.2
screen=$(xdotool search --onlyvisible --name "^$launcher_title\$" 2>/dev/null | head -1)
if [ -n "$screen" ]; then
    # A click on the picture, away from the buttons, makes it the active window.
    eval "$(xdotool getwindowgeometry --shell "$screen")"
    xdotool mousemove $((X + 100)) $((Y + 100)) click 1
    sleep 0.3
    xdotool key Tab
    sleep 0.3
    xdotool key Tab
    sleep 0.3
    xdotool key shift+Tab
fi
wait "$listener"
cp "$work/tabs" "$out/launcher-tab-events.txt"
grep -oP '^focus\tpushbutton\t[^\t]*' "$work/tabs" | cut -f3 | tr '\n' ' ' >"$work/tab-order"
[ "$(cat "$work/tab-order")" = "Install Exit Install " ] ||
    { fail "Tab, Tab, Shift+Tab focused: $(cat "$work/tab-order")(expected Install Exit Install)"; cat "$work/tabs"; }

note "the default action of Install starts the product's installer"
acc --title "$launcher_title" press Install >"$work/press"
grep -q '^pressed Install$' "$work/press" || { fail "Install could not be pressed"; cat "$work/press"; }
for _ in $(seq 50); do [ -s "$demo/Halcyra/HalcyraSetup.args" ] && break; sleep 0.1; done
[ -s "$demo/Halcyra/HalcyraSetup.args" ] || fail "pressing Install through the client started no installer"
code=running
for _ in $(seq 100); do
    if ! kill -0 "$pid" 2>/dev/null; then wait "$pid"; code=$?; pid=""; break; fi
    sleep 0.1
done
[ "$code" = 0 ] || fail "after Install the launcher answered $code instead of ending with 0"
stop
rm -f "$system_folder/QuickTime.qts"

note "a Notes document: its text is the value of its editable text"
cd "$work" || exit 1
printf 'Gr\xc3\xbc\xc3\x9fe\nline two\n' >doc.txt
wine "$notes" doc.txt &
pid=$!
acc --title 'doc.txt (UTF-8)' --wait 15 walk >"$work/notes"
cp "$work/notes" "$out/notes-walk.txt"
check_table "$work/notes" notes.txt "a Notes document"

note "focus events: a new document's text view takes the focus"
acc --title 'doc.txt (UTF-8)' listen 4 >"$work/events" &
listener=$!
sleep 1.5
frame=$(xdotool search --onlyvisible --name '^KEBO Notes' 2>/dev/null | head -1)
if [ -n "$frame" ]; then
    eval "$(xdotool getwindowgeometry --shell "$frame")"
    xdotool mousemove $((X + 200)) $((Y + 8)) click 1
    sleep 0.3
    xdotool key ctrl+n
fi
wait "$listener"
cp "$work/events" "$out/notes-events.txt"
grep -qP '^focus\ttext\t' "$work/events" || { fail "no focus event for a text view"; cat "$work/events"; }
stop

[ "$failures" -eq 0 ] && echo "all accessibility checks passed"
exit $((failures > 0))
