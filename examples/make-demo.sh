#!/usr/bin/env bash
# Makes the demo: a small spherical (2:1) sample movie, as H.264 MP4 for slot 1
# (Safari plays it) and VP9 WebM for slot 2, and demo.hs5 written by the
# project writer, with relative movie paths and two hot spots.
#
#   examples/make-demo.sh [TESSALY]   (default: build/dev/bin/tessaly)
#
# Then: tessaly publish examples/demo.hs5 /tmp/demo/index.html
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
tessaly="${1:-$here/../build/dev/bin/tessaly}"

# Colour bands that wrap around the full circle (the seam at the edges
# matches), bright sky above the horizon, darker ground below, drifting
# slowly; a white column marks the centre (yaw 0) and a line the horizon.
pattern="geq=lum_expr='128+60*sin(2*PI*X/W+T)*(1-Y/H)+40*cos(4*PI*Y/H)'\
:cb_expr='128+90*sin(2*PI*X/W+T/2)':cr_expr='128+90*cos(2*PI*X/W*2-T/3)',\
drawbox=x=508:y=0:w=8:h=512:color=white:t=fill,\
drawbox=x=0:y=254:w=1024:h=4:color=black@0.6:t=fill"

ffmpeg -hide_banner -loglevel error -y -f lavfi -i "color=c=gray:size=1024x512:rate=25:duration=6,format=yuv420p" \
  -vf "$pattern" -c:v libx264 -preset slow -crf 30 -pix_fmt yuv420p -movflags +faststart \
  "$here/demo.mp4"
ffmpeg -hide_banner -loglevel error -y -i "$here/demo.mp4" \
  -c:v libvpx-vp9 -b:v 0 -crf 42 -row-mt 1 -deadline good -cpu-used 4 "$here/demo.webm"

# The project: a fresh window's options with a wider view and a title; resave
# writes it in the project file's own form.
seed="$(mktemp --suffix=.hs5)"
trap 'rm -f "$seed"' EXIT
printf '%s\r\n' \
  '<WINDOW>10</WINDOW>' '<CONTROLS>1</CONTROLS>' '<ZOOM>9</ZOOM>' '<CONTROLBAR>1</CONTROLBAR>' \
  '<YAW>1</YAW>' '<PITCH>1</PITCH>' '<TILT>1</TILT>' '<AUDIO>6</AUDIO>' '<WIN_POS_X>1</WIN_POS_X>' \
  '<WIN_POS_Y>1</WIN_POS_Y>' '<MOUSESPEED>1</MOUSESPEED>' '<MAXFPS>1</MAXFPS>' '<QUAL>1</QUAL>' \
  '<HS_ICON>1</HS_ICON>' \
  '<HTMLTITLE>Tessaly demo</HTMLTITLE>' '<TOOLTIPHELP>1</TOOLTIPHELP>' '<ZOOMMAX>130</ZOOMMAX>' \
  '<LOADDIR>.</LOADDIR>' '<SAVEDIR>.</SAVEDIR>' \
  '<VIDEO1>demo.mp4</VIDEO1>' '<VIDEO2>demo.webm</VIDEO2>' '<VIDEO3></VIDEO3>' \
  '<HSLINK1>https://example.org/</HSLINK1>' '<HSTITLE1>Centre column</HSTITLE1>' \
  '<HSPOS1>1</HSPOS1>' '<HSYAW1>0</HSYAW1>' '<HSTIME1>3</HSTIME1>' '<HSSELF1>0</HSSELF1>' \
  '<HSLINK2>index.html</HSLINK2>' '<HSTITLE2>Start again</HSTITLE2>' \
  '<HSPOS2>3.5</HSPOS2>' '<HSYAW2>90</HSYAW2>' '<HSTIME2>2</HSTIME2>' '<HSSELF2>1</HSSELF2>' \
  >"$seed"
"$tessaly" resave "$seed" "$here/demo.hs5"
ls -l "$here/demo.mp4" "$here/demo.webm" "$here/demo.hs5"
