#!/usr/bin/env bash
# The house style and the faults clang-tidy finds (.clang-format, .clang-tidy):
# every C++ file formatted, every source file of src/ clean. Run by .ci/run.
#   check-style.sh [BUILD_DIR]   (a configured build folder for the compile commands)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
./scripts/install-deps.sh style

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if ! clang-format --dry-run -Werror "${files[@]}" 2>/tmp/zorvexa-format.$$; then
  grep -o '^[^:]*:[0-9]*' /tmp/zorvexa-format.$$ | sort -u | head -40
  rm -f /tmp/zorvexa-format.$$
  echo "check-style: these lines are not formatted as .clang-format says (clang-format -i fixes them)" >&2
  exit 1
fi
rm -f /tmp/zorvexa-format.$$
echo "check-style: ${#files[@]} files formatted as .clang-format says"

cmake -S . -B "$build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cmake --build "$build" -j2 >/dev/null  # the generated headers (moc) the sources include
mapfile -t sources < <(git ls-files 'src/*.cpp')
printf '%s\n' "${sources[@]}" | xargs -P 2 -n 4 clang-tidy -p "$build" --quiet 2>/dev/null
echo "check-style: clang-tidy found nothing in ${#sources[@]} files of src/"
