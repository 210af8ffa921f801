#!/usr/bin/env bash
# Drives the real launcher in the test display with xdotool, run after run,
# and checks what it shows (against the committed bitmaps) and what it starts
# (through the stand-in installers' records).
#
#   launcher-e2e.sh LAUNCHER.exe DEMO_FOLDER BITMAP_FOLDER [SHOT_FOLDER]
#
# Needs DISPLAY and WINEPREFIX of a running session (the test script's).
set -uo pipefail
launcher=$1
demo=$2
bitmaps=$3
shots=${4:-$demo/../screenshots}
mkdir -p "$shots"
source "$(dirname "$0")/launcher-e2e-lib.sh"

cp "$demo/setup.ini" "$work/setup.ini"
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    cp "$work/setup.ini" "$demo/setup.ini"
    rm -rf "$work"
    rm -f "$system_folder/QuickTime.qts"
}
trap cleanup EXIT

# The demo folder with its setup.ini, or one whose product installer is missing.
setup_ini() {
    if [ "$1" = missing ]; then
        printf '[FilePath]\r\nHalcyra=Halcyra\\NoSuchSetup.exe\r\nQuicktime=QuickTime\\QuickTimeInstaller.exe\r\n' \
            >"$demo/setup.ini"
    else
        printf '[FilePath]\r\nHalcyra=Halcyra\\HalcyraSetup.exe\r\nQuicktime=QuickTime\\QuickTimeInstaller.exe\r\n' \
            >"$demo/setup.ini"
    fi
}

quicktime() {
    if [ "$1" = present ]; then echo stand-in >"$system_folder/QuickTime.qts"; else rm -f "$system_folder/QuickTime.qts"; fi
}

# Starts the launcher in the demo folder, or in the folder given.
start() {
    local from=${1:-$demo}
    rm -f "$demo/Halcyra/HalcyraSetup.args" "$demo/QuickTime/QuickTimeInstaller.args"
    (cd "$from" && exec wine "$launcher") &
    pid=$!
    wait_start_window || return 1
    # The splash begins with the window's first paint.
    started=$(date +%s%3N)
    client_origin "$window"
}

# Waits until MS milliseconds after the launcher was started.
sleep_until() {
    local left=$(($1 - ($(date +%s%3N) - started)))
    [ "$left" -gt 0 ] && sleep "$(awk -v ms="$left" 'BEGIN { printf "%.3f", ms / 1000 }')"
    return 0
}

# The window's content on the screen, from its outer geometry. A managed
# window's X window is its client area; an unmanaged one (the test display's)
# carries the frame Wine draws, as wide on the left, right and bottom, with the
# caption on top. A dialog-style window's client area is 2 pixels wider and
# taller than the content it was made for, which starts at its top left.
client_origin() {
    local w=$1 client_w=$((${2:-640} + 2)) client_h=$((${3:-480} + 2))
    eval "$(xdotool getwindowgeometry --shell "$w")"
    if [ $((WIDTH - client_w)) -le 0 ]; then
        cx=$X cy=$Y
    else
        local border=$(((WIDTH - client_w) / 2))
        cx=$((X + border))
        cy=$((Y + HEIGHT - client_h - border))
    fi
}

# Sets code to the launcher's exit code once it has ended, or to "running"
# when it is still there after 10 seconds.
wait_end() {
    code=running
    for _ in $(seq 100); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"; code=$?
            pid=""
            return
        fi
        sleep 0.1
    done
}

stop() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; pid=""; sleep 0.5; }

shot() { import -window root "$work/screen.png"; cp "$work/screen.png" "$shots/$1.png"; }

