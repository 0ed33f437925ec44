#!/usr/bin/env bash
# Installs the game into a staging prefix, makes the installed tree read-only and plays from
# it headless with a fresh HOME (play.fs: a new game, an end of turn, an option, a save and
# a load, a battle calculated by the installed battle program). The saved games, options and
# battle hand-over appear in the player's data folder; nothing in the installed tree changes,
# and nothing is written in the working folder. XDG_DATA_HOME moves the data folder. Without
# HOME, and with a file where the data folder should be, the game says so and starts from
# the shipped files. The desktop entry and the metainfo are validated.
# usage: install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$1"; src="$2"
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
fail() { echo "install test: $*" >&2; exit 1; }

stage="$tmp/stage"
cmake --install "$build" --prefix "$stage" > "$tmp/install.log"
tree="$stage/lib/fiefdom"
tool="$stage/bin/fiefdom-tool"
id=org.fiefdom_game.Fiefdom

# The installed tree: the programs and the shipped data, no player's files.
for f in fiefdom battledata.rz menudata.rz splash.rz introdata.rz outrodata.rz installed.txt \
         Optim.rz Options.rz Advanced.rz levelinfo.rz camp.rz LGame.rz \
         localizations/captions.loc level15/map.json graphics sounds fonts; do
  [ -e "$tree/$f" ] || fail "$f is not installed"
done
for f in "Save Game" Fight_in.rz Fight_out.rz fight_status.rz; do
  [ ! -e "$tree/$f" ] || fail "$f, a player's file, is installed"
done
[ "$(readlink -f "$stage/bin/fiefdom")" = "$(readlink -f "$tree/menudata.rz")" ] ||
  fail "bin/fiefdom does not start the title menu"
for n in 16 22 24 32 48 64 128 256 512; do
  [ -s "$stage/share/icons/hicolor/${n}x${n}/apps/fiefdom.png" ] || fail "no ${n}x${n} icon"
done
[ -s "$stage/share/man/man6/fiefdom.6" ] && [ -s "$stage/share/man/man1/fiefdom-tool.1" ] || fail "no manual pages"
desktop-file-validate "$stage/share/applications/$id.desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$stage/share/metainfo/$id.metainfo.xml" > "$tmp/appstream.log" ||
  { cat "$tmp/appstream.log" >&2; fail "the metainfo is not valid"; }

chmod -R a-w "$stage"
snapshot() { (cd "$stage" && find . -printf '%p %y %s %m %T@\n' | LC_ALL=C sort); }
before=$(snapshot)
# Every run starts in an empty working folder, which must stay empty.
work="$tmp/work"
mkdir "$work"
run() { (cd "$work" && env -u XDG_DATA_HOME "$@"); }

# Played with a fresh HOME.
home="$tmp/home"
mkdir "$home"
run HOME="$home" "$tool" run --game-dir "$tree" --spawn "$src/tests/install/play.fs" ||
  fail "the game played from the installed tree failed"
data="$home/.local/share/fiefdom"
for f in "Save Game/FirstSave.s15" "Save Game/AutoSave.s15" "Save Game/QuickSave.s15" \
         Optim.rz Options.rz Advanced.rz levelinfo.rz camp.rz LGame.rz \
         Fight_in.rz Fight_out.rz fight_status.rz; do
  [ -f "$data/$f" ] || fail "$f is not in the player's data folder"
done
cmp -s "$data/Optim.rz" "$tree/Optim.rz" || fail "the player's Optim.rz is not a copy of the shipped one"
! cmp -s "$data/Advanced.rz" "$tree/Advanced.rz" || fail "the changed option did not reach the player's Advanced.rz"

# XDG_DATA_HOME names the data folder.
xdg="$tmp/xdg"
mkdir "$xdg"
printf 'start\nclick TipsFrm.CloseLbl\nkey Camp1Frm F6\n' |
  (cd "$work" && XDG_DATA_HOME="$xdg" HOME="$home" "$tool" run --game-dir "$tree") > /dev/null ||
  fail "the game failed with XDG_DATA_HOME"
[ -f "$xdg/fiefdom/Save Game/QuickSave.s15" ] || fail "the quick save is not under XDG_DATA_HOME"

# No HOME: told, played from the shipped files, nothing saved.
run -u HOME "$tool" run --game-dir "$tree" "$src/tests/install/no_folder.fs" ||
  fail "the game without HOME failed"

# A file where the data folder should be.
blocked="$tmp/blocked"
mkdir -p "$blocked/.local/share"
echo "not a folder" > "$blocked/.local/share/fiefdom"
out=$(printf 'start\nboxes\nclick TipsFrm.CloseLbl\nget Difficulty\n' |
        run HOME="$blocked" "$tool" run --game-dir "$tree") || fail "the game with a blocked data folder failed"
grep -q "$blocked/.local/share/fiefdom, cannot be made" <<< "$out" || fail "no message for a blocked data folder: $out"
[ "$(tail -n 1 <<< "$out")" = 1 ] || fail "the shipped difficulty was not read: $out"

after=$(snapshot)
[ "$before" = "$after" ] || { diff <(echo "$before") <(echo "$after") >&2; fail "the installed tree changed"; }
[ -z "$(ls -A "$work")" ] || fail "files were written in the working folder: $(ls -A "$work")"
echo "install test: passed"
