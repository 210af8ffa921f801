#!/usr/bin/env bash
# Builds everything and runs every test: the native build under AddressSanitizer
# and UBSan (with the fuzz targets), then the Windows test programs of both
# widths under Wine: the shipped 32-bit build (win32, Release) under 32-bit
# Wine and the 64-bit build (win64, Debug) under 64-bit Wine. Each width runs
# in an Xvfb display and Wine prefix of its own, the two side by side.
#
#   scripts/test.sh [--build DIR] [--only native|win32|win64] [-R regex]
# (-R japanese runs only the x86_64 tests under LANG=ja_JP.UTF-8; -R dpi only
# the tests at LogPixels 96, 144 and 192, labelled dpi, in a prefix of their own.)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
only=""
regex=()
while [ $# -gt 0 ]; do
    case $1 in
        --build) build=$2; shift 2 ;;
        --only) only=$2; shift 2 ;;
        -R) regex=(-R "$2"); shift 2 ;;
        *) echo "unknown option $1" >&2; exit 2 ;;
    esac
done
mkdir -p "$build"
build=$(cd "$build" && pwd)
jobs=$(nproc)
skipped=()

export KEBO_WINE32_STATUS=$build/wine32-status
"$root/scripts/install-deps.sh"
source "$root/scripts/wine-loader.sh"
wine_choose_loader
if [ -s "$KEBO_WINE32_STATUS" ]; then
    skipped+=("SKIPPED: the i686 tests under 32-bit Wine: $(cat "$KEBO_WINE32_STATUS")")
fi

want() { [ -z "$only" ] || [ "$only" = "$1" ]; }

# ccache, where the machine has it, makes rebuilds of moved or touched trees cheap.
launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi

configure() {
    local tree=$1; shift
    cmake -S "$root" -B "$tree" "${launcher[@]}" "$@" >/dev/null
}

if want native || [ ! -x "$build/native/tools/xgvres" ]; then
    configure "$build/native" -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DKEBO_WERROR=ON
    cmake --build "$build/native" -j "$jobs"
else
    # An older tree may predate the tools' install rules: building the tools
    # configures it again.
    cmake --build "$build/native" --target xgvres xgemsg -j "$jobs" >/dev/null
fi
# The native tree installs the host tools; the Windows trees and the package
# test take them from this prefix (KEBO_HOST_PATH).
cmake --install "$build/native" --prefix "$build/host" >/dev/null
if want native; then
    (cd "$build/native" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --output-on-failure "${regex[@]}")
fi

build_windows() {
    local width=$1 arch=$2 type=$3; shift 3
    configure "$build/$width" -DCMAKE_BUILD_TYPE="$type" "$@" \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch-w64-mingw32.cmake" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh" \
        -DKEBO_HOST_PATH="$build/host" -DKEBO_BUILD_TESTS=ON -DKEBO_WERROR=ON
    cmake --build "$build/$width" -j "$jobs"
}

