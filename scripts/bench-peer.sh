# Sourced by bench.sh inside its Wine session: KEBO Notes beside Wine's own
# notepad, each opening the same text file in a process of its own. A turn is
# timed from the process's start until a visible window's title names the
# file (both programs name the file once it is read and shown); the peak
# memory is the VmHWM of the Wine process running the program, read before it
# is ended.

# The processes of this prefix whose command line names the program (the
# launcher and the Wine process running it).
peer_processes() {
    local exe=$1 pid
    for pid in $(pgrep -u "$(id -u)" -f "$exe" 2>/dev/null); do
        if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
            echo "$pid"
        fi
    done
}

# One turn: prints "milliseconds peak-kilobytes", or nothing when the title
# never came.
peer_open() {
    local program=$1 exe=$2 file=$3 name
    name=$(basename "$file")
    local start end wid="" pid="" peak=0 deadline
    start=$(date +%s%N)
    deadline=$(( $(date +%s) + 180 ))
    wine "$program" "$(winepath -w "$file")" >/dev/null 2>&1 &
    local launcher=$!
    while [ "$(date +%s)" -lt "$deadline" ]; do
        wid=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -1)
        [ -n "$wid" ] && break
        sleep 0.01
    done
    end=$(date +%s%N)
    # The largest peak among them is the program's own process.
    for pid in $(peer_processes "$exe"); do
        local hwm
        hwm=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status" 2>/dev/null)
        if [ -n "$hwm" ] && [ "$hwm" -gt "$peak" ]; then
            peak=$hwm
        fi
        kill "$pid" 2>/dev/null || true
    done
    kill "$launcher" 2>/dev/null || true
    wait "$launcher" 2>/dev/null || true
    if [ -n "$wid" ]; then
        echo "$(( (end - start) / 1000000 )) ${peak:-0}"
    fi
}

# Median, min and max of the numbers on stdin, as "median UNIT (min-max)".
peer_stats() {
    sort -n | awk -v unit="$1" '{v[NR] = $1} END {
        if (NR == 0) { print "-"; exit }
        m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%s %s (%s-%s)", m, unit, v[1], v[NR] }'
}

peer_median() {
    sort -n | awk '{v[NR] = $1} END { if (NR) print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

# bench_peer NOTES.exe TURNS
bench_peer() {
    local notes=$1 turns=$2 work size
    work=$(mktemp -d)
    echo "KEBO Notes beside Wine's notepad, $turns turns each, taking turns"
    echo "| work | Notes median (min-max) | notepad median (min-max) | ratio |"
    echo "|---|---|---|---|"
    for size in 10 50; do
        local file=$work/peer-${size}mb.txt
        # Lines of 63 characters and a line end, as the open row's file.
        # (yes ends on the closed pipe, which is no failure here.)
        { yes 'The quick brown fox jumps over the lazy dog; pack my box with f' || true; } |
            head -c $((size << 20)) >"$file"
        local notesT=() notesM=() padT=() padM=() k out
        for ((k = 0; k < turns; k++)); do
            out=$(peer_open "$notes" "notes.exe" "$file")
            if [ -n "$out" ]; then notesT+=("${out% *}") notesM+=("${out#* }"); fi
            out=$(peer_open notepad "notepad.exe" "$file")
            if [ -n "$out" ]; then padT+=("${out% *}") padM+=("${out#* }"); fi
        done
        local nt pt nm pm
        nt=$(printf '%s\n' "${notesT[@]}" | peer_median)
        pt=$(printf '%s\n' "${padT[@]}" | peer_median)
        nm=$(printf '%s\n' "${notesM[@]}" | peer_median)
        pm=$(printf '%s\n' "${padM[@]}" | peer_median)
        echo "| opening a $size MB text file, process start to the title naming it | $(printf '%s\n' "${notesT[@]}" | peer_stats ms) | $(printf '%s\n' "${padT[@]}" | peer_stats ms) | $(awk -v a="$nt" -v b="$pt" 'BEGIN { print (b > 0 ? sprintf("%.3f", a / b) : "-") }') |"
        echo "| peak memory of that process ($size MB file) | $(printf '%s\n' "${notesM[@]}" | awk '{print int($1 / 1024)}' | peer_stats MB) | $(printf '%s\n' "${padM[@]}" | awk '{print int($1 / 1024)}' | peer_stats MB) | $(awk -v a="$nm" -v b="$pm" 'BEGIN { print (b > 0 ? sprintf("%.3f", a / b) : "-") }') |"
        rm -f "$file"
    done
    rmdir "$work" 2>/dev/null || true
}
