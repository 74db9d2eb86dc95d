#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command inside a throw-away desktop session, as a pupil's desktop
# would hold the program:
#
#   tools/desktop-session.sh openbox -- CMD...  Xvfb with openbox (X11)
#   tools/desktop-session.sh xfwm4 -- CMD...    Xvfb with xfwm4, Xfce's window manager
#   tools/desktop-session.sh weston -- CMD...   a Wayland session: weston with
#                                               XWayland; WAYLAND_DISPLAY and DISPLAY set
#
# weston runs as a window on a private Xvfb, which gives it a keyboard and a
# pointer; KOLOMAF_INPUT_DISPLAY names that Xvfb, where real input for the
# session goes in. On X11 it is DISPLAY itself. Exits with CMD's status.
set -u
kind="${1:-}"
shift || true
[ "${1:-}" = "--" ] && shift
[ $# -gt 0 ] || { sed -n '3,14s/^# \{0,1\}//p' "$0"; exit 2; }

case "$kind" in
  openbox | xfwm4 | weston) ;;
  *) echo "desktop-session: unknown session '$kind' (openbox, xfwm4, weston)" >&2; exit 2 ;;
esac

run_dir=$(mktemp -d)
chmod 700 "$run_dir"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$run_dir"
}
trap cleanup EXIT
unset QT_QPA_PLATFORM WAYLAND_DISPLAY XDG_SESSION_TYPE
export XDG_RUNTIME_DIR="$run_dir"

start_xvfb() { # SIZE: starts an Xvfb and prints its display number
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$run_dir/display" >"$run_dir/xvfb.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do [ -s "$run_dir/display" ] && break; sleep 0.05; done
  [ -s "$run_dir/display" ] || { echo "desktop-session: Xvfb did not start" >&2; exit 2; }
}

case "$kind" in
  openbox | xfwm4)
    start_xvfb 1280x1024x24
    export DISPLAY=":$(cat "$run_dir/display")" KOLOMAF_INPUT_DISPLAY=":$(cat "$run_dir/display")"
    if [ "$kind" = openbox ]; then
      openbox >"$run_dir/wm.log" 2>&1 &
    else
      xfwm4 --compositor=off >"$run_dir/wm.log" 2>&1 &
    fi
    pids+=($!)
    # The manager is ready once it names itself on the root window. One
    # that never does would leave the command on a bare X server.
    managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
    for _ in $(seq 200); do
      managed && break
      sleep 0.05
    done
    if ! managed; then
      echo "desktop-session: $kind did not take the display (xfwm4 needs a D-Bus session: dbus-run-session)" >&2
      tail -n 3 "$run_dir/wm.log" >&2
      exit 2
    fi
    ;;
  weston)
    # Larger than weston's window, so the pointer can leave and enter it.
    start_xvfb 1400x1100x24
    outer=":$(cat "$run_dir/display")"
    DISPLAY=$outer weston --backend=x11-backend.so --xwayland --socket=kolomaf-wl --width=1280 --height=1024 \
      >"$run_dir/weston.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 200); do grep -q "xserver listening on display" "$run_dir/weston.log" 2>/dev/null && break; sleep 0.05; done
    n=$(sed -n 's/.*xserver listening on display :\([0-9]*\).*/\1/p' "$run_dir/weston.log" | tail -n 1)
    [ -n "$n" ] || { echo "desktop-session: weston gave no XWayland display" >&2; tail -n 5 "$run_dir/weston.log" >&2; exit 2; }
    export WAYLAND_DISPLAY=kolomaf-wl XDG_SESSION_TYPE=wayland DISPLAY=":$n" KOLOMAF_INPUT_DISPLAY=$outer
    ;;
esac
"$@"
