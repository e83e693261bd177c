#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (AddressSanitizer and UndefinedBehavior-
# Sanitizer on) into build-fuzz/ and runs each for $1 seconds (default 60), starting from its
# seed corpus and every crasher found so far. A crash, leak, timeout or sanitizer finding
# fails the run; the input that caused it is kept in fuzz/crashers/<target>/, where the
# ordinary tests replay it from then on. Without clang the fuzzers are skipped, except on CI
# (CI set), where that fails the run. The fuzz targets are the ones CMake lists in
# build-fuzz/fuzz/fuzz_targets.txt.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
build="$root/build-fuzz"
jobs="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"

cxx="$(command -v clang++-14 || command -v clang++ || true)"
if [ -z "$cxx" ]; then
    if [ -n "${CI:-}" ]; then
        echo "No clang++ found: the fuzz targets cannot be built." >&2
        exit 1
    fi
    echo "No clang++ found: fuzz targets skipped."
    exit 0
fi
mkdir -p "$build"
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
fi
if ! cmake -G Ninja -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$cxx" "${launcher[@]}" \
        -DQUELLARO_FUZZ=ON -DQUELLARO_BUILD_TESTS=OFF >"$build/configure.log" 2>&1; then
    cat "$build/configure.log"
    exit 1
fi
targets=$(cat "$build/fuzz/fuzz_targets.txt")
if [ -z "$targets" ]; then
    echo "CMake lists no fuzz targets (see $build/configure.log)." >&2
    exit 1
fi
cmake --build "$build" -j "$jobs" --target $(printf 'fuzz_%s ' $targets)

export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp"
export QT_QPA_PLATFORM=offscreen
failed=""
for name in $targets; do
    work="$build/fuzz/work/$name"
    artifacts="$build/fuzz/artifacts/$name"
    rm -rf "$work" "$artifacts"
    mkdir -p "$work" "$artifacts" "$root/fuzz/crashers/$name"
    echo "-- fuzz_$name for ${seconds}s"
    if ! "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -max_len=20000 -print_final_stats=1 -artifact_prefix="$artifacts/" \
            "$work" "$root/fuzz/corpus/$name" "$root/fuzz/crashers/$name" >"$build/fuzz/$name.log" 2>&1; then
        tail -n 60 "$build/fuzz/$name.log"
        cp "$artifacts"/* "$root/fuzz/crashers/$name/" 2>/dev/null || true
        echo "fuzz_$name FAILED; the input is kept in fuzz/crashers/$name/ (log: $build/fuzz/$name.log)"
        failed="$failed $name"
    else
        grep -E '^stat::number_of_executed_units|^Done' "$build/fuzz/$name.log" || true
    fi
done
if [ -n "$failed" ]; then
    echo "Fuzzing found faults in:$failed"
    exit 1
fi
