#!/usr/bin/env bash
# Draws every picture that Zendra 98 ships and writes them into assets/pictures/.
#
# Needs ImageMagick 6 (`convert`) and the DejaVu fonts (Debian: imagemagick, fonts-dejavu-core).
# Every picture is drawn here from pixels, shapes, gradients and text; nothing is copied from elsewhere.
# The script is deterministic: running it again on the same ImageMagick gives byte-identical files
# (PNG time chunks are left out and GIFs carry no time stamps).
#
# Sizes are in pixels. The program places pictures in twips; 15 twips make one pixel.
#
#   email.gif            50x50   new-mail indicator, animated, on black (the board's black mail box)
#   splash.bmp          360x200  splash window background (uncompressed: read before the first paint)
#   splash-anim.gif      48x48   animation on the splash window at x 290, y 20
#   myprograms.png       16x16   launch icon "My Programs"
#   dialup.png           15x13   launch icon "Dial Up Networking"
#   controlp.png         15x13   launch icon "Control Panel"
#   explorer.png         15x15   launch icon "Explorer"
#   calculator.png       16x12   launch icon "Calculator"
#   notepad.png          16x16   launch icon "Notepad"
#   up.png, down.png     18x22   volume buttons
#   arrow-left.png        7x23   icon strip arrow while the strip is parked at the right
#   arrow-right.png       7x23   icon strip arrow while the strip is open
#   NAME@2x.png                  the launch icons, volume buttons and arrows at twice the size
#   zendra98.png         32x32   program and tray icon, with zendra98-16/-22/-24/-48/-64/-128.png
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out="$here/pictures"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

die() { echo "make-pictures: $*" >&2; exit 1; }

command -v convert >/dev/null || die "ImageMagick's convert is not installed"
[[ $(convert -version) == *"ImageMagick 6."* ]] || die "ImageMagick 6 is needed"

font_bold=DejaVu-Sans-Bold
font_book=DejaVu-Sans
font_oblique=DejaVu-Sans-Bold-Oblique
fonts=$(convert -list font)
for f in "$font_bold" "$font_book" "$font_oblique"; do
    grep -q "Font: $f\$" <<<"$fonts" || die "font $f is missing (Debian package fonts-dejavu-core)"
done

# PNG output without time stamps or other metadata, so that a rerun gives the same bytes.
png_opts=(-strip -define "png:exclude-chunks=date,time")

mkdir -p "$out"

# ---------------------------------------------------------------------------------------------
# Pixel art. The small icons are drawn pixel by pixel: one character per pixel, colours from the
# shared palette below ("." is transparent). pixel_art NAME WxH reads the rows from standard input,
# checks the size and writes NAME as a 32-bit PNG with transparency.
# ---------------------------------------------------------------------------------------------
palette=(
    ". None"
    "k #000000"   # outline
    "K #404040"   # charcoal
    "g #808080"   # shadow grey
    "s #c0c0c0"   # silver face
    "h #e4e4e4"   # light silver
    "w #ffffff"   # white
    "o #7a5608"   # folder outline
    "y #ffe27a"   # folder yellow
    "Y #dcb040"   # folder yellow, shaded
    "r #e8301c"   # red
    "R #8c1408"   # dark red
    "G #2cc23c"   # green
    "D #147a20"   # dark green
    "b #3a6ea5"   # board blue
    "l #86b2e0"   # light board blue
    "d #0e2a52"   # deep navy
    "N #24507e"   # board blue, shaded
    "B #2850c8"   # binding blue
    "c #a8d0f4"   # pale blue (lens, ruled lines)
    "L #b4d49c"   # display green
    "O #f08a1c"   # orange
    "e #e8dcbc"   # beige
    "E #b0a078"   # beige, shaded
    "n #ffd23c"   # gold
)

