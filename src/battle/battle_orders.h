// The battle the player leads: the model with the list of orders he gave, the names
// formations go by in scripts and replays, and the replay file that keeps a battle (its
// hand-over, seed and orders) so it can be fought again exactly. No screen here: the
// battle window and the headless script both give their orders through `giveOrder`.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "battle/battle_model.h"
#include "military/fight_files.h"

namespace fief::battle {

// Gives an order before the battle's next step and, when taken, keeps it in `kept` with
// that step. Returns why it was refused (empty when taken).
std::string giveOrder(Battle& b, std::vector<Order>& kept, Order o);

// "0.Archer": the army's number and the unit type of the formation.
std::string formationName(const Battle& b, int formation);
// The formation of a name (the unit type in any case), or -1.
int findFormation(const Battle& b, const std::string& name);

// A kept battle.
struct Replay {
  std::vector<uint8_t> fightIn;  // the hand-over's bytes
  uint64_t seed = 0;
  std::vector<Order> orders;
};
inline constexpr const char* kReplayFile = "Fight_replay.rz";

// A text file: a header line, the seed, the hand-over in hexadecimal, one line per order
// and an end line with the number of orders (a cut file is noticed).
std::string encodeReplay(const Replay& r);
// Refuses a damaged file with the line and the fault.
bool decodeReplay(const std::string& text, Replay& out, std::string& err);

// Orders named by their words (`attack`, `move`, `hold`, `fallback`, ...).
bool orderKindOf(const std::string& word, OrderKind& out);

}  // namespace fief::battle
