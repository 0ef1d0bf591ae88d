#!/usr/bin/env bash
# Runs one fuzz target over its seed corpus (every seed first, then new inputs)
# for SECONDS, in a scratch folder: the seeds in the repository are only read.
# A finding fails the run; its input is kept in build/fuzz-findings/ to be
# fixed and then added to the seeds.
#   fuzz-once.sh TARGET SEEDS SECONDS [CORPUS]
# CORPUS, when given, is the folder the target grows (kept between runs).
# TESSALY_FUZZ_TIMEOUT (seconds, 10 unless set) is how long one input may take:
# a long run niced on a loaded machine waits for the processor far longer.
set -euo pipefail
target=$1 seeds=$2 seconds=$3
name=$(basename "$target")
scratch=$(mktemp -d "${TMPDIR:-/tmp}/tessaly-$name.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
corpus=${4:-$scratch/corpus}
findings="$(dirname "$(dirname "$target")")/fuzz-findings/$name"
mkdir -p "$corpus" "$findings"

mapfile -t flags < <(bash "$(dirname "$0")/flags.sh" "$name")
status=0
"$target" -max_total_time="$seconds" -timeout="${TESSALY_FUZZ_TIMEOUT:-10}" -rss_limit_mb=4096 "${flags[@]}" \
  -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "$seeds" >"$scratch/log" 2>&1 || status=$?
grep -E '^stat::number_of_executed_units|cov: [0-9]+' "$scratch/log" | tail -2 || true
if [ "$status" -ne 0 ]; then
  tail -60 "$scratch/log"
  echo "$name: a finding; its input is in $findings"
  exit 1
fi
