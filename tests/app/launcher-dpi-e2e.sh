#!/usr/bin/env bash
# The launcher is DPI-unaware: at LogPixels 144 it must look and behave
# exactly as at 96. Its start window's client area after the splash
# is compared pixel for pixel between the two, and Install still starts the
# product's installer.
#
#   launcher-dpi-e2e.sh LAUNCHER.exe DEMO_FOLDER DPI_PROBE.exe [SHOT_FOLDER]
#
# Needs DISPLAY and WINEPREFIX of a running session; sets the prefix's
# LogPixels and puts 96 back when it ends.
set -uo pipefail
launcher=$1
demo=$2
probe=$3
shots=${4:-$demo/../screenshots}
mkdir -p "$shots"
source "$(dirname "$0")/launcher-e2e-lib.sh"
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

# Starts the launcher and finds its window and the top left of its content
# (the frame Wine draws is as wide left, right and below).
start() {
    rm -f "$demo/Halcyra/HalcyraSetup.args"
    (cd "$demo" && exec wine "$launcher") &
    pid=$!
    wait_start_window || return 1
    # The client area as the screen has it (642 x 482 for the 640 x 480
    # content at 96 DPI).
    read -r client_w client_h <<<"$(wine "$probe" client 'Halcyra  International' | tr -d '\r')"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    local border=$(((WIDTH - client_w) / 2))
    cx=$((X + border)) cy=$((Y + HEIGHT - client_h - border))
}
stop() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; pid=""; sleep 0.5; }

# The main screen: a click ends the splash; then the screen is kept.
main_screen() {
    sleep 1
    xdotool mousemove $((cx + 5)) $((cy + 5)) click 1
    sleep 1.5
    import -window root "$work/screen.png"
    cp "$work/screen.png" "$shots/launcher-dpi-$1-screen.png"
}
# The pixels of the 640 x 480 content at (x, y) of the screen that differ
# from the content at 96 DPI.
differs_from_96() {
    convert "$work/screen.png" -crop "640x480+$1+$2" +repage "$work/content.png"
    compare -metric AE "$shots/launcher-dpi-96.png" "$work/content.png" null: 2>&1 | awk '{ printf "%d", $1 }'
}

note "the main screen at LogPixels 96"
set_dpi 96
if start; then
    main_screen 96
    convert "$work/screen.png" -crop "640x480+$cx+$cy" +repage "$shots/launcher-dpi-96.png"
fi
stop

# The launcher's manifest keeps it DPI-unaware, so the framework lays it out
# at 96 whatever the screen's scale (Windows then stretches the whole window;
# Wine 8 draws it as it is): the content is the same 640 x 480 pixels.
note "at LogPixels 144 the launcher draws the same pixels as at 96"
set_dpi 144
if start; then
    main_screen 144
    # The system's own edge inside the frame may follow the scale; the
    # content must not.
    [ "$client_w" -le 646 ] && [ "$client_h" -le 486 ] ||
        fail "the client area is $client_w x $client_h at 144 DPI: laid out at another scale than 96"
    d=$(differs_from_96 "$cx" "$cy")
    [ "$d" = 0 ] || fail "$d pixels of the content differ from those at 96 DPI"
    convert "$work/screen.png" -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$shots/launcher-dpi-144.png"
    note "Install at 144 DPI starts the product's installer"
    xdotool mousemove $((cx + 422)) $((cy + 429)) click 1
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
