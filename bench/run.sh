#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start time, peak memory and idle CPU of kolomaf next to a minimal Qt
# Widgets program, under Xvfb. Usage: bench/run.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
KOLOMAF_EXTRA_PACKAGES="xvfb xauth libx11-dev pkg-config" tools/setup.sh -DCMAKE_BUILD_TYPE=Release

work=build/bench
mkdir -p "$work"
cc -O2 -o "$work/waitmap" bench/waitmap.c -lX11
g++ -O2 -std=c++20 -fPIC -o "$work/minimal" bench/minimal.cpp $(pkg-config --cflags --libs Qt6Widgets)

display=:$((80 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

# The welcome screen is 744 x 448 pixels; the minimal window 300 x 100.
for _ in $(seq "$runs"); do
  "$work/waitmap" 300 100 "$work/minimal" >>"$work/minimal.ms"
  "$work/waitmap" 744 448 build/kolomaf >>"$work/kolomaf.ms"
done
min_ms=$(median <"$work/minimal.ms"); kol_ms=$(median <"$work/kolomaf.ms")
rm -f "$work"/*.ms
# Resident memory moves by a few hundred KiB from run to run: take medians.
for _ in 1 2 3 4 5; do
  "$work/minimal" --memory | awk '/peak_kib/ {print $2}' >>"$work/minimal.kib"
  build/kolomaf-tour --memory | awk '/peak_kib/ {print $2}' >>"$work/kolomaf.kib"
done
min_kib=$(median <"$work/minimal.kib"); kol_kib=$(median <"$work/kolomaf.kib")
rm -f "$work"/*.kib

# CPU time over an idle stretch, in percent of one core: the program waits
# on a column screen after a right answer, its eye timers running.
idle_seconds=${IDLE_SECONDS:-30}
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
idle_percent() {
  local pid=$1 before after
  sleep 2
  before=$(cpu_ticks "$pid")
  sleep "$idle_seconds"
  after=$(cpu_ticks "$pid")
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  awk -v t="$((after - before))" -v hz="$(getconf CLK_TCK)" -v s="$idle_seconds" 'BEGIN {printf "%.3f", 100 * t / hz / s}'
}
build/kolomaf-tour Kolomaf1000zb:prima >/dev/null 2>&1 &
kol_idle=$(idle_percent $!)
"$work/minimal" >/dev/null 2>&1 &
min_idle=$(idle_percent $!)

awk -v a="$min_ms" -v b="$kol_ms" -v c="$min_kib" -v d="$kol_kib" -v n="$runs" -v ki="$kol_idle" -v mi="$min_idle" \
  -v s="$idle_seconds" 'BEGIN {
  printf "runs: %d\n", n
  printf "start until the welcome screen is shown (median): kolomaf %.1f ms, minimal Qt program %.1f ms, ratio %.2f (target 1.2)\n", b, a, b / a
  printf "peak memory after every screen was opened: kolomaf %.1f MiB, minimal Qt program %.1f MiB, ratio %.2f (target 1.3)\n", d / 1024, c / 1024, d / c
  printf "CPU over %d s idle on a column screen: kolomaf %.3f %%, minimal Qt program %.3f %% (target below 0.2 %%)\n", s, ki, mi
  exit (b / a <= 1.2 && d / c <= 1.3 && ki < 0.2) ? 0 : 1
}'
