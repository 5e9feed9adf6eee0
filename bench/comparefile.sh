#!/usr/bin/env bash
# Speed of the comparison of a grid file: generates a file of LINES grids of six numbers 1..49
# separated by ";", then times side by side `mirazol-cli compare-file` on it, the awk script
# comparefile.awk that computes the same lines and counters (its output must equal the
# program's), and `wc -l`. Each is run RUNS times; the best time counts.
#   bench/comparefile.sh PATH/TO/mirazol-cli [LINES] [RUNS]
set -euo pipefail

cli=${1:?usage: comparefile.sh PATH/TO/mirazol-cli [LINES] [RUNS]}
lines=${2:-1000000}
runs=${3:-3}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

draw=3,17,20,28,33,45,12
grids=$work/grids.txt

# Six distinct numbers per line, from a fixed seed so that every run compares the same file.
awk -v n="$lines" 'BEGIN {
    srand(1)
    for (i = 1; i <= n; i++) {
        delete taken
        line = ""
        for (c = 1; c <= 6; c++) {
            do v = int(rand() * 49) + 1; while (v in taken)
            taken[v] = 1
            line = line (c > 1 ? ";" : "") v
        }
        print line
    }
}' >"$grids"

# Best wall-clock time and best processor time (user + system), in seconds, of RUNS runs of a
# command whose output goes to a file. Both are given: on a shared machine the wall clock also
# counts the time spent waiting for a processor.
best() {
    local output=$1 times=$work/times wall= cpu= w u s c TIMEFORMAT='%3R %3U %3S'
    shift
    for ((r = 0; r < runs; r++)); do
        { time "$@" >"$output" 2>/dev/null; } 2>"$times"
        read -r w u s <"$times"
        c=$(echo "$u + $s" | bc -l)
        if [[ -z $wall ]] || (($(echo "$w < $wall" | bc -l))); then wall=$w; fi
        if [[ -z $cpu ]] || (($(echo "$c < $cpu" | bc -l))); then cpu=$c; fi
    done
    printf '%.3f %.3f\n' "$wall" "$cpu"
}

read -r cliWall cliCpu < <(best "$work/cli.txt" "$cli" compare-file "$grids" --draw "$draw" --sep ";")
read -r awkWall awkCpu < <(best "$work/awk.txt" awk -v draw="$draw" -v sep=";" \
    -f "$here/comparefile.awk" "$grids")
read -r wcWall wcCpu < <(best "$work/wc.txt" wc -l "$grids")

if ! cmp -s "$work/cli.txt" "$work/awk.txt"; then
    echo "awk and mirazol-cli disagree:" >&2
    diff "$work/cli.txt" "$work/awk.txt" | head -n 10 >&2
    exit 1
fi

# a / b to one decimal, or "-" when b is too small to measure.
ratio() {
    if (($(echo "$2 == 0" | bc -l))); then
        echo "-"
    else
        echo "scale=1; $1 / $2" | bc -l
    fi
}

printf 'file: %d lines, %d bytes; output: %d bytes, the same from both\n' \
    "$lines" "$(stat -c %s "$grids")" "$(stat -c %s "$work/cli.txt")"
printf '%-26s %9s %9s\n' "" "wall s" "cpu s" \
    "mirazol-cli compare-file" "$cliWall" "$cliCpu" \
    "awk -f comparefile.awk" "$awkWall" "$awkCpu" \
    "wc -l" "$wcWall" "$wcCpu"
printf 'awk / mirazol-cli: %sx wall, %sx cpu\n' "$(ratio "$awkWall" "$cliWall")" \
    "$(ratio "$awkCpu" "$cliCpu")"
printf 'mirazol-cli / wc -l: %sx wall, %sx cpu\n' "$(ratio "$cliWall" "$wcWall")" \
    "$(ratio "$cliCpu" "$wcCpu")"
