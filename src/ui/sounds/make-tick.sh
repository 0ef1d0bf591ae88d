#!/usr/bin/env bash
# Rebuilds tick.wav: a 30 ms, 2 kHz click with a quick fade, mono 16-bit 22.05 kHz.
set -euo pipefail
cd "$(dirname "$0")"
ffmpeg -loglevel error -y -f lavfi -i "sine=frequency=2000:duration=0.03:sample_rate=22050" \
  -af "afade=t=out:st=0.01:d=0.02" -ac 1 -c:a pcm_s16le -map_metadata -1 -fflags +bitexact \
  -flags:a +bitexact tick.wav
