#!/usr/bin/env bash
# Builds the Debian package of the game, build/package/fiefdom_VERSION_ARCH.deb: installs
# what is missing, builds everything, then packs the install tree with CPack (its
# dependencies are the shared libraries the programs use). With --install the package is
# then installed with apt-get (`sudo apt-get remove fiefdom` removes it again).
set -euo pipefail
cd "$(dirname "$0")/.."
install=0
case "${1:-}" in
  --install) install=1 ;;
  "") ;;
  *) echo "usage: scripts/package.sh [--install]" >&2; exit 2 ;;
esac
BUILD_DIR="${BUILD_DIR:-build}"
scripts/setup.sh
BUILD_DIR="$BUILD_DIR" scripts/build.sh
rm -rf "$BUILD_DIR/package"
(cd "$BUILD_DIR" && cpack --config CPackConfig.cmake > package.log) || { cat "$BUILD_DIR/package.log" >&2; exit 1; }
deb=$(ls "$BUILD_DIR"/package/*.deb)
echo "package: $deb"
if [ $install = 1 ]; then
  SUDO=""
  if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi
  case "$deb" in /*) ;; *) deb="./$deb" ;; esac
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "$deb"
fi
