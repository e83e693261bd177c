#!/usr/bin/env bash
# Sets up the machine, builds everything and runs the whole test suite: the normal build and
# clang-tidy over its sources, the same suite built with AddressSanitizer, UndefinedBehavior-
# Sanitizer and LeakSanitizer, and the fuzz targets for a minute each. Any failure stops the run
# with a non-zero status. Compiler warnings are errors unless QUELLARO_WERROR=OFF is set.
# Builds and tests run $CMAKE_BUILD_PARALLEL_LEVEL jobs, else one per core.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
jobs="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
werror="-DQUELLARO_WERROR=${QUELLARO_WERROR:-ON}"

passed=0
# run_ctest DIR [VAR=VALUE...]: runs the tests of a build tree and counts them.
run_ctest() {
    local dir="$1" log
    shift
    log="$(mktemp)"
    (cd "$dir" && env QT_QPA_PLATFORM=offscreen "$@" ctest --output-on-failure -j "$jobs") 2>&1 | tee "$log"
    passed=$((passed + $(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\)$/\1/p' "$log")))
    rm -f "$log"
}

echo "== Build and test"
"$root/scripts/build.sh" "$root/build" "$werror" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
run_ctest "$root/build"

echo "== clang-tidy"
"$root/scripts/tidy.sh" "$root/build"

echo "== Sanitized build and test (AddressSanitizer, UndefinedBehaviorSanitizer, LeakSanitizer)"
"$root/scripts/build.sh" "$root/build-sanitize" "$werror" -DQUELLARO_SANITIZE=ON
run_ctest "$root/build-sanitize" UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    LSAN_OPTIONS="suppressions=$root/tests/lsan.supp"

echo "== Fuzzing (clang, a minute per target)"
"$root/scripts/fuzz.sh" 60

echo "ctest: $passed passed, 0 failed"
