#!/usr/bin/env bash
# Renders the application icon (resources/icons/KAVORIN.svg, through the program's own
# SVG renderer) into the Windows icon resources/Kavorin.ico and the freedesktop PNG
# resources/freedesktop/kavorin.png. Needs a build (build/ or $KAVORIN_BUILD_DIR) and
# ImageMagick's convert. Run after tools/generator/generate.js when the icon changes.
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
cp "$work/icon256.png" resources/freedesktop/kavorin.png
echo "Written resources/Kavorin.ico and resources/freedesktop/kavorin.png"
