#!/usr/bin/env bash
# Tries the built package as a new user would: a clean Debian 12 (debootstrap,
# minbase), the .deb installed with apt, Zorvexa started by an ordinary user
# under Xvfb, the help opened from the Súgó menu and searched, and
# `man zorvexa` read in English and Hungarian. Run as root after
# `make package`:
#   scripts/try-clean-system.sh [zorvexa_*.deb] [folder for the system]
# Screenshots of the calculator and of the help's search land in build/trial/.
set -euo pipefail
cd "$(dirname "$0")/.."

[ "$(id -u)" -eq 0 ] || { echo "try-clean-system: run as root" >&2; exit 1; }
./scripts/install-deps.sh trial

deb=${1:-$(ls build/zorvexa_*_*.deb 2>/dev/null | grep -v dbgsym | head -n 1 || true)}
[ -f "$deb" ] || { echo "try-clean-system: no package; run make package first" >&2; exit 1; }
deb=$(realpath "$deb")
root=$(realpath -m "${2:-build/clean-system}")
shots=$(realpath -m build/trial)
user=felhasznalo

step() { printf '\n== %s\n' "$*"; }
fail() { echo "try-clean-system: FAILED: $*" >&2; exit 1; }
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"; }

# The Debian mirror and the security mirror apt already uses here.
sources=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
uris=$(printf '%s\n' "$sources" | grep -v '^[[:space:]]*#' |
  grep -oE '(https?|file)://[^[:space:]]+' | sed 's#/*$##' || true)
mirror=$(printf '%s\n' "$uris" | grep -E '/debian$' | head -n 1 || true)
security=$(printf '%s\n' "$uris" | grep -E '/debian-security$' | head -n 1 || true)
mirror=${mirror:-http://deb.debian.org/debian}

unmount() {
  for m in dev/pts dev proc sys; do
    mountpoint -q "$root/$m" 2>/dev/null && umount -l "$root/$m"
  done
  return 0
}
trap unmount EXIT

unmount
rm -rf "$root" "$shots"
mkdir -p "$shots"

step "debootstrap --variant=minbase bookworm $root $mirror"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$shots/debootstrap.log" 2>&1 ||
  { tail -n 20 "$shots/debootstrap.log"; fail "debootstrap"; }
echo "installed $(in_root dpkg-query -W | wc -l) packages"

mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
cp /etc/resolv.conf "$root/etc/resolv.conf"
{
  echo "deb $mirror bookworm main"
  echo "deb $mirror bookworm-updates main"
  [ -n "$security" ] && echo "deb $security bookworm-security main"
} >"$root/etc/apt/sources.list"
cat "$root/etc/apt/sources.list"
in_root apt-get update -qq

step "apt-get install ./$(basename "$deb") (with its recommendations, as apt does by default)"
cp "$deb" "$root/tmp/"
in_root apt-get install -y -q "/tmp/$(basename "$deb")" >"$shots/apt-install.log" 2>&1 ||
  { tail -n 30 "$shots/apt-install.log"; fail "apt-get install"; }
echo "packages set up: $(grep -c '^Setting up' "$shots/apt-install.log")"
in_root dpkg-query -W -f='${Package} ${Version} ${Status}\n' zorvexa
in_root sh -c 'for f in $(dpkg -L zorvexa); do [ -f "$f" ] && echo "$f"; done' |
  grep -E 'bin/|\.qc|\.qh|man1|\.desktop|metainfo|scalable|symbolic'

step "every library and plugin Zorvexa loads resolves (before any other package is added)"
for f in /usr/bin/zorvexa /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqxcb.so \
         /usr/lib/x86_64-linux-gnu/qt6/plugins/sqldrivers/libqsqlite.so; do
  [ -e "$root$f" ] || fail "$f is not installed"
  if in_root ldd "$f" | grep 'not found'; then fail "unresolved libraries of $f"; fi
  echo "ok: $f"
done

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
in_root useradd --create-home --shell /bin/bash "$user"
cat >"$root/home/$user/session.sh" <<'EOF'
#!/bin/bash
# Runs inside the X session as the ordinary user.
set -euo pipefail
fail() { echo "session: FAILED: $*" >&2; kill "$app" 2>/dev/null || true; exit 1; }
shot() { xwd -root -silent >"$HOME/$1.xwd"; }

zorvexa & app=$!
win=$(timeout 30 xdotool search --sync --onlyvisible --name '^Zorvexa - EGYSZERŰ$' | head -n 1) ||
  fail "the calculator window did not map"
echo "calculator window mapped: $(xwininfo -id "$win" | grep -E 'Map State' | xargs)," \
  "title: $(xdotool getwindowname "$win")"
class=$(xprop -id "$win" WM_CLASS | sed 's/.*= //')
wanted=$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/hu.zorvexa.Zorvexa.desktop)
echo "WM_CLASS: $class; the desktop entry's StartupWMClass: $wanted"
case "$class" in *"\"$wanted\""*) ;; *) fail "StartupWMClass does not match the window's class" ;; esac
sleep 1
shot calculator

