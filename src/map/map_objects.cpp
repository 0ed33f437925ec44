#include "map/map_objects.h"

#include <cstring>
#include "text_names.h"

namespace fief {

namespace {

const MapObjectKind kKinds[] = {
    {"DolmenImg1", "dolmen01.wav", 91, 34, 0},
    {"ADolmenImg1", "dolmen01.wav", 92, 35, 1},
    {"CrossImg1", "cross01.wav", 93, 36, 2},
    {"ChapelImg1", "chapel01.wav", 94, 37, 3},
    {"GChapelImg1", "gchapel01.wav", 95, 38, 4},
    {"HutImg1", "hut01.wav", 96, 39, 5},
    {"ObeliskImg1", "obelisk01.wav", 97, 40, 6},
    {"StatueImg1", "statue01.wav", 98, 41, 7},
    {"TavernImg1", "tavern01.wav", 99, 42, 8},
    {"HBattlefieldImg1", "battlefield01.wav", 100, 43, 9},
    {"RuinsImg1", "ruins01.wav", 101, 44, -1},
    {"CaveImg1", "cave01.wav", 102, 45, -1},
    {"ChestImg1", "treasure01.wav", 103, 46, -1},
    {"ChestImg2", "treasure01.wav", 103, 46, -1},
    {"ChestImg3", "treasure01.wav", 103, 46, -1},
    {"GarryImg", "trade01.wav", 104, 47, -1},
    {"SiegeImg", "siege01.wav", 105, 48, -1},
    {"SiegeImg2", "siege01.wav", 105, 48, -1},
    {"SiegeImg3", "siege01.wav", 105, 48, -1},
    {"BattlefieldImg1", "battlefield01.wav", 106, 49, -1},
    {"VillageImg1", "people01.wav", 85, 50, -1},
    {"VillageImg2", "people01.wav", 85, 50, -1},
    {"VillageImg3", "people01.wav", 85, 50, -1},
    {"WindmillImg1", "windmill01.wav", 107, 51, -1},
    {"WindmillImg2", "windmill01.wav", 107, 51, -1},
    {"WindmillImg3", "windmill01.wav", 107, 51, -1},
    {"OutpostImg1", "army01.wav", 108, 52, -1},
    {"AlliesArmyImg1", "siege01.wav", 130, 62, -1},
    {"AlliesArmyImg2", "siege01.wav", 130, 62, -1},
};

}  // namespace

const MapObjectKind* MapObjectOf(const std::string& control) {
  for (const auto& k : kKinds)
    if (control == k.control) return &k;
  return nullptr;
}

int ForceEstimateText(long soldiers) {
  if (soldiers <= 400) return 131;
  if (soldiers <= 800) return 132;
  if (soldiers <= 1200) return 133;
  return 134;
}

std::vector<TextId> MapObjectThirdLine(const GameState& s, const std::string& control) {
  // The ruins' force stands in opponent slot 5, the cave's in slot 4.
  auto lair = [&](Flag quiet, int slot) -> std::vector<TextId> {
    if (isSet(quiet)) return {txt::campaign1::AllIsQuiet};
    return {txt::campaign1::EnemiesLurk, txt::campaign1::entry(ForceEstimateText(s.OpponentArmySlots[slot].total()))};
  };
  if (control == "RuinsImg1") return lair(s.RuinsQuiet, 5);
  if (control == "CaveImg1") return lair(s.CaveQuiet, 4);
  if (control.rfind("AlliesArmyImg", 0) == 0 && MapObjectOf(control)) return {txt::campaign1::StrengthSmallBand};
  return {};
}

int HolderOf(const GameState& s, int blessing) {
  if (blessing < 0 || blessing >= 10) return 0;
  const int h = s.CountyBlessings[blessing];
  return h >= 1 && h <= 3 ? h : 0;
}

}  // namespace fief
