#!/usr/bin/env bash
# Runs the browser tests of the published page. The checks of the player
# scripts' build need only node; the browser tests need Chromium and ffmpeg and
# are skipped without them.
set -euo pipefail
cd "$(dirname "$0")"

chromium=${TESSALY_CHROMIUM:-/usr/bin/chromium}
missing=()
[ -x "$chromium" ] || missing+=("Chromium at $chromium")
command -v ffmpeg >/dev/null 2>&1 || missing+=("ffmpeg")
if [ "${#missing[@]}" -gt 0 ]; then
  echo "web tests: browser tests skipped: no ${missing[*]} (scripts/setup installs them)"
  exec node --test squeeze.test.mjs
fi

# npm writes node_modules/.package-lock.json on every install; older than the
# lock file means the installed tree is stale.
if [ ! -f node_modules/.package-lock.json ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
  npm ci --no-audit --no-fund
fi

export TESSALY_CHROMIUM="$chromium"
exec node --test squeeze.test.mjs viewer.test.mjs hotspots.test.mjs projection.test.mjs controls.test.mjs \
  mobile.test.mjs fallback.test.mjs xr.test.mjs position.test.mjs \
  published.test.mjs faststart.test.mjs
