#!/usr/bin/env bash
# Installs what is missing on Debian, builds, and then runs the game or its tests.
#   bash setup.sh run    build and start the game
#   bash setup.sh test   build and run every test, also under the sanitizers
set -euo pipefail
cd "$(dirname "$0")"

# The labels' font is Liberation 2: fonts-liberation2 on Debian 12, whose
# fonts-liberation is the older 1.x; from Debian 13 on it is fonts-liberation,
# and fonts-liberation2 only a transitional package.
liberation=fonts-liberation2
if dpkg --compare-versions "$(apt-cache policy fonts-liberation 2>/dev/null |
        sed -n 's/^ *Candidate: //p')" ge 1:2 2>/dev/null; then
    liberation=fonts-liberation
fi

# Building and running the game.
# qt6-tools-dev and qt6-l10n-tools compile the translations; qt6-translations-l10n
# holds Qt's own words, such as a message box's buttons.
run_packages=(g++ make cmake pkg-config qt6-base-dev qt6-svg-dev qt6-qpa-plugins libfontconfig-dev
              qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
              "$liberation" fonts-dejavu-core)
# The tests and their tools, on top of the above.
test_packages=(qt6-base-private-dev desktop-file-utils appstream dpkg-dev file libbenchmark-dev
               orca xvfb xdotool at-spi2-core python3-pyatspi dbus
               lintian devscripts man-db weston qt6-wayland)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
    local preset=$1
    shift
    cmake --preset "$preset" "$@" >/dev/null
    cmake --build --preset "$preset"
}

case "${1:-}" in
run)
    install_missing "${run_packages[@]}"
    # The tests need packages that the game does not.
    build default -DBUILD_TESTING=OFF
    exec ./build/app/reelmoor
    ;;
test)
    install_missing "${run_packages[@]}" "${test_packages[@]}"
    build default -DBUILD_TESTING=ON
    ctest --preset default
    build sanitize -DBUILD_TESTING=ON
    ctest --preset sanitize
    ;;
*)
    echo "usage: bash setup.sh run|test" >&2
    exit 2
    ;;
esac
