#!/usr/bin/env bash
# Tries the README's two commands on a fresh Debian system, as a new user would.
#
#   tools/debian-check.sh [options] RELEASE
#
# RELEASE is a Debian suite or code name (bookworm, trixie, testing, sid, ...;
# 12 and 13 are read as bookworm and trixie). The script makes a minimal system
# of it with debootstrap, copies the source into it and runs there
#   bash setup.sh run    (with Qt's offscreen platform: it must start the game
#                         and the game must still be running a few seconds on)
#   bash setup.sh test
# With --package it builds the source and binary packages instead, in a
# throwaway schroot session of that system, from the build dependencies that
# debian/control declares (without the tests'), and runs autopkgtest on the
# package in another throwaway session; the system itself stays as it was.
# With --buildd it builds the binary package with its tests as a build daemon
# does, twice, each time in a throwaway schroot session holding only the build
# dependencies: as an unprivileged user, without network, with HOME pointing
# nowhere and LC_ALL=C.UTF-8; then again with the locale $BUILDD_LOCALE
# (fr_CH.UTF-8 unless set; made there, and checked to exist), LANGUAGE for it,
# TZ=Etc/GMT-14 and umask 002, as the reproducible-builds service varies them.
# With --desktops it installs what setup.sh names, builds, and runs the desktop
# tests alone (ctest -L desktop): the game on GNOME Shell and KWin of that
# release, started headless there.
# With --build-only it installs the packages that setup.sh names and only
# configures and builds, with the tests and with -DBUILD_TESTING=OFF; any
# compiler or CMake warning then fails the check.
#
# Options:
#   --build-only      configure and build only
#   --desktops        build and run the desktop tests only
#   --package         build the packages and run autopkgtest (needs schroot
#                     and autopkgtest)
#   --buildd          build the package with its tests as a build daemon (needs
#                     schroot)
#   --chroot DIR      make the system in DIR, or reuse the one already there;
#                     DIR is kept afterwards (without it a temporary folder is
#                     used and removed)
#   --mirror URL      Debian mirror (default: $DEBIAN_MIRROR, else the one
#                     this machine's apt sources name)
#   --worktree        copy the work tree as it is instead of the committed HEAD
#   --run-seconds N   how long the started game must stay up (default 5)
#
# Needs root, debootstrap and network access to the mirror; takes several
# minutes. It is not part of the test command.
set -euo pipefail
# shellcheck disable=SC2317 # cleanup is called by the trap
# Read whole before running, so that editing this file during a run is safe.
{

usage() {
    sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//' >&2
    exit 2
}

build_only=0 desktops=0 package=0 buildd=0 chroot_dir="" keep=0 worktree=0 run_seconds=5
# The Debian archive that this machine's own apt sources use.
host_mirror() {
    local sources=(/etc/apt/sources.list.d/*.sources /etc/apt/sources.list)
    sed -nE 's#^URIs: *([^ ]+/debian)/?$#\1#p; s#^deb +(\[[^]]*\] +)?([^ ]+/debian)/? .*#\2#p' \
        "${sources[@]}" 2>/dev/null | head -n 1 || true
}
mirror=${DEBIAN_MIRROR:-$(host_mirror)}
release=""
while [ $# -gt 0 ]; do
    case "$1" in
    --build-only) build_only=1 ;;
    --desktops) desktops=1 ;;
    --package) package=1 ;;
    --buildd) buildd=1 ;;
    --chroot) chroot_dir=$2; keep=1; shift ;;
    --mirror) mirror=$2; shift ;;
    --worktree) worktree=1 ;;
    --run-seconds) run_seconds=$2; shift ;;
    -h | --help) usage ;;
    -*) echo "unknown option: $1" >&2; usage ;;
    *) [ -z "$release" ] || usage; release=$1 ;;
    esac
    shift
done
[ -n "$release" ] || usage
[ -n "$mirror" ] || { echo "no Debian mirror found in the apt sources; give one with --mirror" >&2; exit 2; }
case "$release" in
12) release=bookworm ;;
13) release=trixie ;;
esac
[ "$(id -u)" -eq 0 ] || { echo "debian-check.sh needs root (debootstrap, chroot, mount)" >&2; exit 2; }
command -v debootstrap >/dev/null || { echo "debootstrap is not installed" >&2; exit 2; }

source_dir=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "$chroot_dir" ]; then
    chroot_dir=$(mktemp -d "${TMPDIR:-/var/tmp}/reelmoor-$release.XXXXXX")
fi
mkdir -p "$chroot_dir"
chroot_dir=$(cd "$chroot_dir" && pwd)

started=$SECONDS
summary=()
schroot_name="" package_dir=""
log() { printf '\n=== [%4ds] %s\n' $((SECONDS - started)) "$*"; }

mounts_below() { awk -v d="$chroot_dir/" 'index($2 "/", d) == 1 { print $2 }' /proc/mounts; }

cleanup() {
    local rc=$?
    set +e
    # Whatever the check left running inside (the game, a test's display
    # server or bus) would keep the mounts busy.
    local p
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/root" 2>/dev/null)" = "$chroot_dir" ] && kill -9 "${p#/proc/}" 2>/dev/null
    done
    for m in $(mounts_below | sort -r); do
        umount "$m" || umount -l "$m"
    done
    if [ -n "$schroot_name" ]; then
        rm -rf "/etc/schroot/chroot.d/$schroot_name" "/etc/schroot/$schroot_name" "$package_dir"
    fi
    if [ "$keep" -eq 0 ]; then
        if [ -n "$(mounts_below)" ]; then
            echo "still mounted below $chroot_dir; not removing it" >&2
        else
            rm -rf --one-file-system "$chroot_dir"
        fi
    fi
    log "summary for $release"
    printf '%s\n' "${summary[@]}"
    echo "exit status $rc"
    exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ -x "$chroot_dir/usr/bin/apt-get" ]; then
    log "reusing the $release system in $chroot_dir"
    summary+=("reused the system in $chroot_dir")
else
    script=/usr/share/debootstrap/scripts/$release
    # Older debootstrap has no script for the newest code names; sid's fits.
    [ -e "$script" ] || script=/usr/share/debootstrap/scripts/sid
    log "debootstrap $release into $chroot_dir"
    debootstrap --variant=minbase "$release" "$chroot_dir" "$mirror" "$script"
    summary+=("debootstrap: $((SECONDS - started)) s")
fi

# Testing's Release file may be past its Valid-Until date on a mirror snapshot.
echo 'Acquire::Check-Valid-Until "false";' >"$chroot_dir/etc/apt/apt.conf.d/99reelmoor-check"
# No services are started by package installs inside the chroot.
printf '#!/bin/sh\nexit 101\n' >"$chroot_dir/usr/sbin/policy-rc.d"
chmod +x "$chroot_dir/usr/sbin/policy-rc.d"
cp -L /etc/resolv.conf "$chroot_dir/etc/resolv.conf" 2>/dev/null || true

# A fresh copy of the source, without any earlier build, in the folder $1.
copy_source() {
    rm -rf "$1"
    mkdir -p "$1"
    if [ "$worktree" -eq 1 ]; then
        tar -C "$source_dir" --exclude=.git --exclude='./build*' -cf - . | tar -C "$1" -xf -
        log "copied the work tree of $source_dir"
    else
        git -C "$source_dir" archive --format=tar HEAD | tar -C "$1" -xf -
        log "copied HEAD ($(git -C "$source_dir" rev-parse --short HEAD)) of $source_dir"
    fi
}

# A schroot entry whose sessions are overlays on the system, thrown away at
# their end, so that each build and test starts from the fresh system; the
# folder $package_dir is shared with this machine.
make_schroot() {
    command -v schroot >/dev/null || { echo "schroot is not installed" >&2; exit 2; }
    schroot_name=reelmoor-check-$$
    package_dir=$(mktemp -d "${TMPDIR:-/tmp}/reelmoor-package.XXXXXX")
    mkdir -p "/etc/schroot/$schroot_name"
    echo /etc/resolv.conf >"/etc/schroot/$schroot_name/copyfiles"
    printf '%s\n' passwd shadow group gshadow >"/etc/schroot/$schroot_name/nssdatabases"
    printf '%s none rw,bind 0 0\n' "/proc /proc" "/sys /sys" "/dev /dev" "/dev/pts /dev/pts" \
        "$package_dir $package_dir" >"/etc/schroot/$schroot_name/fstab"
    printf '[%s]\ntype=directory\ndirectory=%s\nunion-type=overlay\nusers=root\nroot-users=root\nprofile=%s\n' \
        "$schroot_name" "$chroot_dir" "$schroot_name" >"/etc/schroot/chroot.d/$schroot_name"
    copy_source "$package_dir/reelmoor"
}

# Runs a shell command as root in a new throwaway session, with a clean environment.
in_session() {
    schroot -c "$schroot_name" -u root --directory / -- /usr/bin/env -i HOME=/root LANG=C.UTF-8 \
        PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"
}

if [ "$buildd" -eq 1 ]; then
    make_schroot
    locale=${BUILDD_LOCALE:-fr_CH.UTF-8}
    # An unprivileged user with no home, and no network: unshare -n leaves
    # only a loopback device that is down. The tests run too (no nocheck).
    build_as_user='useradd --system --no-create-home --home-dir /sbuild-nonexistent builder &&
        cp -a reelmoor /build && chown -R builder:builder /build &&
        cd /build/reelmoor && exec unshare -n -- setpriv --reuid=builder --regid=builder \
        --init-groups -- env -i PATH=/usr/bin:/bin HOME=/sbuild-nonexistent \
        DEB_BUILD_OPTIONS=parallel=2'
    # shellcheck disable=SC2016 # expanded by the builder's shell
    tell='echo "building as $(id -un) in $HOME, umask $(umask), $(date), $(locale charmap)" &&
        ! getent hosts deb.debian.org'
    log "build as a build daemon: LC_ALL=C.UTF-8"
    t=$SECONDS
    # Each build starts from a fresh session with only the build dependencies.
    deps="cd $package_dir && apt-get update && apt-get build-dep -y --no-install-recommends ./reelmoor"
    in_session sh -c "$deps && mkdir /build && \
        $build_as_user LC_ALL=C.UTF-8 sh -c 'umask 022 && $tell && dpkg-buildpackage -us -uc -b'"
    summary+=("built with its tests as a build daemon, LC_ALL=C.UTF-8: $((SECONDS - t)) s")
    log "build as a build daemon: $locale, TZ=Etc/GMT-14, umask 002"
    t=$SECONDS
    # glibc falls back to C in silence when a locale is missing: make it, then
    # make sure that setlocale takes it.
    language=${locale%%.*}
    in_session sh -c "$deps && apt-get install -y --no-install-recommends locales tzdata && \
        localedef -i $language -f UTF-8 $locale && \
        LC_ALL=$locale locale 2>&1 >/dev/null | { ! grep .; } && \
        LC_ALL=$locale locale charmap | grep -qx UTF-8 && mkdir /build && \
        $build_as_user LC_ALL=$locale LANG=$locale LANGUAGE=$language:${language%%_*} \
        TZ=Etc/GMT-14 sh -c 'umask 002 && $tell && dpkg-buildpackage -us -uc -b'"
    summary+=("built with its tests as a build daemon, $locale: $((SECONDS - t)) s")
    exit 0
fi

if [ "$package" -eq 1 ]; then
    command -v autopkgtest >/dev/null || { echo "autopkgtest is not installed" >&2; exit 2; }
    make_schroot
    log "apt-get build-dep and dpkg-buildpackage in a throwaway session"
    t=$SECONDS
    in_session "DEB_BUILD_OPTIONS=nocheck parallel=2" DEB_BUILD_PROFILES=nocheck sh -c \
        "cd $package_dir/reelmoor && apt-get update && \
         apt-get build-dep -y --no-install-recommends -P nocheck ./ && dpkg-buildpackage -us -uc"
    summary+=("source and binary packages built in $((SECONDS - t)) s")
    log "autopkgtest in another throwaway session"
    t=$SECONDS
    autopkgtest "$package_dir"/reelmoor_*_"$(dpkg --print-architecture)".deb "$package_dir/reelmoor/" \
        -- schroot "$schroot_name"
    summary+=("autopkgtest passed in $((SECONDS - t)) s")
    exit 0
fi

# A mount namespace can make its mounts private only below a mount point:
# the desktop tests' compositor gets a /run of its own that way.
mount --bind "$chroot_dir" "$chroot_dir"
mount -t proc proc "$chroot_dir/proc"
mount -t sysfs sysfs "$chroot_dir/sys"
mount --bind /dev "$chroot_dir/dev"
mount --bind /dev/pts "$chroot_dir/dev/pts"
mount -t tmpfs tmpfs "$chroot_dir/dev/shm"
mount -t tmpfs tmpfs "$chroot_dir/tmp"

copy_source "$chroot_dir/root/reelmoor"

# Runs a command in the chroot in the source folder, with a clean environment.
in_chroot() {
    chroot "$chroot_dir" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        DEBIAN_FRONTEND=noninteractive "$@"
}

warnings() { grep -E 'warning:|CMake Warning|CMake Deprecation Warning' "$1" || true; }

if [ "$build_only" -eq 1 ] || [ "$desktops" -eq 1 ]; then
    # setup.sh's own install step (everything before its commands),
    # so that the package names are checked too.
    log "installing the packages that setup.sh names for both commands"
    t=$SECONDS
    # shellcheck disable=SC2016 # expanded inside the chroot
    in_chroot bash -c 'cd /root/reelmoor && source <(sed "/^case /,\$d" setup.sh) &&
        install_build_deps && install_missing "${package_tools[@]}" "${desktop_tools[@]}"'
    summary+=("packages installed in $((SECONDS - t)) s")
fi
if [ "$desktops" -eq 1 ]; then
    # shellcheck disable=SC2016 # expanded inside the chroot
    in_chroot sh -c 'dpkg-query -W -f="\${Package} \${Version}\n" gnome-shell kwin-wayland qt6-base-dev'
    log "build, then the desktop tests"
    t=$SECONDS
    set +e
    in_chroot sh -c 'cd /root/reelmoor && cmake --preset default -DBUILD_TESTING=ON >/dev/null &&
        cmake --build --preset default && ctest --preset default -L desktop'
    rc=$?
    set -e
    summary+=("desktop tests: exit status $rc, $((SECONDS - t)) s")
    exit "$rc"
fi
if [ "$build_only" -eq 1 ]; then
    # shellcheck disable=SC2016 # expanded inside the chroot
    in_chroot sh -c 'echo "Qt $(dpkg-query -W -f="\${Version}" qt6-base-dev), $(cmake --version | head -n1), $(g++ --version | head -n1)"'

    for testing in ON OFF; do
        log "configure and build with BUILD_TESTING=$testing"
        t=$SECONDS
        out=$chroot_dir/root/build-$testing.log
        in_chroot sh -c "cd /root/reelmoor && cmake -S . -B build-$testing -DBUILD_TESTING=$testing \
            && cmake --build build-$testing -j2" 2>&1 | tee "$out"
        [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "build with BUILD_TESTING=$testing failed" >&2; exit 1; }
        if [ -n "$(warnings "$out")" ]; then
            warnings "$out"
            echo "warnings with BUILD_TESTING=$testing" >&2
            exit 1
        fi
        summary+=("BUILD_TESTING=$testing: configured and built, no warnings, $((SECONDS - t)) s")
    done
    # A build without the tests must not even look for Qt Test.
    if grep -q '^Qt6Test_DIR' "$chroot_dir/root/reelmoor/build-OFF/CMakeCache.txt"; then
        echo "BUILD_TESTING=OFF still looks for Qt Test" >&2
        exit 1
    fi
else
    log "bash setup.sh run"
    t=$SECONDS
    out=$chroot_dir/root/setup-run.log
    in_chroot sh -c 'cd /root/reelmoor && exec env QT_QPA_PLATFORM=offscreen bash setup.sh run' >"$out" 2>&1 &
    pid=$!
    # setup.sh installs and builds, then replaces itself with the game.
    game=$chroot_dir/root/reelmoor/build/app/reelmoor
    game_pid="" state=building
    while kill -0 "$pid" 2>/dev/null; do
        if [ -z "$game_pid" ]; then
            for p in /proc/[0-9]*; do
                if [ "$(readlink "$p/exe" 2>/dev/null)" = "$game" ]; then
                    game_pid=${p#/proc/} game_at=$SECONDS state=started
                    log "the game started after $((SECONDS - t)) s"
                    break
                fi
            done
        elif ! kill -0 "$game_pid" 2>/dev/null; then
            break
        elif [ $((SECONDS - game_at)) -ge "$run_seconds" ]; then
            state=running
            kill "$game_pid"
            break
        fi
        sleep 1
    done
    wait "$pid" || true
    cat "$out"
    if [ "$state" != running ]; then
        echo "bash setup.sh run did not keep the game running for $run_seconds s (state: $state)" >&2
        exit 1
    fi
    summary+=("setup.sh run: game started and ran ${run_seconds} s; $((SECONDS - t)) s in all")
    warnings "$out"

    log "bash setup.sh test"
    t=$SECONDS
    out=$chroot_dir/root/setup-test.log
    set +e
    in_chroot sh -c 'cd /root/reelmoor && bash setup.sh test' 2>&1 | tee "$out"
    rc=${PIPESTATUS[0]}
    set -e
    grep -E 'tests passed|tests failed out of|\*\*\*Failed|\*\*\*Timeout|\*\*\*Exception' "$out" || true
    warnings "$out"
    summary+=("setup.sh test: exit status $rc, $((SECONDS - t)) s")
    mapfile -t -O "${#summary[@]}" summary < <(grep -E 'tests passed, |^\s+[0-9]+ - .*\((Failed|Timeout|SEGFAULT|Exception|Not Run)' "$out")
    [ "$rc" -eq 0 ] || exit "$rc"
fi
exit 0
}
