#!/usr/bin/env bash
# Reads the launcher, its QuickTime offer, KEBO Notes and the Control Gallery
# as a screen reader does: the test client (acc_client, a separate process)
# asks the running program's windows for their accessible objects, and its
# output is compared with the tables in tests/views/access/ (one line per
# object: depth, role, name, value, states, and the place relative to the
# window's client area). It also presses Install through the default action,
# reads a Notes document's text and listens for focus and selection events.
#
#   access-e2e.sh CLIENT.exe LAUNCHER.exe DEMO_FOLDER NOTES.exe GALLERY.exe [OUT_FOLDER]
#
# Needs DISPLAY and WINEPREFIX of a running session (the test script's). The
# walks are kept in OUT_FOLDER for a look, with the trees a reader reads
# (launcher-tree.txt, offer-tree.txt, gallery-tree.txt).
set -uo pipefail
client=$1
launcher=$2
demo=$3
notes=$4
gallery=$5
out=${6:-$(dirname "$client")/access}
tables=$(cd "$(dirname "$0")/access" && pwd)
mkdir -p "$out"
source "$(dirname "$0")/../app/launcher-e2e-lib.sh"
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
    acc --title "$launcher_title" --dump walk >"$out/launcher-tree.txt"
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

note "Notes' tool bar: its strip reads as a tool bar, its buttons named by their tips"
acc --title 'MyToolbar' --wait 5 walk >"$work/toolbar"
cp "$work/toolbar" "$out/notes-toolbar-walk.txt"
check_table "$work/toolbar" notes-toolbar.txt "Notes' tool bar"

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

# Tab, Tab, Shift+Tab in the window $1 (after a click at its client's top
# left + 100,100, away from any button); the focus events' names in order
# land in $work/tab-order, the events in $2.
tab_events() {
    local target=$1 events=$2 origin
    origin=$(head -1 "$work/target-walk" | cut -f6)
    acc "${target_args[@]}" listen 4 >"$events" &
    local listener=$!
    sleep 1.2
    if [ -n "$origin" ]; then
        set -- $origin
        xdotool mousemove $(($1 + 100)) $(($2 + 100)) click 1
        sleep 0.8
        xdotool key Tab
        sleep 0.3
        xdotool key Tab
        sleep 0.3
        xdotool key shift+Tab
    fi
    wait "$listener"
    grep -oP '^focus\tpushbutton\t[^\t]*' "$events" | cut -f3 | tr '\n' '|' >"$work/tab-order"
}

note "the QuickTime offer: a second window of the same title, read by its buttons"
rm -f "$system_folder/QuickTime.qts"
start_launcher
if walk_after_splash; then
    acc --title "$launcher_title" press Install >"$work/press"
    target_args=(--title "$launcher_title" --with "Install QuickTime")
    acc "${target_args[@]}" --wait 10 walk >"$work/target-walk"
    cp "$work/target-walk" "$out/offer-walk.txt"
    if grep -qP '^\d+\tpushbutton\tInstall QuickTime\t' "$work/target-walk"; then
        check_table "$work/target-walk" offer.txt "the QuickTime offer"
        acc "${target_args[@]}" --dump walk >"$out/offer-tree.txt"
        note "focus events: Tab and Shift+Tab move between the offer's buttons"
        tab_events offer "$work/offer-tabs"
        cp "$work/offer-tabs" "$out/offer-tab-events.txt"
        [ "$(cat "$work/tab-order")" = "Install QuickTime|Close|Install QuickTime|" ] ||
            { fail "in the offer Tab, Tab, Shift+Tab focused: $(cat "$work/tab-order")"; cat "$work/offer-tabs"; }
    else
        fail "Install opened no window with an Install QuickTime button"
        cat "$work/target-walk"
    fi
else
    fail "the launcher's main screen did not come for the offer"
fi
stop

note "the Control Gallery: every control's role, name, value, states and place"
(cd "$work" && exec wine "$gallery") &
pid=$!
target_args=(--title 'Control Gallery')
acc "${target_args[@]}" --wait 15 walk >"$work/target-walk"
cp "$work/target-walk" "$out/gallery-walk.txt"
check_table "$work/target-walk" gallery.txt "the Control Gallery"
acc "${target_args[@]}" --dump walk >"$out/gallery-tree.txt"

note "a click on a list's line raises a selection event that names the line"
banana=$(grep -P '^\d+\tlistitem\tBanana\t' "$work/target-walk" | head -1 | cut -f6)
if [ -n "$banana" ]; then
    acc "${target_args[@]}" listen 3 >"$work/selection" &
    listener=$!
    sleep 1.2
    set -- $banana
    xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)) click 1
    wait "$listener"
    cp "$work/selection" "$out/gallery-selection-events.txt"
    grep -qP '^selection\tlistitem\tBanana\t\t[^\t]*selected' "$work/selection" ||
        { fail "no selection event naming the line Banana"; cat "$work/selection"; }
else
    fail "the gallery's list has no line Banana to click"
fi
stop

[ "$failures" -eq 0 ] && echo "all accessibility checks passed"
exit $((failures > 0))
