#!/usr/bin/env bash
# Renders the application icon (resources/icons/KAVORIN.svg, through the program's own
# SVG renderer) into the Windows icon resources/Kavorin.ico and the PNG icons of the
# freedesktop hicolor theme, resources/freedesktop/hicolor/NxN/apps/kavorin.png for
# N = 48, 128 and 256 (the scalable one is resources/freedesktop/kavorin.svg, written by
# the generator). Needs a build (build/ or $KAVORIN_BUILD_DIR) and ImageMagick's
# convert. Run after tools/generator/generate.js when the icon changes.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${KAVORIN_BUILD_DIR:-build}
tool="$build_dir/tools/kavorin_picture_sheet"
cmake --build "$build_dir" --target kavorin_picture_sheet
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
pngs=()
for size in 16 24 32 48 64 128 256; do
  "$tool" --icon "$size" "$work/icon$size.png"
  pngs+=("$work/icon$size.png")
done
convert "${pngs[@]}" resources/Kavorin.ico
for size in 48 128 256; do
  folder="resources/freedesktop/hicolor/${size}x${size}/apps"
  mkdir -p "$folder"
  cp "$work/icon$size.png" "$folder/kavorin.png"
done
echo "Written resources/Kavorin.ico and resources/freedesktop/hicolor/{48x48,128x128,256x256}/apps/kavorin.png"
