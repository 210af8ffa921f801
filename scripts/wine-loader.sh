# Sourced by the scripts that run Wine. Some machines have 32-bit Wine
# installed but a kernel without 32-bit program support: the 32-bit loader then
# fails with "Exec format error", and Debian's wine script, which always picks
# it when present, takes the 64-bit programs down with it.

# True when 32-bit Windows programs can run here.
wine32_runs() {
    [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Why they cannot, in a few words; empty when they can.
wine32_cause() {
    if [ ! -x /usr/lib/wine/wine ]; then
        echo "wine32:i386 is not installed"
    elif ! wine32_runs; then
        echo "this machine's kernel does not run 32-bit programs (the loader says: Exec format error)"
    fi
}

# Where the 32-bit loader is present but cannot run, wine, wine-stable and the
# tools that call them (wineboot, winepath, ...) use the 64-bit loader.
wine_choose_loader() {
    if [ -x /usr/lib/wine/wine ] && ! wine32_runs && [ -x /usr/lib/wine/wine64 ]; then
        local here
        here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
        case ":$PATH:" in
            *":$here/wine64-loader:"*) ;;
            *) export PATH="$here/wine64-loader:$PATH" ;;
        esac
        export WINELOADER=/usr/lib/wine/wine64
    fi
}
