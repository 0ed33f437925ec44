#!/usr/bin/env bash
# Configures and builds everything into build/ (the program folder is build/game/).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${BUILD_DIR:-build}"
# Paths relative to the checkout, so that ccache shares results between checkouts.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(pwd)}"
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$BUILD_DIR" -j "$(nproc)"
