#!/usr/bin/env bash
# Brings translations/Quellaro_ru.ts and Quellaro_en.ts up to date with the texts of the
# program's sources: every top-level source folder (one with a CMakeLists.txt and .cpp or .ui
# files of its own) except the simulator, the tests, the fuzz targets and the benchmark, whose
# texts are not translated.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt5/bin/lupdate)
folders=()
for dir in */; do
    dir="${dir%/}"
    case "$dir" in simulator | tests | fuzz | bench) continue ;; esac
    [ -f "$dir/CMakeLists.txt" ] || continue
    if [ -n "$(find "$dir" -maxdepth 1 \( -name '*.cpp' -o -name '*.ui' \) -print -quit)" ]; then
        folders+=("$dir")
    fi
done
echo "Sources: ${folders[*]}"
"$lupdate" -no-obsolete -locations none "${folders[@]}" -ts translations/Quellaro_ru.ts translations/Quellaro_en.ts
