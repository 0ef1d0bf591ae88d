#!/usr/bin/env bash
# What the page's own code weighs as a visitor's browser fetches it: the viewer
# script (js/ctr/cn3.js, built and scrambled as published) and the style sheet,
# gzipped at level 6 as a web server would, here and at a base revision built
# the same way side by side, with the difference.
#
#   bench/viewer/weight.sh [BASE]      BASE: a git revision, main by default
#
# Needs a configured build (build/dev, or BUILD=...) for esbuild and scramble_player.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${BUILD:-$root/build/dev}"
base="${1:-main}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/base"
git -C "$root" archive "$base" web | tar -x -C "$work/base"

# weigh WEB_FOLDER NAME: builds the viewer from the folder; prints the gzipped bytes of the viewer and the sheet.
weigh() {
  node "$1/player/build.mjs" "$1/player/src/main.js" "$work/$2-built.js" --bundle --modules "$build/web-tools/node_modules"
  "$build/bin/scramble_player" "$work/$2-built.js" "$work/$2-cn3.js"
  echo "$(gzip -6 -n -c "$work/$2-cn3.js" | wc -c) $(gzip -6 -n -c "$1/js/st.css" | wc -c)"
}

read -r base_js base_css < <(weigh "$work/base/web" base)
read -r here_js here_css < <(weigh "$root/web" here)
printf '%-14s %10s %10s %10s\n' 'gzipped bytes' "$base" 'here' 'added'
printf '%-14s %10d %10d %10d\n' 'cn3.js' "$base_js" "$here_js" "$((here_js - base_js))"
printf '%-14s %10d %10d %10d\n' 'st.css' "$base_css" "$here_css" "$((here_css - base_css))"
printf '%-14s %10d %10d %10d\n' 'together' "$((base_js + base_css))" "$((here_js + here_css))" \
  "$((here_js + here_css - base_js - base_css))"
