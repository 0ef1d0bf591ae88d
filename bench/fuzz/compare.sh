#!/usr/bin/env bash
# Runs one fuzz target from two builds side by side for SECONDS, each from the
# seeds alone in a scratch corpus, and prints each one's inputs a second and
# the ratio: the reference (another worktree's build, e.g. main's) and the dev
# build of this tree. The load average is printed with them. This tree runs
# with its own flags (tests/fuzz/flags.sh: input length, dictionary); the
# reference with REFERENCE_FLAGS, by default those every target had before
# (-max_len=65536), or this tree's when REFERENCE_FLAGS=same.
#   bench/fuzz/compare.sh SECONDS TARGET REFERENCE_BUILD
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:?usage: bench/fuzz/compare.sh SECONDS TARGET REFERENCE_BUILD}
target=${2:?target}
reference=${3:?reference build}
seeds=tests/fuzz/corpus/${target#fuzz_}
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
mapfile -t flags < <(bash tests/fuzz/flags.sh "$target")
if [ "${REFERENCE_FLAGS:-}" = same ]; then
  reference_flags=("${flags[@]}")
else
  read -ra reference_flags <<<"${REFERENCE_FLAGS:--max_len=65536}"
fi
run() {
  local name=$1 binary=$2
  shift 2
  mkdir -p "$logs/$name-corpus"
  "$binary" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=4096 "$@" -print_final_stats=1 \
    -artifact_prefix="$logs/$name-" "$logs/$name-corpus" "$seeds" >"$logs/$name" 2>&1
}
run reference "$reference/fuzz/$target" "${reference_flags[@]}" &
ref=$!
run this build/dev/fuzz/"$target" "${flags[@]}" &
this=$!
wait "$ref"
wait "$this"
rate() { grep -oE 'number_of_executed_units: [0-9]+' "$logs/$1" | grep -oE '[0-9]+' | tail -1; }
r=$(rate reference) t=$(rate this)
printf '%s, %s s, load %s\n' "$target" "$seconds" "$(cut -d' ' -f1-3 /proc/loadavg)"
printf '  reference %10s inputs  %8s /s  %s\n' "$r" "$((r / seconds))" "${reference_flags[*]}"
printf '  this tree %10s inputs  %8s /s  %s\n' "$t" "$((t / seconds))" "${flags[*]##*/}"
awk -v r="$r" -v t="$t" 'BEGIN { printf "  ratio %.1f\n", t / r }'
