#!/usr/bin/env bash
# Redraws the desktop icons from the application icon (needs ImageMagick).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
    source=../res/icons/101-64.xpm
    [ "$size" -le 32 ] && source=../res/icons/101.xpm
    convert "$source" -filter point -resize "${size}x${size}" "icons/lotra-${size}.png"
done
