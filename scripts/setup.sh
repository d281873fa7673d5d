#!/usr/bin/env bash
# Sets up everything Tabulet needs on Debian 12, builds it, then either starts it or runs the tests.
#   scripts/setup.sh run    build and start Tabulet on your display with your own data folder
#   scripts/setup.sh test   build with sanitizers and run every test (unit, UI, fuzz, end-to-end)
set -euo pipefail

mode=${1:-run}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

build_packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-base-private-dev qt6-qpa-plugins libtinyxml2-dev libzip-dev libfontconfig-dev
    liblua5.1-0-dev libxcb1-dev fonts-dejavu-core shared-mime-info desktop-file-utils qt6-translations-l10n librsvg2-bin)
test_packages=(libgtest-dev libgmock-dev clang libclang-rt-14-dev xvfb xauth xdotool x11-utils dbus openbox trayer
    imagemagick appstream poppler-utils python3 dpkg-dev file lintian man-db at-spi2-core python3-pyatspi)

install_missing() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

case "$mode" in
run)
    install_missing "${build_packages[@]}"
    cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTABULET_TESTS=OFF
    cmake --build "$root/build/release" -j "$jobs"
    exec "$root/build/release/tabulet"
    ;;
test)
    install_missing "${build_packages[@]}" "${test_packages[@]}"
    # The parsers' fuzz targets need clang; they run briefly over their corpora.
    CC=clang CXX=clang++ cmake -S "$root" -B "$root/build/fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTABULET_FUZZ=ON
    cmake --build "$root/build/fuzz" -j "$jobs"
    TABULET_FUZZ_SECONDS=${TABULET_FUZZ_SECONDS:-20} ctest --test-dir "$root/build/fuzz" --output-on-failure
    # The package test builds a Release tree of its own and, as root, installs and removes the package.
    cmake -S "$root" -B "$root/build/test" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTABULET_SANITIZE=ON \
        -DTABULET_WERROR=ON -DTABULET_PACKAGE_TEST=ON
    cmake --build "$root/build/test" -j "$jobs"
    ctest --test-dir "$root/build/test" --output-on-failure -j "$jobs"
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
