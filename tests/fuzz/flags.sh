#!/usr/bin/env bash
# Prints the libFuzzer flags a target runs with: inputs as long as its format
# needs, and its dictionary where it has one (tests/fuzz/NAME.dict).
#   flags.sh TARGET
# A project or settings file is a few KB; the longest value the readers
# bound is a caption path of 4096 bytes, so 8 KB holds a file with one path
# past that. Longer inputs only add text the readers skip, more slowly.
set -euo pipefail
name=$(basename "$1")
name=${name#fuzz_}
here=$(cd "$(dirname "$0")" && pwd)
case $name in
  project | settings) printf '%s\n' -max_len=8192 ;;
  *) printf '%s\n' -max_len=65536 ;;
esac
if [ -f "$here/$name.dict" ]; then printf '%s\n' "-dict=$here/$name.dict"; fi
