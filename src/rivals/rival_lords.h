// The rival lords' turn inside the game: their messages go to the message log, their
// notices and sounds to the player, and the battles they start and a defeat they bring
// to the screens through the hand-over below. Also the sieges and the battlefield as the
// event dialogs' consequences.
#pragma once

#include <functional>

#include "rivals/rival_turn.h"

namespace fief {

struct Rules;

// What the screens do for the rivals: fight a battle (its outcome comes back through
// FinishRivalBattle), show the lost game and show a siege just laid (the siege screen with
// its turns to the storm). Without screens nothing is fought.
struct RivalHandOver {
  std::function<void(Rules&, const RivalBattle&)> battle;
  std::function<void(Rules&)> defeat;
  std::function<void(Rules&, int site)> siegeLaid;
};
void setRivalHandOver(RivalHandOver h);
// Replaces the battle hand-over for a while (tests); nullptr gives the screens' back.
void setRivalBattleStarter(std::function<void(Rules&, const RivalBattle&)> f);

// Applies a rival battle's outcome when its results are confirmed.
void FinishRivalBattle(Rules& r, const RivalBattle& b, bool playerWon, const ArmyComp& enemyLeft);

// Sieges: laying siege with the camp on a site (event kinds 12 and 13), storming (kinds
// 14 and 15 accepted) and lifting (kinds 14 and 15 refused, or the siege screen).
void LaySiege(Rules& r, int site);
void StormCastle(Rules& r, int site);
void LiftSiegeOnMap(Rules& r, int site);
// The battlefield: whether the selected camp can meet rival armies on their way there
// (the campaign screen then asks with text 117 of table 1 and its `Okanibtn2`), and the
// meeting itself: the camp fights each of those armies in turn.
bool BattlefieldOffered(const GameState& s);
void MeetAtBattlefield(Rules& r);

}  // namespace fief
