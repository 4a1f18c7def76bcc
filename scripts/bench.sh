#!/usr/bin/env bash
# Builds Runeboard and prints its speed and memory figures.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages "${BUILD_PACKAGES[@]}"
build
QT_QPA_PLATFORM=offscreen "$BUILD/bin/runeboard-bench"
