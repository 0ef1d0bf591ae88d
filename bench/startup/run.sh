#!/usr/bin/env bash
# Start-up benchmark: time from starting the publisher to its window shown,
# against a bare Qt window (title, menu bar, client area) built the same way
# (goal: at most 1.5 times), and the memory of each at rest. Median of RUNS
# starts (default 15), under a virtual X display when xvfb-run is there, else
# Qt's offscreen platform.
#   bench/startup/run.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
runs="${RUNS:-15}"

bench="$root/build/release/bin/startup_bench"
if [ "${1:-}" != "--measure" ]; then
  cd "$root"
  cmake --preset release -DTESSALY_BUILD_BENCH=ON >/dev/null
  cmake --build --preset release --target startup_bench -j2 >/dev/null
fi

measure() {  # measure MODE: prints "median_ms rss_kib"
  local times=() rss=0
  for _ in $(seq "$runs"); do
    local start shown kib
    start=$(date +%s%N)
    read -r shown kib < <("$bench" "$1" 2>/dev/null)
    times+=($(((shown - start) / 1000000)))
    rss=$kib
  done
  local median
  median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
  echo "$median $rss"
}

report() {
  read -r bare_ms bare_kib < <(measure bare)
  read -r pub_ms pub_kib < <(measure publisher)
  echo "platform:            ${QT_QPA_PLATFORM:-xcb (Xvfb)}"
  echo "bare window shown:   ${bare_ms} ms, ${bare_kib} KiB at rest"
  echo "publisher shown:     ${pub_ms} ms, ${pub_kib} KiB at rest"
  awk -v p="$pub_ms" -v b="$bare_ms" 'BEGIN { printf "publisher / bare:    %.2f (goal <= 1.5)\n", p / b }'
}

if [ "${1:-}" = "--measure" ]; then
  report
elif command -v xvfb-run >/dev/null 2>&1 && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --measure
else
  export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
  report
fi
