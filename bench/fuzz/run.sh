#!/usr/bin/env bash
# Runs every fuzz target of the dev build for SECONDS, all at once, each
# growing its own corpus in build/dev/fuzz-corpus/ (kept between runs, seeded
# from tests/fuzz/corpus/), and prints what each did: executions, coverage
# (edges reached), corpus size and the findings of this run (their inputs are
# in build/dev/fuzz-findings/). Given TARGETs (fuzz_journal ...), only those.
#   bench/fuzz/run.sh SECONDS [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:?usage: bench/fuzz/run.sh SECONDS [TARGET...]}
shift
only=" $* "
build=build/dev
[ -d "$build/fuzz" ] || { echo "no fuzz targets in $build: cmake --preset dev && cmake --build --preset dev" >&2; exit 2; }

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
touch "$logs/start"
pids=()
names=()
for target in "$build"/fuzz/fuzz_*; do
  name=$(basename "$target")
  [ "$only" = "  " ] || [[ "$only" == *" $name "* ]] || continue
  seeds=tests/fuzz/corpus/${name#fuzz_}
  mkdir -p "$build/fuzz-corpus/$name"
  bash tests/fuzz/fuzz-once.sh "$target" "$seeds" "$seconds" "$build/fuzz-corpus/$name" >"$logs/$name" 2>&1 &
  pids+=($!)
  names+=("$name")
done

printf '%-14s %12s %8s %8s %9s\n' target executions edges corpus findings
failed=0
for i in "${!pids[@]}"; do
  name=${names[$i]}
  wait "${pids[$i]}" || failed=1
  runs=$(grep -oE 'number_of_executed_units: [0-9]+' "$logs/$name" | grep -oE '[0-9]+' | tail -1)
  edges=$(grep -oE 'cov: [0-9]+' "$logs/$name" | grep -oE '[0-9]+' | tail -1)
  corpus=$(find "$build/fuzz-corpus/$name" -type f | wc -l)
  # Crashes, leaks, time-outs and running out of memory; a slow input is
  # kept beside them but is no finding.
  findings=$(find "$build/fuzz-findings/$name" -type f -newer "$logs/start" \
    \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) 2>/dev/null | wc -l)
  printf '%-14s %12s %8s %8s %9s\n' "$name" "${runs:-?}" "${edges:-?}" "$corpus" "$findings"
  grep -q 'a finding' "$logs/$name" && tail -40 "$logs/$name"
done
exit "$failed"
