#!/usr/bin/env bash
# Viewer benchmark: publishes the demo project with the built tessaly, then loads
# the published page, a minimal three.js page, Photo Sphere Viewer and A-Frame
# (pinned in package-lock.json, installed here by npm ci) in headless Chromium,
# alternating, and prints a table with the goals met or missed; then the
# published page against the minimal one in Chromium, Firefox ESR and WebKitGTK,
# a column per engine (engines.mjs); then a page with 4K, 2K and 1K versions on
# a 4 Mbit/s link with and without choosing among them (versions.mjs); then a
# movie with ambisonic sound played with and without the page's sound graph
# (ambisonic.mjs, on the browser tests' trees: needs the dev build).
#
#   bench/viewer/run.sh [WORK_FOLDER]     RUNS=5 by default; TESSALY_BIN to use a built tessaly;
#                                         TABLES="peers engines versions ambisonic" by default (any of them)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"

tessaly="${TESSALY_BIN:-}"
if [ -z "$tessaly" ]; then
  cd "$root"
  cmake --preset release -DTESSALY_BUILD_BENCH=OFF >/dev/null
  cmake --build --preset release --target tessaly -j2 >/dev/null
  tessaly="$root/build/release/bin/tessaly"
fi

# npm writes node_modules/.package-lock.json on every install; older than the
# lock file means the installed tree is stale. The engines table drives the
# browsers through the browser tests' drivers, installed in tests/web.
for dir in "$here" "$root/tests/web"; do
  if [ ! -f "$dir/node_modules/.package-lock.json" ] || [ "$dir/package-lock.json" -nt "$dir/node_modules/.package-lock.json" ]; then
    (cd "$dir" && npm ci --no-audit --no-fund >/dev/null)
  fi
done
cd "$here"

work="${1:-$(mktemp -d /var/tmp/tessaly-viewer-bench.XXXXXX)}"
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT

# The demo as its author would publish it for this comparison: the peers draw at
# the display's rate, so the page's frame cap is set to its highest choice
# (" 60") instead of " auto" (15), and every page draws as often.
mkdir -p "$work/project"
cp "$root"/examples/demo.mp4 "$root"/examples/demo.webm "$work/project/"
sed 's|<MAXFPS>[0-9]*</MAXFPS>|<MAXFPS>8</MAXFPS>|' "$root/examples/demo.hs5" >"$work/project/demo.hs5"
"$tessaly" publish "$work/project/demo.hs5" "$work/published/index.html"
cp pages/minimal.html pages/psv.html pages/aframe.html "$work/"
cp node_modules/aframe/dist/aframe-v1.8.0.min.js "$work/aframe.min.js"
# Bundled and minified as a site would ship it.
node_modules/.bin/esbuild pages/three-entry.js --bundle --minify --format=iife --global-name=THREE --target=es2020 \
  --legal-comments=none --log-level=warning --outfile="$work/three.js"
node_modules/.bin/esbuild pages/psv-entry.js --bundle --minify --format=iife --target=es2020 \
  --legal-comments=none --log-level=warning --outfile="$work/psv.js"

tables="${TABLES:-peers engines versions ambisonic}"
case " $tables " in *" peers "*) node bench.mjs "$work"; echo ;; esac
case " $tables " in *" engines "*) node engines.mjs "$work"; echo ;; esac
case " $tables " in *" versions "*) TESSALY_BIN="$tessaly" node versions.mjs "$work/versions"; echo ;; esac
case " $tables " in *" ambisonic "*) node ambisonic.mjs ;; esac
