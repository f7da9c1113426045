#!/usr/bin/env bash
# Installs the Debian packages Zorvexa needs, only those missing.
#   install-deps.sh            build, test and run
#   install-deps.sh package    also build and check the Debian package
#   install-deps.sh icons      also redraw the icons (scripts/make-icons.sh)
#   install-deps.sh trial      also try the package on a clean system (scripts/try-clean-system.sh)
set -euo pipefail

packages=(
  cmake make g++ pkg-config dpkg-dev
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools
  libqt6help6 libqt6sql6-sqlite qt6-translations-l10n
  libgl-dev fonts-dejavu-core
  xvfb xauth libxcb1-dev
  libgmp-dev libmpfr-dev
)

for group in "$@"; do
  case "$group" in
    package) packages+=(debhelper devscripts lintian appstream desktop-file-utils) ;;
    icons) packages+=(librsvg2-bin) ;;
    trial) packages+=(debootstrap netpbm) ;;
    *) echo "install-deps: unknown group '$group' (package, icons, trial)" >&2; exit 2 ;;
  esac
done

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
