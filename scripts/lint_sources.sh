# Sourced by tidy.sh and clazy.sh. lint_sources NAME BUILD TOOL ARGS... runs "TOOL ARGS... FILE"
# over each .cpp of the program's and the simulator's folders (tests, fuzz targets and
# benchmark are not checked), $CMAKE_BUILD_PARALLEL_LEVEL at a time, else one per core; each
# report is printed in one piece. A run that fails or reports a warning or error fails the
# whole. A build tree BUILD without compile commands is configured and built first, since the
# sources include the forms' generated headers.
lint_sources() {
    local name="$1" build="$2" root sources
    shift 2
    root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
    if [ ! -e "$build/compile_commands.json" ]; then
        "$root/scripts/build.sh" "$build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
    fi
    cd "$root"
    sources=$(find shell link connection history check recipes panels settings simulator machines visits report -maxdepth 1 -name '*.cpp' | sort)
    echo "$name: $(echo "$sources" | wc -l) files"
    if ! echo "$sources" | xargs -P "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}" -n 1 sh -c '
            out=$("$@" 2>&1) || { printf "%s\n" "$out"; exit 1; }
            if printf "%s\n" "$out" | grep -q "warning:\|error:"; then printf "%s\n" "$out"; exit 1; fi' \
            sh "$@"; then
        echo "$name found problems (see above)."
        return 1
    fi
    echo "$name: no findings"
}

# require_tool NAME PACKAGE CANDIDATES...: the path of the first candidate installed.
require_tool() {
    local name="$1" package="$2" candidate
    shift 2
    for candidate in "$@"; do
        command -v "$candidate" && return 0
    done
    echo "No $name found (scripts/setup.sh installs $package)." >&2
    return 1
}