# Share of the pixels of an area of the screen (x y w h, screen coordinates)
# that differ from the same area of a bitmap (bx by), in thousandths.
differs() {
    local x=$1 y=$2 w=$3 h=$4 bitmap=$5 bx=$6 by=$7
    convert "$work/screen.png" -crop "${w}x${h}+${x}+${y}" +repage "$work/a.png"
    convert "$bitmaps/$bitmap" -crop "${w}x${h}+${bx}+${by}" +repage "$work/b.png"
    compare -metric AE -fuzz 6% "$work/a.png" "$work/b.png" null: 2>&1 | awk -v n=$((w * h)) '{ printf "%d", $1 * 1000 / n }'
}
# The part of the backgrounds that no button covers.
shows_background() {
    local d; d=$(differs "$cx" "$cy" 640 380 "$1" 0 0)
    [ "$d" -lt 20 ]
}
# A button's picture: the parts of the picture inside the view (Install's
# bottom three rows are clipped away).
shows_button() {
    local x=$1 y=$2 w=$3 h=$4 bitmap=$5 d
    d=$(differs "$((cx + x))" "$((cy + y))" "$w" "$h" "$bitmap" 0 0)
    [ "$d" -lt 20 ]
}
# Takes screenshots until the background shows, at most until MS milliseconds
# after the start; the last screenshot is kept as NAME.
background_by() {
    local bitmap=$1 ms=$2 name=$3
    while :; do
        shot "$name"
        shows_background "$bitmap" && return 0
        [ $(($(date +%s%3N) - started)) -ge "$ms" ] && return 1
        sleep 0.2
    done
}
# The same for a button's picture, for at most two seconds.
button_soon() {
    local name=$1; shift
    local until=$(($(date +%s%3N) + 2000))
    while :; do
        shot "$name"
        shows_button "$@" && return 0
        [ "$(date +%s%3N)" -ge "$until" ] && return 1
        sleep 0.2
    done
}
click_at() { xdotool mousemove "$1" "$2" click 1; }
# A key (xdotool's name) to the launcher's window.
press() { xdotool key --window "$window" "$1" 2>/dev/null || xdotool key "$1"; }
# The product's installer has been started with -a -a<launcher's folder>\$ .
expect_product_started() {
    local how=$1 folder expected actual
    for _ in $(seq 50); do [ -s "$demo/Halcyra/HalcyraSetup.args" ] && break; sleep 0.1; done
    folder=$(cd "$demo" && winepath -w . 2>/dev/null | sed 's/\\\.\?$//')
    expected="-a -a${folder}\\\$ "
    actual=$(cat "$demo/Halcyra/HalcyraSetup.args" 2>/dev/null; echo x)
    actual=${actual%x}
    [ "$actual" = "$expected" ] || fail "$how: the product's installer got [$actual], expected [$expected]"
}
install_x() { echo $((cx + 420)); }
install_y() { echo $((cy + 428)); }

note "splash for three seconds, then the main background and both buttons"
setup_ini normal; quicktime present
if start; then
    sleep_until 1500; shot splash
    shows_background Splash.bmp || fail "the splash is not shown after 1.5 seconds"
    sleep_until 2200; shot splash-late
    shows_background Splash.bmp || fail "the splash ended before 2.2 seconds"
    sleep_until 3000
    background_by Background.bmp 6000 main || fail "the main background is not shown after the splash"
    shows_button 355 402 135 55 InstallNormal.bmp || fail "the Install button is not shown"
    shows_button 504 403 136 61 ExitNormal.bmp || fail "the Exit button is not shown"
    xdotool mousemove "$(install_x)" "$(install_y)"; sleep 0.2; xdotool mousemove_relative 2 1
    button_soon install-hover 355 402 135 55 InstallHover.bmp || fail "the Install button does not show its hover picture"
    xdotool mousemove $((cx + 570)) $((cy + 430)); sleep 0.5
    shows_button 355 402 135 55 InstallNormal.bmp || true
    note "Exit ends the launcher"
    click_at $((cx + 570)) $((cy + 430))
    wait_end
    [ "$code" = 0 ] || fail "Exit: the launcher answered $code instead of ending with 0"
fi
stop

note "a left click ends the splash early"
if start; then
    sleep_until 1000
    click_at $((cx + 100)) $((cy + 100))
    # Well before the three seconds are up.
    background_by Background.bmp 2700 click-ends-splash || fail "a left click did not end the splash"
fi
stop

for key in space Return; do
    note "$key during the splash ends the launcher"
    if start; then
        sleep_until 1000
        press "$key"
        wait_end
        [ "$code" = 0 ] || fail "$key during the splash: the launcher answered $code instead of ending with 0"
        [ -e "$demo/Halcyra/HalcyraSetup.args" ] && fail "$key during the splash started the product's installer"
    fi
    stop
done

note "Install with QuickTime present starts the product's installer with -a -a<folder>\\\$ and ends"
if start; then
    background_by Background.bmp 8000 ready || fail "the main screen did not come"
    xdotool mousemove "$(install_x)" "$(install_y)"; sleep 0.3
    xdotool mousedown 1
    button_soon install-pressed 355 402 135 55 InstallPressed.bmp || fail "the Install button does not show its pressed picture"
    xdotool mouseup 1
    wait_end
    [ "$code" = 0 ] || fail "Install: the launcher answered $code instead of ending with 0"
    expect_product_started Install
