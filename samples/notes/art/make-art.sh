#!/usr/bin/env bash
# Draws KEBO Notes' icons and its gallery picture with ImageMagick into this
# folder: the program's icon (AppIcon.ico, 16, 32 and 48 pixels, and
# AppIcon32.ico), the six 16 x 16 tool bar icons and the 320 x 240 picture of
# the Control Gallery (8-bit, run-length encoded). The results are committed,
# so the build never needs this script; run it again only to change the
# artwork.
set -euo pipefail
out=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
font=/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf

icon16() { convert -size 16x16 xc:none "$@"; }

# New: a blank page with a folded corner.
icon16 -fill white -stroke '#404040' -draw 'polygon 3,1 10,1 13,4 13,14 3,14' \
    -fill '#d0d0d0' -draw 'polygon 10,1 10,4 13,4' "$work/new.png"
# Open: a yellow folder.
icon16 -fill '#e0b030' -stroke '#806010' -draw 'polygon 1,4 5,4 6,5 14,5 14,13 1,13' \
    -fill '#f8d860' -draw 'polygon 1,13 3,7 15,7 14,13' "$work/open.png"
# Save: a blue disk with its label and shutter.
icon16 -fill '#2050b0' -stroke '#102860' -draw 'rectangle 1,1 14,14' \
    -stroke none -fill white -draw 'rectangle 4,2 11,7' \
    -fill '#c0c0c0' -draw 'rectangle 4,10 11,14' -fill '#2050b0' -draw 'rectangle 9,11 10,13' "$work/save.png"
# Cut: scissors, two rings below two crossing blades.
icon16 -stroke '#303030' -strokewidth 1 -draw 'line 5,1 10,10' -draw 'line 10,1 5,10' \
    -fill none -stroke '#c02020' -draw 'circle 4,12 4,14' -draw 'circle 11,12 11,14' "$work/cut.png"
# Copy: two overlapping pages.
icon16 -fill white -stroke '#404040' -draw 'rectangle 1,1 9,10' -draw 'rectangle 6,5 14,14' \
    -stroke '#8090c0' -draw 'line 8,8 12,8' -draw 'line 8,10 12,10' -draw 'line 8,12 11,12' "$work/copy.png"
# Paste: a clipboard with a page on it.
icon16 -fill '#a06830' -stroke '#603810' -draw 'rectangle 2,2 12,14' \
    -fill '#c0c0c0' -stroke '#404040' -draw 'rectangle 5,1 9,3' \
    -fill white -draw 'rectangle 7,6 14,15' "$work/paste.png"
for name in new open save cut copy paste; do
    convert "$work/$name.png" "$out/Tool${name^}.ico"
done

# The program's icon: a note pad with a yellow binding and ruled blue lines.
convert -size 48x48 xc:none -fill '#f8f8f0' -stroke '#505050' -strokewidth 2 -draw 'rectangle 7,5 41,44' \
    -stroke none -fill '#e8b820' -draw 'rectangle 7,5 41,13' \
    -stroke '#5070c0' -strokewidth 2 -draw 'line 12,20 36,20' -draw 'line 12,27 36,27' \
    -draw 'line 12,34 36,34' -draw 'line 12,40 28,40' "$work/app48.png"
convert "$work/app48.png" -resize 32x32 "$work/app32.png"
convert "$work/app48.png" -resize 16x16 "$work/app16.png"
convert "$work/app16.png" "$work/app32.png" "$work/app48.png" "$out/AppIcon.ico"
# The icon views draw an icon resource at the size of its first image: the
# 32-pixel one alone, for About and the gallery.
convert "$work/app32.png" "$out/AppIcon32.ico"

# The gallery's picture: larger than its scroll view, so that both bars move.
convert -size 320x240 gradient:'#1b3a6b'-'#63a4d8' \
    -fill '#f0c040' -draw 'circle 250,60 250,92' \
    -fill '#2d6a3a' -draw 'polygon 0,240 0,170 60,130 130,180 200,120 320,190 320,240' \
    -font "$font" -pointsize 40 -fill white -draw "text 24,70 'KEBO'" \
    -pointsize 16 -draw "text 26,96 'a picture in a scroll view'" \
    -alpha off +dither -colors 256 -type Palette -compress RLE "BMP3:$out/GalleryPicture.bmp"
