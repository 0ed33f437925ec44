#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the GCC build (build/)
# and its tests, then the clang + AddressSanitizer + UndefinedBehaviorSanitizer build of
# the rules and tests with the fuzz targets, the soak and the kill test
# (scripts/test-sanitize.sh, build-sanitize/), which reuses the first build's program
# folder. Both run even when the first fails; either failing fails the script.
# SANITIZE=0 skips the second (a quicker local run).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
main_build="${BUILD_DIR:-build}"
status=0
(cd "$main_build" && ctest --output-on-failure -j "$(nproc)") || status=1
if [ "${SANITIZE:-1}" != 0 ]; then
  BUILD_DIR_MAIN="$main_build" scripts/test-sanitize.sh || status=1
fi
exit $status
