// The special units bought on the special-units screen: a scout sent to one of three
// areas of the map, an assassin sent against a rival lord or his army, and the training
// of the castle guard. Each runs one mission at a time, counted down and resolved by the
// end of turn; here they are started and cancelled.
//
// Where each lives in the game state (200 = idle, 0..199 = turns left):
//   scout:    ObjectMissionCountdown, the area in ObjectMissionTarget (1..3)
//   assassin: GuardScreenValue[1], target rival [2], mission type [3], skill [0]
//   guard:    GuardTrainingCountdown, the level in GuardLevel
#pragma once

#include <cstdint>

namespace fief {

struct GameState;
struct Rules;

// The assassins' values of the special-units screen, kept in GuardScreenValue.
enum GuardScreenSlot { AssassinSkill = 0, AssassinCountdown = 1, AssassinTarget = 2, AssassinMission = 3 };

enum class Service { Scout = 1, Assassin = 2, Guard = 3 };

// Prices in gold. The statue, when the player holds it, lowers the assassin's price to
// Fix(C - C / 3.33333).
constexpr int kScoutPrice = 2600;
constexpr int kAssassinPrice = 4150;
constexpr int kGuardPricePerLevel = 700;
int servicePrice(const GameState& s, Service v);

// The countdown of a service and whether it runs.
uint8_t& serviceCountdown(GameState& s, Service v);
bool serviceRunning(const GameState& s, Service v);

// Scouted areas 1..3 take 1, 2 and 4 turns; on success each wins the player one holding:
// the obelisk, the dolmen and the great chapel (CountyBlessings 6, 0, 4).
int scoutTurns(int area);
int scoutedBlessing(int area);
// Assassin missions: 1 strikes at the rival lord himself, 2 at his army's morale. Each
// target list offers the army missions first and the lord in its fourth row.
int assassinMissionOfRow(int row);

enum class ServiceOutcome {
  Started,
  NotEnoughGold,   // text 17 of table 4
  AlreadyRunning,  // text 29 of table 4 (the guard); the others say nothing
  NothingChosen,   // text 22 of table 4: no area / no target chosen
  OutOfGame,       // text 129 of table 4: the assassin's target is out of the game
};
// The message (table 1, list 2) that tells the player a march called his scout home.
constexpr int kScoutCalledHomeMessage = 127;

ServiceOutcome StartScout(GameState& s, int area);
ServiceOutcome StartAssassin(GameState& s, int rival, int mission);
ServiceOutcome TrainGuard(GameState& s);
// Cancels a running service and refunds its price; false (and nothing changes) when it
// is idle.
bool CancelService(GameState& s, Service v);

// Steps of the end of turn: the scout's mission against the obelisk, dolmen or great
// chapel, and the assassins' skill with the running assassin mission.
void AdvanceObjectMission(Rules& g);
void AdvanceAssassins(Rules& g);

}  // namespace fief
