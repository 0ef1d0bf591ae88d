# Sourced by the scripts that drive the real publisher on a virtual X display.

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

# Presses Return in the question window $1 (titled $2) until it goes. Pressed
# again only when the question is still there 10 s later and has the keys, so
# a late Return never lands on a button of the window behind it.
answer() {
  for _ in $(seq 10); do
    xdotool windowfocus --sync "$1" 2>/dev/null || return 0
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && xdotool key Return
    for _ in $(seq 100); do
      xdotool search --name "$2" >/dev/null 2>&1 || return 0
      sleep 0.1
    done
  done
}

# Runs the command after $1 (Xvfb's screen options) on an X server of its own.
# Xvfb picks a free display number itself (-displayfd): two scripts started at
# once by a parallel suite never share a server, as they could with
# `xvfb-run -a`, where the one whose server did not start ran on the other's
# and lost it when that one ended.
on_own_display() {
  local screen=$1
  shift
  local said
  said=$(mktemp -d)
  mkfifo "$said/display"
  # shellcheck disable=SC2086 # the screen options are words
  Xvfb -displayfd 3 $screen -nolisten tcp -noreset 3>"$said/display" >/dev/null 2>&1 &
  local server=$!
  local number=""
  read -r -t 60 number <"$said/display" || true
  rm -rf "$said"
  if [ -z "$number" ]; then
    echo "Xvfb did not say its display within 60 s"
    kill "$server" 2>/dev/null
    return 1
  fi
  local status=0
  DISPLAY=":$number" "$@" || status=$?
  kill "$server" 2>/dev/null
  wait "$server" 2>/dev/null || true
  return "$status"
}