fi
stop

note "after the splash Enter installs as Install does"
if start; then
    background_by Background.bmp 8000 ready || fail "the main screen did not come"
    press Return
    wait_end
    [ "$code" = 0 ] || fail "Enter: the launcher answered $code instead of ending with 0"
    expect_product_started Enter
fi
stop

# Tab visits Install (view ID 1), then Exit (2); Space and Enter press the
# focused button, whichever it is.
for keys in "Tab Tab space" "shift+Tab Return"; do
    note "after the splash $keys presses Exit"
    if start; then
        background_by Background.bmp 8000 ready || fail "the main screen did not come"
        for key in $keys; do press "$key"; sleep 0.2; done
        wait_end
        [ "$code" = 0 ] || fail "$keys: the launcher answered $code instead of ending with 0"
        [ -e "$demo/Halcyra/HalcyraSetup.args" ] && fail "$keys started the product's installer"
    fi
    stop
done
for keys in "Tab space" "Tab Tab Tab Return"; do
    note "after the splash $keys presses Install"
    if start; then
        background_by Background.bmp 8000 ready || fail "the main screen did not come"
        for key in $keys; do press "$key"; sleep 0.2; done
        wait_end
        [ "$code" = 0 ] || fail "$keys: the launcher answered $code instead of ending with 0"
        expect_product_started "$keys"
    fi
    stop
done

for key in Escape alt+F4; do
    note "after the splash $key ends the launcher"
    if start; then
        background_by Background.bmp 8000 ready || fail "the main screen did not come"
        press "$key"
        wait_end
        [ "$code" = 0 ] || fail "$key: the launcher answered $code instead of ending with 0"
        [ -e "$demo/Halcyra/HalcyraSetup.args" ] && fail "$key started the product's installer"
    fi
    stop
done

note "Install with QuickTime absent opens the offer; Install QuickTime starts its installer and hides the offer"
quicktime absent
if start; then
    background_by Background.bmp 8000 ready || fail "the main screen did not come"
    click_at "$(install_x)" "$(install_y)"
    offer=""
    for _ in $(seq 50); do
        for w in $(xdotool search --onlyvisible --name '^Halcyra  International$' 2>/dev/null); do
            [ "$w" != "$window" ] && offer=$w
        done
        [ -n "$offer" ] && break
        sleep 0.1
    done
    if [ -z "$offer" ]; then
        fail "no QuickTime offer window"
    else
        sleep 0.5
        main_x=$cx main_y=$cy
        client_origin "$offer" 355 456
        shot offer
        d=$(differs "$cx" "$cy" 355 360 QuickTimeOffer.bmp 0 0)
        [ "$d" -lt 20 ] || fail "the offer does not show its background ($d)"
        [ -e "$demo/Halcyra/HalcyraSetup.args" ] && fail "the product's installer was started without QuickTime"
        click_at $((cx + 176)) $((cy + 397))
        for _ in $(seq 50); do [ -e "$demo/QuickTime/QuickTimeInstaller.args" ] && break; sleep 0.1; done
        sleep 0.3
        actual=$(cat "$demo/QuickTime/QuickTimeInstaller.args" 2>/dev/null || echo "(not started)")
        [ "$actual" = "" ] || fail "QuickTime's installer got [$actual], expected no parameters"
        # The shell call returns a little after the installer has started.
        hidden=""
        for _ in $(seq 50); do
            xdotool search --onlyvisible --name '^Halcyra  International$' 2>/dev/null | grep -qx "$offer" \
                || { hidden=yes; break; }
            sleep 0.1
        done
        [ -n "$hidden" ] || fail "the offer is still shown after Install QuickTime"
        kill -0 "$pid" 2>/dev/null || fail "the launcher ended after Install QuickTime"
        cx=$main_x cy=$main_y
    fi
fi
stop

