#!/usr/bin/env bash
# Installs with apt-get whatever the build and the tests need and is missing.
# 32-bit Wine comes from Debian's i386 packages; when their index cannot be
# read (a mirror mid-sync), the 64-bit run goes on and the test script says
# SKIPPED at the end, so a missing width never passes for a green run.
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
# Wine's own fonts: Marlett draws the caption buttons, MS Sans Serif the dialogs.
[ -e /usr/share/wine/fonts/marlett.ttf ] || need+=(fonts-wine)
# Text in every script: a CJK font and an emoji font with outlines, which Wine's
# font fallback finds for characters that Arial lacks.
[ -e /usr/share/fonts/truetype/wqy/wqy-microhei.ttc ] || need+=(fonts-wqy-microhei)
[ -d /usr/share/fonts/truetype/ancient-scripts ] || ls /usr/share/fonts/*/*/Symbola* >/dev/null 2>&1 || need+=(fonts-symbola)
have locale-gen || need+=(locales)
ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 || need+=(libclang-rt-14-dev)
export DEBIAN_FRONTEND=noninteractive
updated=""
update() { [ -n "$updated" ] || { apt-get update -qq && updated=1; }; }
if [ ${#need[@]} -gt 0 ]; then
    echo "installing: ${need[*]}"
    update
    apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

# A Japanese locale, so the tests can run Wine with code page 932 as its ANSI code page.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
    locale-gen ja_JP.UTF-8 >/dev/null 2>&1 || locale-gen >/dev/null
fi

# 32-bit Wine: the i386 architecture, its package index and wine32. A failure
# here is written to KEBO_WINE32_STATUS (when set) instead of ending the run.
source "$(dirname "$0")/wine-loader.sh"
wine32_missing() { [ ! -x /usr/lib/wine/wine ]; }
status=${KEBO_WINE32_STATUS:-/dev/null}
[ "$status" = /dev/null ] || rm -f "$status"
if wine32_missing; then
    echo "installing: wine32:i386"
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    cause=""
    for attempt in 1 2 3; do
        if apt-get update -qq >/dev/null 2>&1 && apt-cache show wine32:i386 >/dev/null 2>&1; then
            cause=""
            if apt-get install -y -qq --no-install-recommends wine32:i386 >/dev/null 2>&1; then
                break
            fi
            cause="apt-get install wine32:i386 failed"
        else
            cause="the i386 package index could not be read"
        fi
        [ "$attempt" -lt 3 ] && sleep $((attempt * 10))
    done
    if wine32_missing; then
        cause=${cause:-wine32:i386 installed without its loader /usr/lib/wine/wine}
        echo "$cause (tried $attempt times)" >"$status"
        echo "32-bit Wine is not available: $cause" >&2
    fi
fi
# Installed is not enough: the kernel must run 32-bit programs too.
if ! wine32_missing && ! wine32_runs; then
    wine32_cause >"$status"
    echo "32-bit Wine cannot run here: $(wine32_cause)" >&2
fi
exit 0
