#!/usr/bin/env bash
# Sets up the machine, builds everything and runs the whole test suite, stage by stage:
#   build qt5, ctest qt5     the program, simulator, tests and fuzz replays with Qt 5 (build/)
#   clang-tidy, clazy        the linters over the program's and the simulator's sources
#   build qt6, ctest qt6     the same with Qt 6 (build-qt6/)
#   package                  the Debian package from build/, checked (scripts/package.sh)
#   build sanitize, ctest sanitize
#                            the suite with AddressSanitizer, UndefinedBehaviorSanitizer and
#                            LeakSanitizer, on Qt 5 (build-sanitize/)
#   fuzz                     the libFuzzer targets, a minute each (scripts/fuzz.sh)
# A failed stage does not stop the run; the stages that need its output are reported as not
# run. The run ends with a summary, one line per stage with its time and what it found, and a
# last line counting the stages that passed and failed; the exit status is 0 only when all
# passed. Compiler warnings are errors unless QUELLARO_WERROR=OFF is set. Builds and tests run
# $CMAKE_BUILD_PARALLEL_LEVEL jobs, else one per core.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
werror="-DQUELLARO_WERROR=${QUELLARO_WERROR:-ON}"
logs="$root/build-logs"
mkdir -p "$logs"

summary=()
passed=0
failed=0
declare -A ok

# stage NAME RESULT_FUNCTION COMMAND...: runs COMMAND, its output shown and kept in
# build-logs/NAME.log; RESULT_FUNCTION LOG prints what it found in one line.
stage() {
    local name="$1" result="$2" log="$logs/${1// /-}.log" start status found
    shift 2
    echo "== $name"
    start=$SECONDS
    "$@" 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    found="$("$result" "$log" "$status")"
    record "$name" "$status" "$found" $((SECONDS - start))
}

# record NAME STATUS FOUND SECONDS
record() {
    local line
    line="$(printf '%-16s %-58s (%dm%02ds)' "$1:" "$3" $(($4 / 60)) $(($4 % 60)))"
    if [ "$2" -eq 0 ]; then
        ok[$1]=1
        passed=$((passed + 1))
    else
        line="$line  FAILED"
        failed=$((failed + 1))
    fi
    summary+=("$line")
}

# not_run NAME NEEDED: a stage skipped because the stage NEEDED failed.
not_run() {
    echo "== $1: not run, $2 failed"
    record "$1" 1 "not run: $2 failed" 0
}

built() { [ "$2" -eq 0 ] && echo "built" || echo "build failed (see build-logs/)"; }
installed() { [ "$2" -eq 0 ] && echo "packages present" || echo "packages could not be installed"; }

# "23 passed, 0 failed" from ctest's closing line.
counted() {
    local line
    line="$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)"
    if [ -z "$line" ]; then
        echo "no test ran"
        return
    fi
    local failures total
    failures="$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')"
    total="$(echo "$line" | sed -E 's/.* out of ([0-9]+).*/\1/')"
    echo "$((total - failures)) passed, $failures failed"
}

# clang-tidy's and clazy's "N files" and whether they found anything.
linted() {
    local files
    files="$(grep -Eo '[0-9]+ files' "$1" | head -n 1)"
    [ "$2" -eq 0 ] && echo "$files, no findings" || echo "$files, findings (see above)"
}

packaged() { grep -E '^package: ' "$1" | tail -n 1 | sed 's/^package: //' || true; }

fuzzed() {
    local runs
    runs="$(grep -c '^-- fuzz_' "$1")"
    [ "$2" -eq 0 ] && echo "$runs targets, no crash" || echo "$runs targets, faults found (fuzz/crashers/)"
}

run_ctest() {
    (cd "$1" && shift && env QT_QPA_PLATFORM=offscreen "$@" ctest --output-on-failure -j "$jobs")
}

stage "setup" installed "$root/scripts/setup.sh"

stage "build qt5" built "$root/scripts/build.sh" "$root/build" "$werror" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
if [ -n "${ok[build qt5]:-}" ]; then
    stage "ctest qt5" counted run_ctest "$root/build"
    stage "clang-tidy" linted "$root/scripts/tidy.sh" "$root/build"
    stage "clazy" linted "$root/scripts/clazy.sh" "$root/build"
    stage "package" packaged "$root/scripts/package.sh" "$root/build"
else
    for name in "ctest qt5" clang-tidy clazy package; do not_run "$name" "build qt5"; done
fi

stage "build qt6" built "$root/scripts/build.sh" "$root/build-qt6" "$werror" -DQUELLARO_QT_MAJOR=6
if [ -n "${ok[build qt6]:-}" ]; then
    stage "ctest qt6" counted run_ctest "$root/build-qt6"
else
    not_run "ctest qt6" "build qt6"
fi

stage "build sanitize" built "$root/scripts/build.sh" "$root/build-sanitize" "$werror" -DQUELLARO_SANITIZE=ON
if [ -n "${ok[build sanitize]:-}" ]; then
    stage "ctest sanitize" counted run_ctest "$root/build-sanitize" \
        UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
else
    not_run "ctest sanitize" "build sanitize"
fi

stage "fuzz" fuzzed "$root/scripts/fuzz.sh" 60

echo
echo "== Summary (logs in build-logs/)"
printf '%s\n' "${summary[@]}"
echo "stages: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
