#!/usr/bin/env bash
# Runs one scenario script on a fresh program folder: the built texts, level map and clips, and
# option and progress files with their first values (whatever the player has set in the
# built folder).
# usage: run_scenario.sh TOOL GAME_DIR SCRIPT
set -euo pipefail
tool="$1"; game="$2"; script="$3"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$tool" options init "$tmp"
cp -r "$game/localizations" "$tmp/"
[ -d "$game/level15" ] && cp -r "$game/level15" "$tmp/"
# The animation clips are only read (the turn animations take their length from them).
[ -d "$game/anim" ] && ln -s "$game/anim" "$tmp/anim"
mkdir -p "$tmp/Save Game"
cd "$tmp"
# A script may ask for runner options on a line "#@ run-options: --sound-devices 1".
opts=$(sed -n 's/^#@ run-options: //p' "$script" | head -n 1)
# A script that starts programs for real fights its battles with the built battle program.
case " $opts " in *" --spawn "*) cp "$game/battledata.rz" "$tmp/" ;; esac
# shellcheck disable=SC2086
"$tool" run --game-dir "$tmp" $opts "$script"
