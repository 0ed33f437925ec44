#!/usr/bin/env bash
# Plays level 15 to its end at each difficulty from the recorded played-win scripts
# (tests/scenarios/played_win_1.fs runs with every test run; the others only here) and
# prints the turn at which all objectives were met. Run after scripts/build.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${BUILD_DIR:-build}"
status=0
for script in tests/scenarios/played_win_1.fs tests/played_wins/played_win_*.fs; do
  [ -f "$script" ] || continue
  d=$(basename "$script" .fs | sed 's/played_win_//')
  if out=$(tests/run_scenario.sh "$PWD/$BUILD_DIR/fiefdom-tool" "$PWD/$BUILD_DIR/game" "$PWD/$script" 2>&1); then
    # The script's one query prints the turn counter as the level is left.
    echo "difficulty $d: won at turn $(echo "$out" | grep -E '^[0-9]+$' | tail -n 1)"
  else
    echo "difficulty $d: FAILED"
    echo "$out" | tail -n 20
    status=1
  fi
done
exit $status
