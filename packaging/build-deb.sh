#!/usr/bin/env bash
# Builds the Debian package from the release configuration and checks it:
# control fields, dependencies and the unpacked files. Prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup
cmake --preset release >/dev/null
cmake --build --preset release
cpack --preset deb >/dev/null

programs=()
for program in tessaly publisher selector; do
    [ -x "build/release/bin/$program" ] && programs+=("$program")
done
if [ -f build/release/bin/publisher.pdf ]; then export TESSALY_EXPECT_GUIDE=1; fi
deb=$(ls -t build/release/tessaly_*.deb | head -n 1)
bash packaging/linux/check-deb.sh "$deb" "${programs[@]}" >&2
echo "$deb"
