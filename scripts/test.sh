#!/usr/bin/env bash
# Installs what is missing, builds Runeboard with its tests and runs them all headless; then
# the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer, then every fuzz
# target for a minute. Any failure, sanitizer report or fuzz finding fails the whole run.
# "--quick" runs the plain build's tests only.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
quick=0
[ "${1:-}" = "--quick" ] && quick=1
install_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
[ "$quick" = 1 ] || install_packages "${FUZZ_PACKAGES[@]}"

build -DRUNEBOARD_TESTS=ON
(cd "$BUILD" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")
[ "$quick" = 1 ] && exit 0

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
