// The county's rules that the end of turn and the screens share: the fields object,
// the cutter slots, construction and the blacksmith's standing order.
#pragma once

#include <cstdint>

namespace fief {

struct Game;

// The fields object: acts on the field SelectedField.
namespace ClsFields {
void SetField(Game& g, uint8_t kind);             // FieldKind[SelectedField] = kind (0..4), field picture
void SetWorkers(Game& g, uint8_t kind);           // move people for the change of kind (call before SetField)
void ShowSmallFieldsBtns(Game& g, bool show);     // the four kind buttons beside the selected field
void CalcFood(Game& g);                           // yields and the season's harvest
}  // namespace ClsFields

enum Cutter { WoodCutter = 0, StoneCutter = 1, OreCutter = 2 };
// The worker screens' own actions on slot 1..5 of a cutter: bind people to an empty
// slot (when enough are idle) or release a working one. Return whether anything changed.
bool BindCutterSlot(Game& g, Cutter c, int slot);
bool ReleaseCutterSlot(Game& g, Cutter c, int slot);

// End-of-turn steps of the county.
void AdvanceVillagesAndWindmills(Game& g);  // villages and windmills bought on the map
void AdvanceConstruction(Game& g);          // the building under way
void CompleteForging(Game& g);              // the blacksmith's standing order

// Screens the end of turn opens.
void OpenReligion(Game& g, bool stakeMode);  // tithe mode (every 6th turn) or stake mode (8th)
void OpenTournament(Game& g);                // every 11th turn

}  // namespace fief
