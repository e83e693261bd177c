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

# The Machines window with a route of three machines, one visited, and the first page of that
# visit's service report, drawn by pdftoppm.
data="$work/data/Orbanek/Quellaro/machines"
visit="$data/lobby/20261207-055008"
mkdir -p "$visit"
machine() { # ID NAME SITE SERIAL ADDRESS
    printf '{"format": "quellaro-machine", "version": 1, "name": "%s", "site": "%s", "serial": "%s",
 "notes": "", "address": "%s", "port": 2050}\n' "$2" "$3" "$4" "$5" >"$data/$1.json"
}
machine lobby "Lobby" "Hall B" "SN-0042" "10.20.30.40"
machine depot "Depot" "Dock 3" "SN-0107" "10.20.31.12"
machine station "Station" "Platform 1" "SN-0311" "kiosk-7.local"
printf '{"machine": "Lobby", "site": "Hall B", "serial": "SN-0042", "address": "10.20.30.40", "port": "2050",
 "begin": "2026-12-07T05:50:08.000+00:00", "end": "2026-12-07T05:50:14.000+00:00", "version": "1.0.0",
 "outcome": "ok"}\n' >"$visit/visit.json"
cp simulator/recordings/controller_stops_answering.trace "$visit/trace.txt"
printf 'Replaced the pump seal.' >"$visit/note.txt"
cp tests/data/recepts_two.xml "$visit/recipes-001-before.xml"
sed 's|<Water Value="40"/>|<Water Value="55"/>|' tests/data/recepts_two.xml >"$visit/recipes-001-after.xml"
for lang in en ru; do
    locale=en_US.UTF-8
    [ "$lang" = ru ] && locale=ru_RU.UTF-8
    env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG="$locale" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
        xvfb-run -a -s "-screen 0 1280x800x24" \
        "$build/quellaro-screenshot" MachinesDialog "$port" "$out/machines_$lang.png"
    echo "$out/machines_$lang.png"
    env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG="$locale" TZ=UTC \
        "$build/Quellaro" --report "$visit" --out "$work/report.pdf"
    pdftoppm -png -r 70 -f 1 -l 1 -singlefile "$work/report.pdf" "$out/report_$lang"
    echo "$out/report_$lang.png"
done
# The Machine check window in the middle of the default check, mixer 2 failing; last, as the
# simulator keeps the fault.
shoot MachineCheckDialog check "mode 2" "state 1000" "error 0" "temp 200" "faulty mixer-2 1"
