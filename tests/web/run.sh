#!/usr/bin/env bash
# Runs the browser tests of the published page in each engine named (chromium,
# firefox, webkit; all three when none is named), one after the other, and says
# which ran. An engine whose programs are missing is not run: the script says so
# and exits 77, which ctest shows as skipped (scripts/setup installs them all).
# Under CI (CI set) a missing engine fails instead: CI installs all three, so a
# skip there would be a green that tested nothing.
set -euo pipefail
cd "$(dirname "$0")"

engines=("$@")
[ "${#engines[@]}" -gt 0 ] || engines=(chromium firefox webkit)

# What each engine needs on this machine.
needs() {
  case "$1" in
    chromium) echo "${TESSALY_CHROMIUM:-/usr/bin/chromium}" ;;
    firefox) echo "${TESSALY_FIREFOX:-/usr/bin/firefox-esr} $(command -v Xvfb || echo Xvfb)" ;;
    webkit) echo "${TESSALY_WEBKIT_DRIVER:-/usr/bin/WebKitWebDriver}" \
      "${TESSALY_MINIBROWSER:-/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser} $(command -v Xvfb || echo Xvfb)" ;;
    *) echo "web tests: no engine called $1 (chromium, firefox, webkit)" >&2; exit 2 ;;
  esac
}

# npm writes node_modules/.package-lock.json on every install; older than the
# lock file means the installed tree is stale.
if [ ! -f node_modules/.package-lock.json ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
  npm ci --no-audit --no-fund
fi

ran=()
missed=()
status=0
for engine in "${engines[@]}"; do
  missing=()
  for program in $(needs "$engine") ffmpeg; do
    [ -x "$program" ] || command -v "$program" >/dev/null 2>&1 || missing+=("$program")
  done
  if [ "${#missing[@]}" -gt 0 ]; then
    echo "web tests: $engine not run: no ${missing[*]} (scripts/setup installs them)"
    missed+=("$engine")
    continue
  fi
  echo "web tests: $engine"
  suite=suite.mjs
  [ "$engine" != chromium ] || suite=suite-chromium.mjs
  TESSALY_ENGINE=$engine node --test "$suite" || status=1
  ran+=("$engine")
done

echo "web tests: engines run: ${ran[*]:-none}${missed:+; not run: ${missed[*]}}"
[ "$status" -eq 0 ] || exit "$status"
if [ "${#missed[@]}" -gt 0 ]; then
  [ -z "${CI:-}" ] || { echo "web tests: CI is set, so an engine not run is a failure"; exit 1; }
  exit 77
fi
