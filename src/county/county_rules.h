// The county's commands as plain rules, shared by its screens, the campaign screen's
// bindings and the tests. Every command checks its preconditions and leaves the state
// untouched when it refuses; the screens show the refusal text.
#pragma once

#include <cstdint>
#include <string>

#include "campaign/stat_changes.h"
#include "county/county.h"

namespace fief {

struct Rules;
struct GameState;

// ---- fields and cutters
int cropFieldPeople(const Rules& g);     // people per crop field
int pasturePeople(const Rules& g);       // people per pasture
bool fieldKindOffered(int season, int kind);    // the kind buttons shown in a season
// Whether the selected field may become a kind now: not a ruined field, and only a
// kind the season offers.
bool fieldKindChoosable(const Rules& g, int kind);
// The selected field's index 0..9, -1 when none is selected.
int selectedFieldIndex(const Rules& g);
// The fields by kind, as the campaign screen counts them: crop fields and pastures by
// the people bound to them, empty ones are the rest.
struct FieldCounts { long empty = 0, crops = 0, pastures = 0, tax = 0; };
FieldCounts fieldCounts(const Rules& g);
// A kind button of the campaign screen: returns false (and changes nothing) when the
// kind cannot be chosen now or too few people are idle for it.
bool ChooseFieldKind(Rules& g, int kind);
uint8_t* cutterSlots(GameState& s, Cutter c);
int16_t& cutterCount(GameState& s, Cutter c);
int16_t& cutterPeople(GameState& s, Cutter c);
int slotPeople(const Rules& g, Cutter c);
int slotYield(const Rules& g, Cutter c);
// Ends of turn until the harvest of a season (1 crops, 2 meat) comes in, from the season
// now: 1 when the coming end of turn brings it (it opens that season), up to 4.
int turnsToHarvest(int season, int harvestSeason);
// Whether the coming end of turn feeds the people meat and crops: the ration chosen, and
// a store that is not empty once the turn's harvest (and research done) is in.
struct FoodOutlook { bool meat = false, crops = false; };
FoodOutlook foodOutlook(const Rules& g);

// ---- construction
enum class OrderResult { Ordered, AlreadyUnderWay, NothingChosen, TooExpensive };
OrderResult OrderBuilding(Rules& g, int kind);
// What the county lacks to pay for the building: gold, wood and stone, each that falls
// short with the amount missing (empty when it can be paid).
StatChanges buildingShortfall(const Rules& g, int kind);
bool CancelBuilding(Rules& g);      // false when nothing is under way
bool buildingBuilt(const GameState& s, int kind);
std::string buildingName(const Rules& g, int kind);

// ---- blacksmith
extern const char* const kItemWords[12];  // "", "bow", .. "shield"
int16_t& itemStock(GameState& s, int item);
std::string itemName(const Rules& g, int item);
std::string itemUsers(const Rules& g, int item);   // names of the unit types using it
enum class SmithResult { Ordered, NothingChosen, TooExpensive };
SmithResult PlaceSmithOrder(Rules& g);   // orders BlacksmithSelection
void CancelSmithOrder(Rules& g);

// ---- taxes, religion, science, tournament
void TaxUp(Rules& g);
void TaxDown(Rules& g);
long expectedTaxGold(const GameState& s);
long taxHappinessLoss(const GameState& s);
bool PayTithe(Rules& g);       // false: not enough gold
void RefuseTithe(Rules& g);
void AgreeStake(Rules& g);
void RefuseStake(Rules& g);
struct ResearchCost { long gold, ore; };
ResearchCost researchCost(const GameState& s, long level);
enum class ResearchResult { Started, AlreadyRunning, TooExpensive };
ResearchResult StartResearch(Rules& g);   // at ResearchLevelShown
bool CancelResearch(Rules& g);            // false when no research runs
constexpr int kTournamentCost = 3500;
constexpr int kMaxStake = 32700;         // the stake is kept in a 16-bit field
int RaiseStake(const GameState& s, int stake);
int LowerStake(int stake);
bool HoldTournament(Rules& g, int stake);  // false: not enough gold
void DeclineTournament(Rules& g);


}  // namespace fief
