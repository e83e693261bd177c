#!/usr/bin/env bash
# Installs the Debian packages that building (with Qt 5 and Qt 6), running, testing and
# packaging Quellaro need. When every one of them is installed already it does nothing, so a
# prepared machine needs neither the network nor root.
set -euo pipefail
packages=(
    build-essential cmake ninja-build ccache
    qtbase5-dev qttools5-dev qttools5-dev-tools
    qt6-base-dev qt6-tools-dev qt6-l10n-tools linguist-qt6 libgl-dev
    qttranslations5-l10n qt6-translations-l10n
    clang-14 libclang-rt-14-dev llvm-14 clang-tidy-14 clang-format-14 clazy
    xvfb xauth dpkg-dev file fonts-dejavu-core
    lintian desktop-file-utils appstream
    poppler-utils chromium libreoffice-calc-nogui
)
missing=()
for package in "${packages[@]}"; do
    if [ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)" != "install ok installed" ]; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
