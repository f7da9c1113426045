#!/usr/bin/env bash
# Tries Zorvexa the way Debian builds it and a new user meets it:
#  1. the source package (dpkg-source) is made from this tree;
#  2. in a fresh Debian 12 (debootstrap, buildd variant) apt-get build-dep
#     installs the .dsc's Build-Depends and nothing else, and an ordinary
#     user builds the binary package from the source package, the tests
#     included (dh_auto_test);
#  3. in a second fresh Debian 12 (minbase) apt installs that .deb with its
#     recommendations, and an ordinary user runs zorvexa without a display,
#     then under Xvfb: the calculator, the help from the Súgó menu (F1, then
#     Súgó > Keresés) and its search; then reads `man zorvexa` in English and
#     Hungarian.
# The package goes into a second fresh system, not the build system with its
# build dependencies purged: purging leaves build-essential, configuration
# and the build's own files behind, and only a system that never had them
# shows that the .deb's Depends are enough.
#
# Run as root:  scripts/try-clean-system.sh [folder for the two systems]
# Logs and screenshots land in build/trial/. The downloaded packages are kept
# in build/trial-cache/ for the next run; apt and debootstrap check them
# against the signed archive index as any download. The systems are removed
# when the trial passes and left for a look when it fails.
set -euo pipefail
cd "$(dirname "$0")/.."

[ "$(id -u)" -eq 0 ] || { echo "try-clean-system: run as root" >&2; exit 1; }
./scripts/install-deps.sh package trial

top=$(pwd)
systems=$(realpath -m "${1:-build/trial-systems}")
shots=$top/build/trial
cache=$top/build/trial-cache
user=felhasznalo
version=$(dpkg-parsechangelog -S Version)
arch=$(dpkg --print-architecture)
roots=()

step() { printf '\n== %s  (%s)\n' "$*" "$(date +%T)"; }
fail() { echo "try-clean-system: FAILED: $*" >&2; exit 1; }
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"; }
as_user() {  # as_user USER COMMAND...: a login-less session of an ordinary user
  local who=$1
  shift
  chroot "$root" runuser -u "$who" -- env -i HOME="/home/$who" USER="$who" PATH=/usr/bin:/bin LANG=hu_HU.UTF-8 "$@"
}

# The Debian mirror and the security mirror apt already uses here.
sources=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
uris=$(printf '%s\n' "$sources" | grep -v '^[[:space:]]*#' |
  grep -oE '(https?|file)://[^[:space:]]+' | sed 's#/*$##' || true)
