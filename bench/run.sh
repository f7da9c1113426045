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
# The benchmarks are defined only with ZORVEXA_BENCH on; a new build folder is RelWithDebInfo.
build_type=()
[ -f "$build/CMakeCache.txt" ] || build_type=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
cmake -S "$root" -B "$build" "${build_type[@]}" -DZORVEXA_BENCH=ON >/dev/null
if ! output="$(cmake --build "$build" --target benchmarks 2>&1)"; then
  echo "$output"
  exit 1
fi

bin="$build/bench"
log="$bin/measurements.txt"
: >"$log"

temporary=()
trap 'rm -rf "${temporary[@]}"' EXIT

# Qt wants a private runtime folder; without one it warns on every start.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR="$(mktemp -d)"
  export XDG_RUNTIME_DIR
  temporary+=("$XDG_RUNTIME_DIR")
fi

# Busy CPU time of the whole machine and of this script's children, in seconds,
# to tell afterwards how much of the machine other work took meanwhile.
machine_busy() { awk -v hz="$(getconf CLK_TCK)" '/^cpu / {print ($2 + $3 + $4 + $7 + $8 + $9) / hz}' /proc/stat; }
times_file="$(mktemp)"
temporary+=("$times_file")
# Sets children_seconds; `times` must run in this shell, not in a subshell.
children_busy() {
  times >"$times_file"
  children_seconds="$(tail -n 1 "$times_file" |
    awk '{s = 0; for (i = 1; i <= NF; i++) {split($i, t, "m"); s += t[1] * 60 + t[2]}; print s}')"
}
busy_before="$(machine_busy)"
children_busy
ours_before="$children_seconds"
start_seconds="$SECONDS"

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
children_busy
others="$(awk -v b0="$busy_before" -v b1="$(machine_busy)" -v o0="$ours_before" -v o1="$children_seconds" \
  -v secs="$((SECONDS - start_seconds))" -v cores="$(nproc)" \
  'BEGIN {x = (b1 - b0 - (o1 - o0)) / ((secs > 0 ? secs : 1) * cores) * 100; printf "%.0f", x < 0 ? 0 : x}')"
echo "Load average after: $(cut -d' ' -f1-3 /proc/loadavg); other processes took about $others % of the" \
  "machine's CPU time meanwhile. Every single run: $log"
if [ "$others" -ge 10 ]; then
  echo "The machine was busy: the start-up figures are disturbed; run again on a quiet machine."
fi
