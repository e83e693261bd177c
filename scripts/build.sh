#!/usr/bin/env bash
# Configures and builds Quellaro, the simulator and the tests into build/ (or $1); further
# arguments go to CMake. Configure's output is kept in the build folder (configure.log); its
# warnings are shown. The build runs $CMAKE_BUILD_PARALLEL_LEVEL jobs, else one per core.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
shift || true
jobs="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
mkdir -p "$build"
# Rebuilds of an unchanged source, also from another clone of the tree, come from ccache.
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
fi
if ! cmake -G Ninja -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >"$build/configure.log" 2>&1; then
    cat "$build/configure.log"
    exit 1
fi
sed -n '/^CMake Warning/,/^$/p' "$build/configure.log"
cmake --build "$build" -j "$jobs"
