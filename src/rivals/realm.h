// The realm overview and the leader sheet: figures computed from the game state for the
// two read-only screens (RealmFrm, LeaderFrm).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "campaign/text_id.h"

namespace fief {

struct GameState;

// A lord's status: Fix((Leadership + Nobility + Diplomacy + Religion) / 4), the sum taken
// as a signed 16-bit value. Shown followed by "%".
long long leaderStatus(int leadership, int nobility, int diplomacy, int religion);
std::string statusText(long long status);  // "25%"

// The leader sheet of lord 1 (the player), 2 or 3 (rival lord 1 or 2). A rival's figures
// are known only while the player has a spy at his court.
struct LeaderSheet {
  bool known = false;
  long long morale = 0;  // Int(Morale)
  int leadership = 0, nobility = 0, diplomacy = 0, religion = 0;
  long long status = 0;
};
LeaderSheet leaderSheet(const GameState& s, int lord);

// One county figure of the realm overview: this turn beside last turn, in the order of the
// county's figures (campaign/county_figures.h), then the tax rate, which has no kept value
// (hasLast false).
struct RealmFigure {
  const char* name;  // the figure's name ("Gold"), "Tax" for the tax rate
  TextId caption;    // its name among the captions
  long long now = 0, last = 0;
  bool hasLast = true;
  bool percent = false;
};
std::vector<RealmFigure> realmFigures(const GameState& s);

// Workplaces: people and working slots of each cutter, and the fields of each kind.
struct Workplaces {
  int woodSlots = 0, woodPeople = 0, stoneSlots = 0, stonePeople = 0, oreSlots = 0, orePeople = 0;
  int plainFields = 0, cattleFields = 0, cropFields = 0, taxFields = 0, ruinedFields = 0;
};
Workplaces workplaces(const GameState& s);

// The objects of CountyBlessings in their order, with their name in table 4.
struct Holding {
  int nameEntry;  // table 4
};
extern const std::array<Holding, 10> kHoldings;
bool heldByPlayer(const GameState& s, int blessing);

}  // namespace fief
