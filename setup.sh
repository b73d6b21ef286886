#!/usr/bin/env bash
# Installs what is missing on Debian, builds, and then runs the game or its tests.
#   bash setup.sh run    build and start the game
#   bash setup.sh test   build and run every test, also under the sanitizers
set -euo pipefail
cd "$(dirname "$0")"

# What the game and its tests need is listed once, as the build dependencies
# in debian/control; the game alone needs those of the build profiles nocheck
# and pkg.reelmoor.run. The package checks' own tools come on top: lintian,
# hardening-check from devscripts, and reprotest with faketime.
package_tools=(lintian devscripts reprotest faketime)
# The desktop tests' compositors, GNOME Shell with its settings portal and KWin
# with Breeze, and what their rig reads them with; no build dependencies, so
# that a build daemon needs none of them.
desktop_tools=(gnome-shell xdg-desktop-portal-gnome kwin-wayland kwin-style-breeze libglib2.0-bin python3-gi
    gir1.2-gdkpixbuf-2.0)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Arguments: apt's build-profile option, if any (-P nocheck,...).
install_build_deps() {
    if command -v dpkg-checkbuilddeps >/dev/null && dpkg-checkbuilddeps "$@" 2>/dev/null; then
        return
    fi
    as_root apt-get update
    # It brings build-essential too: the compiler, make and dpkg-dev.
    as_root env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y --no-install-recommends "$@" ./
}

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
    local preset=$1
    shift
    cmake --preset "$preset" "$@" >/dev/null
    cmake --build --preset "$preset"
}

case "${1:-}" in
run)
    install_build_deps -P nocheck,pkg.reelmoor.run
    # The tests need packages that the game does not.
    build default -DBUILD_TESTING=OFF
    exec ./build/app/reelmoor
    ;;
test)
    install_build_deps
    install_missing "${package_tools[@]}" "${desktop_tools[@]}"
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
