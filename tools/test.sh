#!/usr/bin/env bash
# Sets up, builds and runs every test on the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh "$@"
cd "${BUILD_DIR:-build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600
