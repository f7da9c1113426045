#!/usr/bin/env bash
# Every window through qt6ct at 8, 9, 12 and 14 points, at scale 2 and in a dark
# palette, into docs/fonts/. Needs qt6ct and python3-pil (install-deps.sh pictures).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake -S . -B "$build" -DZORVEXA_PICTURES=ON >/dev/null
cmake --build "$build" --target zorvexa-pictures -- --no-print-directory >/dev/null
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
mkdir -p "$config/qt6ct"
palette=""
shoot() {  # points, folder, more environment
  printf '[Appearance]\nstyle=Fusion\n%s\n[Fonts]\ngeneral="DejaVu Sans,%s,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"\n' \
    "$palette" "$1" >"$config/qt6ct/qt6ct.conf"
  env XDG_CONFIG_HOME="$config" QT_QPA_PLATFORMTHEME=qt6ct "${@:3}" "$build/zorvexa-pictures" "docs/fonts/$2" \
    --theme-font >/dev/null
}
for points in 8 9 12 14; do shoot "$points" "${points}pt"; done
shoot 9 scale2 QT_SCALE_FACTOR=2
palette=$'custom_palette=true\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf'
shoot 9 9pt-dark
# Palette PNGs: a fraction of the size, the same to the eye.
/usr/bin/python3 - docs/fonts <<'EOF'
import pathlib, sys
from PIL import Image
for picture in pathlib.Path(sys.argv[1]).glob("*/*.png"):
    Image.open(picture).convert("RGB").quantize(128, dither=Image.Dither.NONE).save(picture, optimize=True)
EOF
echo "font-pictures: docs/fonts/{8pt,9pt,12pt,14pt,scale2,9pt-dark}"
