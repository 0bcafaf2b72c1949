#!/usr/bin/env bash
# Renders the program icon packaging/icons/qv-vantrel.svg into the PNG sizes of the hicolor
# icon theme, packaging/icons/hicolor/<size>x<size>/apps/qv-vantrel.png. The PNGs are committed;
# run this again after changing the SVG. Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."

svg=packaging/icons/qv-vantrel.svg
sizes=(16 24 32 48 64 128 256)

if ! command -v rsvg-convert >/dev/null; then
    echo "make-icons.sh: rsvg-convert is missing (apt-get install librsvg2-bin)" >&2
    exit 1
fi

for size in "${sizes[@]}"; do
    dir="packaging/icons/hicolor/${size}x${size}/apps"
    mkdir -p "$dir"
    rsvg-convert --width "$size" --height "$size" --format png --output "$dir/qv-vantrel.png" "$svg"
    echo "$dir/qv-vantrel.png"
done
