#!/usr/bin/env bash
# Makes the Debian package from a build tree (build/ or $1, either Qt) and checks it:
#  - installed into a temporary prefix, the program finds its Russian translation there;
#  - the package holds the programs, translation, desktop entry, icon, AppStream metadata, man
#    pages, copyright and changelog under /usr, and depends on the Qt it was built with;
#  - lintian finds no error and no warning but those listed below; desktop-file-validate and
#    appstreamcli validate pass.
# Its last line, "package: ...", says what was made. The package is left in the build tree.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
jobs="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
# lintian warnings that stay, each with its reason (also in the README):
#   (none)
allowed_warnings=()

fail() {
    echo "package: $*" >&2
    exit 1
}

cmake --build "$build" -j "$jobs"
qt="$(sed -n 's/^QUELLARO_QT_MAJOR:STRING=//p' "$build/CMakeCache.txt")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

echo "-- installing into a temporary prefix"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
wanted="$work/prefix/share/Quellaro/translations/Quellaro_ru.qm"
# An installation in /usr/local comes before the prefix's own translations.
[ -e /usr/local/share/Quellaro/translations/Quellaro_ru.qm ] && wanted=/usr/local/share/Quellaro/translations/Quellaro_ru.qm
LANG=ru_RU.UTF-8 LC_ALL= LANGUAGE= QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" \
    QT_LOGGING_RULES="quellaro.startup.debug=true" "$work/prefix/bin/Quellaro" >"$work/startup.log" 2>&1 &
program=$!
for _ in $(seq 60); do
    grep -q "translation" "$work/startup.log" && break
    sleep 0.5
done
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
grep "translation" "$work/startup.log" || true
grep -qF "translation loaded: $wanted" "$work/startup.log" || fail "the installed program did not load $wanted"

echo "-- cpack -G DEB"
(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack failed"; }
deb="$(ls "$build"/quellaro_*.deb)"
dpkg-deb -f "$deb" Package Version Architecture Depends
dpkg-deb -x "$deb" "$work/root"
for file in usr/bin/Quellaro usr/bin/cm-simulator usr/share/Quellaro/translations/Quellaro_ru.qm \
        usr/share/applications/quellaro.desktop usr/share/icons/hicolor/128x128/apps/quellaro.png \
        usr/share/metainfo/org.orbanek.quellaro.metainfo.xml usr/share/man/man1/Quellaro.1.gz \
        usr/share/man/man1/cm-simulator.1.gz usr/share/doc/quellaro/copyright usr/share/doc/quellaro/changelog.gz; do
    [ -e "$work/root/$file" ] || fail "$file is missing"
done
[ -z "$(find "$work/root" -mindepth 1 -maxdepth 1 ! -name usr)" ] || fail "files outside /usr"
dpkg-deb -f "$deb" Depends | grep -q "libqt${qt}" || fail "its dependencies do not name Qt $qt"

echo "-- desktop-file-validate, appstreamcli"
desktop-file-validate "$work/root/usr/share/applications/quellaro.desktop"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.orbanek.quellaro.metainfo.xml"

echo "-- lintian"
lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || true
cat "$work/lintian.log"
errors="$(grep -c '^E: ' "$work/lintian.log" || true)"
warnings="$(grep '^W: ' "$work/lintian.log" | awk '{print $3}' | sort -u || true)"
unexpected=""
for tag in $warnings; do
    [[ " ${allowed_warnings[*]} " == *" $tag "* ]] || unexpected="$unexpected $tag"
done
[ "$errors" -eq 0 ] || fail "lintian reports $errors errors"
[ -z "$unexpected" ] || fail "lintian warns:$unexpected"
echo "package: $(basename "$deb") (Qt $qt), every check passed"
