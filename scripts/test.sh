#!/usr/bin/env bash
# Installs what is missing, builds Runeboard with its tests where it was built before, and runs
# every test headless: the unit and window tests, the replays of the fuzz corpora, and the
# end-to-end tests on a virtual screen. A warm tree rebuilds only what a change touched.
# "--full" (what CI runs) goes on with the same tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer, every fuzz target, the GUI monkey run and the Debian package
# installed and run from a scratch root. Any failure or report fails the whole run.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
full=0
case "${1:-}" in
--full) full=1 ;;
"" | --quick) ;;
*)
    echo "usage: scripts/test.sh [--full]" >&2
    exit 2
    ;;
esac
install_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
[ "$full" = 1 ] && install_packages "${FUZZ_PACKAGES[@]}"

build -DRUNEBOARD_TESTS=ON
(cd "$BUILD" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
[ "$full" = 1 ] || exit 0

echo "== The tests with AddressSanitizer and UndefinedBehaviorSanitizer"
SANITIZED="${RUNEBOARD_SANITIZE_BUILD_DIR:-$ROOT/build-asan}"
cmake -S "$ROOT" -B "$SANITIZED" -DCMAKE_BUILD_TYPE=Debug -DRUNEBOARD_SANITIZE=ON -DRUNEBOARD_BENCH=OFF
cmake --build "$SANITIZED" -j "$(nproc)"
(
    cd "$SANITIZED"
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
    export LSAN_OPTIONS="suppressions=$ROOT/tests/lsan.supp"
    export UBSAN_OPTIONS="print_stacktrace=1"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
)

echo "== The fuzz targets"
"$ROOT/scripts/fuzz.sh" "${RUNEBOARD_FUZZ_SECONDS:-60}"
for step in monkey package-check; do
    if [ -x "$ROOT/scripts/$step.sh" ]; then
        echo "== scripts/$step.sh"
        "$ROOT/scripts/$step.sh"
    fi
done
