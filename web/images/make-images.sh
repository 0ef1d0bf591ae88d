#!/usr/bin/env bash
# Draws every image of the published page into this folder and puts the About
# icon into the page template as a data address. Needs ImageMagick 6 (Debian's
# package imagemagick), the DejaVu fonts and python3; same tools, same bytes.
# A visitor's browser fetches most of these images before the movie's first frame,
# so each is stored in the fewest bytes that keep its pixels.
set -euo pipefail

CONVERT=${CONVERT:-/usr/bin/convert}
FONT=${FONT:-/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf}
here=$(cd "$(dirname "$0")" && pwd)
template="$here/../template/page.html"
cd "$here"

# No creation dates or tool comments, so a rerun changes nothing.
png_opts=(-strip -define png:exclude-chunks=date,time -define png:color-type=6 -depth 8)

# --- the 75 x 70 buttons: plain, L (lit on mouse over), D (pressed) ---------

# state: fill, outline, glyph colour, glyph offset
button_state() {
    case $1 in
        plain) echo "rgba(24,24,28,0.62) rgba(255,255,255,0.45) rgba(240,240,240,1) 0,0" ;;
        L) echo "rgba(60,70,88,0.80) rgba(255,255,255,0.95) rgba(255,255,255,1) 0,0" ;;
        D) echo "rgba(8,8,10,0.85) rgba(120,160,220,0.90) rgba(200,215,235,1) 1,2" ;;
    esac
}

# button NAME 'MVG glyph'
button() {
    local name=$1 glyph=$2 state suffix fill stroke ink shift
    for state in plain L D; do
        read -r fill stroke ink shift < <(button_state "$state")
        suffix=${state/plain/}
        "$CONVERT" -size 75x70 xc:none \
            -fill "$fill" -stroke "$stroke" -strokewidth 2 \
            -draw "roundrectangle 3,3 71,66 14,14" \
            -fill "$ink" -stroke "$ink" -strokewidth 1 \
            -draw "translate $shift ${glyph//INK/$ink}" \
            "${png_opts[@]}" "png:$name$suffix.png"
    done
}

button up      "polygon 37,18 55,44 19,44"
button down    "polygon 19,26 55,26 37,52"
button left    "polygon 20,35 47,17 47,53"
button right   "polygon 55,35 28,17 28,53"
button stop    "roundrectangle 24,22 50,48 3,3"
button restart "fill none stroke-width 5 path 'M 50,29 A 14,14 0 1 1 37,21' \
                fill INK stroke-width 1 polygon 36,12 47,21 36,30"
button zoomin  "fill none stroke-width 4 circle 33,31 33,18 \
                stroke-width 7 line 43,41 54,52 \
                stroke-width 3 line 26,31 40,31 line 33,24 33,38"
button zoomout "fill none stroke-width 4 circle 33,31 33,18 \
                stroke-width 7 line 43,41 54,52 \
                stroke-width 3 line 26,31 40,31"

# --- mute icons, 20 x 20: speaker crossed out (mute on), speaker sounding ---

speaker="polygon 2,7 6,7 11,3 11,17 6,13 2,13"
"$CONVERT" -size 20x20 xc:none -fill white -stroke white -strokewidth 1 \
    -draw "$speaker" \
    -draw "stroke rgb(255,90,90) stroke-width 2 line 13,7 18,13 line 18,7 13,13" \
    "${png_opts[@]}" png:muteON.png
"$CONVERT" -size 20x20 xc:none -fill white -stroke white -strokewidth 1 \
    -draw "$speaker" \
    -draw "fill none stroke-width 1.5 arc 8,6 16,14 -60,60 arc 7,3 19,17 -60,60" \
    "${png_opts[@]}" png:muteOFF.png

# --- title banner, 480 x 100 ---------------------------------------------------

"$CONVERT" -size 480x100 xc:none \
    \( -size 474x94 gradient:'rgba(40,60,96,0.85)-rgba(10,14,24,0.85)' \) \
    -geometry +3+3 -composite \
    -fill none -stroke 'rgba(255,255,255,0.6)' -strokewidth 2 \
    -draw "roundrectangle 2,2 477,97 16,16" \
    -stroke none -fill white -font "$FONT" -pointsize 58 \
    -gravity center -annotate +0+0 "Tessaly" \
    \( -size 480x100 xc:black -fill white -draw "roundrectangle 2,2 477,97 16,16" \) \
    -gravity northwest -compose DstIn -composite \
    "${png_opts[@]}" png:title.png

# --- About icon, 72 x 72: a globe ring around the letter T --------------------

