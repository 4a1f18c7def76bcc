#!/usr/bin/env bash
# Times "runeboard convert" against the character-art converters people use
# (jp2a, chafa, img2txt), where they are installed, on two JPEG pictures made
# here, and prints each median and the ratios, one per line as "name value unit".
# Usage: bench/compare-converters.sh [path/to/runeboard]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
RUNEBOARD="${1:-$ROOT/build/bin/runeboard}"
RUNS="${RUNS:-15}"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

command -v convert >/dev/null || { echo "ImageMagick's convert is needed to make the pictures" >&2; exit 1; }
[ -x "$RUNEBOARD" ] || { echo "no runeboard at $RUNEBOARD (build it first)" >&2; exit 1; }

# Photo-like pictures: smooth shading with detail, as a camera gives.
convert -size 4000x3000 plasma:fractal -seed 7 -quality 90 "$WORK/big.jpg"
convert -size 640x480 plasma:fractal -seed 7 -quality 90 "$WORK/small.jpg"

# The median wall time of a command in milliseconds, over $RUNS runs after warm-ups: measured by
# hyperfine where it is installed (without a shell in between), else by a loop here.
median_ms() {
    "$@" >/dev/null 2>&1 || return 1
    if command -v hyperfine >/dev/null; then
        local json="$WORK/times.json" quoted
        quoted=$(printf '%q ' "$@")
        hyperfine -N -w 3 -r "$RUNS" --export-json "$json" "$quoted" >/dev/null 2>&1 || return 1
        grep -o '"median": *[0-9.e-]*' "$json" | head -1 | awk '{printf "%.1f", $2 * 1000}'
        return
    fi
    local times=()
    for _ in $(seq "$RUNS"); do
        local start end
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1
        end=$(date +%s%N)
        times+=($(( (end - start) / 1000 )))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%.1f", a[int((NR+1)/2)] / 1000}'
}

# The peak resident memory of a command in megabytes.
peak_mb() {
    /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -1 | awk '{printf "%.1f", $1 / 1024}'
}

for size in big small; do
    pic="$WORK/$size.jpg"
    w=100; h=75
    ours=$(median_ms "$RUNEBOARD" convert "$pic" --width $w --height $h)
    echo "runeboard_convert_${size}_ms $ours ms"
    declare -A others=(
        [jp2a]="jp2a --size=${w}x${h} $pic"
        [chafa]="chafa --size=${w}x${h} --stretch --format symbols --symbols ascii --colors none $pic"
        [img2txt]="img2txt -W $w -H $h $pic"
    )
    for tool in jp2a chafa img2txt; do
        command -v "$tool" >/dev/null || continue
        # shellcheck disable=SC2086
        theirs=$(median_ms ${others[$tool]}) || continue
        echo "${tool}_${size}_ms $theirs ms"
        awk -v a="$ours" -v b="$theirs" -v n="convert_vs_${tool}_${size}_ratio" 'BEGIN {printf "%s %.2f x\n", n, a / b}'
    done
    unset others
done
if [ -x /usr/bin/time ]; then
    echo "runeboard_convert_big_peak_mb $(peak_mb "$RUNEBOARD" convert "$WORK/big.jpg" --width 100 --height 75) MB"
fi
