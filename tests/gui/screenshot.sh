#!/usr/bin/env bash
# Takes a picture of the real publisher window under a virtual X display, to
# compare its layout with the intended one at a glance.
#   tests/gui/screenshot.sh [PUBLISHER] [OUT.png]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
publisher="${1:-$here/../../build/dev/bin/publisher}"
out="${2:-$here/../../build/publisher-window.png}"
mkdir -p "$(dirname "$out")"
# The window runs in a scratch folder (its load and save folders): absolute paths.
publisher="$(realpath "$publisher")"
out="$(realpath "$out")"
workdir="$(mktemp -d)"
trap 'rm -rf "$workdir"' EXIT

source "$here/x-windows.sh"
on_own_display "-screen 0 1024x768x24" bash -c '
  set -e
  cd "$3"
  ASAN_OPTIONS=detect_leaks=0 "$1" &
  pid=$!
  sleep "${SHOT_DELAY:-4}"
  import -window root "$2"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
' _ "$publisher" "$out" "$workdir"
echo "$out"
