// Fight_out.rz, the battle's outcome as the campaign reads it. The codec: any bytes decode
// or are refused with a message; what decodes encodes to a file that decodes the same. Then
// what the campaign does with results it has read: its checks against the army sent, and,
// when they pass, the code that applies them to the camp and the county. Whatever the file
// holds, the camp keeps between none and all of the soldiers it had, its soldier count is
// the sum of its soldiers, and plunder comes only with a win, within its ranges.
#include "fuzz_support.h"
#include "military/armies.h"
#include "military/battle_handover.h"
#include "military/fight_files.h"

using namespace fief;

namespace {

// A county whose second camp goes into battle: every unit type, more engineers than go.
GameState county() {
  GameState s;
  s.CampExists[1] = kTrue;
  s.CampWaypoint[1] = 5;
  CampComp& c = s.CampComposition[1];
  for (int u = 0; u < kUnitCount; ++u) c.set(u, 10 + 7 * u);
  c.set(Monk, 3);
  c.set(Warlord, 1);
  c.set(Enginer, 30);
  s.ArmyCampSoldiers[1] = static_cast<int16_t>(c.total());
  s.Crops = 1000;
  s.Meat = s.Wood = s.Stone = s.Ore = 50;
  return s;
}

void applied(const FightOut& out, bool reducedSent) {
  const GameState first = county();
  GameState s = first;
  const CampComp sent = soldiersSent(s.CampComposition[1], reducedSent);
  std::string err;
  if (!checkResults(out, sent, err)) {
    if (err.empty()) fuzz::fail("results refused without a message");
    return;
  }
  Rng rng(3);
  const BattlePlunder p = ApplyBattleResults(s, 2, sent, out, rng);
  const CampComp& before = first.CampComposition[1];
  const CampComp& after = s.CampComposition[1];
  for (int u = 0; u < kUnitCount; ++u) {
    if (after.get(u) < 0 || after.get(u) > before.get(u)) fuzz::fail("a camp count outside none..all it had");
    if (after.get(u) < before.get(u) - sent.get(u)) fuzz::fail("soldiers who stayed home were lost");
  }
  if (campExists(s, 2) && s.ArmyCampSoldiers[1] != after.total()) fuzz::fail("the camp's soldiers are not their sum");
  if (!campExists(s, 2) && after.total() != 0) fuzz::fail("a camp with soldiers was emptied");
  const long crops = static_cast<long>(s.Crops) - first.Crops;
  if (out.won() ? (crops < 300 || crops > 799 || p.crops != crops) : (crops != 0 || s.Ore != first.Ore))
    fuzz::fail("plunder out of its range, or without a win");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FightOut out;
  std::string err;
  if (!decodeFightOut(fuzz::bytesOf(data, size), out, err)) {
    if (err.empty()) fuzz::fail("a refusal without a message");
    return 0;
  }
  if (out.Armies.empty() || out.Armies.size() > 4) fuzz::fail("an army count out of 1..4");
  std::vector<uint8_t> bytes;
  if (!encodeFightOut(out, bytes, err)) fuzz::fail("a decoded outcome cannot be encoded: " + err);
  FightOut back;
  if (!decodeFightOut(bytes, back, err) || !(back == out)) fuzz::fail("encode and decode do not agree");
  // The campaign takes them for an army sent whole, and for one sent as a reduced roster.
  applied(out, false);
  applied(out, true);
  return 0;
}