mirror=$(printf '%s\n' "$uris" | grep -E '/debian$' | head -n 1 || true)
security=$(printf '%s\n' "$uris" | grep -E '/debian-security$' | head -n 1 || true)
mirror=${mirror:-http://deb.debian.org/debian}

# Every process still running inside a system (a session that failed leaves
# Xvfb or zorvexa behind), then its mounts.
release() {
  local r=$1 pid
  for pid in $(ls /proc | grep -E '^[0-9]+$'); do
    [ "$(readlink "/proc/$pid/root" 2>/dev/null)" = "$r" ] && kill -KILL "$pid" 2>/dev/null
  done
  for m in var/cache/apt/archives dev/pts dev proc sys; do
    mountpoint -q "$r/$m" 2>/dev/null && umount -l "$r/$m"
  done
  return 0
}
# Removes a system only when nothing is mounted inside it any more.
remove() {
  release "$1"
  if findmnt -rn -o TARGET | grep -q "^$1/"; then
    fail "still mounted under $1"
  fi
  rm -rf --one-file-system "$1"
}
cleanup() {
  local code=$? r
  for r in "${roots[@]}"; do release "$r"; done
  [ "$code" -eq 0 ] || echo "try-clean-system: the systems are left in $systems for a look" >&2
}
trap cleanup EXIT

# new_system NAME VARIANT: a fresh bookworm in $systems/NAME, mounted, with
# apt's lists read; sets root.
new_system() {
  root=$systems/$1
  roots+=("$root")
  step "debootstrap --variant=$2 bookworm $root $mirror"
  mkdir -p "$cache/debootstrap-$2" "$cache/apt"
  debootstrap --variant="$2" --cache-dir="$cache/debootstrap-$2" bookworm "$root" "$mirror" \
    >"$shots/debootstrap-$1.log" 2>&1 || { tail -n 20 "$shots/debootstrap-$1.log"; fail "debootstrap"; }
  echo "installed $(in_root dpkg-query -W | wc -l) packages"
  mount -t proc proc "$root/proc"
  mount -t sysfs sysfs "$root/sys"
  mount --bind /dev "$root/dev"
  mount --bind /dev/pts "$root/dev/pts"
  mount --bind "$cache/apt" "$root/var/cache/apt/archives"
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  {
    echo "deb $mirror bookworm main"
    echo "deb-src $mirror bookworm main"
    echo "deb $mirror bookworm-updates main"
    [ -n "$security" ] && echo "deb $security bookworm-security main"
  } >"$root/etc/apt/sources.list"
  in_root apt-get update -qq
}

for r in "$systems"/*/; do [ -d "$r" ] && remove "${r%/}"; done
rm -rf "$shots"
mkdir -p "$shots" "$systems"

step "the source package, from this tree"
src=$shots/source
mkdir -p "$src/zorvexa-$version"
tar -c --exclude-vcs --exclude='./build*' --exclude='./obj-*' --exclude='*.user' . | tar -x -C "$src/zorvexa-$version"
(cd "$src" && dpkg-source -b "zorvexa-$version" >"$shots/dpkg-source.log" 2>&1) ||
  { cat "$shots/dpkg-source.log"; fail "dpkg-source"; }
rm -rf "${src:?}/zorvexa-$version"
dsc=zorvexa_$version.dsc
ls -1 "$src"

new_system build buildd
step "apt-get build-dep ./$dsc: the Build-Depends and nothing else"
mkdir -p "$root/build"
cp "$src"/* "$root/build/"
in_root apt-get build-dep -y -q --no-install-recommends "/build/$dsc" >"$shots/build-dep.log" 2>&1 ||
  { tail -n 30 "$shots/build-dep.log"; fail "apt-get build-dep"; }
echo "packages set up: $(grep -c '^Setting up' "$shots/build-dep.log")"

step "an ordinary user builds the binary package from the source package, tests included"
in_root useradd --create-home --shell /bin/bash builder
in_root chown -R builder: /build
as_user builder sh -c "cd /build && dpkg-source -x $dsc && cd zorvexa-$version &&
  LANG=C.UTF-8 DEB_BUILD_OPTIONS=parallel=2 dpkg-buildpackage -us -uc -b" >"$shots/build.log" 2>&1 ||
  { tail -n 60 "$shots/build.log"; fail "the package build (log: $shots/build.log)"; }
grep -E '^ *[0-9]+% tests passed|tests failed out of' "$shots/build.log" || fail "no test summary in the build log"
deb=zorvexa_${version}_$arch.deb
cp "$root/build/$deb" "$shots/"
echo "built: $deb"
release "$root"
remove "$root"

new_system trial minbase
step "apt-get install ./$deb (with its recommendations, as apt does by default)"
cp "$shots/$deb" "$root/tmp/"
in_root apt-get install -y -q "/tmp/$deb" >"$shots/apt-install.log" 2>&1 ||
  { tail -n 30 "$shots/apt-install.log"; fail "apt-get install"; }
echo "packages set up: $(grep -c '^Setting up' "$shots/apt-install.log")"
in_root dpkg-query -W -f='${Package} ${Version} ${Status}\n' zorvexa
in_root sh -c 'for f in $(dpkg -L zorvexa); do [ -f "$f" ] && echo "$f"; done' |
  grep -E 'bin/|zorvexa-help|\.qc|\.qh|man1|\.desktop|metainfo|scalable|symbolic'

step "every library and plugin Zorvexa loads resolves (before any other package is added)"
for f in /usr/bin/zorvexa /usr/lib/x86_64-linux-gnu/zorvexa/zorvexa-help.so \
  /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqxcb.so \
  /usr/lib/x86_64-linux-gnu/qt6/plugins/sqldrivers/libqsqlite.so; do
  [ -e "$root$f" ] || fail "$f is not installed"
  if in_root ldd "$f" | grep 'not found'; then fail "unresolved libraries of $f"; fi
  echo "ok: $f"
done

step "an ordinary user without a display: --version, --help, and a plain start"
in_root useradd --create-home --shell /bin/bash "$user"
as_user "$user" zorvexa --version
as_user "$user" env LANG=en_US.UTF-8 zorvexa --help | head -n 2
code=0
message=$(as_user "$user" zorvexa 2>&1) || code=$?
echo "zorvexa without a display: exit code $code: $message"
[ "$code" -eq 1 ] && [ "$(printf '%s\n' "$message" | wc -l)" -eq 1 ] || fail "zorvexa without a display"

step "tools for the trial: X server, xdotool, man, a Hungarian locale, sqlite3"
in_root apt-get install -y -q --no-install-recommends xvfb xauth xdotool x11-utils x11-apps \
  man-db locales sqlite3 >"$shots/apt-tools.log" 2>&1 ||
  { tail -n 30 "$shots/apt-tools.log"; fail "installing the trial tools"; }
echo "hu_HU.UTF-8 UTF-8" >"$root/etc/locale.gen"
in_root locale-gen | tail -n 1

step "the help collection is installed and readable"
in_root sqlite3 -readonly /usr/share/zorvexa/zorvexa.qhc \
  "SELECT 'registered: ' || Name || ' -> ' || FilePath FROM NamespaceTable;"
in_root sqlite3 -readonly /usr/share/zorvexa/zorvexa.qch \
  "SELECT 'pages in the documentation: ' || count(*) FROM FileNameTable WHERE Name LIKE '%.html';"

step "an ordinary user starts Zorvexa under Xvfb, opens the help from the Súgó menu and searches it"
cp scripts/trial-session.sh "$root/home/$user/session.sh"
chmod 755 "$root/home/$user/session.sh"
as_user "$user" env SEARCH_WORD="${SEARCH_WORD:-Lnko}" \
  xvfb-run -a -s "-screen 0 1024x768x24" "/home/$user/session.sh" 2>"$shots/session-stderr.log" ||
  { cat "$shots/session-stderr.log"; fail "the X session"; }
for s in calculator help-contents help-search; do
  xwdtopnm "$root/home/$user/$s.xwd" 2>/dev/null | pnmtopng >"$shots/$s.png"
  echo "screenshot: $shots/$s.png"
done

step "man zorvexa (English)"
as_user "$user" env LANG=C.UTF-8 MANWIDTH=80 man zorvexa >"$shots/man-en.txt" 2>&1 || fail "man zorvexa"
head -n 8 "$shots/man-en.txt"
as_user "$user" env LANG=C.UTF-8 man -w zorvexa
grep -q '^KEY MAP' "$shots/man-en.txt" && grep -q -- '--version' "$shots/man-en.txt" || fail "English manual page"

step "man zorvexa (Hungarian, LANG=hu_HU.UTF-8)"
as_user "$user" env MANWIDTH=80 man zorvexa >"$shots/man-hu.txt" 2>&1 || fail "man zorvexa (Hungarian)"
head -n 8 "$shots/man-hu.txt"
as_user "$user" man -w zorvexa
grep -q '^BILLENTYŰK' "$shots/man-hu.txt" && grep -q -- '--version' "$shots/man-hu.txt" ||
  fail "Hungarian manual page"

release "$root"
remove "$root"
step "try-clean-system: passed"
