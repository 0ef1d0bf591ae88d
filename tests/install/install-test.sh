#!/usr/bin/env bash
# Installs the current build into a scratch prefix and checks it; then, where
# dpkg-shlibdeps is at hand, packs the same build as a .deb, checks its control
# fields, unpacks it into a fresh root and checks that tree the same way.
# install-test.sh BUILD_DIR PROGRAM...
set -euo pipefail

build=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
check="$here/../../packaging/linux/check-install.sh"
scratch=$(mktemp -d "${TMPDIR:-/tmp}/tessaly-install.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

if [ -f "$build/bin/publisher.pdf" ]; then export TESSALY_EXPECT_GUIDE=1; fi

cmake --install "$build" --prefix "$scratch/usr" >/dev/null
bash "$check" "$scratch/usr" "$@"

if ! command -v dpkg-shlibdeps >/dev/null; then
    echo "install-test: no dpkg-shlibdeps (Debian package dpkg-dev); the .deb is not checked" >&2
    exit 0
fi

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/pkg" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; exit 1; }
debs=("$scratch"/pkg/tessaly_*.deb)
[ -f "${debs[0]}" ] || { echo "install-test: cpack made no tessaly_*.deb" >&2; exit 1; }
bash "$here/../../packaging/linux/check-deb.sh" "${debs[0]}" "$@"
