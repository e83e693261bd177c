#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quellaro need.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
    build-essential cmake ninja-build \
    qtbase5-dev qttools5-dev qttools5-dev-tools \
    clang-14 libclang-rt-14-dev llvm-14 \
    xvfb xauth dpkg-dev file fonts-dejavu-core \
    >/dev/null
