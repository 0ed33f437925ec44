#!/usr/bin/env bash
# Installs what the project needs on a fresh Debian machine: the Debian packages of
# scripts/debian-packages.txt that are missing, and the npm packages of the asset tools.
set -euo pipefail
cd "$(dirname "$0")/.."
SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi
mapfile -t wanted < <(grep -v '^\s*#' scripts/debian-packages.txt | sed '/^\s*$/d')
missing=()
for p in "${wanted[@]}"; do
  # Node.js may come from another distribution of it that bundles npm: the commands count.
  if [ "$p" = nodejs ] && command -v node >/dev/null; then continue; fi
  if [ "$p" = npm ] && command -v npm >/dev/null; then continue; fi
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
# npm packages of the asset generator (icons), installed from the lock file when present
if [ -f tools/art/package.json ]; then
  if [ ! -d tools/art/node_modules ] || [ tools/art/package.json -nt tools/art/node_modules ]; then
    (cd tools/art && if [ -f package-lock.json ]; then npm ci --no-audit --no-fund --silent; else npm install --no-audit --no-fund --silent; fi)
  fi
fi
