#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the pupil sees of kolomaf's speed and size, next to a minimal Qt
# Widgets program, under Xvfb:
#  - the start until the welcome screen is filled (its pictures and texts on
#    the display), against the minimal window's first paint; with the
#    default build of tools/run.sh and with a Release build;
#  - peak memory after every screen was opened once;
#  - peak memory of a long random-pupil session, after 20,000 and after
#    150,000 events;
#  - CPU while the program waits on a column screen.
# Usage: bench/run.sh [RUNS]   (RUNS starts of each program and build, 21 unless given)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
export KOLOMAF_EXTRA_PACKAGES="xvfb xauth libx11-dev libxext-dev libxdamage-dev pkg-config"
tools/setup.sh >/dev/null
BUILD_DIR=build-release tools/setup.sh -DCMAKE_BUILD_TYPE=Release >/dev/null

work=build/bench
mkdir -p "$work"
cc -O2 -o "$work/waitfill" bench/waitfill.c -lX11 -lXext -lXdamage
g++ -O2 -std=c++20 -fPIC -o "$work/minimal" bench/minimal.cpp $(pkg-config --cflags --libs Qt6Widgets)

# A desktop's X server runs on from one program start to the next, while
# Xvfb starts afresh each time its last client leaves unless told
# -noreset. -br paints the root black where a window went, so that no
# picture of the run before stays on the display for the watcher to take
# as filled.
display=:$((80 + RANDOM % 9))
Xvfb "$display" -noreset -br -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

# Median, lowest and highest of a column of numbers.
stats() { sort -n | awk '{a[NR]=$1} END {m = (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2; print m, a[1], a[NR]}'; }

# The welcome screen is 744 x 448 pixels and filled when 690 per mille of
# it are not its background (713 once all is drawn); the minimal window,
# 300 x 100, shows its one word at 3. The X server shows the welcome
# screen's picture from the build as the window maps; the screen's own
# paint, which lays the same pixels over it, is timed too.
starts() { # BUILD: kolomaf and the minimal program in turn, RUNS times
  rm -f "$work"/*.ms
  for _ in $(seq "$runs"); do
    "$work/waitfill" 300 100 2 "$work/minimal" >>"$work/minimal.ms"
    "$work/waitfill" -o 744 448 690 "$1/kolomaf" >>"$work/kolomaf.ms"
  done
  echo "$(cut -d' ' -f1 "$work/kolomaf.ms" | stats) $(stats <"$work/minimal.ms")" \
    "$(cut -d' ' -f2 "$work/kolomaf.ms" | grep -v -- - | stats)"
}
read -r def_k def_kl def_kh def_m def_ml def_mh def_o def_ol def_oh <<<"$(starts build)"
read -r rel_k rel_kl rel_kh rel_m rel_ml rel_mh rel_o rel_ol rel_oh <<<"$(starts build-release)"
rm -f "$work"/*.ms

# Resident memory moves by a few hundred KiB from run to run: take medians.
for _ in 1 2 3 4 5; do
  "$work/minimal" --memory | awk '/peak_kib/ {print $2}' >>"$work/minimal.kib"
  build-release/kolomaf-tour --memory | awk '/peak_kib/ {print $2}' >>"$work/kolomaf.kib"
done
read -r min_kib _ <<<"$(stats <"$work/minimal.kib")"
read -r kol_kib _ <<<"$(stats <"$work/kolomaf.kib")"
rm -f "$work"/*.kib

# A long session: the random pupil of the test suite, its peak memory after
# 20,000 and after 150,000 events, per seed.
session=""
for seed in ${SESSION_SEEDS:-11 23 37}; do
  figures=$(QT_QPA_PLATFORM=offscreen KOLOMAF_PUPIL_SEEDS=$seed KOLOMAF_PUPIL_EVENTS=150000 KOLOMAF_PUPIL_MEMORY=10000 \
    build/tst_randompupil 2>&1 | awk '/memory after (20000|150000) events/ {print $(NF-1)}' | tr '\n' ' ')
  session+="$seed $figures"$'\n'
done

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
build-release/kolomaf-tour Kolomaf1000zb:prima >/dev/null 2>&1 &
kol_idle=$(idle_percent $!)
"$work/minimal" >/dev/null 2>&1 &
min_idle=$(idle_percent $!)

printf '%s' "$session" | awk -v runs="$runs" \
  -v dk="$def_k" -v dkl="$def_kl" -v dkh="$def_kh" -v dm="$def_m" -v dml="$def_ml" -v dmh="$def_mh" \
  -v rk="$rel_k" -v rkl="$rel_kl" -v rkh="$rel_kh" -v rm="$rel_m" -v rml="$rel_ml" -v rmh="$rel_mh" \
  -v dp="$def_o" -v dpl="$def_ol" -v dph="$def_oh" -v rp="$rel_o" -v rpl="$rel_ol" -v rph="$rel_oh" \
  -v c="$min_kib" -v d="$kol_kib" -v ki="$kol_idle" -v mi="$min_idle" -v s="$idle_seconds" '
  { seeds[NR] = $1; at20[NR] = $2; at150[NR] = $3 }
  END {
    ok = 1
    printf "start until the welcome screen is filled, median (lowest-highest) of %d runs:\n", runs
    printf "  default build: kolomaf %.1f ms (%.1f-%.1f), minimal Qt program %.1f ms (%.1f-%.1f), ratio %.2f (target 1.15)\n", dk, dkl, dkh, dm, dml, dmh, dk / dm
    printf "  Release build: kolomaf %.1f ms (%.1f-%.1f), minimal Qt program %.1f ms (%.1f-%.1f), ratio %.2f (target 1.15)\n", rk, rkl, rkh, rm, rml, rmh, rk / rm
    printf "  the welcome screen itself, painting over the picture from the build: default build %.1f ms (%.1f-%.1f), Release %.1f ms (%.1f-%.1f)\n", dp, dpl, dph, rp, rpl, rph
    ok = ok && dk / dm <= 1.15 && rk / rm <= 1.15
    printf "peak memory after every screen was opened: kolomaf %.1f MiB, minimal Qt program %.1f MiB, ratio %.3f (target 1.3)\n", d / 1024, c / 1024, d / c
    ok = ok && d / c <= 1.3
    printf "peak memory of a random-pupil session, after 20,000 and 150,000 events (target: within 1 MiB):\n"
    for (i = 1; i <= NR; ++i) {
      printf "  seed %s: %.1f MiB, %.1f MiB, %+.2f MiB\n", seeds[i], at20[i] / 1024, at150[i] / 1024, (at150[i] - at20[i]) / 1024
      ok = ok && at150[i] - at20[i] <= 1024
    }
    printf "CPU over %d s idle on a column screen: kolomaf %.3f %%, minimal Qt program %.3f %% (target below 0.2 %%)\n", s, ki, mi
    ok = ok && ki < 0.2
    exit ok ? 0 : 1
  }'
