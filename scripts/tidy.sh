#!/usr/bin/env bash
# Runs clang-tidy (checks in .clang-tidy) over the program's and the simulator's sources with
# the compile commands of a build tree, build/ or $1; tests, fuzz targets and benchmark are
# not checked. Any finding fails the run. A build tree without compile commands is configured
# and built first, since the sources include the forms' generated headers.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
jobs="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"

tidy="$(command -v clang-tidy-14 || command -v clang-tidy || true)"
if [ -z "$tidy" ]; then
    echo "No clang-tidy found (scripts/setup.sh installs clang-tidy-14)." >&2
    exit 1
fi
if [ ! -e "$build/compile_commands.json" ]; then
    "$root/scripts/build.sh" "$build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
fi

cd "$root"
sources=$(find shell link recipes panels settings simulator -maxdepth 1 -name '*.cpp' | sort)
echo "clang-tidy: $(echo "$sources" | wc -l) files"
# One clang-tidy per file, its report printed in one piece; xargs fails if any of them does.
if ! echo "$sources" | xargs -P "$jobs" -n 1 sh -c \
        'out=$("$0" -p "$1" --quiet --warnings-as-errors="*" "$2" 2>&1) || { printf "%s\n" "$out"; exit 1; }' \
        "$tidy" "$build"; then
    echo "clang-tidy found problems (see above)."
    exit 1
fi
echo "clang-tidy: no findings"
