#!/usr/bin/env bash
# Sets up the machine, builds, and runs Quellaro against the controller simulator.
# The simulator is started on 127.0.0.1:2050 unless something listens there already, and
# stopped again when the program ends. The program runs in run/, which gets a copy of the
# example recipes file the first time, so the default recipes path finds it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"

simulator_pid=""
if ! (exec 3<>/dev/tcp/127.0.0.1/2050) 2>/dev/null; then
    "$root/build/cm-simulator" --address 127.0.0.1 --port 2050 &
    simulator_pid=$!
    trap '[ -n "$simulator_pid" ] && kill "$simulator_pid" 2>/dev/null; wait 2>/dev/null || true' EXIT
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
