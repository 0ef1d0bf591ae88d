#!/usr/bin/env bash
# Renders the committed SVG icons into the PNG sizes of the hicolor theme.
# Run by hand after changing an SVG, then commit the PNGs; needs rsvg-convert
# (Debian package librsvg2-bin) or ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")"

render() {  # svg size png
    if [ -x /usr/bin/rsvg-convert ]; then
        /usr/bin/rsvg-convert -w "$2" -h "$2" -o "$3" "$1"
    else
        /usr/bin/convert -background none -density 384 "$1" -resize "$2x$2" "png32:$3"
    fi
}

for name in tessaly tessaly-selector application-x-tessaly-project; do
    for size in 16 22 24 32 48 64 128 256; do
        mkdir -p "${size}x${size}"
        render "$name.svg" "$size" "${size}x${size}/$name.png"
    done
done
