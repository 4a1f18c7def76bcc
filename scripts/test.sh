#!/usr/bin/env bash
# Installs what is missing, builds Runeboard with its tests and runs them all headless.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
build -DRUNEBOARD_TESTS=ON
cd "$BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
