# Sourced by the test and run scripts: one Xvfb display and one persistent
# wineserver for a whole run, ended by pid afterwards.
wine_session_start() {
    export WINEPREFIX=$1
    export WINEDEBUG=${WINEDEBUG:--all}
    # No Mono or Gecko download prompts in a fresh prefix.
    export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
    mkdir -p "$WINEPREFIX"
    if [ -z "${KEBO_KEEP_DISPLAY:-}" ]; then
        local n=${KEBO_DISPLAY_BASE:-90}
        while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
        Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >"$WINEPREFIX/xvfb.log" 2>&1 &
        KEBO_XVFB_PID=$!
        export DISPLAY=:$n
        for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
    fi
    wineserver -p >"$WINEPREFIX/wineserver.log" 2>&1 &
    KEBO_WINESERVER_PID=$!
    wineboot -i >"$WINEPREFIX/wineboot.log" 2>&1 || true
}

wine_session_stop() {
    wineserver -k >/dev/null 2>&1 || true
    [ -n "${KEBO_WINESERVER_PID:-}" ] && kill "$KEBO_WINESERVER_PID" 2>/dev/null || true
    [ -n "${KEBO_XVFB_PID:-}" ] && kill "$KEBO_XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
}
