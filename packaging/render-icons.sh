#!/usr/bin/env bash
# Renders the icon (tova.svg) as the PNG sizes that are installed next to it; run it after
# changing the SVG and commit the PNGs.
set -euo pipefail
cd "$(dirname "$0")"
../scripts/install-deps.sh icons
for size in 48 128 256; do
  mkdir -p "icons/$size"
  rsvg-convert --width "$size" --height "$size" tova.svg --output "icons/$size/tova.png"
  echo "icons/$size/tova.png"
done
