// A battle handed to the battle program: the files are written, the program started and
// its status file polled on BattleTimer; the results screen shows and applies the
// outcome, then the caller's consequences run.
#pragma once

#include <functional>

#include "military/battle_handover.h"

namespace fief {

struct Game;

// What the caller does once the results screen is confirmed (won: the player won).
using BattleConsequence = std::function<void(Game&, bool won)>;
// What the caller does when a battle handed over ends without a result the campaign can
// take (the program cannot be started, ends or is given up without one, its results cannot
// be read or do not fit the army sent): the battle was not fought.
using BattleFallback = std::function<void(Game&)>;

// Prepares and launches a battle; false (with a message to the player, nothing changed)
// when the hand-over files cannot be written. Results left by an earlier battle are
// removed first, and the hand-over carries a new battle id that the results must echo.
bool StartBattle(Game& g, const BattleRequest& r, BattleConsequence after = {}, BattleFallback failed = {});
// Runs the battle program and starts polling.
void LaunchBattleProgram(Game& g);
// One tick of BattleTimer.
void BattleTimerTick(Game& g);
// Whether a battle is handed over and not yet finished.
bool battleRunning(Game& g);
// A game is loaded: a battle handed over for the game left is dropped without a word or a
// consequence (its results, should they still come, are another battle's and ignored).
void DropBattle(Game& g);
// The results of the last battle whose results were taken (what its consequence reads, e.g.
// the enemy's survivors): read once when they arrived, never again from the file, which a
// later writer may have replaced.
const FightOut& takenResults(Game& g);
// The id of the running battle's hand-over (0 when none runs).
uint32_t runningBattleId(Game& g);

// The battles of the map's sites held by hostile forces (BattleSite 1..3 the fields,
// 4 the rebels at the village, 13 the ruins, 14 the first village seized by another
// lord, 15 the outlaws in the burnt second village, 16 the same band at its burnt mill),
// fought by a camp. False when the site holds no enemy (nothing asked, nothing changed).
bool StartSiteBattle(Game& g, int site, int camp);
// The force that holds a site and what a win there clears: military/battle_handover.h.

// How long the campaign waits for a battle program that still runs without finishing.
constexpr int kBattleTimeoutMs = 30 * 60 * 1000;

}  // namespace fief
