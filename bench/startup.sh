#!/usr/bin/env bash
# Start-up of fincalc against a bare Qt 6 Widgets program (bench_reference), measured from outside
# the process: the wall time from exec until the first window (Form1, "reference") is mapped on the
# X display, and the process's resident memory (VmRSS) at that moment. Median of RUNS runs (7
# unless set), side by side, with the ratios. Then, if bench_screens is there, the per-screen figures.
# Goals: time within 1.25 x and memory within 1.3 x the reference.
# usage: bench/startup.sh [FINCALC [REFERENCE]]
#   default FINCALC build/fincalc; default REFERENCE bench/bench_reference in FINCALC's build directory.
# Starts Xvfb on :99 when DISPLAY is not set (packages xvfb and x11-utils).
set -euo pipefail

fincalc=${1:-build/fincalc}
reference=${2:-$(dirname "$fincalc")/bench/bench_reference}
runs=${RUNS:-7}
for program in "$fincalc" "$reference"; do
    [[ -x $program ]] || { echo "startup.sh: no program $program" >&2; exit 2; }
done

export QT_QPA_PLATFORM=xcb
xvfb_pid=
if [[ -z ${DISPLAY:-} ]]; then
    Xvfb :99 -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=:99
    for _ in $(seq 100); do
        xwininfo -root >/dev/null 2>&1 && break
        sleep 0.05
    done
    kill -0 "$xvfb_pid" 2>/dev/null || { echo "startup.sh: Xvfb could not start on :99" >&2; exit 1; }
fi
program_pid=
cleanup() {
    if [[ -n $program_pid ]]; then kill "$program_pid" 2>/dev/null || true; fi
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true # the display is free again for the next run
    fi
}
trap cleanup EXIT

# Whether a top-level window titled TITLE, or TITLE followed by the application's name
# (" — ..."), is viewable.
viewable() {
    local id
    for id in $(xwininfo -root -children 2>/dev/null | grep -E "^ +0x[0-9a-f]+ \"$1( [^\"]*)?\"" | awk '{print $1}'); do
        if xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
            return 0
        fi
    done
    return 1
}

median() { printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

# Starts PROGRAM RUNS times and sets median_ms and median_kib.
measure() {
    local program=$1 title=$2 start end times=() sizes=()
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        "$program" >/dev/null 2>&1 &
        program_pid=$!
        until viewable "$title"; do
            if ! kill -0 "$program_pid" 2>/dev/null; then
                echo "startup.sh: $program exited before showing its window" >&2
                exit 1
            fi
        done
        end=$(date +%s%N)
        times+=($(((end - start) / 1000000)))
        sizes+=("$(awk '/^VmRSS:/ {print $2}' "/proc/$program_pid/status")")
        kill "$program_pid"
        wait "$program_pid" 2>/dev/null || true
        program_pid=
    done
    median_ms=$(median "${times[@]}")
    median_kib=$(median "${sizes[@]}")
}

measure "$reference" reference # a first round warms the disk cache and the font cache
measure "$reference" reference
ref_ms=$median_ms
ref_kib=$median_kib
measure "$fincalc" Form1
app_ms=$median_ms
app_kib=$median_kib

echo "start-up until the first window is mapped, median of $runs runs (nproc $(nproc); $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'))"
printf '%-16s %8s %12s\n' "" "time" "resident"
printf '%-16s %6d ms %8d KiB\n' "bench_reference" "$ref_ms" "$ref_kib" "fincalc" "$app_ms" "$app_kib"
awk -v t="$app_ms" -v rt="$ref_ms" -v m="$app_kib" -v rm="$ref_kib" 'BEGIN {
    printf "%-16s %7.3f x %10.3f x\n", "ratio", t / rt, m / rm
    printf "goals: time <= 1.25 x %s, memory <= 1.3 x %s\n", (t <= 1.25 * rt ? "met" : "MISSED"), (m <= 1.3 * rm ? "met" : "MISSED")
}'

screens=$(dirname "$reference")/bench_screens
if [[ -x $screens ]]; then
    echo
    "$screens"
fi
