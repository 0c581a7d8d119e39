#!/usr/bin/env bash
# Draws the two mode icons and writes them beside this script:
#   imgTessik.ico   the native mode (also the window's and the program's
#                   icon): the Bengali letter KA on green
#   imgEnglish.ico  the system-default mode: a Latin A on slate grey
# Each holds 16, 20, 24, 32, 40, 48 and 256 pixel images, so the tray and
# the window find a sharp picture at 96, 120 and 144 dots per inch.
# The .ico files are committed; run this only to change the artwork.
# Needs imagemagick, fonts-lohit-beng-bengali and fonts-dejavu-core.
set -euo pipefail
cd "$(dirname "$0")"

bengali_font=/usr/share/fonts/truetype/lohit-bengali/Lohit-Bengali.ttf
latin_font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
sizes=(16 20 24 32 40 48 256)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Thin strokes vanish at small sizes: the smaller the image, the more the
# letter is emboldened (in pixels of the 512-point master rendering).
stroke_for_size() {
    case $1 in
    16) echo 34 ;; 20) echo 28 ;; 24) echo 24 ;; 32) echo 16 ;; 40) echo 12 ;; 48) echo 10 ;;
    *) echo 4 ;;
    esac
}

# draw_icon LETTER FONT BACKGROUND EXTRA_STROKE OUTPUT
draw_icon() {
    local letter=$1 font=$2 background=$3 extra_stroke=$4 output=$5
    local images=()
    for size in "${sizes[@]}"; do
        local letter_box=$((size * 74 / 100))
        local radius=$((size * 3 / 16))
        local stroke=$(($(stroke_for_size "$size") * extra_stroke / 100))
        convert -background none -fill white -stroke white -strokewidth "$stroke" \
            -font "$font" -pointsize 512 label:"$letter" -trim +repage \
            -resize "${letter_box}x${letter_box}" "$work/letter.png"
        convert -size "${size}x${size}" xc:none -fill "$background" \
            -draw "roundrectangle 0,0,$((size - 1)),$((size - 1)),$radius,$radius" \
            "$work/letter.png" -gravity center -composite "png32:$work/$size.png"
        images+=("$work/$size.png")
    done
    convert "${images[@]}" "$output"
}

draw_icon "ক" "$bengali_font" "#006a4e" 100 imgTessik.ico
# DejaVu Sans Bold is heavy already.
draw_icon "A" "$latin_font" "#4a5560" 0 imgEnglish.ico
