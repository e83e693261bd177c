#!/usr/bin/env bash
# Sets up the machine, builds everything and runs the whole test suite: the normal build, the
# same suite built with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer, and
# the fuzz targets for a minute each. Any failure stops the run with a non-zero status.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"

passed=0
# run_ctest DIR [VAR=VALUE...]: runs the tests of a build tree and counts them.
run_ctest() {
    local dir="$1" log
    shift
    log="$(mktemp)"
    (cd "$dir" && env QT_QPA_PLATFORM=offscreen "$@" ctest --output-on-failure -j "$(nproc)") 2>&1 | tee "$log"
    passed=$((passed + $(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\)$/\1/p' "$log")))
    rm -f "$log"
}

echo "== Build and test"
"$root/scripts/build.sh" "$root/build"
run_ctest "$root/build"

echo "== Sanitized build and test (AddressSanitizer, UndefinedBehaviorSanitizer, LeakSanitizer)"
"$root/scripts/build.sh" "$root/build-sanitize" -DQUELLARO_SANITIZE=ON
run_ctest "$root/build-sanitize" UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    LSAN_OPTIONS="suppressions=$root/tests/lsan.supp"

echo "== Fuzzing (clang, a minute per target)"
"$root/scripts/fuzz.sh" 60

echo "ctest: $passed passed, 0 failed"