"$CONVERT" -size 72x72 xc:none \
    -fill 'rgb(38,110,210)' -stroke 'rgb(200,225,255)' -strokewidth 3 \
    -draw "circle 36,36 36,4" \
    -fill none -stroke 'rgba(255,255,255,0.55)' -strokewidth 2 \
    -draw "ellipse 36,36 30,11 0,360" \
    -stroke none -fill white -font "$FONT" -pointsize 40 \
    -gravity center -annotate +0+1 "T" \
    "${png_opts[@]}" png:about.png

# --- poster, 400 x 400, shown where the browser cannot play the movie -------

"$CONVERT" -size 400x400 gradient:'rgb(36,58,96)-rgb(8,10,18)' \
    -fill none -stroke 'rgba(255,255,255,0.35)' -strokewidth 3 \
    -draw "circle 200,170 200,70" -draw "ellipse 200,170 100,34 0,360" \
    -draw "ellipse 200,170 34,100 0,360" \
    -stroke none -fill white -draw "polygon 182,140 182,200 228,170" \
    -font "$FONT" -pointsize 44 -gravity north -annotate +0+290 "Tessaly" \
    -pointsize 18 -fill 'rgb(190,205,230)' -annotate +0+346 "360° video" \
    -strip -quality 88 -sampling-factor 4:2:0 -interlace JPEG jpg:poster.jpg

# --- animated hot-spot icons, 48 x 48 -----------------------------------------

# trim_frames GIF: each frame stored as the box of what it draws, at its place on
# the screen; the frame is cleared before the next as before, so the pictures stay.
trim_frames() {
    "$CONVERT" "$1" -trim -strip "gif:$1"
}

# ring_frames OUT FRAMES R G B: a dot with a ring that swells and fades
ring_frames() {
    local out=$1 n=$2 r=$3 g=$4 b=$5 i args=()
    for ((i = 0; i < n; i++)); do
        read -r ring alpha dot < <(awk -v i="$i" -v n="$n" 'BEGIN {
            t = i / n; printf "%.1f %.2f %.1f\n", 10 + 12 * t, 1 - 0.45 * t, 7 + 1.5 * sin(6.2831853 * t) }')
        args+=(\( -size 48x48 xc:none
            -fill none -stroke "rgba($r,$g,$b,$alpha)" -strokewidth 3
            -draw "circle 24,24 24,$(awk -v r="$ring" 'BEGIN { printf "%.1f", 24 - r }')"
            -fill "rgb($r,$g,$b)" -stroke white -strokewidth 2
            -draw "circle 24,24 24,$(awk -v d="$dot" 'BEGIN { printf "%.1f", 24 - d }')" \))
    done
    "$CONVERT" -delay 12 -dispose background "${args[@]}" -loop 0 -strip "gif:$out"
    trim_frames "$out"
}

ring_frames hs_blue.gif 4 40 130 255
ring_frames hs_red.gif 14 235 40 40

# check_hs.gif: a green disc with a tick that is drawn in over the frames
args=()
for ((i = 0; i < 9; i++)); do
    read -r x2 y2 x3 y3 < <(awk -v i="$i" 'BEGIN {
        t = i / 8; a = t < 0.4 ? t / 0.4 : 1; b = t < 0.4 ? 0 : (t - 0.4) / 0.6
        printf "%.1f %.1f %.1f %.1f\n", 14 + 7 * a, 25 + 7 * a, 21 + 13 * b, 32 - 15 * b }')
    args+=(\( -size 48x48 xc:none
        -fill 'rgb(30,170,70)' -stroke 'rgb(210,255,220)' -strokewidth 2
        -draw "circle 24,24 24,4"
        -fill none -stroke white -strokewidth 5
        -draw "line 14,25 $x2,$y2" -draw "line 21,32 $x3,$y3" \))
done
"$CONVERT" -delay 10 -dispose background "${args[@]}" \
    \( -clone 8 -set delay 120 \) -delete 8 -loop 0 -strip gif:check_hs.gif
# Read back and stored with what each frame keeps of the last left transparent:
# the same pictures in fewer bytes (tried on the hot-spot icons, it changes a colour).
"$CONVERT" check_hs.gif -coalesce -layers OptimizeTransparency -strip gif:check_hs.gif
trim_frames check_hs.gif

# --- every PNG but the About icon (the template carries its bytes) in fewer bytes

CONVERT="$CONVERT" python3 "$here/pack-png.py" $(ls ./*.png | grep -v '/about\.png$')

# --- the About icon goes into the template inline ----------------------------

data=$(base64 -w0 about.png)
sed -i -E "s|(<img id=\"ab\" src=\"data:image/png;base64,)[^\"]*\"|\1$data\"|" "$template"
