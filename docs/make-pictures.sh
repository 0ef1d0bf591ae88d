#!/usr/bin/env bash
# Retakes the user's guide pictures from the real window with the demo project.
#   docs/make-pictures.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/dev}"
cmake --build "$build" --target guide_pictures
ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen "$build/bin/guide_pictures" examples/demo.hs5 docs/images
