#!/usr/bin/env bash
# Brings translations/Quellaro_ru.ts up to date with the texts of the program's sources.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt5/bin/lupdate)
"$lupdate" -no-obsolete -locations none shell link recipes panels settings -ts translations/Quellaro_ru.ts
