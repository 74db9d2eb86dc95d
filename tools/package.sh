#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds a Release kolomaf into $BUILD_DIR (default build-pkg/) and
# makes the Debian package there; prints its path. Install it with
#   sudo apt-get install ./build-pkg/kolomaf_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build-pkg}
# dpkg-shlibdeps, from dpkg-dev, works out the library dependencies.
KOLOMAF_EXTRA_PACKAGES="dpkg-dev ${KOLOMAF_EXTRA_PACKAGES:-}" BUILD_DIR=$build \
  tools/setup.sh -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr "$@" >/dev/null
cd "$build"
rm -f kolomaf_*.deb
cpack -G DEB >/dev/null
ls "$PWD"/kolomaf_*.deb
