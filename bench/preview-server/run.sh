#!/usr/bin/env bash
# Preview server benchmark: requests a second of `tessaly preview` against
# plain static servers run side by side in this script (busybox httpd, and
# python3 -m http.server, which has no byte ranges), measured by ApacheBench:
#   - the page (index.html) and a 64 KiB range of a 16 MiB movie,
#   - 1 and 200 concurrent connections, with and without keep-alive.
# Goals: no failed request; keep-alive at least as fast as without; tessaly at
# least as fast as the plain servers. Everything listens on 127.0.0.1 and each
# run is a fixed number of requests.
#
# Each figure is the best of RUNS runs (3), each run REQUESTS requests (10000)
# or 5 seconds, whichever ends first; ab goes on past refused connections (-r)
# and counts them as failed.
#
#   bench/preview-server/run.sh [WORK_FOLDER]   (TESSALY_BIN=... skips the release build)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
requests="${REQUESTS:-10000}"
runs="${RUNS:-3}"

for tool in ab busybox python3; do
    command -v "$tool" >/dev/null || { echo "needs $tool (scripts/setup installs it)" >&2; exit 1; }
done

cd "$root"
if [ -z "${TESSALY_BIN:-}" ]; then
    cmake --preset release -DTESSALY_BUILD_BENCH=OFF >/dev/null
    cmake --build --preset release --target tessaly -j2 >/dev/null
fi
tessaly="${TESSALY_BIN:-$root/build/release/bin/tessaly}"

work="${1:-$(mktemp -d /var/tmp/tessaly-bench.XXXXXX)}"
mkdir -p "$work"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

site="$work/site"
"$tessaly" publish examples/demo.hs5 "$site/index.html" >/dev/null
head -c $((16 * 1024 * 1024)) /dev/urandom >"$site/movie.mp4"
range="bytes=1048576-1114111"

free_port() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'; }
wait_for() {  # wait_for PORT: until something answers there, 5 s at most
    for _ in $(seq 50); do
        curl -s -o /dev/null "http://127.0.0.1:$1/index.html" && return 0
        sleep 0.1
    done
    echo "nothing answered on port $1" >&2
    exit 1
}

# tessaly, with a browser launcher that does nothing.
mkdir -p "$work/bin"
printf '#!/bin/sh\nexit 0\n' >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
PATH="$work/bin:$PATH" "$tessaly" preview "$site/index.html" >"$work/address" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/address" ] && break; sleep 0.1; done
tessaly_port=$(sed -n 's|^http://127.0.0.1:\([0-9]*\)/.*|\1|p' "$work/address")
wait_for "$tessaly_port"

busybox_port=$(free_port)
busybox httpd -f -p "127.0.0.1:$busybox_port" -h "$site" &
pids+=($!)
wait_for "$busybox_port"

python_port=$(free_port)
python3 -m http.server "$python_port" --bind 127.0.0.1 --directory "$site" >/dev/null 2>&1 &
pids+=($!)
wait_for "$python_port"

faults=0
# measure PORT WHAT CONNECTIONS KEEPALIVE: prints "RPS FAILED", the best of $runs
# runs and the failures of all of them.
measure() {
    local port=$1 what=$2 connections=$3 keepalive=$4 args=(-q -r -s 10 -t 5 -n "$requests" -c "$connections")
    [ "$keepalive" = yes ] && args+=(-k)
    [ "$what" = range ] && args+=(-H "Range: $range")
    local url="http://127.0.0.1:$port/index.html"
    [ "$what" = range ] && url="http://127.0.0.1:$port/movie.mp4"
    local best=0 failures=0
    for _ in $(seq "$runs"); do
        local out rps failed non2xx
        out=$(ab "${args[@]}" "$url" 2>&1) || true
        rps=$(sed -n 's/^Requests per second: *\([0-9]*\).*/\1/p' <<<"$out")
        failed=$(sed -n 's/^Failed requests: *\([0-9]*\).*/\1/p' <<<"$out")
        non2xx=$(sed -n 's/^Non-2xx responses: *\([0-9]*\).*/\1/p' <<<"$out")
        [ -n "$rps" ] || { rps=0; failed=${failed:-1}; }
        [ "$rps" -gt "$best" ] && best=$rps
        failures=$((failures + ${failed:-0} + ${non2xx:-0}))
    done
    echo "$best $failures"
}

printf '%-6s %5s %-10s %10s %10s %10s   %s\n' what conns keep-alive tessaly busybox python "failed (t/b/p)"
declare -A rate
for what in page range; do
    for connections in 1 200; do
        for keepalive in no yes; do
            read -r t_rps t_failed < <(measure "$tessaly_port" "$what" "$connections" "$keepalive")
            read -r b_rps b_failed < <(measure "$busybox_port" "$what" "$connections" "$keepalive")
            p_rps="n/a" p_failed="-"
            # python's server sends the whole movie for a range: no comparison there.
            [ "$what" = page ] && read -r p_rps p_failed < <(measure "$python_port" "$what" "$connections" "$keepalive")
            rate[$what.$connections.$keepalive]=$t_rps
            printf '%-6s %5s %-10s %10s %10s %10s   %s/%s/%s\n' "$what" "$connections" "$keepalive" "$t_rps" \
                "$b_rps" "$p_rps" "$t_failed" "$b_failed" "$p_failed"
            [ "$t_failed" -eq 0 ] || { echo "  goal missed: $t_failed failed requests"; faults=$((faults + 1)); }
            for reference in "$b_rps" "$p_rps"; do
                if [ "$reference" != n/a ] && [ "$t_rps" -lt "$reference" ]; then
                    echo "  goal missed: slower than a plain server ($t_rps < $reference)"
                    faults=$((faults + 1))
                fi
            done
        done
        if [ "${rate[$what.$connections.yes]}" -lt "${rate[$what.$connections.no]}" ]; then
            echo "  goal missed: keep-alive slower than without"
            faults=$((faults + 1))
        fi
    done
done
echo "best of $runs runs of $requests requests or 5 s; goals missed: $faults"
