#!/usr/bin/env bash
# Installs what is missing, builds the game and opens the title menu.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
exec "${BUILD_DIR:-build}/game/menudata.rz"
