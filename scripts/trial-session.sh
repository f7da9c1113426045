#!/bin/bash
# The X session of scripts/try-clean-system.sh, run by an ordinary user under
# xvfb-run inside the clean system: the calculator, the help from the Súgó
# menu, its search, and the help's private copy removed at the end.
set -euo pipefail
fail() { echo "session: FAILED: $*" >&2; exit 1; }
shot() { xwd -root -silent >"$HOME/$1.xwd"; }

# until COMMAND...: retried for 30 s.
until_ok() {
  local deadline=$((SECONDS + 30))
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.2
  done
}

# The first visible window with this title. xdotool's --sync search waits
# for it; a window that is destroyed while xdotool reads it (Qt makes and
# drops some at start-up) ends xdotool with BadWindow, so a search that
# ended without an answer is made again.
window() {
  local id
  id=$(timeout 10 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
  [ -n "$id" ] && echo "$id"
}
focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
focus() { until_ok xdotool windowfocus --sync "$1" 2>/dev/null && until_ok focused "$1"; }

zorvexa &
app=$!
trap 'kill "$app" 2>/dev/null || true' EXIT
calc=$(until_ok window '^Zorvexa - EGYSZERŰ$') || fail "the calculator window did not map"
echo "calculator window $calc: $(xwininfo -id "$calc" | grep -E 'Map State' | xargs)," \
  "title: $(xdotool getwindowname "$calc")"
class=$(xprop -id "$calc" WM_CLASS | sed 's/.*= //')
wanted=$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/hu.zorvexa.zorvexa.desktop)
echo "WM_CLASS: $class; the desktop entry's StartupWMClass: $wanted"
case "$class" in *"\"$wanted\""*) ;; *) fail "StartupWMClass does not match the window's class" ;; esac
focus "$calc" || fail "the calculator window does not take the focus"
sleep 1  # let it paint: only the screenshot needs this
shot calculator

# The help viewer and what it brings (Qt Help, Qt Sql) wait for the help;
# the window icon comes from PNGs, so no image plugin is loaded either.
mapped() { grep -q "/$1" "/proc/$app/maps"; }
for library in zorvexa-help.so libQt6Help libQt6Sql libqsqlite libqsvg libqsvgicon; do
  ! mapped "$library" || fail "$library is loaded before the help is opened"
done
echo "before the help: neither its viewer nor Qt Help, Qt Sql or an SVG plugin loaded"

# F1: the help's contents.
xdotool key F1
help=$(until_ok window '^Zorvexa súgó$') || fail "F1 did not open the help"
echo "F1: help window $help, title: $(xdotool getwindowname "$help")"
mapped zorvexa-help.so && mapped libQt6Help || fail "the help is open without its viewer module"
echo "the help's viewer: $(grep -o '/[^ ]*zorvexa-help.so' "/proc/$app/maps" | head -n 1)"
until_ok focused "$help" || fail "the help window does not take the focus"
sleep 1
shot help-contents

# Súgó > Keresés in the calculator window (Alt+S opens the menu, K the item):
# the same help window turns to its search page, the words' field focused.
focus "$calc" || fail "the calculator window does not take the focus back"
xdotool key alt+s
xdotool key k
until_ok focused "$help" || fail "Súgó > Keresés did not bring the help window up"
copy() { ls -d /tmp/zorvexa-help-* 2>/dev/null; }
folder=$(until_ok copy) || fail "no private copy of the help under /tmp"
echo "the help's private copy: $folder ($(ls "$folder" | xargs))"
xdotool type --delay 50 "$SEARCH_WORD"
xdotool key Return

# The search index sits beside the copy; the engine fills it in the
# background, and the search waits for it.
index=$folder/.zorvexa/fts
indexed() {
  [ -r "$index" ] &&
    hits=$(sqlite3 -readonly "$index" \
      "SELECT group_concat(title, ' | ') FROM contents WHERE contents MATCH '$SEARCH_WORD';" 2>/dev/null) &&
    [ -n "$hits" ]
}
until_ok indexed || fail "no search index at $index, or no page with \"$SEARCH_WORD\" in it"
pages=$(sqlite3 -readonly "$index" "SELECT count(*) FROM info;")
echo "search index: $pages pages; pages with \"$SEARCH_WORD\": $hits"
sleep 2
shot help-search

# SIGTERM ends it as Kilépés does, and the private copy goes with it.
kill -0 "$app" || fail "zorvexa has ended"
kill -TERM "$app"
code=0
wait "$app" || code=$?
trap - EXIT
[ "$code" -eq 0 ] || fail "zorvexa ended with exit code $code on SIGTERM"
[ ! -e "$folder" ] || fail "the help's private copy $folder is left behind"
echo "zorvexa ended on SIGTERM with exit code 0; $folder removed"
echo "session: passed"
