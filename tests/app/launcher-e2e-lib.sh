# The start of every end-to-end script that runs the launcher; sourced, after
# the script has read its arguments into `demo`. It waits for the machine's
# launcher lock (the two widths' suites run side by side, and the launcher's
# checks time its splash to a fraction of a second), quiets the stand-in
# installers and Wine, finds the system folder where the launcher looks for
# QuickTime.qts (syswow64 for the 32-bit build), and gives the script `work`
# (a fresh folder), `failures`, `pid`, `fail` and `note`.
exec 9>"${TMPDIR:-/tmp}/kebo-launcher-e2e.lock"
flock 9
export HALCYRA_STANDIN_QUIET=1
export WINEDEBUG=${WINEDEBUG:--all}
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-session.sh"
system_folder=$(wine_system_folder "$demo/tools/SystemFolder.exe") || {
    echo "FAILED: the system folder could not be asked of $demo/tools/SystemFolder.exe"; exit 1; }
work=$(mktemp -d)
failures=0
pid=""
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
note() { echo "--- $*"; }

# Waits up to ten seconds for the launcher's start window to show and sets
# `window` to it; fails the check and answers 1 when it does not.
wait_start_window() {
    window=""
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '^Halcyra  International$' 2>/dev/null | head -1)
        [ -n "$window" ] && return 0
        sleep 0.1
    done
    fail "no start window titled 'Halcyra  International'"
    return 1
}
