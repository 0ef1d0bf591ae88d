#!/usr/bin/env bash
# Preview benchmark: CPU seconds per second of playback and frames shown per
# second, the publisher's preview against a bare QMediaPlayer drawing into a
# QVideoWidget of the same size, for 1K, 2K, 4K and 8K equirectangular movies
# (H.264, 30 fps, AAC sound). RUNS runs of each, the two players alternating;
# prints medians and the goals (frames >= 90% of the movie's rate up to 4K,
# preview CPU <= 1.2 x the reference's at each size). First, what one frame
# costs to become the preview's picture, three ways (scaler_bench). Last, the
# look-around view against the flat picture at 4K, the two alternating (goal:
# look-around CPU <= 1.2 x flat's).
#   bench/preview/run.sh [WORK_FOLDER]   # RUNS=3 SECONDS_PLAYED=8 by default; LOOK_ONLY=1: the last part only
# The movies are made once in WORK_FOLDER (default /var/tmp/tessaly-preview-bench)
# and kept there for the next run.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
runs="${RUNS:-3}"
seconds="${SECONDS_PLAYED:-8}"
work="${1:-/var/tmp/tessaly-preview-bench}"
bench="$root/build/release/bin/preview_bench"
sizes=(1024x512 2048x1024 3840x1920 7680x3840)
rate=30

if [ "${2:-}" != "--measure" ]; then
  cd "$root"
  cmake --preset release -DTESSALY_BUILD_BENCH=ON >/dev/null
  cmake --build --preset release --target preview_bench scaler_bench -j2 >/dev/null
  mkdir -p "$work"
  for size in "${sizes[@]}"; do
    movie="$work/$size.mp4"
    [ -s "$movie" ] && continue
    echo "making $movie" >&2
    # Warm-up (about 2 s) and the measured seconds, with room to spare.
    ffmpeg -loglevel error -y -f lavfi -i "testsrc2=size=$size:rate=$rate" \
      -f lavfi -i "sine=frequency=440:sample_rate=48000" -t "$((seconds + 6))" \
      -c:v libx264 -preset ultrafast -crf 28 -pix_fmt yuv420p -c:a aac -b:a 128k \
      "$movie.part.mp4"
    mv "$movie.part.mp4" "$movie"
  done
  if command -v xvfb-run >/dev/null 2>&1 && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$work" --measure
  fi
  export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
fi

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
if [ -z "${LOOK_ONLY:-}" ]; then
  echo "One frame to the preview's picture, three ways:"
  "$root/build/release/bin/scaler_bench" 2>/dev/null
fi
echo
echo "platform: ${QT_QPA_PLATFORM:-xcb (Xvfb)}; $runs runs of $seconds s each, medians; movie rate $rate fps"
printf '%-10s %12s %9s %9s %12s %9s %9s %8s\n' movie "preview cpu" fps played "reference" fps played "cpu x"
verdict=met
failed=0
m() { tr ' ' '\n' <<<"$1" | grep -v '^$' | median; }
# RUNS playbacks of MOVIE by each of two players, alternating which goes first
# so neither always meets a warmer cache; fills cpu, fps and played by player.
alternate() {
  local first=$1 second=$2 movie=$3 tag=$4 run who log c f p
  cpu=() fps=() played=()
  for run in $(seq "$runs"); do
    order=("$first" "$second")
    [ $((run % 2)) -eq 0 ] && order=("$second" "$first")
    for who in "${order[@]}"; do
      log="$work/$tag-$who-$run.log"
      if ! read -r c f p _ < <("$bench" "$who" "$movie" "$seconds" 2>"$log"); then
        # A run that printed nothing is left out of the medians and counted.
        echo "  $tag $who run $run: FAILED, see $log" >&2
        failed=$((failed + 1))
        continue
      fi
      rm -f "$log"
      echo "  $tag $who run $run: cpu $c fps $f played $p" >&2
      cpu[$who]+="$c "
      fps[$who]+="$f "
      played[$who]+="$p "
    done
  done
}
declare -A cpu=() fps=() played=()
measured=("${sizes[@]}")
[ -n "${LOOK_ONLY:-}" ] && measured=()
for size in "${measured[@]}"; do
  alternate publisher reference "$work/$size.mp4" "$size"
  pc=$(m "${cpu[publisher]}") pf=$(m "${fps[publisher]}") pp=$(m "${played[publisher]}")
  rc=$(m "${cpu[reference]}") rf=$(m "${fps[reference]}") rp=$(m "${played[reference]}")
  ratio=$(awk -v a="$pc" -v b="$rc" 'BEGIN { printf "%.2f", a / b }')
  printf '%-10s %12s %9s %9s %12s %9s %9s %8s\n' "$size" "$pc" "$pf" "$pp" "$rc" "$rf" "$rp" "$ratio"
  if awk -v r="$ratio" 'BEGIN { exit !(r > 1.2) }'; then verdict=MISSED; fi
  if [ "$size" != 7680x3840 ] && awk -v f="$pf" -v g="$rate" 'BEGIN { exit !(f < 0.9 * g) }'; then verdict=MISSED; fi
done
echo
echo "The preview looking around against its flat picture, 3840x1920:"
alternate publisher look "$work/3840x1920.mp4" look
fc=$(m "${cpu[publisher]}") ff=$(m "${fps[publisher]}") lc=$(m "${cpu[look]}") lf=$(m "${fps[look]}")
ratio=$(awk -v a="$lc" -v b="$fc" 'BEGIN { printf "%.2f", a / b }')
printf '%-12s %9s %9s\n' view cpu fps flat "$fc" "$ff" look-around "$lc" "$lf"
echo "look-around cpu x flat: $ratio"
if awk -v r="$ratio" 'BEGIN { exit !(r > 1.2) }'; then verdict=MISSED; fi
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
[ "$failed" -eq 0 ] || verdict="$verdict ($failed runs failed)"
echo "goals (frames >= $((rate * 9 / 10)) fps up to 4K, preview cpu <= 1.2 x reference, look-around <= 1.2 x flat): $verdict"
