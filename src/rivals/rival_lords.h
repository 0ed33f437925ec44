// The rival lords' turn inside the game: their messages go to the message log, their
// notices, sounds, the battles they start and a defeat they bring to the player
// (Rules::player()). Also the sieges and the battlefield as the event dialogs'
// consequences.
#pragma once

#include "rivals/rival_turn.h"

namespace fief {

struct Rules;

// The rival lords' part of the end of turn (both rivals, then their attacks).
void RivalLordsTurn(Rules& r);

// Puts a rival's battle to the player; its answers are the two below.
void AskRivalBattle(Rules& r, const RivalBattle& b);
// Applies a rival battle's outcome when its results are confirmed.
void FinishRivalBattle(Rules& r, const RivalBattle& b, bool playerWon, const ArmyComp& enemyLeft);
// What a rival battle that is not fought leaves: the raiders plunder unopposed, a host at
// the gate attacks again at the next end of turn, a storm or a meeting does not happen.
void RivalBattleNotFought(Rules& r, const RivalBattle& b);

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
