#!/usr/bin/env bash
# Checks a built package: check-deb.sh TESSALY.deb PROGRAM...
# Its control fields, then its files unpacked into a fresh root (check-install.sh).
set -uo pipefail

deb=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
root=$(mktemp -d "${TMPDIR:-/tmp}/tessaly-deb.XXXXXX")
trap 'rm -rf "$root"' EXIT
faults=0
fault() { echo "check-deb: $*" >&2; faults=$((faults + 1)); }
field() { dpkg-deb -f "$deb" "$1"; }

[ "$(field Package)" = tessaly ] || fault "package name is '$(field Package)'"
[ "$(field Section)" = video ] || fault "section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fault "no maintainer"
[ -n "$(field Description)" ] || fault "no description"

depends=$(field Depends)
# Split on commas into bare package names (alternatives and versions dropped).
names=" $(printf '%s' "$depends" | tr ',|' '\n\n' | sed 's/(.*//; s/ //g' | tr '\n' ' ') "
wanted=(libc6 qt6-qpa-plugins gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
        fonts-liberation)
for program in "$@"; do
    case $program in
        tessaly) wanted+=(libavformat59) ;;
        publisher) wanted+=(libqt6widgets6 libqt6multimedia6 libqt6network6 libavformat59) ;;
        selector) wanted+=(libqt6widgets6 libqt6network6) ;;
    esac
done
for name in "${wanted[@]}"; do
    [[ $names == *" $name "* ]] || fault "Depends lacks $name: $depends"
done

dpkg-deb -x "$deb" "$root" || fault "dpkg-deb -x failed"
# Everything under /usr, nothing elsewhere.
outside=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fault "files outside /usr: $outside"
bash "$here/check-install.sh" "$root/usr" "$@" || faults=$((faults + 1))

[ "$faults" -eq 0 ] && echo "check-deb: $(basename "$deb") is sound"
exit $((faults > 0))
