#!/usr/bin/env bash
# Installs with apt-get whatever the build and the tests need and is missing.
set -euo pipefail
need=()
have() { command -v "$1" >/dev/null 2>&1; }
have cmake || need+=(cmake)
have make || need+=(make)
have clang++ || need+=(clang)
have i686-w64-mingw32-g++-posix || need+=(g++-mingw-w64-i686-posix)
have x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64-posix)
have i686-w64-mingw32-windres || need+=(binutils-mingw-w64-i686)
have x86_64-w64-mingw32-windres || need+=(binutils-mingw-w64-x86-64)
have wine || need+=(wine)
[ -x /usr/lib/wine/wine64 ] || need+=(wine64)
have Xvfb || need+=(xvfb)
have xauth || need+=(xauth)
have xdotool || need+=(xdotool)
have import || need+=(imagemagick)
[ -d /usr/src/googletest ] || need+=(googletest)
[ -d /usr/share/fonts/truetype/liberation ] || need+=(fonts-liberation)
ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 || need+=(libclang-rt-14-dev)
if [ ${#need[@]} -gt 0 ]; then
    echo "installing: ${need[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