pixel_art() {
    local name=$1 size=$2 line
    local -a rows=()
    while IFS= read -r line; do
        line=${line%%#*}            # a "#" starts a comment
        line=${line//[[:space:]]/}
        [[ -n $line ]] && rows+=("$line")
    done
    local width=${#rows[0]} height=${#rows[@]}
    [[ "${width}x${height}" == "$size" ]] || die "$name: drawn ${width}x${height}, expected $size"
    for line in "${rows[@]}"; do
        (( ${#line} == width )) || die "$name: row '$line' is not $width pixels wide"
    done
    {
        echo '/* XPM */'
        echo 'static char *picture[] = {'
        echo "\"$width $height ${#palette[@]} 1\","
        local p
        for p in "${palette[@]}"; do echo "\"${p:0:1} c ${p:2}\","; done
        for line in "${rows[@]}"; do echo "\"$line\","; done
        echo '};'
    } >"$work/picture.xpm"
    convert "$work/picture.xpm" "${png_opts[@]}" "PNG32:$out/$name"
}

# ---------------------------------------------------------------------------------------------
# Launch icons
# ---------------------------------------------------------------------------------------------

# My Programs: a folder with a red star, the user's own programs.
pixel_art myprograms.png 16x16 <<'ROWS'
................
.oooo...........
oyyyyo..........
owwwwyooooooo...
owyyyyyyyyyyyo..
owyyyyyyyyyyyo..
owyyyyyyyyykyo..
owyyyyyyyykrko..
owyyyyykkkkrkkkk
owyyyyykrrrrrrrk
owyyyyyYkrrrrrk.
oYYYYYYYYkrrrko.
oYYYYYYYYkrkrko.
ooooooookrrkrrk.
........kkk.kkk.
................
ROWS

# Dial Up Networking: a telephone handset resting on a modem with its lights on.
pixel_art dialup.png 15x13 <<'ROWS'
...kkkkkkkkk...
..kKKKKKKKKKk..
.kKKkkkkkkkKKk.
.kKKk.....kKKk.
.kkkk.....kkkk.
...............
.kkkkkkkkkkkkk.
kwwwwwwwwwwwwek
kweeeeeeeeeeeEk
kweGeGeneeeeeEk
kEEEEEEEEEEEEEk
.kkkkkkkkkkkkk.
..kk.......kk..
ROWS

# Control Panel: a panel of three sliders.
pixel_art controlp.png 15x13 <<'ROWS'
wwwwwwwwwwwwwwk
wssssssssssssgk
wssksssksssksgk
wsrrrssksssksgk
wsRRRssksssksgk
wssksssksssBBgk
wssksssksssddgk
wssksGGGsssksgk
wssksDDDsssksgk
wssksssksssksgk
wssksssksssksgk
wgggggggggggggk
kkkkkkkkkkkkkkk
ROWS

# Explorer: a folder under a magnifying glass.
pixel_art explorer.png 15x15 <<'ROWS'
...............
.oooo..........
oyyyyo.........
owwwwyooooooo..
owyyyyyyyyyyyo.
owyyyykkkkyyyo.
owyyykcwwckyyo.
owyyykwccckyyo.
owyyykwccckyyo.
owyyykcccckyyo.
oYYYYYkkkkKYYo.
ooooooooooKKoo.
...........KKk.
............KKk
.............kk
ROWS

# Calculator: a pocket calculator with a green display and an orange operator column.
pixel_art calculator.png 16x12 <<'ROWS'
.kkkkkkkkkkkkkk.
khhhhhhhhhhhhhgk
khKKKKKKKKKKKKgk
khKLLLLLLLKLKKgk
khKKKKKKKKKKKKgk
khkkskkskksOOOgk
khsssssssssssssk
khkkskkskksOOOgk
khsssssssssssssk
khkkskkskksOOOgk
kggggggggggggggk
.kkkkkkkkkkkkkk.
ROWS

# Notepad: a spiral-bound pad with ruled lines and a red margin.
pixel_art notepad.png 16x16 <<'ROWS'
..s.s.s.s.s.s...
.kkkkkkkkkkkkk..
.kBBBBBBBBBBBkg.
.kBkBkBkBkBkBkg.
.kkkkkkkkkkkkkg.
.kwwrwwwwwwwwkg.
.kwwrwwwwwwwwkg.
.kccrcccccccckg.
.kwwrwwwwwwwwkg.
.kccrcccccccckg.
.kwwrwwwwwwwwkg.
.kccrcccccccckg.
.kwwrwwwwwwwwkg.
.kwwrwwwwwwwwkg.
.kkkkkkkkkkkkkg.
..gggggggggggggg
ROWS

# ---------------------------------------------------------------------------------------------
# Volume buttons: an arrow with a small speaker. The two sit one above the other on the board,
# so the speakers meet in the middle: louder (two sound waves) above, quieter (one wave) below.
# ---------------------------------------------------------------------------------------------
pixel_art up.png 18x22 <<'ROWS'
........kk........
.......kwsk.......
......kwwssk......
.....kwwwsssk.....
....kwwwwssssk....
...kwwwwwsssssk...
..kwwwwwwssssssk..
.kkkkkwwwssskkkkk.
.....kwwwsssk.....
.....kwwwsssk.....
.....kwwwsssk.....
.....kwwwsssk.....
.....kkkkkkkk.....
..................
........k.........
.......kk...k.....
...kkkkwk.k..k....
...kwwwwk..k.k....
...kwwwwk..k.k....
...kkkkwk.k..k....
.......kk...k.....
........k.........
ROWS

pixel_art down.png 18x22 <<'ROWS'
........k.........
.......kk.........
...kkkkwk.k.......
...kwwwwk..k......
...kwwwwk..k......
...kkkkwk.k.......
.......kk.........
........k.........
..................
.....kkkkkkkk.....
.....kwwwsssk.....
.....kwwwsssk.....
.....kwwwsssk.....
.....kwwwsssk.....
.kkkkkwwwssskkkkk.
..kwwwwwwssssssk..
...kwwwwwsssssk...
....kwwwwssssk....
.....kwwwsssk.....
......kwwssk......
.......kwsk.......
........kk........
ROWS

# ---------------------------------------------------------------------------------------------
# Icon strip arrows: a narrow raised tab with a black arrow head.
# ---------------------------------------------------------------------------------------------
pixel_art arrow-left.png 7x23 <<'ROWS'
wwwwwwk
wssssgk
wssssgk
wssssgk
wssssgk
wssssgk
wssssgk
wssssgk
wssssgk
wssskgk
wsskkgk
wskkkgk
wsskkgk
wssskgk
wssssgk
wssssgk
wssssgk
wssssgk
wssssgk
wssssgk
wssssgk
wgggggk
kkkkkkk
ROWS

pixel_art arrow-right.png 7x23 <<'ROWS'
wwwwwwk
wssssgk
wssssgk
wssssgk
wssssgk
wssssgk
wssssgk
wssssgk
wssssgk
wskssgk
wskksgk
wskkkgk
wskksgk
wskssgk
wssssgk
wssssgk
wssssgk
wssssgk
wssssgk
wssssgk
wssssgk
wgggggk
kkkkkkk
ROWS

# The board's pictures for a screen of two device pixels to a logical one (scale 2): each drawing
# doubled with Scale2x, which keeps every edge hard and rounds the steps of a diagonal, where a
# plain resize would blur them or leave blocks. The program takes NAME@2x.png at scale 2.
for name in myprograms dialup controlp explorer calculator notepad up down arrow-left arrow-right; do
    convert "$out/$name.png" -define magnify:method=scale2x -magnify "${png_opts[@]}" "PNG32:$out/$name@2x.png"
done

# ---------------------------------------------------------------------------------------------
# Program and tray icon: the board, seen from the front, with a Z across it and three launch
# icons along its lower edge. The two small sizes are drawn pixel by pixel, the larger ones
# with shapes (draw_board_icon below).
# ---------------------------------------------------------------------------------------------
pixel_art zendra98-16.png 16x16 <<'ROWS'
................
.kkkkkkkkkkkkkk.
klllllllllllllNk
klbbwwwwwwwwbbNk
klbbwwwwwwwwbbNk
klbbbbbbbwwwbbNk
klbbbbbwwwbbbbNk
klbbbbwwwbbbbbNk
klbbwwwbbbbbbbNk
klbbwwwwwwwwbbNk
klbbwwwwwwwwbbNk
klbbbbbbbbbbbbNk
klbbnnbrrbGGbbNk
klNNNNNNNNNNNNNk
.kkkkkkkkkkkkkk.
................
ROWS

pixel_art zendra98-22.png 22x22 <<'ROWS'
......................
......................
.kkkkkkkkkkkkkkkkkkkk.
klllllllllllllllllllNk
klbbbbbbbbbbbbbbbbbbNk
klbbbbwwwwwwwwwwbbbbNk
klbbbbwwwwwwwwwwdbbbNk
klbbbbbdddddwwwwdbbbNk
klbbbbbbbbwwwwdddbbbNk
klbbbbbbwwwwdddbbbbbNk
klbbbbwwwwdddbbbbbbbNk
klbbbbwwwwwwwwwwbbbbNk
klbbbbwwwwwwwwwwdbbbNk
klbbbbbddddddddddbbbNk
klbbbbbbbbbbbbbbbbbbNk
klbbbbnnbbrrbbGGbbbbNk
klbbbbnnbbrrbbGGbbbbNk
klbbbbbbbbbbbbbbbbbbNk
klNNNNNNNNNNNNNNNNNNNk
.kkkkkkkkkkkkkkkkkkkk.
......................
......................
ROWS

# scale FACTOR TEXT: multiplies every number in a drawing command, so that one design drawn in a
# 48-pixel square serves every size.
scale() {
    awk -v f="$1" -v s="$2" 'BEGIN {
        out = ""
        while (match(s, /-?[0-9]+(\.[0-9]+)?/)) {
            out = out substr(s, 1, RSTART - 1) sprintf("%.2f", substr(s, RSTART, RLENGTH) * f)
            s = substr(s, RSTART + RLENGTH)
        }
        print out s
    }'
}

# draw_board_icon SIZE FILE: the board icon drawn with shapes. The design is made in a 48-pixel
# square and scaled; the three launch icons along the lower edge stay on whole pixels so that
# they keep crisp black edges at every size.
draw_board_icon() {
    local size=$1 file=$2 f
    f=$(awk -v s="$size" 'BEGIN { printf "%.6f", s / 48 }')
    local zed="polygon 12,10 36,10 36,15 22,26 36,26 36,31 12,31 12,26 26,15 12,15"
    local board frame z zshadow outline
    board=$(scale "$f" "roundrectangle 1.5,5.5 46.5,42.5 4,4")
    frame=$(scale "$f" "roundrectangle 3,7 45,41 3,3")
    z=$(scale "$f" "$zed")
    zshadow=$(scale "$f" "translate 1.6,1.6 $zed")
    outline=$(awk -v f="$f" 'BEGIN { printf "%.2f", (f < 0.8 ? 1 : 1.5 * f) }')

    local -a blocks=()
    local top bottom left right block
    top=$(scale "$f" 33); top=${top%.*}
    bottom=$(scale "$f" 39); bottom=${bottom%.*}
    for block in "12 #ffd23c" "21 #e8301c" "30 #2cc23c"; do
        left=$(scale "$f" "${block%% *}"); left=${left%.*}
        right=$(( left + bottom - top ))
        blocks+=(-fill black -draw "rectangle $left,$top $right,$bottom"
                 -fill "${block#* }" -draw "rectangle $((left + 1)),$((top + 1)) $((right - 1)),$((bottom - 1))")
    done

    convert -size "${size}x${size}" xc:none -fill white -draw "$board" "$work/mask.png"
    convert -size "${size}x${size}" gradient:'#6c9fd6-#24507e' "$work/mask.png" \
        -compose CopyOpacity -composite \
        -fill none -stroke '#a8c8ee' -strokewidth "$f" -draw "$frame" \
        -stroke black -strokewidth "$outline" -draw "$board" \
        -stroke none -fill '#0e2a52' -draw "$zshadow" \
        -fill white -stroke '#0e2a52' -strokewidth "$(scale "$f" 0.6)" -draw "$z" \
        -stroke none "${blocks[@]}" \
        "${png_opts[@]}" "PNG32:$file"
}

draw_board_icon 32 "$out/zendra98.png"
# Panels ask for the tray icon at their own height (16 to 64 pixels, doubled at scale 2): each size
# is drawn, so that none is a blurred copy of another.
for size in 24 48 64 128; do
    draw_board_icon "$size" "$out/zendra98-$size.png"
done

# ---------------------------------------------------------------------------------------------
# Splash window background, 360x200. The program lays its own things over it: the animation at
# x 290..338, y 20..68, two sunken lines at y 156 and y 186 and the white "Loading..." label at
# y 164. Those places are left as plain background.
# ---------------------------------------------------------------------------------------------
draw_board_icon 64 "$work/splash-logo.png"

convert -size 360x200 gradient:'#0c2248-#3a6ea5' \
    \( -size 360x200 xc:none -fill '#5d8fc966' -draw "ellipse 150,82 150,62 0,360" -blur 0x22 \) \
    -compose Over -composite \
    \( -size 360x200 xc:none -stroke '#ffffff10' -strokewidth 1 \
       -draw "path 'M 0,140 C 90,112 220,132 360,96'" \
       -draw "path 'M 0,146 C 110,120 230,140 360,104'" \) \
    -compose Over -composite \
    "$work/splash-logo.png" -geometry +18+44 -compose Over -composite \
    -font "$font_bold" -pointsize 40 \
    -fill '#0a1c3c' -annotate +95+101 'Zendra' \
    -fill white -annotate +93+99 'Zendra' \
    -font "$font_oblique" -pointsize 30 \
    -fill '#0a1c3c' -annotate +260+101 '98' \
    -fill '#ffd23c' -annotate +258+99 '98' \
    -stroke '#ffd23c' -strokewidth 1 -draw "line 95,110 296,110" -stroke none \
    -font "$font_book" -pointsize 11 \
    -fill '#d4e4f8' -annotate +96+127 'Your desktop companion' \
    -fill '#a8c4e8' -annotate +96+142 'Version 1.50' \
    -dither FloydSteinberg -colors 256 "${png_opts[@]}" "PNG8:$work/splash.png"
# The splash window reads its picture before its first paint, so it ships as an uncompressed 8-bit
# BMP with the same palette and pixels: no inflating on the way to the screen.
convert "$work/splash.png" -compress none "BMP3:$out/splash.bmp"

# ---------------------------------------------------------------------------------------------
# Splash animation, 48x48, eight frames: a ring of eight gold dots with a bright head that runs
# round clockwise. Each frame is drawn on the very piece of the splash picture that it covers (x 290,
# y 20), so it needs no transparency and blends with the background exactly.
# ---------------------------------------------------------------------------------------------
convert "$work/splash.png" -crop 48x48+290+20 +repage "$work/spin-base.png"
spin_frames=()
for i in 0 1 2 3 4 5 6 7; do
    # Dot j sits at angle j * 45 degrees clockwise from the top; frame i has its head at dot i.
    dots=$(awk -v head="$i" 'BEGIN {
        pi = atan2(0, -1)
        split("1.00 0.72 0.52 0.38 0.28 0.22 0.18 0.16", alpha, " ")
        split("3.6 3.3 3.0 2.8 2.6 2.5 2.4 2.4", radius, " ")
        for (j = 0; j < 8; j++) {
            age = (head - j + 8) % 8                  # 0 for the head, 1 for the dot behind it, ...
            a = j * pi / 4 - pi / 2
            x = 24 + 15 * cos(a); y = 24 + 15 * sin(a); r = radius[age + 1]
            printf "fill rgba(255,214,80,%.2f) circle %.2f,%.2f %.2f,%.2f ", alpha[age + 1], x, y, x + r, y
        }
    }')
    read -r hx hy < <(awk -v head="$i" 'BEGIN {
        pi = atan2(0, -1); a = head * pi / 4 - pi / 2
        printf "%.2f %.2f\n", 24 + 15 * cos(a), 24 + 15 * sin(a)
    }')
    convert "$work/spin-base.png" \
        \( -size 48x48 xc:none -fill '#ffe8a0' -draw "circle $hx,$hy $(awk -v x="$hx" 'BEGIN { print x + 6 }'),$hy" \
           -blur 0x3 -channel A -evaluate multiply 0.7 +channel \) \
        -compose Over -composite \
        -draw "$dots" \
        -fill '#fffbe8' -draw "circle $hx,$hy $(awk -v x="$hx" 'BEGIN { print x + 1.6 }'),$hy" \
        "$work/spin-$i.png"
    spin_frames+=("$work/spin-$i.png")
done
# One palette for all frames: every colour of the background piece, exactly, plus the best 200
# colours for the dots. Remapping to it leaves each background pixel as it is in the splash picture.
convert "${spin_frames[@]}" -append +dither -colors 200 -unique-colors "$work/spin-dots.png"
convert "$work/spin-base.png" -unique-colors "$work/spin-dots.png" +append -unique-colors "$work/spin-palette.png"
convert -delay 12 -loop 0 -dispose None "${spin_frames[@]}" +dither -remap "$work/spin-palette.png" \
    "$out/splash-anim.gif"

# ---------------------------------------------------------------------------------------------
# New-mail indicator, 50x50, eight frames on black: a sealed envelope, lit from behind by
# a warm light that swells and fades, with a small spark blinking at its corner.
# ---------------------------------------------------------------------------------------------
convert -size 50x50 xc:none \
    -fill '#f4f4f0' -stroke '#5a5a5a' -strokewidth 1 -draw "rectangle 8.5,15.5 41.5,37.5" \
    -fill none -stroke '#9a9a9a' -draw "polyline 9,37 21,26" -draw "polyline 41,37 29,26" \
    -fill '#e2e2dc' -stroke '#5a5a5a' -draw "polygon 8.5,15.5 25,29 41.5,15.5" \
    -fill '#d8281a' -stroke '#7a1008' -draw "circle 25,28.5 28.2,28.5" \
    "$work/envelope.png"
mail_frames=()
for i in 0 1 2 3 4 5 6 7; do
    light=$(awk -v i="$i" 'BEGIN { printf "%.3f", 0.30 + 0.70 * (0.5 - 0.5 * cos(2 * atan2(0, -1) * i / 8)) }')
    spark=$(( i % 4 < 2 ? 1 : 0 ))
    spark_draw=""
    if (( spark )); then
        spark_draw="line 42,7 42,15 line 38,11 46,11 line 39.5,8.5 44.5,13.5 line 39.5,13.5 44.5,8.5"
    fi
    convert -size 50x50 xc:black \
        \( -size 50x50 xc:black -fill '#ffc830' -draw "ellipse 25,26 21,17 0,360" -blur 0x6 \
           -evaluate multiply "$light" \) -compose Screen -composite \
        "$work/envelope.png" -compose Over -composite \
        -stroke '#fff4c0' -strokewidth 1 ${spark_draw:+-draw "$spark_draw"} \
        "$work/mail-$i.png"
    mail_frames+=("$work/mail-$i.png")
done
convert -delay 12 -loop 0 -dispose None "${mail_frames[@]}" +dither -colors 256 "$out/email.gif"
