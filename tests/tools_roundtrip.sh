#!/usr/bin/env bash
# The text tables decompile to their source and compile back to the same bytes; a save
# dumps as JSON.
# usage: tools_roundtrip.sh TOOL GAME_DIR
set -euo pipefail
tool="$1"; game="$2"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for t in campaign missions captions campaign1 levels; do
  "$tool" loc decompile "$game/localizations/$t.loc" "$tmp/$t.txt"
  "$tool" loc compile "$tmp/$t.txt" "$tmp/$t.loc" --table "$t"
  cmp "$game/localizations/$t.loc" "$tmp/$t.loc"
done
# A too-long entry is refused with the line number.
printf '0: ok\n1: %s\n' "$(head -c 2050 /dev/zero | tr '\0' x)" > "$tmp/long.txt"
if "$tool" loc compile "$tmp/long.txt" "$tmp/long.loc" --table campaign 2> "$tmp/err"; then
  echo "an entry of 2050 characters was accepted"; exit 1
fi
grep -q "line 2" "$tmp/err"
# A save dumps as JSON with the game's field names.
mkdir -p "$tmp/g/Save Game"
cp -r "$game/localizations" "$tmp/g/"
for f in Optim.rz Options.rz Advanced.rz levelinfo.rz camp.rz LGame.rz; do cp "$game/$f" "$tmp/g/"; done
printf 'start\n' | "$tool" run --game-dir "$tmp/g" > /dev/null || true
"$tool" save dump "$tmp/g/Save Game/FirstSave.s15" > "$tmp/dump.json"
grep -q '"CurrentLevel": 15' "$tmp/dump.json"
grep -q '"ArmyCampSoldiers": \[' "$tmp/dump.json"
if "$tool" save dump "$tmp/g/Optim.rz" 2> "$tmp/err2"; then echo "a 23-byte file dumped as a save"; exit 1; fi
grep -q "792" "$tmp/err2"
echo "tools round trip: 1 passed, 0 failed"
