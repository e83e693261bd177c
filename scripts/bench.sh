#!/usr/bin/env bash
# The benchmark: builds the program's benchmark programs into build-bench/ and runs them once,
# printing each figure beside its baseline or target. Without a display it measures on Qt's
# offscreen platform. Not part of the test suite.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-bench"
"$root/scripts/setup.sh"
cmake -G Ninja -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELLARO_BENCH=ON \
    -DQUELLARO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}" --target quellaro_bench
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    export QT_QPA_PLATFORM=offscreen
fi
echo "Quellaro benchmark: platform ${QT_QPA_PLATFORM:-default}, $(nproc) cores, $(date -u '+%Y-%m-%d %H:%M UTC')"
"$build/quellaro_bench" "$build"
