// The rival lords' turn inside the running game: their messages go to the message log,
// their notices to the message box, a defeat to the mission screen, and their battles to
// the battle module.
#pragma once

#include <functional>

#include "rivals/rival_turn.h"

namespace fief {

struct Game;

// The battle module's hand-over for the rivals' battles (installed by the battle module;
// without one the battle is not fought and the rival's army stays as it is).
void setRivalBattleStarter(std::function<void(Game&, const RivalBattle&)> f);
// Applies a rival battle's outcome when its results are confirmed.
void FinishRivalBattle(Game& g, const RivalBattle& b, bool playerWon, const ArmyComp& enemyLeft);

// Sieges on the campaign map: laying siege with the camp on a site (the event dialog's
// kinds 12 and 13), storming (kinds 14 and 15, accepted) and lifting (kinds 14 and 15
// refused, or the siege screen).
void LaySiege(Game& g, int site);
void StormCastle(Game& g, int site);
void LiftSiegeOnMap(Game& g, int site);
// Opens the siege screen for site 1 or 2.
void OpenSiegeScreen(Game& g, int site);

}  // namespace fief
