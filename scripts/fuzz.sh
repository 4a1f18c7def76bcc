#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time (default 60 s), starting
# from the corpus kept in the repository (fuzz/corpus/<target>/) and the seeds that
# fuzz/make-seeds.sh makes. What a run reaches is merged back into fuzz/corpus, minimised with
# -merge=1, for the next run to start from (commit it). Any crash, sanitizer report, leak,
# time-out or broken check fails the run; its input is kept in build-fuzz/artifacts and copied
# to fuzz/regressions/<target>/, which the plain tests replay.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(textfile paste session gbk article picture cli)
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
for target in "${targets[@]}"; do
    kept="$ROOT/fuzz/corpus/$target"
    work="$FUZZ/corpus/$target"
    mkdir -p "$kept" "$work"
    cp -n "$kept"/* "$work"/ 2>/dev/null || true
    log="$FUZZ/artifacts/$target.log"
    echo "fuzz_$target: ${seconds} s from $(find "$kept" -type f | wc -l) kept inputs"
    if "$FUZZ/bin/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=4096 -timeout=25 \
        -print_final_stats=1 -artifact_prefix="$FUZZ/artifacts/$target-" \
        "$work" "$FUZZ/seeds/$target" >"$log" 2>&1; then
        # The smallest set of inputs that reaches all the coverage, in place of the kept corpus.
        merged="$FUZZ/merged/$target"
        rm -rf "$merged" && mkdir -p "$merged"
        "$FUZZ/bin/fuzz_$target" -merge=1 -rss_limit_mb=4096 -timeout=25 "$merged" "$kept" "$work" \
            "$FUZZ/seeds/$target" >"$FUZZ/artifacts/$target-merge.log" 2>&1 &&
            rm -rf "$kept" && mv "$merged" "$kept"
    else
        failed+=("$target")
        tail -n 40 "$log"
        mkdir -p "$ROOT/fuzz/regressions/$target"
        for a in "$FUZZ/artifacts/$target"-{crash,leak,timeout,oom}-*; do
            [ -e "$a" ] && cp "$a" "$ROOT/fuzz/regressions/$target/"
        done
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    summary+=("$(printf '%-14s %12s executions %8s per second %6s kept' "fuzz_$target" "${runs:-?}" "${rate:-?}" \
        "$(find "$kept" -type f | wc -l)")")
done
printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzzing found faults in: ${failed[*]} (inputs in $FUZZ/artifacts and fuzz/regressions)" >&2
    exit 1
fi
