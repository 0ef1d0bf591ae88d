#!/usr/bin/env bash
# The real publisher on a real (virtual) X display, killed with kill -9 while
# its work is unsaved: the next start asks whether to recover it, and Recover
# (the default, taken with Return) brings the changed project back.
#   tests/gui/recover-after-kill.sh PUBLISHER
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
publisher="$(realpath "$1")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
ffmpeg -hide_banner -loglevel error -f lavfi -i testsrc2=size=320x160:rate=25 -t 2 \
  -c:v libx264 -preset ultrafast -pix_fmt yuv420p "$work/tour.mp4"
cp "$work/tour.mp4" "$work/other.mp4"
printf '<VIDEO1>tour.mp4</VIDEO1>\r\n' >"$work/tour.hs5"

# The hand-over channel and the recovery folder live in the temporary folder,
# away from any other publisher on this machine.
export TMPDIR="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export LSAN_OPTIONS="suppressions=$here/lsan.supp:print_suppressions=0"
source "$here/x-windows.sh"
on_own_display "-screen 0 1280x1024x24" bash -c '
  set -u
  cd "$1"
  source "$3/x-windows.sh"
  kept() { find data -name "*.hs5" 2>/dev/null | grep -q .; }
  "$2" tour.hs5 >out1.txt 2>err1.txt &
  pid=$!
  window "^tour.hs5 - Tessaly$" 600 >/dev/null || { echo "no publisher window"; cat err1.txt; kill $pid; exit 1; }
  # A second start hands its movie over: slot 1 changes and the work is unsaved.
  "$2" "$1/other.mp4"
  window "^tour.hs5\* - Tessaly$" 100 >/dev/null || { echo "no changed mark after the hand-over"; kill $pid; exit 1; }
  for _ in $(seq 300); do kept && break; sleep 0.1; done
  kept || { echo "no recovery file 30 s after the change"; kill $pid; exit 1; }
  kill -9 $pid
  wait $pid 2>/dev/null || true

  "$2" >out2.txt 2>err2.txt &
  pid=$!
  question=$(window "^Recover Unsaved Changes$" 600) ||
    { echo "no recovery question at the next start"; cat err2.txt; kill $pid; exit 1; }
  # Return takes the default answer, Recover.
  answer "$question" "^Recover Unsaved Changes$"
  if ! window "^tour.hs5\* - Tessaly$" 100 >/dev/null; then
    echo "the recovered work is not in the window"; kill -9 $pid; exit 1
  fi
  grep -q "other.mp4" data/*/*/recovery/*.hs5 || { echo "the recovered work is not kept again"; kill -9 $pid; exit 1; }
  kill -9 $pid
  wait $pid 2>/dev/null || true
  echo "killed with unsaved work: the next start offered it and Recover brought it back"
' _ "$work" "$publisher" "$here"
