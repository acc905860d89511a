#!/usr/bin/env bash
# Renders the program icon zendra98.svg into the PNG sizes of the desktop's hicolor icon theme, written into
# assets/icons/hicolor/<size>x<size>/apps/zendra98.png. The PNGs are committed, so building needs no SVG renderer.
#
# Needs rsvg-convert (Debian: librsvg2-bin). Rerun it after changing the SVG.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
command -v rsvg-convert >/dev/null || { echo "make-icons: rsvg-convert is not installed (librsvg2-bin)" >&2; exit 1; }

for size in 16 22 24 32 48 64 128 256; do
    folder="$here/hicolor/${size}x${size}/apps"
    mkdir -p "$folder"
    rsvg-convert --width "$size" --height "$size" "$here/zendra98.svg" --output "$folder/zendra98.png.tmp"
    mv "$folder/zendra98.png.tmp" "$folder/zendra98.png"
done
