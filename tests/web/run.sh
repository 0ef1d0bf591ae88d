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
    firefox) echo "${TESSALY_FIREFOX:-/usr/bin/firefox-esr} Xvfb pulseaudio" ;;
    webkit) echo "${TESSALY_WEBKIT_DRIVER:-/usr/bin/WebKitWebDriver}" \
      "${TESSALY_MINIBROWSER:-/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser} Xvfb pulseaudio" ;;
    *) echo "web tests: no engine called $1 (chromium, firefox, webkit)" >&2; exit 2 ;;
  esac
}

# npm writes node_modules/.package-lock.json on every install; older than the
# lock file means the installed tree is stale.
if [ ! -f node_modules/.package-lock.json ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
  npm ci --no-audit --no-fund
fi

# A sound server of our own with one null output, for the engines that play sound
# only to a device: Firefox keeps its audio contexts suspended without one, and
# WebKitGTK's GStreamer has nothing to play to. A machine without a sound card
# (CI's, most servers) then plays as a visitor's does. Its folder is its own
# (no configuration, cookie or socket of the user's); it ends with this script.
# As root it only warns: a per-user instance is what the browsers talk to. It
# also ends when this script is killed (a ctest timeout) through the parent's
# death signal.
sound_dir=
sound_pid=
stop_sound() {
  if [ -n "$sound_pid" ]; then
    kill "$sound_pid" 2>/dev/null || true
    wait "$sound_pid" 2>/dev/null || true
    sound_pid=
  fi
  [ -z "$sound_dir" ] || rm -rf "$sound_dir"
  sound_dir=
}
trap stop_sound EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
start_sound() {
  [ -z "$sound_pid" ] || return 0
  sound_dir=$(mktemp -d "${TMPDIR:-/tmp}/tessaly-sound.XXXXXX")
  HOME=$sound_dir XDG_CONFIG_HOME=$sound_dir XDG_RUNTIME_DIR=$sound_dir PULSE_RUNTIME_PATH=$sound_dir \
    PULSE_STATE_PATH=$sound_dir setpriv --pdeathsig TERM pulseaudio -n --daemonize=no --system=false --exit-idle-time=-1 \
    --use-pid-file=false --log-target="file:$sound_dir/log" \
    --load="module-null-sink sink_name=tessaly" \
    --load="module-native-protocol-unix socket=$sound_dir/native auth-anonymous=1" </dev/null &
  sound_pid=$!
  # The socket is there once the server listens.
  local deadline=$((SECONDS + 30))
  until [ -S "$sound_dir/native" ]; do
    if ! kill -0 "$sound_pid" 2>/dev/null || [ "$SECONDS" -ge "$deadline" ]; then
      echo "web tests: the sound server did not start: $(cat "$sound_dir/log" 2>/dev/null)" >&2
      exit 1
    fi
    sleep 0.1
  done
  export PULSE_SERVER="unix:$sound_dir/native" PULSE_COOKIE="$sound_dir/cookie"
}

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
  [ "$engine" = chromium ] || start_sound
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
