#!/usr/bin/env bash
# Draws the letter table's pictures: one 36 x 36 cell per row of LIST, side by
# side in one 24-bit BMP strip (the bitmap that the program loads into its
# image list), plus a 4x enlarged, numbered contact sheet for people to check.
#
# Usage: generate-letter-pictures.sh FONT LIST STRIP.bmp SHEET.png
#
# Text is laid out by pango, which shapes Bengali (vowel signs around their
# consonant, ya-phala, ra-phala, the reph above); ImageMagick only trims,
# centres and assembles. FONT is the only font pango may use, so a picture
# never silently falls back to another font and the result is the same on
# every machine with the same packages.
set -euo pipefail

if [ $# -ne 4 ]; then
    echo "usage: $0 FONT LIST STRIP.bmp SHEET.png" >&2
    exit 2
fi
font=$1
list=$2
strip=$3
sheet=$4

readonly cell=36
readonly mask='#C0C0C0'  # silver: the image list's transparent colour
# Paper and ink are coloured, not white and black: then no antialiased blend
# of the two is ever exactly the mask grey, which would punch a hole.
readonly paper='#FFF4D6' # light background of every picture
readonly ink='#1C2340'   # the letters
readonly corner=5        # radius of the paper's rounded corners; outside is mask
readonly glyph_pixels=30 # font size in pixels
readonly glyph_fit=32    # the most ink a picture may have across; wider text is drawn smaller

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/fonts"
ln -s "$(realpath "$font")" "$work/fonts/"
cat >"$work/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>$work/fonts</dir>
  <cachedir>$work/cache</cachedir>
</fontconfig>
EOF
family=$(FONTCONFIG_FILE=$work/fonts.conf fc-query --format '%{family[0]}' "$font")

# The shaped text at a font size of $2 pixels, trimmed to its ink, in $3.
# Edge pixels that are mostly ink become ink: at this size a stroke is one or
# two pixels wide, and without this many strokes come out pale grey.
draw_text() {
    FONTCONFIG_FILE=$work/fonts.conf pango-view --no-display --pixels \
        --font "$family $2" --hinting=full --antialias=gray \
        --background=transparent --foreground="$ink" --margin=8 \
        --text "$1" --output "$work/text.png"
    convert "$work/text.png" -trim +repage -channel A -level 0%,70% +channel "$3"
}

# One cell: the paper with rounded corners on the mask colour (drawn without
# antialiasing, so the corners are exactly the mask colour) and the text
# centred on it. Text too large for the cell is drawn again at a smaller
# font size rather than scaled down, which would blur and pale its strokes.
draw_cell() {
    local text=$1 out=$2 size
    draw_text "$text" "$glyph_pixels" "$work/ink.png"
    size=$(identify -format '%[fx:max(w,h)]' "$work/ink.png")
    if [ "$size" -gt "$glyph_fit" ]; then
        draw_text "$text" $((glyph_pixels * glyph_fit / size)) "$work/ink.png"
        convert "$work/ink.png" -resize "${glyph_fit}x${glyph_fit}>" "$work/ink.png"
    fi
    convert -size "${cell}x${cell}" "xc:$mask" +antialias -fill "$paper" \
        -draw "roundrectangle 0,0 $((cell - 1)),$((cell - 1)) $corner,$corner" \
        "$work/ink.png" -gravity center -composite -alpha off "$out"
}

cells=()
while read -r code text; do
    case $code in '' | '#'*) continue ;; esac
    cells+=("$work/cell$(printf '%02d' $((${#cells[@]} + 1))).png")
    draw_cell "$text" "${cells[-1]}"
done <"$list"

convert "${cells[@]}" +append -alpha off -type TrueColor -compress none "BMP3:$strip.tmp"
mv "$strip.tmp" "$strip"

# The sheet: every cell enlarged without smoothing, numbered by row.
labelled=()
for i in "${!cells[@]}"; do
    labelled+=(-label "$((i + 1))" "${cells[$i]}")
done
montage "${labelled[@]}" -filter point -resize 400% -tile 11x -geometry +6+6 \
    -font "$font" -pointsize 14 -background white \
    -define png:exclude-chunks=date,time "$sheet"
