#!/usr/bin/env bash
# The real publisher on a real (virtual) X display, closed by Exit (Ctrl+Q) and
# the answer to "Are you sure?" while a 4K movie plays: it must end with status
# 0 and say nothing of leaks or crashes (the sanitizer build checks at exit).
# The movie comes in a project, so nothing is unsaved and Exit asks only that.
#   tests/gui/exit-while-playing.sh PUBLISHER
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
publisher="$(realpath "$1")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
ffmpeg -hide_banner -loglevel error -f lavfi -i testsrc2=size=3840x1920:rate=30 -t 8 \
  -c:v libx264 -preset ultrafast -pix_fmt yuv420p "$work/tour4k.mp4"
printf '<VIDEO1>tour4k.mp4</VIDEO1>\r\n' >"$work/tour.hs5"

# The hand-over channel lives in the temporary folder: a publisher another run
# has open (a second suite on this machine) would otherwise take tour.hs5 from
# this one, which then ends at once without a window.
# The window's size and the recovery files too: unsaved work left by a
# publisher the user ran would be offered at start.
export TMPDIR="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export LSAN_OPTIONS="suppressions=$here/lsan.supp:print_suppressions=0"
source "$here/x-windows.sh"
on_own_display "-screen 0 1280x1024x24" bash -c '
  set -u
  cd "$1"
  "$2" tour.hs5 >out.txt 2>err.txt &
  pid=$!
  source "$3/x-windows.sh"
  if ! main=$(window "^tour.hs5 - Tessaly$" 600); then
    if kill -0 $pid 2>/dev/null; then echo "no publisher window"; kill $pid; else
      wait $pid; echo "the publisher ended with status $? before its window showed:"; cat out.txt err.txt; fi
    exit 1
  fi
  sleep 2  # the movie plays
  # A loaded machine may drop a key pressed while the window is still busy:
  # asked again until the question shows, and answered until it goes.
  question=
  for _ in $(seq 10); do
    xdotool windowfocus --sync "$main" key ctrl+q
    question=$(window "^Exit IDE$" 30) && break
  done
  [ -n "$question" ] || { echo "no question after Ctrl+Q"; kill $pid; exit 1; }
  answer "$question" "^Exit IDE$"
  for _ in $(seq 600); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  if kill -0 $pid 2>/dev/null; then echo "still running 60 s after Exit"; kill -9 $pid; fi
  wait $pid
  status=$?
  if [ $status -ne 0 ] || grep -qE "Sanitizer|runtime error" err.txt; then
    echo "publisher ended with status $status:"; cat err.txt; exit 1
  fi
  echo "publisher closed while a 4K movie played: status 0, no sanitizer report"
' _ "$work" "$publisher" "$here"
