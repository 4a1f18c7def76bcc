#!/usr/bin/env bash
# Installs what is missing, builds Runeboard and starts it; arguments go to the program
# (for example files to open).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_packages "${BUILD_PACKAGES[@]}"
build -DRUNEBOARD_TESTS=OFF
exec "$BUILD/bin/runeboard" "$@"
