#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs every test: the suites on the offscreen platform,
# then the checks on real desktops (tools/desktop-test.sh), unless
# KOLOMAF_DESKTOP_TESTS=0.
set -euo pipefail
cd "$(dirname "$0")/.."
desktop=${KOLOMAF_DESKTOP_TESTS:-1}
if [ "$desktop" != 0 ]; then
  export KOLOMAF_EXTRA_PACKAGES="${KOLOMAF_EXTRA_PACKAGES:-} xvfb x11-utils xkb-data openbox xfwm4 weston xwayland
    qt6-wayland dbus-daemon at-spi2-core python3-pyatspi python3-xlib"
fi
tools/setup.sh "$@"
(cd "${BUILD_DIR:-build}" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600)
[ "$desktop" = 0 ] || tools/desktop-test.sh
