#!/usr/bin/env bash
# Runs clazy, Qt's own linter, at levels 0 and 1 over the program's and the simulator's sources
# with the compile commands of a build tree, build/ or $1 (see lint_sources.sh). Qt's headers
# and generated code are not reported. Any finding fails the run. The compile commands are
# GCC's; clang would flag every qCDebug(category) << ... line, as in the top CMakeLists.txt.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
source "$root/scripts/lint_sources.sh"
build="$(realpath "${1:-$root/build}")"

# The checks turned off, each with its reason:
#   no-connect-by-name  the forms' on_<object>_<signal> slots are connected by name on purpose:
#                       those are the slot names the program is known by.
disabled="no-connect-by-name"
checks="level0,level1${disabled:+,$disabled}"

clazy="$(require_tool clazy-standalone clazy clazy-standalone)"
lint_sources "clazy ($checks)" "$build" "$clazy" -p "$build" --checks="$checks" --ignore-dirs="^/usr/|_autogen/" \
    --extra-arg=-Wno-gnu-zero-variadic-macro-arguments --extra-arg=-ferror-limit=0
