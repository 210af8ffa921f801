#!/usr/bin/env bash
# Draws the launcher's pictures with ImageMagick and writes them as 8-bit
# (palette) Windows bitmaps into app/bitmaps/, and the program's icon beside
# them (AppIcon.ico, 16, 32 and 48 pixels, and AppIconSmall.ico, the 16
# alone). The artwork is committed, so the build never needs this script or
# ImageMagick; run it again only to change the artwork.
#
#   scripts/make-art.sh [output folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/app/bitmaps}
fonts=/usr/share/fonts/truetype/liberation
serif=$fonts/LiberationSerif-Bold.ttf
serif_italic=$fonts/LiberationSerif-Italic.ttf
sans=$fonts/LiberationSans-Regular.ttf
sans_bold=$fonts/LiberationSans-Bold.ttf
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# Every picture ends as an 8-bit bitmap with its own palette, run-length
# encoded (RLE8): LoadBitmap and the framework's picture drawing show it as
# they show the uncompressed one, at about a quarter of the size. A picture
# named in KEBO_ART_UNCOMPRESSED (space-separated file names) stays
# uncompressed. The fixed seeds keep a rerun byte-identical.
to_bmp() {
    local compress=RLE
    case " ${KEBO_ART_UNCOMPRESSED:-} " in *" $(basename "$2") "*) compress=None ;; esac
    convert "$1" -alpha off +dither -colors 256 -type Palette -compress "$compress" "BMP3:$2"
}

