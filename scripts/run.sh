#!/usr/bin/env bash
# Sets up the machine, builds, and runs Quellaro against the controller simulator.
#     ./scripts/run.sh [SIMULATOR OPTIONS] [-- PROGRAM OPTIONS]
# for example ./scripts/run.sh --baud 9600, or ./scripts/run.sh --replay FILE -- --trace FILE2.
# The simulator is started on 127.0.0.1:2050 unless something listens there already (then
# simulator options are refused), and stopped again when the program ends. The program runs
# in run/, which gets a copy of the example recipes file the first time, so the default
# recipes path finds it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

simulator_args=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
    simulator_args+=("$1")
    shift
done
[ $# -gt 0 ] && shift # the "--"

"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"

listening() { (exec 3<>/dev/tcp/127.0.0.1/2050) 2>/dev/null; }
simulator_pid=""
if ! listening; then
    "$root/build/cm-simulator" --address 127.0.0.1 --port 2050 "${simulator_args[@]}" &
    simulator_pid=$!
    trap '[ -n "$simulator_pid" ] && kill "$simulator_pid" 2>/dev/null; wait 2>/dev/null || true' EXIT
    # Up to 5 s for it to listen; one that ends at once (--help, a bad option) ends the run too.
    for _ in $(seq 50); do
        if ! kill -0 "$simulator_pid" 2>/dev/null; then
            status=0
            wait "$simulator_pid" || status=$?
            simulator_pid=""
            exit "$status"
        fi
        listening && break
        sleep 0.1
    done
elif [ ${#simulator_args[@]} -gt 0 ]; then
    echo "Something already listens on 127.0.0.1:2050: stop it to run the simulator with ${simulator_args[*]}." >&2
    exit 1
fi

mkdir -p "$root/run"
if [ ! -e "$root/run/recepts.xml" ]; then
    cp "$root/recipes/examples/recepts.xml" "$root/run/recepts.xml"
fi
cd "$root/run"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: running under a virtual X server (xvfb-run)."
    xvfb-run -a "$root/build/Quellaro" "$@"
else
    "$root/build/Quellaro" "$@"
fi