# Runs one width's suite in the background, its output kept for the end.
suites=()
start_suite() {
    local width=$1
    (
        source "$root/scripts/wine-session.sh"
        trap wine_session_stop EXIT
        trap 'exit 143' TERM INT
        wine_session_start "$build/wineprefix-$width"
        cd "$build/$width" && ctest --output-on-failure "${regex[@]}" -LE dpi
    ) >"$build/$width-tests.log" 2>&1 &
    suites+=("$width:$!")
}
# The tests where paths and text cross the ANSI code page, once more under
# Japanese (Wine's code page 932), in a prefix of their own.
japanese_tests='^(e2e_notes|e2e_notes_encodings|e2e_notes_quit|e2e_notes_typing|e2e_launcher|test_files|test_dde_server)$'
start_japanese_suite() {
    local width=$1
    (
        export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
        source "$root/scripts/wine-session.sh"
        trap wine_session_stop EXIT
        trap 'exit 143' TERM INT
        wine_session_start "$build/wineprefix-$width-ja"
        cd "$build/$width" && ctest --output-on-failure -R "$japanese_tests"
    ) >"$build/$width-ja-tests.log" 2>&1
}
# The tests at other scales (label dpi) change their prefix's LogPixels, so
# they run in a prefix of their own, on a screen that holds a window at 200 %.
start_dpi_suite() {
    local width=$1
    (
        export KEBO_SCREEN=2048x1536x24
        source "$root/scripts/wine-session.sh"
        trap wine_session_stop EXIT
        trap 'exit 143' TERM INT
        wine_session_start "$build/wineprefix-$width-dpi"
        cd "$build/$width" && ctest --output-on-failure -L dpi
    ) >"$build/$width-dpi-tests.log" 2>&1
}
stop_suites() {
    local suite
    for suite in "${suites[@]}"; do kill "${suite#*:}" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
trap stop_suites EXIT

# Both trees are built before either suite starts: the end-to-end tests time
# the splash, and a compiler taking both cores beside them makes them guess.
# Where the i686 programs cannot run, the benchmarks' short run comes from the
# x86_64 tree instead.
bench64=()
wine32_runs || bench64=(-DKEBO_BENCH=ON)
want win64 && build_windows win64 x86_64 Debug "${bench64[@]}"
want win32 && build_windows win32 i686 Release -DKEBO_BENCH=ON
# KEBO as another project takes it: each width's tree installed and
# samples/hello built against the prefix; the x86_64 one also by FetchContent
# of this checkout and run under Wine. Before the suites, whose end-to-end
# tests time the screen. Skipped with -R unless the regex is "package".
package_failed=()
package_test() {
    local width=$1 arch=$2; shift 2
    "$root/tests/package/package-test.sh" --tree "$build/$width" --arch "$arch" \
        --host "$build/host" --work "$build/package-$width" "$@" || package_failed+=("$width")
}
if [ ${#regex[@]} -eq 0 ] || [ "${regex[1]}" = package ]; then
    want win64 && package_test win64 x86_64 --run --fetch
    if want win32; then
        if wine32_runs; then package_test win32 i686 --run; else package_test win32 i686; fi
    fi
fi

want win64 && start_suite win64
if want win32; then
    if wine32_runs; then
        start_suite win32
    elif [ ${#skipped[@]} -eq 0 ]; then
        skipped+=("SKIPPED: the i686 tests under 32-bit Wine: $(wine32_cause)")
    fi
fi

status=0
for suite in "${suites[@]}"; do
    width=${suite%%:*}
    wait "${suite#*:}" || status=1
    case $width in win32) echo "=== i686 tests under 32-bit Wine" ;; *) echo "=== x86_64 tests under 64-bit Wine" ;; esac
    cat "$build/$width-tests.log"
done
suites=()
# After the main suites, so the timed end-to-end tests do not share the cores.
if want win64 && { [ ${#regex[@]} -eq 0 ] || [ "${regex[1]}" = japanese ]; }; then
    if locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
        echo "=== x86_64 tests under 64-bit Wine, LANG=ja_JP.UTF-8"
        start_japanese_suite win64 || status=1
        cat "$build/win64-ja-tests.log"
    else
        skipped+=("SKIPPED: the x86_64 tests under LANG=ja_JP.UTF-8: the locale is not generated")
    fi
fi
if want win64 && { [ ${#regex[@]} -eq 0 ] || [ "${regex[1]}" = dpi ]; }; then
    echo "=== x86_64 tests under 64-bit Wine at LogPixels 96, 144 and 192"
    start_dpi_suite win64 || status=1
    cat "$build/win64-dpi-tests.log"
fi
if want win32 && wine32_runs && { [ ${#regex[@]} -eq 0 ] || [ "${regex[1]}" = dpi ]; }; then
    echo "=== i686 tests under 32-bit Wine at LogPixels 96, 144 and 192"
    start_dpi_suite win32 || status=1
    cat "$build/win32-dpi-tests.log"
fi
# The benchmarks once, short, from the shipped build's tree, to show that they
# run; no timing is judged.
if [ -z "$only" ] && [ ${#regex[@]} -eq 0 ]; then
    if wine32_runs; then
        "$root/scripts/bench.sh" --short --arch i686 --build "$build" --tree "$build/win32" || status=1
    else
        "$root/scripts/bench.sh" --short --arch x86_64 --build "$build" --tree "$build/win64" || status=1
    fi
fi
for width in "${package_failed[@]}"; do
    echo "FAILED: the package test of the $width tree (tests/package/package-test.sh, output above)"
    status=1
done
for line in "${skipped[@]}"; do echo "$line"; done
exit $status
