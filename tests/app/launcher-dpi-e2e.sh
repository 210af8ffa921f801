#!/usr/bin/env bash
# The launcher declares no DPI awareness: at LogPixels 144 it must look and
# behave exactly as at 96. Its start window's client area after the splash
# is compared pixel for pixel between the two, and Install still starts the
# product's installer.
#
#   launcher-dpi-e2e.sh LAUNCHER.exe DEMO_FOLDER [SHOT_FOLDER]
#
# Needs DISPLAY and WINEPREFIX of a running session; sets the prefix's
# LogPixels and puts 96 back when it ends.
set -uo pipefail
launcher=$1
demo=$2
shots=${3:-$demo/../screenshots}
mkdir -p "$shots"
# One launcher run at a time on this machine (launcher-e2e.sh times the splash).
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
set_dpi() { wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    set_dpi 96
    cp "$work/setup.ini.kept" "$demo/setup.ini"
    rm -f "$system_folder/QuickTime.qts"
    rm -rf "$work"
}
trap cleanup EXIT
cp "$demo/setup.ini" "$work/setup.ini.kept"
printf '[FilePath]\r\nHalcyra=Halcyra\\HalcyraSetup.exe\r\nQuicktime=QuickTime\\QuickTimeInstaller.exe\r\n' \
    >"$demo/setup.ini"
echo stand-in >"$system_folder/QuickTime.qts"

# Starts the launcher and finds its window and the top left of its 640 x 480
# content (the frame Wine draws is as wide left, right and below; a
# dialog-style client area is 2 pixels larger than its content).
start() {
    rm -f "$demo/Halcyra/HalcyraSetup.args"
    (cd "$demo" && exec wine "$launcher") &
    pid=$!
    window=""
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '^Halcyra  International$' 2>/dev/null | head -1)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { fail "no start window"; return 1; }
    eval "$(xdotool getwindowgeometry --shell "$window")"
    local border=$(((WIDTH - 642) / 2))
    cx=$((X + border)) cy=$((Y + HEIGHT - 482 - border))
}
stop() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; pid=""; sleep 0.5; }

# The main screen: a click ends the splash; then the content is kept.
main_screen() {
    sleep 1
    xdotool mousemove $((cx + 100)) $((cy + 100)) click 1
    sleep 1.5
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "640x480+$cx+$cy" +repage "$shots/launcher-dpi-$1.png"
}

note "the main screen at LogPixels 96"
set_dpi 96
if start; then
    main_screen 96
    size96="$WIDTH x $HEIGHT"
fi
stop

note "the main screen at LogPixels 144 is the same, pixel for pixel"
set_dpi 144
if start; then
    [ "$WIDTH x $HEIGHT" = "${size96:-}" ] || fail "the window is $WIDTH x $HEIGHT at 144 DPI, ${size96:-?} at 96"
    main_screen 144
    if [ -e "$shots/launcher-dpi-96.png" ]; then
        d=$(compare -metric AE "$shots/launcher-dpi-96.png" "$shots/launcher-dpi-144.png" null: 2>&1)
        [ "$d" = 0 ] || fail "$d pixels of the main screen differ between 96 and 144 DPI"
    fi
    note "Install at 144 DPI starts the product's installer"
    xdotool mousemove $((cx + 420)) $((cy + 428)) click 1
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then
        fail "the launcher is still running after Install"
    else
        wait "$pid"; code=$?; pid=""
        [ "$code" = 0 ] || fail "Install: the launcher answered $code instead of ending with 0"
    fi
    for _ in $(seq 50); do [ -s "$demo/Halcyra/HalcyraSetup.args" ] && break; sleep 0.1; done
    [ -s "$demo/Halcyra/HalcyraSetup.args" ] || fail "Install at 144 DPI did not start the product's installer"
fi
stop

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed; screenshots in $shots"
    exit 1
fi
echo "all checks passed; screenshots in $shots"
