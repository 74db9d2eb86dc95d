#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages kolomaf needs when they are missing, then
# configures and builds into $BUILD_DIR (default build/). Extra arguments go
# to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev libxcb1-dev fonts-liberation2
          ${KOLOMAF_EXTRA_PACKAGES:-})
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

build=${BUILD_DIR:-build}
cmake -S . -B "$build" -Wno-dev "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
