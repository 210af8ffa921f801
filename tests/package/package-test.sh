#!/usr/bin/env bash
# KEBO as a newcomer's project takes it: installs the width's Windows tree into
# a scratch prefix, builds samples/hello as a project of its own against it
# (find_package, the installed toolchain file, KEBO_HOST_PATH for the host
# tools), and, where Wine runs programs of this width, starts it in an Xvfb
# display of its own and clicks its button. With --fetch it also builds a
# second copy that takes KEBO from this checkout by FetchContent.
#
#   package-test.sh --tree BUILD_TREE --arch i686|x86_64 --host HOST_PREFIX
#                   --work DIR [--run] [--fetch]
#
# Exits non-zero, with the failing step named, when any step fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
run=0
fetch=0
while [ $# -gt 0 ]; do
    case $1 in
        --tree) tree=$2; shift 2 ;;
        --arch) arch=$2; shift 2 ;;
        --host) host=$2; shift 2 ;;
        --work) work=$2; shift 2 ;;
        --run) run=1; shift ;;
        --fetch) fetch=1; shift ;;
        *) echo "unknown option $1" >&2; exit 2 ;;
    esac
done
log=$work/log
mkdir -p "$work"
: >"$log"
step() {
    local name=$1; shift
    echo "--- package ($arch): $name"
    if ! "$@" >>"$log" 2>&1; then
        echo "FAILED: package ($arch): $name; the last lines of $log:"
        tail -n 30 "$log"
        exit 1
    fi
}
launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi

# A fresh prefix each time: a file left from an earlier install must not
# hide one that is no longer installed.
prefix=$work/prefix
rm -rf "$prefix" "$work/hello"
step "install the Windows tree" cmake --install "$tree" --prefix "$prefix"
# The consumer's build sees only the prefix and the sample's own folder.
step "configure samples/hello against the package" \
    cmake -S "$root/samples/hello" -B "$work/hello" "${launcher[@]}" \
        -DCMAKE_TOOLCHAIN_FILE="$prefix/share/kebo/cmake/toolchain-$arch-w64-mingw32.cmake" \
        -DCMAKE_PREFIX_PATH="$prefix" -DKEBO_HOST_PATH="$host" \
        -DCMAKE_CXX_FLAGS="-Wall -Wextra"
step "build samples/hello against the package" cmake --build "$work/hello" -j "$(nproc)"
# Without the host tools the package says which variable to set.
missing_tools() {
    rm -rf "$work/hello-no-tools"
    if env PATH=/usr/bin:/bin cmake -S "$root/samples/hello" -B "$work/hello-no-tools" \
        -DCMAKE_TOOLCHAIN_FILE="$prefix/share/kebo/cmake/toolchain-$arch-w64-mingw32.cmake" \
        -DCMAKE_PREFIX_PATH="$prefix" >"$work/no-tools.log" 2>&1; then
        echo "configured without the host tools"; return 1
    fi
    grep -q "xgvres is not on the PATH, and KEBO_HOST_PATH is not set" "$work/no-tools.log" || {
        cat "$work/no-tools.log"; return 1; }
}
step "the package names KEBO_HOST_PATH when the host tools are missing" missing_tools
programs=("$work/hello/hello.exe")

if [ $fetch = 1 ]; then
    # The checkout as FetchContent's source, built as a sub-project: its host
    # tools come from its own ExternalProject, its tests and programs stay off.
    # Debug and -Werror as in the test trees, so ccache serves the framework.
    step "configure samples/hello with KEBO by FetchContent" \
        cmake -S "$root/samples/hello" -B "$work/hello-fetch" "${launcher[@]}" \
            -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch-w64-mingw32.cmake" \
            -DCMAKE_BUILD_TYPE=Debug -DKEBO_WERROR=ON \
            -DHELLO_FETCH_KEBO=ON -DFETCHCONTENT_SOURCE_DIR_KEBO="$root"
    step "build samples/hello with KEBO by FetchContent" cmake --build "$work/hello-fetch" -j "$(nproc)"
    programs+=("$work/hello-fetch/hello.exe")
fi

[ $run = 1 ] || { echo "--- package ($arch): passed (built; this width does not run here)"; exit 0; }

source "$root/scripts/wine-loader.sh"
wine_choose_loader
source "$root/scripts/wine-session.sh"
pid=""
stop() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    wine_session_stop
}
trap stop EXIT
wine_session_start "$work/wineprefix"

# The window shows, and a click on its button changes its text and title.
check() {
    local program=$1 window="" x y WIDTH HEIGHT X Y
    wine "$program" >>"$log" 2>&1 &
    pid=$!
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '^Hello$' 2>/dev/null | head -1) && [ -n "$window" ] && break
        sleep 0.2
    done
    [ -n "$window" ] || { echo "no window titled Hello appeared"; return 1; }
    # The client area (320 x 120 content, 2 pixels more as a dialog's) inside
    # the frame that Wine draws on an unmanaged window: as wide on the left,
    # right and bottom, the caption on top.
    eval "$(xdotool getwindowgeometry --shell "$window")"
    local border=$(((WIDTH - 322) / 2))
    # The button's middle, from HelloWindow.vres (offsets 206 80 304 108).
    x=$((X + border + 255)); y=$((Y + HEIGHT - 122 - border + 94))
    xdotool mousemove "$x" "$y" click 1
    for _ in $(seq 50); do
        [ "$(xdotool getwindowname "$window" 2>/dev/null)" = "Hello, world! (1)" ] && break
        sleep 0.1
    done
    [ "$(xdotool getwindowname "$window")" = "Hello, world! (1)" ] || {
        echo "the click did not reach the button: the title is '$(xdotool getwindowname "$window")'"
        import -window root "$work/hello-failed.png" 2>/dev/null || true
        return 1; }
    import -window root "$work/hello-clicked.png" 2>/dev/null || true
    # Closing the window ends the program (Wine's process ending takes seconds
    # on a loaded machine).
    xdotool key --window "$window" --clearmodifiers alt+F4 2>/dev/null || xdotool key --clearmodifiers alt+F4
    for _ in $(seq 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then
        echo "the program did not end with its window: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | tr '\n' '|')"
        import -window root "$work/hello-not-closed.png" 2>/dev/null || true
        return 1
    fi
    pid=""
}
for program in "${programs[@]}"; do
    step "run $(basename "$(dirname "$program")")/hello.exe under Wine: window, click" check "$program"
done
echo "--- package ($arch): passed"
