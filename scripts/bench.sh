#!/usr/bin/env bash
# The benchmark: builds the program's benchmark programs into build-bench/ (Qt 5) and the
# start-up programs into build-bench-qt6/ (Qt 6), runs them once and prints each figure beside
# its baseline or target, the Qt 6 build's start-up and memory beside the Qt 5 ones. Without a
# display it measures on Qt's offscreen platform. Not part of the test suite.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-bench"
build6="$root/build-bench-qt6"
jobs="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
"$root/scripts/setup.sh"
for major in 5 6; do
    dir="$build"
    [ "$major" = 6 ] && dir="$build6"
    cmake -G Ninja -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELLARO_BENCH=ON \
        -DQUELLARO_BUILD_TESTS=OFF -DQUELLARO_QT_MAJOR="$major" >/dev/null
done
cmake --build "$build" -j "$jobs" --target quellaro_bench
cmake --build "$build6" -j "$jobs" --target bench_bare bench_quellaro
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    export QT_QPA_PLATFORM=offscreen
fi
echo "Quellaro benchmark: platform ${QT_QPA_PLATFORM:-default}, $(nproc) cores, $(date -u '+%Y-%m-%d %H:%M UTC')"
"$build/quellaro_bench" "$build" "$build6"
