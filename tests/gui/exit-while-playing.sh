#!/usr/bin/env bash
# The real publisher on a real (virtual) X display, closed by File > Exit and
# the answer to "Are you sure?" while a 4K movie plays: it must end with status
# 0 and say nothing of leaks or crashes (the sanitizer build checks at exit).
#   tests/gui/exit-while-playing.sh PUBLISHER
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
publisher="$(realpath "$1")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
ffmpeg -hide_banner -loglevel error -f lavfi -i testsrc2=size=3840x1920:rate=30 -t 8 \
  -c:v libx264 -preset ultrafast -pix_fmt yuv420p "$work/tour4k.mp4"

export LSAN_OPTIONS="suppressions=$here/lsan.supp:print_suppressions=0"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  set -u
  cd "$1"
  "$2" tour4k.mp4 >out.txt 2>err.txt &
  pid=$!
  # Waits up to $2 tenths of a second until `xdotool search` finds a window
  # named $1; prints its id.
  window() {
    for _ in $(seq "$2"); do
      id=$(xdotool search --name "$1" 2>/dev/null | head -1)
      [ -n "$id" ] && { echo "$id"; return 0; }
      sleep 0.1
    done
    return 1
  }
  main=$(window "^Tessaly$" 300) || { echo "no publisher window"; kill $pid; exit 1; }
  sleep 2  # the movie plays
  # A loaded machine may drop a key pressed while the window or its menu is
  # still busy: File > Exit again (after closing any open menu) until the
  # question shows, and the answer again until it goes.
  question=
  for _ in $(seq 10); do
    xdotool windowfocus --sync "$main" key Escape key Escape key alt+f
    sleep 0.5
    xdotool key e
    question=$(window "^Exit IDE$" 30) && break
  done
  [ -n "$question" ] || { echo "no question after File > Exit"; kill $pid; exit 1; }
  for _ in $(seq 10); do
    xdotool windowfocus --sync "$question" key Return 2>/dev/null || break
    window "^Exit IDE$" 30 >/dev/null || break
  done
  for _ in $(seq 300); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  if kill -0 $pid 2>/dev/null; then echo "still running 30 s after Exit"; kill -9 $pid; fi
  wait $pid
  status=$?
  if [ $status -ne 0 ] || grep -qE "Sanitizer|runtime error" err.txt; then
    echo "publisher ended with status $status:"; cat err.txt; exit 1
  fi
  echo "publisher closed while a 4K movie played: status 0, no sanitizer report"
' _ "$work" "$publisher"
