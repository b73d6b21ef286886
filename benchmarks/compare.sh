#!/usr/bin/env bash
# Start-up to the first painted frame and resident memory once shown: the game's
# window against a bare QMainWindow with a menu bar, run alternately in the same
# session, with the medians and their ratios at the end.
#   bash benchmarks/compare.sh [build directory] [runs] [xvfb|offscreen]
# Defaults: build-quality, 15 runs, Xvfb when it is installed.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-quality}
runs=${2:-15}
platform=${3:-$(command -v Xvfb >/dev/null && echo xvfb || echo offscreen)}

source benchmarks/platform.sh
start_platform "$platform"
[ -z "$xvfb" ] || trap 'kill $xvfb' EXIT

probe() {
    # EPOCHREALTIME is read by the shell itself, so no extra process runs in between.
    local t0=${EPOCHREALTIME/[.,]/}
    REELMOOR_BENCH_T0_US=$t0 "$build/benchmarks/$1" 2>/dev/null
}

declare -A frames rss phases
# One unrecorded round first, so that both start from a warm file cache.
probe startup_bare >/dev/null
probe startup_reelmoor >/dev/null
for _ in $(seq "$runs"); do
    for exe in startup_bare startup_reelmoor; do
        line=$(probe "$exe")
        frames[$exe]+="$(sed -E 's/.*first_frame_ms=([0-9.]+).*/\1/' <<<"$line") "
        rss[$exe]+="$(sed -E 's/.*rss_kb=([0-9]+).*/\1/' <<<"$line") "
        phases[$exe]+="$(sed -E 's/.*phases_ms=([0-9./]+).*/\1/' <<<"$line") "
    done
done

median() { tr ' ' '\n' <<<"$1" | grep . | sort -g | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

echo "platform: $QT_QPA_PLATFORM, runs: $runs each, medians"
# Phases: QApplication / window construction / show() / to the first frame.
phase() { tr ' ' '\n' <<<"$1" | grep . | cut -d/ -f"$2" | tr '\n' ' '; }
printf '%-18s %14s %10s   %s\n' "" "first frame ms" "RSS kB" "app/window/show/paint ms"
for exe in startup_bare startup_reelmoor; do
    split=""
    for p in 1 2 3 4; do
        split+="$(median "$(phase "${phases[$exe]}" $p)")/"
    done
    printf '%-18s %14s %10s   %s\n' "$exe" "$(median "${frames[$exe]}")" \
        "$(median "${rss[$exe]}")" "${split%/}"
done
awk -v fb="$(median "${frames[startup_bare]}")" -v fg="$(median "${frames[startup_reelmoor]}")" \
    -v rb="$(median "${rss[startup_bare]}")" -v rg="$(median "${rss[startup_reelmoor]}")" \
    'BEGIN { printf "ratio game/bare: start-up %.2f, RSS %.2f\n", fg / fb, rg / rb }'
