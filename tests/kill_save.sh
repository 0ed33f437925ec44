#!/usr/bin/env bash
# Kills the game with SIGKILL at random moments while it quick-saves in a loop, many
# times over. After every kill the save is whole (792 bytes, a record that loads) and
# holds either the last save before the kill or a newer one of the killed run; the
# temporary files of interrupted saves do not pile up (at most one per file, reused).
# usage: kill_save.sh TOOL GAME_DIR [ROUNDS]
set -euo pipefail
tool="$1"; game="$2"; rounds="${3:-30}"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
dir="$tmp/g"
"$tool" options init "$dir"
cp -r "$game/localizations" "$dir/"
[ -d "$game/level15" ] && cp -r "$game/level15" "$dir/"
save="$dir/Save Game/QuickSave.s15"
RANDOM=13  # the same moments every run
previous=-1
kills=0
for round in $(seq 1 "$rounds"); do
  # Round r saves the values r*1000000 + 1, + 2, ... one after another.
  {
    echo start
    echo "click TipsFrm.CloseLbl"
    i=0
    while :; do
      i=$((i + 1))
      echo "set Gold $((round * 1000000 + i))"
      echo "key Camp1Frm F6"
      echo "click MsgFrm.OkAniBtn"
    done
  } 2>/dev/null | "$tool" run --game-dir "$dir" > /dev/null 2>&1 &
  pid=$!
  # Between 50 and 800 ms: some kills land before the first save of the round.
  sleep "0.$(printf '%03d' $((50 + RANDOM % 750)))"
  kill -KILL "$pid" 2>/dev/null && kills=$((kills + 1)) || true
  wait "$pid" 2>/dev/null || true
  if [ ! -e "$save" ]; then
    [ "$previous" = -1 ] && continue
    echo "round $round: the save is gone"; exit 1
  fi
  size=$(stat -c %s "$save")
  if [ "$size" != 792 ]; then echo "round $round: the save is $size bytes long"; exit 1; fi
  gold=$("$tool" save dump "$save" | sed -n 's/^  "Gold": \([0-9]*\),$/\1/p')
  if [ -z "$gold" ]; then echo "round $round: the save does not load"; exit 1; fi
  if [ "$gold" != "$previous" ] && [ $((gold / 1000000)) != "$round" ]; then
    echo "round $round: the save holds $gold, neither the last one ($previous) nor one of this round"; exit 1
  fi
  previous=$gold
  # One temporary name per file written here (FirstSave and QuickSave, each with its
  # chronicle): a kill may leave one of each, never more, however many kills.
  temps=$(find "$dir" -name '*.tmp' | wc -l)
  if [ "$temps" -gt 4 ]; then echo "round $round: $temps temporary files"; find "$dir" -name '*.tmp'; exit 1; fi
done
[ "$previous" != -1 ] || { echo "no round saved anything"; exit 1; }
echo "kill while saving: $kills kills, last save $previous"
echo "1 passed, 0 failed"
