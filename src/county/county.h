// The county's rules that the end of turn and the screens share: the fields object,
// the cutter slots, construction and the blacksmith's standing order.
#pragma once

#include <cstdint>

namespace fief {

struct Rules;
struct GameState;
struct GameTables;

// The fields object: acts on the field SelectedField.
namespace ClsFields {
void SetField(Rules& g, uint8_t kind);             // FieldKind[SelectedField] = kind (0..4)
void SetWorkers(Rules& g, uint8_t kind);           // move people for the change of kind (call before SetField)
void CalcFood(Rules& g);                           // yields and the season's harvest
void CalcFood(GameState& s, const GameTables& tables);
}  // namespace ClsFields

enum Cutter { WoodCutter = 0, StoneCutter = 1, OreCutter = 2 };
// The worker screens' own actions on slot 1..5 of a cutter: bind people to an empty
// slot (when enough are idle) or release a working one. Return whether anything changed.
bool BindCutterSlot(Rules& g, Cutter c, int slot);
bool ReleaseCutterSlot(Rules& g, Cutter c, int slot);

// Whether the gold of the turn comes in (taxes, thieves' loot, tax fields): only while
// the stores hold both crops and meat as the turn begins.
bool goldIncomeFlows(const GameState& s);

// End-of-turn steps of the county.
void AdvanceVillagesAndWindmills(Rules& g);  // villages and windmills bought on the map
void AdvanceConstruction(Rules& g);          // the building under way
void CompleteForging(Rules& g);              // the blacksmith's standing order

// The questions of the end of turn, put to the player (Rules::player()) with their
// answers: the tithe (every 6th turn), the heretic at the stake (8th), the tournament
// (11th).
void AskTithe(Rules& g);
void AskStake(Rules& g);
void AskTournament(Rules& g);

}  // namespace fief
