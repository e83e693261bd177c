#!/usr/bin/env bash
# Runs clang-tidy (checks in .clang-tidy) over the program's and the simulator's sources with
# the compile commands of a build tree, build/ or $1 (see lint_sources.sh). Any finding fails
# the run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/lint_sources.sh"
build="$(realpath "${1:-$root/build}")"
tidy="$(require_tool clang-tidy clang-tidy-14 clang-tidy-14 clang-tidy)"
lint_sources clang-tidy "$build" "$tidy" -p "$build" --quiet --warnings-as-errors="*"
