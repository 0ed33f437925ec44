// The county's commands as plain rules, shared by its screens, the campaign screen's
// bindings and the tests. Every command checks its preconditions and leaves the state
// untouched when it refuses; the screens show the refusal text.
#pragma once

#include <cstdint>
#include <string>

#include "county/county.h"

namespace fief {

struct Game;
struct GameState;

// ---- fields and cutters
int cropFieldPeople(const Game& g);     // people per crop field
int pasturePeople(const Game& g);       // people per pasture
bool fieldKindOffered(int season, int kind);    // the kind buttons shown in a season
// Whether the selected field may become a kind now: not a ruined field, and only a
// kind the season offers.
bool fieldKindChoosable(const Game& g, int kind);
// A kind button of the campaign screen: returns false (and changes nothing) when the
// kind cannot be chosen now or too few people are idle for it.
bool ChooseFieldKind(Game& g, int kind);
// Picture name of a field of a kind in a season.
std::string fieldPicture(int kind, int season);
uint8_t* cutterSlots(GameState& s, Cutter c);
int16_t& cutterCount(GameState& s, Cutter c);
int16_t& cutterPeople(GameState& s, Cutter c);
int slotPeople(const Game& g, Cutter c);
int slotYield(const Game& g, Cutter c);

// ---- construction
enum class OrderResult { Ordered, AlreadyUnderWay, NothingChosen, TooExpensive };
OrderResult OrderBuilding(Game& g, int kind);
bool CancelBuilding(Game& g);      // false when nothing is under way
bool buildingBuilt(const GameState& s, int kind);
std::string buildingName(const Game& g, int kind);
// The castle picture of the map for the highest stage built.
std::string castlePicture(const GameState& s);

// ---- blacksmith
extern const char* const kItemWords[12];  // "", "bow", .. "shield"
int16_t& itemStock(GameState& s, int item);
std::string itemName(const Game& g, int item);
std::string itemUsers(const Game& g, int item);   // names of the unit types using it
enum class SmithResult { Ordered, NothingChosen, TooExpensive };
SmithResult PlaceSmithOrder(Game& g);   // orders BlacksmithSelection
void CancelSmithOrder(Game& g);

// ---- taxes, religion, science, tournament
void TaxUp(Game& g);
void TaxDown(Game& g);
long expectedTaxGold(const GameState& s);
long taxHappinessLoss(const GameState& s);
bool PayTithe(Game& g);       // false: not enough gold
void RefuseTithe(Game& g);
void AgreeStake(Game& g);
void RefuseStake(Game& g);
struct ResearchCost { long gold, ore; };
ResearchCost researchCost(const GameState& s, long level);
enum class ResearchResult { Started, AlreadyRunning, TooExpensive };
ResearchResult StartResearch(Game& g);   // at ResearchLevelShown
bool CancelResearch(Game& g);            // false when no research runs
constexpr int kTournamentCost = 3500;
constexpr int kMaxStake = 32700;         // the stake is kept in a 16-bit field
int RaiseStake(const GameState& s, int stake);
int LowerStake(int stake);
bool HoldTournament(Game& g, int stake);  // false: not enough gold
void DeclineTournament(Game& g);

// Redraws the county's views on the campaign screen (fields, counters, building,
// blacksmith order, castle picture) when that screen exists.
void RefreshCountyViews(Game& g);
// The religion screen opened by the L key: shows the tithe last demanded, no decision.
void OpenReligionView(Game& g);

}  // namespace fief
