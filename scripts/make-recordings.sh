#!/usr/bin/env bash
# Records the sessions of simulator/recordings/ again with the real program against the
# simulator (tools/make_recordings.cpp), into the build folder (build/ or $1) and then over
# the recordings. The tests' expected histories (tests/data/*.csv) follow the recordings:
# check them after a new recording.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
cmake --build "$build" --target quellaro-make-recordings
for session in gateway_9600_heating controller_stops_answering; do
    QT_QPA_PLATFORM=offscreen "$build/quellaro-make-recordings" "$session" "$build/$session.trace"
    cp "$build/$session.trace" "$root/simulator/recordings/$session.trace"
done
