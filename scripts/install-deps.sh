#!/usr/bin/env bash
# Installs the Debian packages Zorvexa needs to build, test and run, only those missing.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools
  libqt6help6 libqt6sql6-sqlite qt6-translations-l10n
  libgl-dev fonts-dejavu-core
  xvfb xauth libxcb1-dev
  libgmp-dev libmpfr-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing packages: ${missing[*]} (run as root, or install them)" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
