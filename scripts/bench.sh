#!/usr/bin/env bash
# The benchmark: builds the program's benchmark programs into build-bench/ (Qt 5) and
# build-bench-qt6/ (Qt 6), and the baselines it compares with from their commits, side by side
# in build-bench-baselines/: the start-up of commit 3e29178 and the recipes dialog of commit
# 27fada5 (with this tree's bench/ programs). Runs them all in the same run and prints each
# figure beside its baseline or target, the Qt 6 figures beside the Qt 5 ones (commit 3e29178
# builds with Qt 5 only). Without a display
# it measures on Qt's offscreen platform. Not part of the test suite.
#
#     ./scripts/bench.sh [--startup]    --startup: the start-up figures only, and only what they need
set -euo pipefail
startup_only=no
if [ "${1:-}" = "--startup" ]; then
    startup_only=yes
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-bench"
build6="$root/build-bench-qt6"
baselines="$root/build-bench-baselines"
startup_commit=3e29178
recipes_commit=27fada5
jobs="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
"$root/scripts/setup.sh"
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1 # the baselines share the cache with this tree
fi

configure() { # source folder, build folder, Qt major
    cmake -G Ninja -S "$1" -B "$2" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELLARO_BENCH=ON \
        -DQUELLARO_BUILD_TESTS=OFF -DQUELLARO_QT_MAJOR="$3" "${launcher[@]}" >/dev/null
}

# The tree of `commit` in build-bench-baselines/<commit>/, built there into build-qt<major>.
baseline() { # commit, bench/ of this tree instead of the commit's (yes/no), Qt majors, targets...
    local commit="$1" overlay="$2" majors="$3" src="$baselines/$1"
    shift 3
    if [ ! -d "$src/recipes" ]; then
        mkdir -p "$src"
        git -C "$root" archive "$commit" | tar -x -C "$src"
    fi
    if [ "$overlay" = yes ]; then
        rm -rf "$src/bench"
        cp -r "$root/bench" "$src/bench"
    fi
    for major in $majors; do
        configure "$src" "$src/build-qt$major" "$major"
        cmake --build "$src/build-qt$major" -j "$jobs" --target "$@"
    done
}

configure "$root" "$build" 5
configure "$root" "$build6" 6
cmake --build "$build" -j "$jobs" --target quellaro_bench
cmake --build "$build6" -j "$jobs" --target bench_bare bench_quellaro bench_recipes
baseline "$startup_commit" no 5 bench_quellaro # Qt 5 only, before Qt 6 builds
if [ "$startup_only" = no ]; then
    baseline "$recipes_commit" yes "5 6" bench_recipes
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    export QT_QPA_PLATFORM=offscreen
fi
if [ "$startup_only" = yes ]; then
    export QUELLARO_BENCH_STARTUP_ONLY=1
fi
echo "Quellaro benchmark: platform ${QT_QPA_PLATFORM:-default}, $(nproc) cores, $(date -u '+%Y-%m-%d %H:%M UTC')"
"$build/quellaro_bench" "$build" "$build6" \
    "$baselines/$startup_commit/build-qt5" \
    "$baselines/$recipes_commit/build-qt5" "$baselines/$recipes_commit/build-qt6"
