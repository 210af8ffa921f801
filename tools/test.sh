#!/usr/bin/env bash
# Builds everything and runs every test: the native build under AddressSanitizer
# and UBSan (with the fuzz targets), the shipped 32-bit Windows build, and the
# 64-bit Windows test build under Wine in an Xvfb display of its own.
#
#   tools/test.sh [--build DIR] [--only native|win32|win64] [-R regex]
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
jobs=$(nproc)

"$root/tools/install-deps.sh"

want() { [ -z "$only" ] || [ "$only" = "$1" ]; }

if want native || [ ! -x "$build/native/tools/xgvres" ]; then
    cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DKEBO_WERROR=ON >/dev/null
    cmake --build "$build/native" -j "$jobs"
fi
if want native; then
    (cd "$build/native" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --output-on-failure "${regex[@]}")
fi

if want win32; then
    cmake -S "$root" -B "$build/win32" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-w64-mingw32.cmake" \
        -DKEBO_HOST_TOOLS_DIR="$build/native/tools" -DKEBO_TESTS=OFF -DKEBO_WERROR=ON >/dev/null
    cmake --build "$build/win32" -j "$jobs"
fi

if want win64; then
    cmake -S "$root" -B "$build/win64" -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-w64-mingw32.cmake" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$root/tools/wine-run.sh" \
        -DKEBO_HOST_TOOLS_DIR="$build/native/tools" -DKEBO_WERROR=ON >/dev/null
    cmake --build "$build/win64" -j "$jobs"
    source "$root/tools/wine-session.sh"
    wine_session_start "$build/wineprefix"
    trap wine_session_stop EXIT
    (cd "$build/win64" && ctest --output-on-failure "${regex[@]}")
fi
