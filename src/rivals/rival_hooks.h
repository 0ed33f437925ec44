// The rival lords' turn inside the running game: their messages go to the message log,
// their notices to the message box, a defeat to the mission screen, and their battles to
// the battle module.
#pragma once

#include <functional>

#include "rivals/rival_turn.h"

namespace fief {

struct Game;

// Replaces the hand-over of the rivals' battles (tests). By default a battle of the
// rivals' turn waits until the end of turn is over and then goes to the battle module
// (StartBattle); its outcome comes back through FinishRivalBattle.
void setRivalBattleStarter(std::function<void(Game&, const RivalBattle&)> f);
// Applies a rival battle's outcome when its results are confirmed.
void FinishRivalBattle(Game& g, const RivalBattle& b, bool playerWon, const ArmyComp& enemyLeft);

// Sieges on the campaign map: laying siege with the camp on a site (the event dialog's
// kinds 12 and 13), storming (kinds 14 and 15, accepted) and lifting (kinds 14 and 15
// refused, or the siege screen).
void LaySiege(Game& g, int site);
void StormCastle(Game& g, int site);
void LiftSiegeOnMap(Game& g, int site);
// The battlefield: asks whether the selected camp meets the rival armies on their way
// (event kind 16, table 1 text 117); accepted, it fights each of them in turn. False when
// no rival army is on its way or no camp is selected.
bool OfferBattlefield(Game& g);
// Opens the siege screen for site 1 or 2.
void OpenSiegeScreen(Game& g, int site);

}  // namespace fief
