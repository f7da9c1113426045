#!/usr/bin/env bash
# Installs the Debian packages Zorvexa needs, only those missing.
#   install-deps.sh            build, test and run
#   install-deps.sh package    also build and check the Debian package
#   install-deps.sh icons      also redraw the icons (scripts/make-icons.sh)
#   install-deps.sh trial      also try the package on a clean system (scripts/try-clean-system.sh)
#   install-deps.sh oracle     also work the reference table out again (reference/make-table.py)
#   install-deps.sh style      also check the format and run clang-tidy (scripts/check-style.sh)
#   install-deps.sh pictures   also redraw the about box's pictures and the pictures at
#                              several desktop fonts (scripts/draw-pictures.py, font-pictures.sh)
set -euo pipefail

packages=(
  cmake make g++ pkg-config dpkg-dev
  qt6-base-dev qt6-tools-dev qt6-documentation-tools
  libqt6help6 libqt6sql6-sqlite qt6-translations-l10n
  fonts-dejavu-core
  xvfb xauth libxcb1-dev
  libgmp-dev libmpfr-dev
  locales
  dbus-daemon at-spi2-core python3-pyatspi xdotool
  universal-ctags
  openbox x11-utils
)

build_deps=false
for group in "$@"; do
  case "$group" in
    package) packages+=(debhelper devscripts lintian appstream desktop-file-utils); build_deps=true ;;
    icons) packages+=(librsvg2-bin) ;;
    trial) packages+=(debootstrap netpbm) ;;
    oracle) packages+=(python3-mpmath) ;;
    style) packages+=(clang-format clang-tidy) ;;
    pictures) packages+=(python3-pil qt6ct) ;;
    *) echo "install-deps: unknown group '$group' (package, icons, trial, oracle, style, pictures)" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

# The event driver also runs in the Hungarian locale.
# grep reads the whole list: with -q it would stop early, and locale -a, cut
# off (SIGPIPE), would fail the pipeline once the list is long (locales-all).
has_hungarian() { locale -a 2>/dev/null | grep -ix 'hu_HU.utf-\?8' >/dev/null; }

# The package's own Build-Depends, from debian/control, so the two never drift.
build_deps_missing() { $build_deps && ! (cd "$(dirname "$0")/.." && dpkg-checkbuilddeps >/dev/null 2>&1); }

if [ ${#missing[@]} -eq 0 ] && has_hungarian && ! build_deps_missing; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  [ ${#missing[@]} -gt 0 ] && echo "install-deps: missing packages: ${missing[*]} (run as root, or install them)" >&2
  build_deps_missing && echo "install-deps: the Build-Depends of debian/control are not all installed (run as root)" >&2
  has_hungarian || echo "install-deps: the hu_HU.UTF-8 locale is missing (run as root: localedef -i hu_HU -f UTF-8 hu_HU.UTF-8)" >&2
  exit 1
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if build_deps_missing; then
  echo "install-deps: installing the Build-Depends of debian/control"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  (cd "$(dirname "$0")/.." && apt-get build-dep -y -qq --no-install-recommends ./ >/dev/null)
fi

if ! has_hungarian; then
  echo "install-deps: generating the hu_HU.UTF-8 locale"
  localedef -i hu_HU -f UTF-8 hu_HU.UTF-8
fi
