#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time (default 60 s) on the
# seed corpus that fuzz/make-seeds.sh makes. Any crash, sanitizer report, leak, time-out or
# broken check fails; the input that caused it is kept under build-fuzz/artifacts.
# Usage: scripts/fuzz.sh [SECONDS]
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
seconds="${1:-60}"
install_packages "${FUZZ_PACKAGES[@]}"
FUZZ="${RUNEBOARD_FUZZ_BUILD_DIR:-$ROOT/build-fuzz}"
cmake -S "$ROOT" -B "$FUZZ" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DRUNEBOARD_FUZZ=ON
cmake --build "$FUZZ" -j "$(nproc)"

rm -rf "$FUZZ/seeds"
"$ROOT/fuzz/make-seeds.sh" "$FUZZ/seeds"
mkdir -p "$FUZZ/artifacts"
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$ROOT/tests/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1"
failed=()
summary=()
for target in textfile paste session gbk article picture cli; do
    mkdir -p "$FUZZ/corpus/$target"
    log="$FUZZ/artifacts/$target.log"
    echo "fuzz_$target: ${seconds} s"
    if "$FUZZ/bin/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=4096 -timeout=25 \
        -print_final_stats=1 -artifact_prefix="$FUZZ/artifacts/$target-" \
        "$FUZZ/corpus/$target" "$FUZZ/seeds/$target" >"$log" 2>&1; then
        :
    else
        failed+=("$target")
        tail -n 40 "$log"
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    summary+=("$(printf '%-14s %12s executions %8s per second' "fuzz_$target" "${runs:-?}" "${rate:-?}")")
done
printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzzing found faults in: ${failed[*]} (inputs in $FUZZ/artifacts)" >&2
    exit 1
fi
