#!/usr/bin/env bash
# Builds the benchmarks as Release and runs them under Wine: each row's work
# done by the framework and by plain Win32, the two taking turns in one run,
# printed as medians with their spread (min-max) and the ratio
# framework / raw. Start-up is timed from process creation to the splash's
# pixels on screen, for the launcher and for a plain program with the same
# imports and start-up calls.
#
#   scripts/bench.sh [--short] [--reps N] [--arch x86_64|i686] [--build DIR]
#                  [--tree DIR] [--only GROUP]
#
# --only runs one group of rows: statics, buttons, keys, lines, loop, open, startup or peer.
# open: Notes opening a 100 MB file, its time and its peak memory (no raw side).
# peer: KEBO Notes beside Wine's notepad, each opening a 10 MB and a 50 MB file
# in a process of its own: from the process's start until its window's title
# names the file, and the process's peak memory. Notepad takes seconds a file,
# so the rows run only when asked for, or in a full run (not --short), with at
# most five turns.
# --tree runs the benchmarks of an already configured Release tree (the test
# script passes its i686 tree, configured with KEBO_BENCH) instead of building
# a tree of its own.
# --short runs every row twice, only to show that all of it works (and that
# each side's work really happened: the program checks it and fails if not).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
arch=x86_64
args=()
given_tree=""
only=""
short=""
reps=15
while [ $# -gt 0 ]; do
    case $1 in
        --short) args+=(--short); short=1; shift ;;
        --reps) args+=(--reps "$2"); reps=$2; shift 2 ;;
        --only) args+=(--only "$2"); only=$2; shift 2 ;;
        --arch) arch=$2; shift 2 ;;
        --build) build=$2; shift 2 ;;
        --tree) given_tree=$2; shift 2 ;;
        *) echo "unknown option $1" >&2; exit 2 ;;
    esac
done
mkdir -p "$build"
build=$(cd "$build" && pwd)
jobs=$(nproc)
case $arch in
    x86_64) tree=$build/bench-win64 wine=wine ;;
    i686) tree=$build/bench-win32 wine=wine
        source "$root/scripts/wine-loader.sh"
        wine32_runs || { echo "bench: 32-bit Wine cannot run here: $(wine32_cause)" >&2; exit 1; } ;;
    *) echo "unknown architecture $arch" >&2; exit 2 ;;
esac

# On a fresh machine, what the build and Wine need (the test script has
# already seen to it when it runs this).
for tool in cmake clang++ x86_64-w64-mingw32-g++-posix wine Xvfb; do
    command -v "$tool" >/dev/null 2>&1 || { "$root/scripts/install-deps.sh"; break; }
done

source "$root/scripts/wine-loader.sh"
wine_choose_loader

# The build-time tools come from the native tree; only they are built here.
if [ ! -x "$build/native/tools/xgvres" ] || [ ! -x "$build/native/tools/xgemsg" ]; then
    cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
    cmake --build "$build/native" -j "$jobs" --target xgvres xgemsg >/dev/null
fi
# Installed into a host prefix, the one a cross build names as KEBO_HOST_PATH.
cmake --install "$build/native" --prefix "$build/host" >/dev/null
if [ -n "$given_tree" ]; then
    tree=$given_tree
else
    cmake -S "$root" -B "$tree" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch-w64-mingw32.cmake" \
        -DKEBO_HOST_PATH="$build/host" -DKEBO_BUILD_TESTS=OFF -DKEBO_BENCH=ON \
        -DKEBO_WERROR=ON >/dev/null
fi
targets=(kebo_bench kebo_bench_startup halcyra)
if [ "$only" = peer ] || { [ -z "$only" ] && [ -z "$short" ]; }; then
    targets+=(notes)
fi
cmake --build "$tree" -j "$jobs" --target "${targets[@]}" >/dev/null

source "$root/scripts/wine-session.sh"
trap wine_session_stop EXIT
trap 'exit 143' TERM INT
wine_session_start "$build/wineprefix-bench-$arch"
demo=$tree/app/demo
echo "=== benchmarks, $arch under Wine ($(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg))"
if [ "$only" = peer ]; then
    source "$root/scripts/bench-peer.sh"
    bench_peer "$tree/samples/notes/notes.exe" "$reps"
    exit
fi
"$wine" "$tree/bench/kebo_bench.exe" "${args[@]}" --startup "$(winepath -w "$demo/halcyra.exe")" \
    "$(winepath -w "$demo")" "$(winepath -w "$tree/bench/kebo_bench_startup.exe")" | tr -d '\r'
if [ -z "$only" ] && [ -z "$short" ]; then
    source "$root/scripts/bench-peer.sh"
    bench_peer "$tree/samples/notes/notes.exe" "$((reps < 5 ? reps : 5))"
fi
