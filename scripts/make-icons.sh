#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its one source,
# resources/icons/zorvexa.svg. Run by hand after changing the SVG and commit
# the PNGs, so building needs nothing of this (./scripts/install-deps.sh icons
# installs rsvg-convert). The symbolic icon, zorvexa-symbolic.svg, is the
# one-colour outline of the same drawing and is installed as it is.
set -euo pipefail
cd "$(dirname "$0")/../resources/icons"
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio zorvexa.svg --output "zorvexa-$size.png"
done
echo "make-icons: zorvexa-{16,22,24,32,48,64,128,256}.png rendered from zorvexa.svg"