# The night sky shared by the splash and the main screen: a deep blue gradient,
# an aurora of blurred bands, a star field, a dark mountain ridge on the
# horizon and a calm lake below that mirrors it all.
sky() {
    local size=$1 seed=$2 result=$3
    local w=${size%x*} h=${size#*x}
    local horizon=$((h * 70 / 100))
    local ridge="0,$horizon"
    local i
    # A fixed ridge line, scaled to the width: (x per mille, height above the horizon).
    for i in 0:34 70:58 150:40 230:76 310:48 380:30 450:62 520:88 600:52 680:36 760:70 840:44 920:58 1000:30; do
        ridge="$ridge $((w * ${i%%:*} / 1000)),$((horizon - ${i#*:}))"
    done
    ridge="$ridge $w,$horizon"
    convert -size "${w}x${horizon}" gradient:'#02061a'-'#1e1250' \
        \( -size "${w}x${horizon}" xc:black \
           -fill '#19c9a5' -draw "ellipse $((w * 27 / 100)),$((horizon * 42 / 100)) $((w * 36 / 100)),$((horizon / 10)) -12,360" \
           -fill '#2f7de0' -draw "ellipse $((w * 66 / 100)),$((horizon * 32 / 100)) $((w * 33 / 100)),$((horizon / 12)) 8,360" \
           -fill '#b040c0' -draw "ellipse $((w * 86 / 100)),$((horizon * 58 / 100)) $((w * 22 / 100)),$((horizon / 14)) -20,360" \
           -blur 0x30 \) -compose screen -composite \
        \( -size "${w}x${horizon}" xc:black -seed "$seed" +noise Random -channel G -separate +channel \
           -threshold 99.55% -blur 0x0.6 -level 0,60% \) -compose screen -composite \
        -fill '#070a1c' -draw "polygon $ridge" \
        "$work/upper.png"
    local water=$((h - horizon))
    convert "$work/upper.png" -flip -crop "${w}x${water}+0+0" +repage \
        -modulate 60,90 -motion-blur 0x10+0 \
        \( -size "${w}x${water}" gradient:'#00000000'-'#000000b0' \) -compose over -composite \
        "$work/water.png"
    convert "$work/upper.png" "$work/water.png" -append \
        -fill none -stroke '#5fb8c8' -strokewidth 1 -draw "line 0,$horizon $w,$horizon" "$result"
}

# Splash, bitmap 138.
sky 640x480 7 "$work/splash-sky.png"
convert "$work/splash-sky.png" \
    -gravity north \
    -font "$serif" -pointsize 96 -fill '#f2f6ff' -annotate +0+110 'Halcyra' \
    -font "$serif_italic" -pointsize 30 -fill '#bfe9ff' -annotate +0+222 'Screen Savers' \
    -font "$sans" -pointsize 14 -fill '#8fa8d8' -annotate +0+420 'Halcyra International' \
    -font "$sans" -pointsize 11 -fill '#6f86b8' -annotate +0+442 'Setup is starting...' \
    "$work/splash.png"
to_bmp "$work/splash.png" "$out/Splash.bmp"

# Main background, bitmap 127. The bottom right stays calm: the Install button
# sits at 355,402 and the Exit button at 504,403.
sky 640x480 11 "$work/main-sky.png"
convert "$work/main-sky.png" \
    -font "$serif" -pointsize 56 -fill '#f2f6ff' -annotate +32+86 'Halcyra' \
    -font "$serif_italic" -pointsize 22 -fill '#bfe9ff' -annotate +36+116 'Screen Savers' \
    -font "$sans_bold" -pointsize 17 -fill '#e8eeff' -annotate +36+176 'Welcome to the Halcyra screen saver setup.' \
    -font "$sans" -pointsize 15 -fill '#c8d4f4' \
    -annotate +36+204 'Still waters, northern lights and drifting stars for your desktop.' \
    -annotate +36+226 'Click Install to copy the screen savers to this computer,' \
    -annotate +36+248 'or Exit to leave without changing anything.' \
    -font "$sans" -pointsize 11 -fill '#7f96c8' -annotate +36+468 'Halcyra International' \
    "$work/main.png"
to_bmp "$work/main.png" "$out/Background.bmp"

# QuickTime offer, bitmap 139: a panel of its own, 355 x 456.
convert -size 355x456 gradient:'#0c1638'-'#040818' \
    \( -size 355x456 xc:black -fill '#2f7de0' -draw 'ellipse 60,40 160,30 -10,360' -blur 0x30 \) \
    -compose screen -composite \
    -fill none -stroke '#3d5a9a' -strokewidth 2 -draw 'roundrectangle 8,8 346,447 10,10' -stroke none \
    -font "$serif" -pointsize 30 -fill '#f2f6ff' -annotate +24+58 'QuickTime' \
    -font "$serif_italic" -pointsize 20 -fill '#bfe9ff' -annotate +24+86 'is needed' \
    -font "$sans" -pointsize 13 -fill '#d8e2fa' \
    -annotate +24+132 'Halcyra screen savers play their' \
    -annotate +24+150 'animations with Apple QuickTime,' \
    -annotate +24+168 'which was not found on this computer.' \
    -annotate +24+202 'Click Install QuickTime to install it' \
    -annotate +24+220 'now, then run Halcyra Setup again.' \
    -annotate +24+254 'Click Close to go back.' \
    "$work/offer.png"
to_bmp "$work/offer.png" "$out/QuickTimeOffer.bmp"

# A three-state button cut from the background it sits on, so it blends in.
# Normal: a glassy blue plate. Hover: a brighter plate with a glowing golden
# label. Pressed: a darker plate, inset shadow, label moved down by two pixels.
button() {
    local background=$1 geometry=$2 label=$3 points=$4 name=$5
    local w=${geometry%%x*} rest=${geometry#*x}
    local h=${rest%%+*} xy=${rest#*+}
    local x=${xy%%+*} y=${xy#*+}
    convert "$background" -crop "${w}x${h}+${x}+${y}" +repage "$work/under.png"
    local r=$((w - 5)) b=$((h - 5))
    local state top bottom edge text dy shadow
    for state in Normal Hover Pressed; do
        case $state in
            Normal)  top='#3a6fd0'; bottom='#16307a'; edge='#9cc4ff'; text='#ffffff'; dy=0; shadow='#00000090' ;;
            Hover)   top='#5d9bff'; bottom='#2450b8'; edge='#ffe08a'; text='#ffe7a0'; dy=0; shadow='#00000090' ;;
            Pressed) top='#0e2158'; bottom='#2a4fa8'; edge='#5c7fc0'; text='#c8d8ff'; dy=2; shadow='#00000000' ;;
        esac
        convert "$work/under.png" \
            \( -size "${w}x${h}" xc:none -fill "$shadow" -draw "roundrectangle 5,5 $((r + 3)),$((b + 3)) 12,12" -blur 0x2 \) \
            -compose over -composite \
            \( -size "${w}x${h}" gradient:"$top"-"$bottom" \
               \( -size "${w}x${h}" xc:black -fill white -draw "roundrectangle 2,2 $r,$b 12,12" \) \
               -alpha off -compose copy_opacity -composite \) \
            -compose over -composite \
            -fill none -stroke "$edge" -strokewidth 2 -draw "roundrectangle 2,2 $r,$b 12,12" -stroke none \
            "$work/plate.png"
        if [ "$state" = Hover ]; then
            convert "$work/plate.png" \
                \( -size "${w}x${h}" xc:none -font "$sans_bold" -pointsize "$points" -fill '#ffc040' \
                   -gravity center -annotate "+0+$((dy - 2))" "$label" -blur 0x3 \) -compose screen -composite \
                "$work/plate.png"
        fi
        convert "$work/plate.png" -font "$sans_bold" -pointsize "$points" -fill "$text" \
            -gravity center -annotate "+0+$((dy - 2))" "$label" "$work/button.png"
        to_bmp "$work/button.png" "$out/${name}${state}.bmp"
    done
}

# Sizes are the pictures' own; the Install pictures are 3 rows taller than
# their view, which clips those rows away, so the plate stays clear of them.
button "$work/main.png" 135x58+355+402 'Install' 20 Install
button "$work/main.png" 136x61+504+403 'Exit' 20 Exit
button "$work/offer.png" 113x56+120+369 $'Install\nQuickTime' 14 InstallQuickTime
button "$work/offer.png" 112x78+238+367 'Close' 18 Close

# The program's icon, AppIcon.ico: the launcher's night in a rounded square,
# drawn large once and scaled down to 48, 32 and 16 pixels, each kept as a
# 32-bit image with its own alpha so the corners blend into any background.
convert -size 192x192 gradient:'#050b2a'-'#2a1660' \
    \( -size 192x192 xc:black \
       -fill '#19c9a5' -draw 'ellipse 70,72 90,22 -18,360' \
       -fill '#2f7de0' -draw 'ellipse 130,52 60,16 10,360' \
       -blur 0x14 \) -compose screen -composite \
    -fill '#f2f6ff' -draw 'circle 142,38 142,46' \
    -fill '#0a0e24' -draw 'polygon 0,124 30,104 58,116 92,88 124,112 150,98 192,120 192,192 0,192' \
    -fill none -stroke '#5fb8c8' -strokewidth 6 -draw 'line 0,126 192,126' -stroke none \
    -fill '#1a5f70' -draw 'rectangle 0,140 192,146' \
    -fill '#134a5a' -draw 'rectangle 20,156 172,160' \
    \( -size 192x192 xc:black -fill white -draw 'roundrectangle 4,4 187,187 34,34' \) \
    -alpha off -compose copy_opacity -composite \
    "$work/icon.png"
for size in 16 32 48; do
    convert "$work/icon.png" -filter Lanczos -resize "${size}x${size}" "PNG32:$work/icon$size.png"
done
convert "$work/icon16.png" "$work/icon32.png" "$work/icon48.png" "$out/AppIcon.ico"
# The small one alone, for the caption and the taskbar: without it Windows
# scales the 32-pixel image down for every window class that is registered.
convert "$work/icon16.png" "$out/AppIconSmall.ico"
