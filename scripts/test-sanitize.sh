#!/usr/bin/env bash
# The clang + AddressSanitizer + UndefinedBehaviorSanitizer build of the rules and tests
# (build-sanitize/), with the fuzz targets and the soak, and runs its tests. It reuses the
# program folder of the main build (build/game: run scripts/build.sh first) instead of
# generating the pictures and sounds again.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${SANITIZE_BUILD_DIR:-build-sanitize}"
MAIN_BUILD="${BUILD_DIR_MAIN:-build}"
case "$MAIN_BUILD" in /*) ;; *) MAIN_BUILD="$(pwd)/$MAIN_BUILD" ;; esac
PROGRAM_DIR="${PROGRAM_DIR:-$MAIN_BUILD/game}"
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(pwd)}"
if [ ! -d "$PROGRAM_DIR/localizations" ]; then
  echo "test-sanitize: no program folder at $PROGRAM_DIR (run scripts/build.sh first)" >&2
  exit 1
fi
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only" \
    -DFIEFDOM_SANITIZE=ON -DFIEFDOM_PROGRAM_DIR="$PROGRAM_DIR"
fi
# Everything the configuration holds: the rules, the headless game, the tool, every test
# program, the fuzz targets and the soak (no pictures or sounds: those are reused).
cmake --build "$BUILD_DIR" -j "$(nproc)"
cd "$BUILD_DIR"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
ctest --output-on-failure -j "$(nproc)"
