#!/usr/bin/env bash
# Speed of Zorvexa: start-up and peak memory against a bare Qt window, and
# the time of one key press in each calculator window.
#   bench/run.sh [BUILD_DIR]      (make bench runs it on the build folder)
# RUNS (default 20) and PRESSES (default 100000) change the counts.
# What is measured and how: bench/README.md.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
build="$(realpath -m "${1:-$root/build}")"
runs="${RUNS:-20}"
presses="${PRESSES:-100000}"

"$root/scripts/install-deps.sh"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
if ! output="$(cmake --build "$build" --target benchmarks 2>&1)"; then
  echo "$output"
  exit 1
fi

bin="$build/bench"
log="$bin/measurements.txt"
: >"$log"

# Qt wants a private runtime folder; without one it warns on every start.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR="$(mktemp -d)"
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

echo "Zorvexa speed ($(date -u '+%Y-%m-%d %H:%M UTC'))"
echo "Machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)," \
  "$(awk '/MemTotal/ {printf "%.1f GiB", $2 / 1048576}' /proc/meminfo) memory;" \
  "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "Build: $(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build/CMakeCache.txt") in $build;" \
  "Qt $(pkg-config --modversion Qt6Core 2>/dev/null || echo '(version unknown)')"
echo

startup_probe="probe $runs zorvexa=$bin/zorvexa-bench-probe bare=$bin/zorvexa-bench-bare-probe"
startup_map="map $runs zorvexa=$build/zorvexa bare=$bin/zorvexa-bench-bare"
if command -v xvfb-run >/dev/null && command -v Xvfb >/dev/null; then
  echo "(a, c) Start-up to the first painted window, and peak memory then: xcb platform under Xvfb," \
    "$runs runs each, alternating, after 2 unmeasured runs each"
  # One X server for both measurements; the programs start as they would on a desktop.
  # -noreset: a server that resets whenever its last client leaves refuses the next one for a moment.
  xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" bash -c '
    set -e
    bin="$1"; log="$2"; shift 2
    echo "-- probe runs" >>"$log"
    "$bin/zorvexa-bench-startup" $1 2>>"$log"
    echo
    echo "    Confirmation with the real, unmodified binaries: process start until the X server maps the window"
    echo "-- map runs" >>"$log"
    "$bin/zorvexa-bench-startup" $2 2>>"$log" || echo "    (not measured: see $log)"
  ' run "$bin" "$log" "$startup_probe" "$startup_map"
else
  echo "(a, c) Start-up and peak memory: no Xvfb here, so on the offscreen platform, which maps no real" \
    "window (install xvfb for the real measurement)"
  echo "-- probe runs (offscreen)" >>"$log"
  QT_QPA_PLATFORM=offscreen "$bin/zorvexa-bench-startup" $startup_probe 2>>"$log"
fi
echo

printf '(b) '
echo "-- key presses" >>"$log"
QT_QPA_PLATFORM=offscreen "$bin/zorvexa-bench-keys" "$presses" 2>>"$log"
echo
echo "Load average after: $(cut -d' ' -f1-3 /proc/loadavg). Every single run: $log"
