#!/usr/bin/env bash
# Builds the Debian package runeboard_<version>_<arch>.deb with CPack: a Release build in a tree
# of its own (build-package/, so build/ is left as it is), its dependencies found from the
# libraries the programs link. Prints the package's path last.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
# dpkg-shlibdeps (dpkg-dev) finds the libraries' packages; CPack asks "file" which files are programs.
install_packages "${BUILD_PACKAGES[@]}" dpkg-dev file

PACKAGE_BUILD="${RUNEBOARD_PACKAGE_BUILD_DIR:-$ROOT/build-package}"
version="$(sed -n 's/^project(Runeboard VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")"
deb="$PACKAGE_BUILD/runeboard_${version}_$(dpkg --print-architecture).deb"

cmake -S "$ROOT" -B "$PACKAGE_BUILD" -DCMAKE_BUILD_TYPE=Release -DRUNEBOARD_TESTS=OFF -DRUNEBOARD_BENCH=OFF
cmake --build "$PACKAGE_BUILD" -j "$(nproc)"
# A package left from an earlier run never passes for this one.
rm -f "$PACKAGE_BUILD"/runeboard_*.deb
(cd "$PACKAGE_BUILD" && cpack -G DEB)
if [ ! -f "$deb" ]; then
    echo "package.sh: CPack did not make $deb" >&2
    exit 1
fi
echo "$deb"