note "from the keyboard alone: Tab and Space on Install open the offer, Tab and Space there start QuickTime's installer"
if start; then
    background_by Background.bmp 8000 ready || fail "the main screen did not come"
    press Tab; sleep 0.2; press space
    offer=""
    for _ in $(seq 50); do
        for w in $(xdotool search --onlyvisible --name '^Halcyra  International$' 2>/dev/null); do
            [ "$w" != "$window" ] && offer=$w
        done
        [ -n "$offer" ] && break
        sleep 0.1
    done
    if [ -z "$offer" ]; then
        fail "Tab, Space: no QuickTime offer window"
    else
        sleep 0.5
        xdotool key --window "$offer" Tab 2>/dev/null || xdotool key Tab
        sleep 0.2
        xdotool key --window "$offer" space 2>/dev/null || xdotool key space
        for _ in $(seq 50); do [ -e "$demo/QuickTime/QuickTimeInstaller.args" ] && break; sleep 0.1; done
        [ -e "$demo/QuickTime/QuickTimeInstaller.args" ] || fail "Tab, Space in the offer did not start QuickTime's installer"
        [ -e "$demo/Halcyra/HalcyraSetup.args" ] && fail "the product's installer was started without QuickTime"
    fi
fi
stop

# Sets alert to the launcher's Error alert once it is shown (empty if none
# comes within five seconds).
wait_alert() {
    alert=""
    for _ in $(seq 50); do
        alert=$(xdotool search --onlyvisible --name '^Error$' 2>/dev/null | head -1)
        [ -n "$alert" ] && break
        sleep 0.1
    done
}

note "a value without an extension starts nothing, not even the program of that name beside it"
quicktime present
printf 'a text file, not a program\r\n' >"$demo/Halcyra/HalcyraSetup"
printf '[FilePath]\r\nHalcyra=Halcyra\\HalcyraSetup\r\nQuicktime=QuickTime\\QuickTimeInstaller.exe\r\n' \
    >"$demo/setup.ini"
if start; then
    background_by Background.bmp 8000 ready || fail "the main screen did not come"
    click_at "$(install_x)" "$(install_y)"
    wait_alert
    sleep 0.5; shot no-extension-alert
    [ -n "$alert" ] || fail "no alert for the value without an extension"
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "the launcher ended although it started nothing"
    [ -e "$demo/Halcyra/HalcyraSetup.args" ] && fail "Halcyra\\HalcyraSetup started HalcyraSetup.exe"
fi
stop
rm -f "$demo/Halcyra/HalcyraSetup"

note "a batch installer started from a folder 'a & b' gets exactly the folder, and b\\\$ does not run"
from="$work/a & b"
mkdir -p "$from/Inst" "$from/b"
cp "$demo/Halcyra/HalcyraSetup.bat" "$from/Inst/setup.bat"
cp "$demo/Halcyra/HalcyraSetup.exe" "$from/Inst/HalcyraSetup.exe"
printf '@echo ran> "%%~dp0ran.txt"\r\n' >"$from/b/\$.bat"
printf '[FilePath]\r\nHalcyra=Inst\\setup.bat\r\nQuicktime=QuickTime\\QuickTimeInstaller.exe\r\n' >"$from/setup.ini"
if start "$from"; then
    background_by Background.bmp 8000 ready || fail "the main screen did not come"
    click_at "$(install_x)" "$(install_y)"
    wait_end
    [ "$code" = 0 ] || fail "batch Install: the launcher answered $code instead of ending with 0"
    for _ in $(seq 100); do [ -s "$from/Inst/HalcyraSetup.args" ] && break; sleep 0.1; done
    sleep 1
    folder=$(cd "$from" && winepath -w . 2>/dev/null | sed 's/\\\.\?$//')
    # The stand-in records what the batch hands on (%*), trailing blanks aside:
    # one parameter -a, one quoted parameter -a<folder>\$.
    expected="-a \"-a${folder}\\\$\""
    actual=$(sed 's/ *$//' "$from/Inst/HalcyraSetup.args" 2>/dev/null)
    [ "$actual" = "$expected" ] || fail "the batch installer got [$actual], expected [$expected]"
    [ -e "$from/b/ran.txt" ] && fail "b\\\$.bat ran: cmd read the folder's & as a second command"
fi
stop

# Writes a setup.ini (UTF-8 text given) in an encoding: ansi (the text must be
# ASCII), utf16 (UTF-16 LE after its byte order mark) or utf8bom.
write_ini() {
    local file=$1 encoding=$2 text=$3
    case $encoding in
        ansi) printf '%s\r\n' "$text" >"$file" ;;
        utf16) { printf '\xff\xfe'; printf '%s\r\n' "$text" | iconv -f UTF-8 -t UTF-16LE; } >"$file" ;;
        utf8bom) { printf '\xef\xbb\xbf'; printf '%s\r\n' "$text"; } >"$file" ;;
    esac
}

