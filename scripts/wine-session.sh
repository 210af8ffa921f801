# Sourced by the test and run scripts: one Xvfb display and one persistent
# wineserver for a whole run, ended by pid afterwards.
#
# KEBO_SCREEN sets the display's size (1024x768x24 unless set).
#
# The prefix is made once and kept. Its windows are unmanaged ("Managed"="N"):
# without a window manager on the display, Wine otherwise waits up to two
# seconds for a manager's answer each time a top-level window goes away, which
# was most of the test time. Unmanaged, Wine draws the frames and captions
# itself, as Windows does.
wine_session_start() {
    export WINEPREFIX=$1
    export WINEDEBUG=${WINEDEBUG:--all}
    # No Mono or Gecko download prompts in a fresh prefix.
    export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
    mkdir -p "$WINEPREFIX"
    if [ -z "${KEBO_KEEP_DISPLAY:-}" ]; then
        local n=${KEBO_DISPLAY_BASE:-90}
        # mkdir is atomic: two sessions starting together never pick one display.
        while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || ! mkdir "/tmp/.kebo-display-$n" 2>/dev/null; do
            n=$((n + 1))
        done
        KEBO_DISPLAY_CLAIM=/tmp/.kebo-display-$n
        Xvfb :$n -screen 0 "${KEBO_SCREEN:-1024x768x24}" -nolisten tcp >"$WINEPREFIX/xvfb.log" 2>&1 &
        KEBO_XVFB_PID=$!
        export DISPLAY=:$n
        for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
    fi
    wineserver -p >"$WINEPREFIX/wineserver.log" 2>&1 &
    KEBO_WINESERVER_PID=$!
    # Booting starts Wine's services here, with this log for their output:
    # started later by a test program, they would hold CTest's output pipe
    # open and the test would never end.
    if [ ! -e "$WINEPREFIX/system.reg" ]; then
        wineboot -i >"$WINEPREFIX/wineboot.log" 2>&1 || true
    else
        wineboot >"$WINEPREFIX/wineboot.log" 2>&1 || true
    fi
    if ! grep -q '^"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$WINEPREFIX/wineboot.log" 2>&1 || true
    fi
    # Font linking, as Windows has it: text that Arial, Courier New or MS Sans
    # Serif lack (CJK, emoji) is drawn from the CJK and emoji fonts that
    # install-deps.sh installs, when they are there. Wine follows the links of
    # the face it actually chose, not of the face asked for: where Arial or
    # Courier New is missing it takes the first font of their links (or the
    # Liberation font that replaces them), so those faces have links too.
    if ! grep -q '^"WenQuanYi Micro Hei Mono"=str(7):"wqy-microhei.ttc,WenQuanYi' "$WINEPREFIX/system.reg" 2>/dev/null; then
        local face
        for face in "Arial" "Courier New" "MS Sans Serif" "Microsoft Sans Serif" "Tahoma" \
            "WenQuanYi Micro Hei" "WenQuanYi Micro Hei Mono" "Liberation Sans" "Liberation Mono"; do
            wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
                /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei\0Symbola_hint.ttf,Symbola' /f \
                >>"$WINEPREFIX/wineboot.log" 2>&1 || true
        done
    fi
    # A program that waits for the whole session keeps the desktop open. When
    # the last program on it ends, Wine closes the desktop a second later, and
    # the next test program starts the desktop and services anew as its own
    # children, holding CTest's output pipe for up to twenty seconds after it.
    rm -f "$WINEPREFIX/keepalive"
    mkfifo "$WINEPREFIX/keepalive"
    wine cmd /c pause <>"$WINEPREFIX/keepalive" >>"$WINEPREFIX/wineboot.log" 2>&1 &
    KEBO_KEEPALIVE_PID=$!
}

wine_session_stop() {
    [ -n "${KEBO_KEEPALIVE_PID:-}" ] && kill "$KEBO_KEEPALIVE_PID" 2>/dev/null || true
    wineserver -k >/dev/null 2>&1 || true
    [ -n "${KEBO_WINESERVER_PID:-}" ] && kill "$KEBO_WINESERVER_PID" 2>/dev/null || true
    [ -n "${KEBO_XVFB_PID:-}" ] && kill "$KEBO_XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    [ -n "${KEBO_DISPLAY_CLAIM:-}" ] && rmdir "$KEBO_DISPLAY_CLAIM" 2>/dev/null || true
}

# The Unix path of the system folder as a program of this width sees it,
# asked of the demo's SystemFolder.exe of the same build. (winepath is no help
# here: being a 32-bit program itself, it is redirected to syswow64 too.)
wine_system_folder() {
    local folder
    folder=$(wine "$1" | tr -d '\r') || return 1
    case $folder in
        [Cc]:\\*) folder=${folder:3}; printf '%s/drive_c/%s\n' "$WINEPREFIX" "${folder//\\//}" ;;
        *) return 1 ;;
    esac
}
