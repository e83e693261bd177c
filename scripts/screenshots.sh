#!/usr/bin/env bash
# Takes docs/screenshots/*.png: the boiler, mixers and drink panels, the History window and the
# Machine check window in
# English and Russian, each
# a real window on a virtual 1280x800 X screen, polling the controller simulator. Builds into
# build/ (or $BUILD_DIR) first when needed.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
out=docs/screenshots
[ -f "$build/CMakeCache.txt" ] || ./scripts/build.sh "$build"
cmake --build "$build" --target Quellaro cm-simulator quellaro-screenshot
mkdir -p "$out"

work=$(mktemp -d)
simulator=
cleanup() {
    [ -n "$simulator" ] && kill "$simulator" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# The simulator takes its machine commands from a pipe that stays open.
mkfifo "$work/commands"
"$build/cm-simulator" --port 0 <"$work/commands" >"$work/simulator.log" &
simulator=$!
exec 3>"$work/commands"
for _ in $(seq 50); do
    grep -q 'listening on' "$work/simulator.log" && break
    sleep 0.1
done
port=$(sed -n 's/.*listening on [^ ]*:\([0-9]*\).*/\1/p' "$work/simulator.log" | head -1)
[ -n "$port" ] || { cat "$work/simulator.log" >&2; exit 1; }

# shoot PANEL_CLASS FILE_NAME MACHINE_COMMAND...
shoot() {
    local panel=$1 name=$2
    shift 2
    for lang in en ru; do
        printf '%s\n' "$@" >&3 # again for each picture: the simulated boiler cools meanwhile
        local locale=en_US.UTF-8
        [ "$lang" = ru ] && locale=ru_RU.UTF-8
        env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG="$locale" XDG_CONFIG_HOME="$work/config" \
            xvfb-run -a -s "-screen 0 1280x800x24" \
            "$build/quellaro-screenshot" "$panel" "$port" "$out/${name}_$lang.png"
        echo "$out/${name}_$lang.png"
    done
}

# A long state text (cut in its field, whole on the line under it) and a temperature in tenths.
shoot TestBoilerDialog boiler "mode 2" "state 110" "error 0" "temp 261"
# A long error text.
shoot TestMixerDialog mixers "mode 2" "state 140" "error 12" "temp 200"
# A state the tables have no text for.
shoot TestDrinkDialog drink "mode 2" "state 555" "error 0"
# The History window beside the boiler panel, heating after "Boiler On".
shoot HistoryDialog history "mode 4" "state 1000" "error 0" "temp 850"
# The Machine check window in the middle of the default check, mixer 2 failing; last, as the
# simulator keeps the fault.
shoot MachineCheckDialog check "mode 2" "state 1000" "error 0" "temp 200" "faulty mixer-2 1"
