#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The checks on real desktops, after the offscreen suites: one walk through
# the program by real input under openbox, under xfwm4 and in a weston
# session with XWayland (tests/desktop/walk.py), and every screen read
# through the accessibility bus as a screen reader reads it
# (tests/desktop/read.py). Expects the build in $BUILD_DIR (default build/).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
python=/usr/bin/python3 # pyatspi and python-xlib are the system Python's

failed=()
run() { # NAME CMD...: runs one check under its own D-Bus session
  local name=$1
  shift
  echo "desktop-test: $name"
  # The session's own daemons chatter; what is left is the check's.
  local status
  set +e
  dbus-run-session -- "$@" 2>&1 | grep --line-buffered -v -e 'dbus-daemon' -e 'SpiRegistry' -e 'xfconfd' -e '^$'
  status=${PIPESTATUS[0]}
  set -e
  ((status == 0)) || failed+=("$name")
}

for session in openbox xfwm4 weston; do
  run "walk on $session" tools/desktop-session.sh "$session" -- "$python" tests/desktop/walk.py "$build/kolomaf"
done
run "screen reader" tools/desktop-session.sh openbox -- "$python" tests/desktop/read.py "$build/kolomaf-tour"

if ((${#failed[@]})); then
  echo "desktop-test: failed: ${failed[*]}" >&2
  exit 1
fi
echo "desktop-test: all passed"
