// Diplomacy: the missions to the ten neighbouring counties and the two rival lords, the
// declaration of war, and the choice of the two standing trade deals that the end of
// turn carries out. Plain rules over the game state; the diplomacy screen shows their
// refusals and notices.
#pragma once

#include <cstdint>
#include <vector>

#include "campaign/text_id.h"

namespace fief {

struct Rules;
struct GameState;

// The missions, in the order of their buttons.
enum class DiploMission { Ambassador, Envoy, Spy, Gift };
constexpr int kDiploMissions = 4;

struct DiploMissionInfo {
  int price;  // gold
  TextId name;
  TextId help;
};
const DiploMissionInfo& diploMission(DiploMission m);

// The list the missions go to (DiploView).
enum class DiploView : uint8_t { Rivals = 1, Counties = 2 };

enum class MissionOutcome {
  Done,           // paid and taken effect
  NotEnoughGold,  // text 17 of table 4; nothing changes
  Refused,        // text 24 of table 4; nothing changes
  NoEffect,       // the mission means nothing to this lord: nothing happens, nothing is paid
  OutOfGame,      // the rival lord is out of the game (text 129 of table 4); nothing changes
};

// Sends a mission to county 1..10 or rival lord 1..2. A lack of gold is checked before
// the lord's answer; nothing is paid unless the mission takes effect.
MissionOutcome SendMission(GameState& s, DiploMission m, DiploView view, int target);

// Relation values.
constexpr uint8_t kWonOver = 100;     // a county won over by an envoy
constexpr uint8_t kSpyPlaced = 100;   // a spy at a rival's court
constexpr uint8_t kMostGifts = 99;    // gifts raise a county's relation up to here

// War. Declaring asks first: the war state is 1 while the question is open, then
// ConfirmWar makes it 5 (the countdown to the rival's raid) or WithdrawWar puts it back.
enum class WarOutcome {
  Asked,           // war state 1: ask the player to confirm
  OneWarAtATime,   // text 32 of table 4: a war state is already above 0
  OutOfGame,       // the rival lord is out of the game (text 129 of table 4)
};
WarOutcome DeclareWar(GameState& s, int rival);
// 1 -> 5 and the message of the declaration (list 2); false when the state had moved on.
bool ConfirmWar(Rules& g, int rival);
void WithdrawWar(GameState& s, int rival);
uint8_t& warState(GameState& s, int rival);

// The status words (table 4 entries) of a rival lord on the diplomacy screen.
std::vector<int> rivalStatusEntries(const GameState& s, int rival);
bool rivalActive(const GameState& s, int rival);
uint8_t& rivalRelation(GameState& s, int rival);

// Trade deals: goods 1 wood, 2 stone, 3 ore; percentages 0..100 in steps of 10.
void ChooseSellGood(GameState& s, int row);  // list rows 0, 1, 2
void ChooseBuyGood(GameState& s, int row);
void StepSellPercent(GameState& s, int direction);  // +1 up, -1 down
void StepBuyPercent(GameState& s, int direction);

// What the standing deals move at the next end of turn, by the end of turn's formulas.
struct TradeOffer {
  long long quantity = 0;  // goods leaving (export) or arriving (import)
  long long gold = 0;      // gold earned (export) or paid (import)
};
TradeOffer exportOffer(const GameState& s);
TradeOffer importOffer(const GameState& s);
// Whether the deals run at the end of turn (the leader's diplomacy is high enough).
bool tradeRuns(const GameState& s);

}  // namespace fief
