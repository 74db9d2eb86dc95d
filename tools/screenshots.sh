#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders a screenshot of every screen under Xvfb into docs/screenshots/,
# or of the NAME:STATE arguments only.
set -euo pipefail
cd "$(dirname "$0")/.."
KOLOMAF_EXTRA_PACKAGES="xvfb xauth imagemagick" tools/setup.sh >/dev/null
out=docs/screenshots
mkdir -p "$out"

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1

screens=(frmmecenaat1 frmkiesbasis frmbasis Kolomaf1000zb CIFERMBE CIFERMBT CIFERMBH frminfo)
for s in Kolomaf1000zb CIFERMBE CIFERMBT CIFERMBH; do
  screens+=("$s:exercise" "$s:prima" "$s:fout" "$s:reeks")
done
screens+=(frmtestmin "frmtestmin:1" "frmtestmin:4")
screens+=(frmtest2min "frmtest2min:1" "frmtest2min:3" "frmtest2min:4" "frmtest2min:easy")
screens+=(frmtest3min "frmtest3min:4" "frmtest3min:lend" "frmtest3min:easy")
for st in naam copy prima fout reeks; do
  screens+=("frmcijferschrijf:$st")
done
for s in CIFERMBE CIFERMBT CIFERMBH; do
  screens+=("$s:borrow" "frmbrugdraadminMB${s:7:1}:open" "frmbrugdraadminMB${s:7:1}:ten" "frmbrugdraadminMB${s:7:1}:done")
done
# Names on the command line pick a few of them.
(($#)) && screens=("$@")
for s in "${screens[@]}"; do
  log=$(mktemp)
  DISPLAY=$display build/kolomaf-tour "$s" >"$log" 2>/dev/null &
  tour=$!
  for _ in $(seq 100); do
    grep -q '^ready' "$log" && break
    sleep 0.1
  done
  if ! grep -q '^ready' "$log"; then
    echo "screenshots: $s did not come up" >&2
    exit 1
  fi
  read -r _ x y w h < <(grep '^ready' "$log")
  DISPLAY=$display import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out/${s/:/-}.png"
  kill $tour 2>/dev/null || true
  wait $tour 2>/dev/null || true
  rm -f "$log"
  echo "$out/${s/:/-}.png"
done
