#!/usr/bin/env bash
# Builds the launcher and starts it under Wine in the demo folder, whose
# setup.ini points at two stand-in installers that show and record the
# parameters they get.
#
#   scripts/run.sh [--arch i686|x86_64] [--build DIR]
#                [--with-quicktime | --without-quicktime]
#                [--screenshot FILE] [--wait SECONDS]
#   scripts/run.sh notes [FILES...] [--arch ...] [--build DIR]
#                [--screenshot FILE] [--wait SECONDS]
#
# --arch picks the build: i686 (the shipped 32-bit build, the default where
# 32-bit Wine is installed) or x86_64.
# With a DISPLAY the launcher opens there and the script waits for it to end.
# Without one it runs in an Xvfb display of its own for --wait seconds
# (default 5), saves a screenshot (default DIR/launcher.png) and stops.
# --with-quicktime / --without-quicktime put QuickTime.qts into Wine's system
# folder or take it away, so that both paths of Install can be tried; without
# either, the folder is left as the last run left it.
# "notes" builds and runs the sample text editor KEBO Notes instead, with the
# files named after it (screenshot DIR/notes.png without a display).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
quicktime=""
arch=""
screenshot=""
wait_seconds=5
program=launcher
files=()
if [ "${1:-}" = notes ]; then
    program=notes
    shift
fi
while [ $# -gt 0 ]; do
    case $1 in
        --build) build=$2; shift 2 ;;
        --arch) arch=$2; shift 2 ;;
        --with-quicktime) quicktime=present; shift ;;
        --without-quicktime) quicktime=absent; shift ;;
        --screenshot) screenshot=$2; shift 2 ;;
        --wait) wait_seconds=$2; shift 2 ;;
        -h|--help) sed -n '2,22p' "$0"; exit 0 ;;
        -*) echo "unknown option $1" >&2; exit 2 ;;
        *)
            [ "$program" = notes ] || { echo "the launcher takes no files: $1" >&2; exit 2; }
            files+=("$(realpath "$1")"); shift ;;
    esac
done
build=$(mkdir -p "$build" && cd "$build" && pwd)
jobs=$(nproc)

"$root/scripts/install-deps.sh"
source "$root/scripts/wine-loader.sh"
wine_choose_loader
case $arch in
    "")
        if wine32_runs; then
            arch=i686
        else
            arch=x86_64
            echo "Note: 32-bit Wine cannot run here ($(wine32_cause)), so this runs the x86_64 build, not the shipped i686 one."
        fi ;;
    i686|x86_64) ;;
    *) echo "--arch takes i686 or x86_64" >&2; exit 2 ;;
esac

# The host tools (the VRES compiler) come from the native build.
if [ ! -x "$build/native/tools/xgvres" ]; then
    cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DKEBO_WERROR=ON >/dev/null
    make -C "$build/native/tools" -j "$jobs" >/dev/null
fi
# Installed into a host prefix, the one a cross build names as KEBO_HOST_PATH.
cmake --install "$build/native" --prefix "$build/host" >/dev/null
# A tree of its own without the tests, so that the test script's settings
# stay as they are.
tree=$build/run-$arch
cmake -S "$root" -B "$tree" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch-w64-mingw32.cmake" \
    -DKEBO_HOST_PATH="$build/host" -DKEBO_BUILD_TESTS=OFF -DKEBO_WERROR=ON >/dev/null
# The demo's Wine session: on the display there is, else in an Xvfb display
# of its own; ended when the script ends.
start_session() {
    source "$root/scripts/wine-session.sh"
    if [ -n "${DISPLAY:-}" ]; then
        export KEBO_KEEP_DISPLAY=1
    fi
    wine_session_start "$build/wineprefix-demo"
    trap wine_session_stop EXIT
}

if [ "$program" = notes ]; then
    cmake --build "$tree" --target notes -j "$jobs"
    notes=$tree/samples/notes/notes.exe
    [ -x "$notes" ] || { echo "KEBO Notes was not built" >&2; exit 1; }
    start_session
    if [ -n "${KEBO_KEEP_DISPLAY:-}" ]; then
        set +e
        wine "$notes" "${files[@]}"
        echo "KEBO Notes ended with exit code $?."
    else
        wine "$notes" "${files[@]}" &
        running=$!
        sleep "$wait_seconds"
        screenshot=${screenshot:-$build/notes.png}
        import -window root "$screenshot"
        echo "Screenshot: $screenshot"
        kill "$running" 2>/dev/null || true
    fi
    exit 0
fi
cmake --build "$tree" --target halcyra halcyra_demo -j "$jobs"

demo=$tree/app/demo
[ -x "$demo/halcyra.exe" ] || { echo "the launcher was not built" >&2; exit 1; }

start_session

system_folder=$(wine_system_folder "$demo/tools/SystemFolder.exe")
case $quicktime in
    present) echo "QuickTime stand-in" >"$system_folder/QuickTime.qts" ;;
    absent) rm -f "$system_folder/QuickTime.qts" ;;
esac
if [ -e "$system_folder/QuickTime.qts" ]; then
    echo "QuickTime.qts is present: Install starts the product's stand-in installer."
else
    echo "QuickTime.qts is absent: Install opens the QuickTime offer."
fi
rm -f "$demo/Halcyra/HalcyraSetup.args" "$demo/QuickTime/QuickTimeInstaller.args"

report() {
    local record
    for record in "$demo/Halcyra/HalcyraSetup.args" "$demo/QuickTime/QuickTimeInstaller.args"; do
        [ -e "$record" ] && printf '%s was started with [%s]\n' "$(basename "${record%.args}")" "$(cat "$record")"
    done
    return 0
}

cd "$demo"
if [ -n "${KEBO_KEEP_DISPLAY:-}" ]; then
    set +e
    wine halcyra.exe
    status=$?
    set -e
    echo "The launcher ended with exit code $status."
    report
else
    # Nobody can click the stand-ins' message boxes in Xvfb.
    export HALCYRA_STANDIN_QUIET=1
    wine halcyra.exe &
    launcher=$!
    sleep "$wait_seconds"
    screenshot=${screenshot:-$build/launcher.png}
    import -window root "$screenshot"
    echo "Screenshot: $screenshot"
    kill "$launcher" 2>/dev/null || true
    report
fi
