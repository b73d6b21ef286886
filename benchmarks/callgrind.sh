#!/usr/bin/env bash
# Instructions from process start to the first painted frame, counted by
# callgrind: the game's window against a bare QMainWindow with a menu bar (the
# start-up probes of this folder). The count stops on entering the probes'
# startupFirstFrame(), which runs once the first frame is flushed; nothing in
# the window's code knows about it.
#   bash benchmarks/callgrind.sh [build directory] [xvfb|offscreen]
# Defaults: build-quality, Xvfb when it is installed. Keeps the profiles in
# $REELMOOR_CALLGRIND_DIR if that is set (for callgrind_annotate).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-quality}
platform=${2:-$(command -v Xvfb >/dev/null && echo xvfb || echo offscreen)}
command -v valgrind >/dev/null || {
    echo "valgrind is not installed" >&2
    exit 1
}

out=${REELMOOR_CALLGRIND_DIR:-}
[ -n "$out" ] || out=$(mktemp -d)
mkdir -p "$out"

source benchmarks/platform.sh
start_platform "$platform"
trap '[ -z "$xvfb" ] || kill $xvfb; [ -n "${REELMOOR_CALLGRIND_DIR:-}" ] || rm -rf "$out"' EXIT

count() {
    local file=$out/$1.out
    rm -f "$file" "$file".*
    valgrind --tool=callgrind --callgrind-out-file="$file" --dump-before=startupFirstFrame \
        "$build/benchmarks/$1" >/dev/null 2>"$out/$1.log"
    # The first dump holds everything up to the first frame.
    [ -e "$file.1" ] || {
        echo "$1: no first frame, see $out/$1.log" >&2
        exit 1
    }
    sed -nE 's/^(summary|totals): ([0-9]+).*/\2/p' "$file.1" | head -n 1
}

bare=$(count startup_bare)
game=$(count startup_reelmoor)
echo "platform: $QT_QPA_PLATFORM, instructions to the first frame"
printf '%-18s %14s\n' startup_bare "$bare" startup_reelmoor "$game"
awk -v b="$bare" -v g="$game" \
    'BEGIN { printf "ratio game/bare: %.3f (%+.1f M)\n", g / b, (g - b) / 1e6 }'
