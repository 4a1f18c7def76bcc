# Shared by the set-up commands: install what is missing, then configure and build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${RUNEBOARD_BUILD_DIR:-$ROOT/build}"

# Debian packages the program needs to build and run.
BUILD_PACKAGES=(cmake g++ make qt6-base-dev qt6-svg-dev libjpeg62-turbo-dev
                fonts-wqy-microhei fonts-unifont fonts-noto-cjk qt6-translations-l10n)
# What the tests and screenshots need on top.
TEST_PACKAGES=(xvfb xdotool xclip imagemagick poppler-utils openbox x11-utils)
# The fuzz targets: clang with its sanitizer and libFuzzer runtimes.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)

install_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$BUILD" -j "$(nproc)"
}