# The menu bar's second title is Súgó; Keresés is its third item.
xdotool mousemove --window "$win" "$SUGO_X" "$SUGO_Y" click 1
sleep 1
xdotool key Down Down Down Return
help=$(timeout 30 xdotool search --sync --onlyvisible --name '^Zorvexa súgó$' | head -n 1) ||
  fail "the help window did not map"
echo "help window mapped: $(xdotool getwindowname "$help")"
sleep 2
xdotool type --delay 50 "$SEARCH_WORD"
xdotool key Return
sleep 3
shot help-search

index=$HOME/.cache/Zorvexa/help/.zorvexa/fts
[ -r "$index" ] || fail "no search index at $index"
pages=$(sqlite3 -readonly "$index" "SELECT count(*) FROM info;")
hits=$(sqlite3 -readonly "$index" \
  "SELECT group_concat(title, ' | ') FROM contents WHERE contents MATCH '$SEARCH_WORD';")
echo "search index: $pages pages; pages with \"$SEARCH_WORD\": $hits"
[ "$pages" -gt 0 ] && [ -n "$hits" ] || fail "the search index is empty or misses \"$SEARCH_WORD\""
kill -0 "$app" || fail "zorvexa has ended"
kill "$app"
wait "$app" || true
echo "session: passed"
EOF
chmod 755 "$root/home/$user/session.sh"
as_user() {
  chroot "$root" runuser -u "$user" -- env -i HOME="/home/$user" USER="$user" \
    PATH=/usr/bin:/bin LANG=hu_HU.UTF-8 "$@"
}
as_user env SUGO_X="${SUGO_X:-70}" SUGO_Y="${SUGO_Y:-9}" SEARCH_WORD="${SEARCH_WORD:-Lnko}" \
  xvfb-run -a -s "-screen 0 1024x768x24" "/home/$user/session.sh" 2>"$shots/session-stderr.log" ||
  { cat "$shots/session-stderr.log"; fail "the X session"; }
for s in calculator help-search; do
  xwdtopnm "$root/home/$user/$s.xwd" 2>/dev/null | pnmtopng >"$shots/$s.png"
done
echo "screenshots: $shots/calculator.png $shots/help-search.png"

step "man zorvexa (English)"
as_user env LANG=C.UTF-8 MANWIDTH=80 man zorvexa 2>&1 | head -n 12
as_user env LANG=C.UTF-8 man -w zorvexa
as_user env LANG=C.UTF-8 MANWIDTH=80 man zorvexa | grep -q '^KEY MAP' || fail "English manual page"

step "man zorvexa (Hungarian, LANG=hu_HU.UTF-8)"
as_user env MANWIDTH=80 man zorvexa 2>&1 | head -n 12
as_user man -w zorvexa
as_user env MANWIDTH=80 man zorvexa | grep -q '^BILLENTYŰK' || fail "Hungarian manual page"

step "try-clean-system: passed"
