#!/usr/bin/env bash
# Sets up the machine, builds everything and runs the whole test suite.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"

echo "== Build and test"
"$root/scripts/build.sh" "$root/build"
(cd "$root/build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")

echo "== Sanitized build and test (AddressSanitizer, UndefinedBehaviorSanitizer, LeakSanitizer)"
"$root/scripts/build.sh" "$root/build-sanitize" -DQUELLARO_SANITIZE=ON
(cd "$root/build-sanitize" && QT_QPA_PLATFORM=offscreen \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    LSAN_OPTIONS="suppressions=$root/tests/lsan.supp" \
    ctest --output-on-failure -j "$(nproc)")

echo "== Fuzzing (clang, a minute per target)"
"$root/scripts/fuzz.sh" 60
