#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One long random-pupil run under valgrind's memcheck: any invalid read or
# write, or a definite leak, fails it. Arguments: seed and number of events.
set -euo pipefail
cd "$(dirname "$0")/.."
KOLOMAF_EXTRA_PACKAGES="valgrind" tools/setup.sh >/dev/null
seed=${1:-17}
events=${2:-4000}
QT_QPA_PLATFORM=offscreen KOLOMAF_PUPIL_SEEDS=$seed KOLOMAF_PUPIL_EVENTS=$events \
  QT_ENABLE_REGEXP_JIT=0 valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
  --error-exitcode=3 --num-callers=30 "${BUILD_DIR:-build}/tst_randompupil"
