#!/usr/bin/env bash
# Movie benchmark: builds the release preset (tessaly, remux_bench), makes a 4K test
# movie (4096x2048, H.264 with AAC sound, 20 s unless MOVIE_SECONDS says
# otherwise, its index at the end as cameras write it) and prints, best of RUNS:
#   - moving its index to the front as publishing does, against the plain copy
#     publishing makes of a movie with its index in front, both in one process
#     (remux_bench), and the libraries' remux alone (goal <= 1.3 times the copy);
#   - publishing it against cp of the movie and against publishing the same
#     movie with its index already in front (a plain copy),
#   - tessaly encode making both web versions against the ffmpeg command doing
#     the same encode with the same settings, the two taking turns, best of
#     ENCODE_RUNS (goal <= 1.1; ENCODE_RUNS=0 leaves the encode out).
#
#   bench/encode/run.sh [WORK_FOLDER]   (default: a new folder under /var/tmp)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${MOVIE_SECONDS:-20}"
runs="${RUNS:-3}"
encode_runs="${ENCODE_RUNS:-2}"

cd "$root"
cmake --preset release -DTESSALY_BUILD_BENCH=ON >/dev/null
cmake --build --preset release --target tessaly remux_bench -j2 >/dev/null
tessaly="$root/build/release/bin/tessaly"
remux_bench="$root/build/release/bin/remux_bench"

work="${1:-$(mktemp -d /var/tmp/tessaly-bench-encode.XXXXXX)}"
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT
echo "work folder: $work ($(df -T "$work" | awk 'NR==2 {print $2}')), $(nproc) cores"

now_ns() { date +%s%N; }
best_of() {  # best_of N COMMAND...: the shortest of N runs, in ms; a fresh out/ each run
  local n=$1 best=""
  shift
  for _ in $(seq "$n"); do
    rm -rf "$work/out" && mkdir -p "$work/out"
    local start end
    start=$(now_ns)
    "$@" >/dev/null 2>&1
    end=$(now_ns)
    local ms=$(((end - start) / 1000000))
    if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
  done
  echo "$best"
}
project() {  # project FILE MOVIE
  printf '%s\r\n' "<VIDEO1>$2</VIDEO1>" >"$work/seed"
  "$tessaly" resave "$work/seed" "$1"
}

echo "making a ${seconds} s 4096x2048 movie..."
ffmpeg -nostdin -y -loglevel error -f lavfi -i "testsrc2=size=4096x2048:rate=30" \
  -f lavfi -i "sine=frequency=440:sample_rate=48000" -t "$seconds" \
  -c:v libx264 -preset ultrafast -b:v 30M -pix_fmt yuv420p -c:a aac "$work/late.mp4"
ffmpeg -nostdin -y -loglevel error -i "$work/late.mp4" -c copy -movflags +faststart "$work/front.mp4"
mkdir -p "$work/late" "$work/front"
mv "$work/late.mp4" "$work/late/tour.mp4"
mv "$work/front.mp4" "$work/front/tour.mp4"
project "$work/late.hs5" "$work/late/tour.mp4"
project "$work/front.hs5" "$work/front/tour.mp4"
cat "$work/late/tour.mp4" "$work/front/tour.mp4" >/dev/null  # warm page cache for all
size_mib=$(($(stat -c %s "$work/late/tour.mp4") / 1024 / 1024))

rm -rf "$work/out" && mkdir -p "$work/out"
read -r copy_alone_ms move_alone_ms libav_alone_ms < <("$remux_bench" "$work/late/tour.mp4" "$work/out" "$runs")
cp_ms=$(best_of "$runs" cp "$work/late/tour.mp4" "$work/out/")
copy_ms=$(best_of "$runs" "$tessaly" publish "$work/front.hs5" "$work/out/index.html")
remux_ms=$(best_of "$runs" "$tessaly" publish "$work/late.hs5" "$work/out/index.html")

# The same encode as tessaly's: one decode split to both sizes, the same
# encoder settings, the sound copied, the index at the front.
threads=$(nproc)
reference() {
  ffmpeg -nostdin -y -hide_banner -loglevel error -threads "$threads" -i "$work/late/tour.mp4" \
    -filter_complex "[0:v]split=2[s0][s1];[s0]scale=4096:2048:flags=bicubic[v0];[s1]scale=2048:1024:flags=bicubic[v1]" \
    -map "[v0]" -map "0:a:0?" -c:v libx264 -profile:v high -pix_fmt yuv420p -preset medium -crf 21 \
    -maxrate 24000000 -bufsize 48000000 -threads "$threads" -c:a copy -strict unofficial -movflags +faststart \
    -f mp4 "$work/out/a.mp4" \
    -map "[v1]" -map "0:a:0?" -c:v libx264 -profile:v high -pix_fmt yuv420p -preset medium -crf 21 \
    -maxrate 6000000 -bufsize 12000000 -threads "$threads" -c:a copy -strict unofficial -movflags +faststart \
    -f mp4 "$work/out/b.mp4"
}
# Turn about, so other work on the machine weighs on both alike.
encode_ms="" reference_ms=""
for _ in $(seq 1 "$encode_runs"); do
  ms=$(best_of 1 "$tessaly" encode "$work/late.hs5")
  if [ -z "$encode_ms" ] || [ "$ms" -lt "$encode_ms" ]; then encode_ms=$ms; fi
  ms=$(best_of 1 reference)
  if [ -z "$reference_ms" ] || [ "$ms" -lt "$reference_ms" ]; then reference_ms=$ms; fi
done

echo "movie:                  ${seconds} s, 4096x2048, ${size_mib} MiB, index at the end"
echo "load average:           $(cut -d' ' -f1-3 /proc/loadavg)"
echo "copy (as publishing copies):    ${copy_alone_ms} ms"
echo "index moved (as publishing):    ${move_alone_ms} ms"
echo "libraries' remux alone:         ${libav_alone_ms} ms"
awk -v m="$move_alone_ms" -v c="$copy_alone_ms" -v l="$libav_alone_ms" \
  'BEGIN {printf "index moved / copy:     %.2f (goal <= 1.3)\nlibraries remux / copy: %.2f\n", m / c, l / c}'
echo "cp:                     ${cp_ms} ms"
echo "publish, index in front (copy):   ${copy_ms} ms"
echo "publish, index moved (remux):     ${remux_ms} ms"
awk -v r="$remux_ms" -v c="$cp_ms" -v p="$copy_ms" \
  'BEGIN {printf "remux publish / cp:     %.2f\nremux publish / copy publish: %.2f\n", r / c, r / p}'
[ "$encode_runs" -gt 0 ] || exit 0
echo "tessaly encode:         ${encode_ms} ms"
echo "ffmpeg command:         ${reference_ms} ms"
awk -v e="$encode_ms" -v f="$reference_ms" 'BEGIN {printf "encode / ffmpeg:        %.2f (goal <= 1.1)\n", e / f}'
