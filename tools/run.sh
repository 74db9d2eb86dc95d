#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and starts kolomaf.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "kolomaf needs a graphical display: run this from a desktop session (DISPLAY is not set)." >&2
  exit 1
fi
tools/setup.sh
exec build/kolomaf