# Folders in Japanese, in Cyrillic and outside code page 1252 (Ĉafé, beside
# Café, its look-alike in that code page), each beside a neighbour with a
# setup.ini and installers of its own: the launcher reads its
# own folder's setup.ini, and starts the installer it names, in each encoding
# the profile functions read. An ANSI file names an ASCII subfolder (the
# code page cannot hold the names); the others name the folder's own name.
parent="$work/scripts"
mkdir -p "$parent"
parent_w=$(winepath -w "$parent" 2>/dev/null | sed 's/\\$//')
quicktime present
for pair in "インストール:Setup" "Установка:Setup" "Ĉafé:Café"; do
    name=${pair%%:*} neighbour=${pair#*:}
    for encoding in ansi utf16 utf8bom; do
        note "started from $name with an $encoding setup.ini, beside $neighbour"
        from="$parent/$name" other="$parent/$neighbour"
        rm -rf "$from" "$other"
        sub=$name
        [ "$encoding" = ansi ] && sub=Inst
        for folder in "$from/$sub" "$other/$sub" "$from/Inst" "$other/Inst"; do
            mkdir -p "$folder"
            cp "$demo/Halcyra/HalcyraSetup.exe" "$folder/HalcyraSetup.exe"
        done
        text=$(printf '[FilePath]\r\nHalcyra=%s\\HalcyraSetup.exe\r\nQuicktime=QuickTime\\QuickTimeInstaller.exe\r\n' "$sub")
        write_ini "$from/setup.ini" "$encoding" "$text"
        write_ini "$other/setup.ini" "$encoding" "$text"
        if start "$from"; then
            background_by Background.bmp 8000 ready || fail "the main screen did not come"
            click_at "$(install_x)" "$(install_y)"
            wait_end
            [ "$code" = 0 ] || fail "$name, $encoding: the launcher answered $code instead of ending with 0"
            record="$from/$sub/HalcyraSetup.args"
            for _ in $(seq 50); do [ -s "$record" ] && break; sleep 0.1; done
            expected="-a -a${parent_w}\\${name}\\\$ "
            actual=$(cat "$record" 2>/dev/null; echo x)
            actual=${actual%x}
            [ "$actual" = "$expected" ] || fail "$name, $encoding: the installer got [$actual], expected [$expected]"
            for wrong in "$other/$sub" "$other/Inst" "$from/Inst"; do
                [ "$wrong" = "$from/$sub" ] && continue
                [ -e "$wrong/HalcyraSetup.args" ] && fail "$name, $encoding: $wrong/HalcyraSetup.exe was started"
            done
        fi
        stop
    done
done

note "a value that is not valid UTF-8 in a UTF-8 setup.ini is refused with an alert"
from="$parent/Ĉafé"
rm -rf "$from"; mkdir -p "$from/Ĉafé" "$from/Cafe"
cp "$demo/Halcyra/HalcyraSetup.exe" "$from/Ĉafé/HalcyraSetup.exe"
cp "$demo/Halcyra/HalcyraSetup.exe" "$from/Cafe/HalcyraSetup.exe"
{ printf '\xef\xbb\xbf[FilePath]\r\nHalcyra=Caf\xe9\\HalcyraSetup.exe\r\n'; } >"$from/setup.ini"
if start "$from"; then
    background_by Background.bmp 8000 ready || fail "the main screen did not come"
    click_at "$(install_x)" "$(install_y)"
    wait_alert
    sleep 0.5; shot invalid-value-alert
    [ -n "$alert" ] || fail "no alert for the value that is not UTF-8"
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "the launcher ended although it started nothing"
    ls "$from"/*/HalcyraSetup.args >/dev/null 2>&1 && fail "an installer was started for the value that is not UTF-8"
fi
stop

note "a missing installer shows the File Open Error alert and the launcher stays"
quicktime present; setup_ini missing
if start; then
    background_by Background.bmp 8000 ready || fail "the main screen did not come"
    click_at "$(install_x)" "$(install_y)"
    wait_alert
    sleep 0.5; shot error-alert
    [ -n "$alert" ] || fail "no Error alert for the missing installer"
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "the launcher ended although the installer could not be started"
fi
stop

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed; screenshots in $shots"
    exit 1
fi
echo "all checks passed; screenshots in $shots"
