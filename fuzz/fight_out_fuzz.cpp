// Fight_out.rz, the battle's outcome as the campaign reads it. The codec: any bytes decode
// or are refused with a message; what decodes encodes to a file that decodes the same. Then
// the campaign itself: a battle of the first camp is handed over, the bytes are its results
// (tied to the hand-over by its battle id, so that they are taken) and the campaign's checks
// and the code that applies them run. Whatever the file holds, the camp keeps between none
// and all of the soldiers it had, its soldier count is the sum of its soldiers, plunder is
// added only on a win and within its ranges, and the battle is over.
#include <filesystem>

#include "campaign/files.h"
#include "fuzz_support.h"
#include "military/armies.h"
#include "military/battle_screens.h"
#include "military/fight_files.h"

using namespace fief;

namespace {

void codec(const std::vector<uint8_t>& bytes, FightOut& out, bool& decoded) {
  std::string err;
  decoded = decodeFightOut(bytes, out, err);
  if (!decoded) {
    if (err.empty()) fuzz::fail("a refusal without a message");
    return;
  }
  if (out.Armies.empty() || out.Armies.size() > 4) fuzz::fail("an army count out of 1..4");
  std::vector<uint8_t> again;
  if (!encodeFightOut(out, again, err)) fuzz::fail("a decoded outcome cannot be encoded: " + err);
  FightOut back;
  if (!decodeFightOut(again, back, err) || !(back == out)) fuzz::fail("encode and decode do not agree");
}

// The campaign at the moment a battle of its first camp is handed over, kept between inputs.
const GameState& firstState() {
  static const GameState s = [] {
    fuzz::FuzzGame& G = fuzz::game();
    G.restart();
    G.g.optim.Words[1] = 1;  // no fade: the program starts at once
    return G.g.s;
  }();
  return s;
}

void campaign(std::vector<uint8_t> bytes, const FightOut& out, bool decoded) {
  const GameState& first = firstState();
  Game& g = fuzz::game().g;
  g.s = first;
  if (!campExists(g.s, 1)) fuzz::fail("the first camp is missing");
  BattleRequest r;
  r.mapName = "field1";
  r.camp = 1;
  r.enemy.set(ClubMan, 100);
  if (!StartBattle(g, r)) fuzz::fail("the battle could not be handed over");
  const uint32_t id = runningBattleId(g);
  // The results answer this hand-over.
  if (decoded) {
    if (out.BattleId == 0) bytes.resize(bytes.size() + kBattleIdBytes);
    for (size_t i = 0; i < kBattleIdBytes; ++i) bytes[bytes.size() - kBattleIdBytes + i] = static_cast<uint8_t>(id >> (8 * i));
  }
  std::string err;
  if (!writeFileAtomic(g.path(kFightOutFile), bytes, err) ||
      !writeFightStatus(g.path(kFightStatusFile), kFightFinished, err))
    fuzz::fail(err);
  BattleTimerTick(g);
  if (battleRunning(g)) fuzz::fail("results of the battle's own id left it running");

  const CampComp& before = first.CampComposition[0];
  const CampComp& after = g.s.CampComposition[0];
  for (int u = 0; u < kUnitCount; ++u)
    if (after.get(u) < 0 || after.get(u) > before.get(u)) fuzz::fail("a camp count outside none..all it had");
  if (g.s.ArmyCampSoldiers[0] != after.total() && campExists(g.s, 1)) fuzz::fail("soldiers unlike their sum");
  const long crops = static_cast<long>(g.s.Crops) - first.Crops;
  const bool applied = crops != 0 || !(after == before);
  if (applied && !decoded) fuzz::fail("results that cannot be read were applied");
  if (crops != 0 && (!decoded || !out.won() || crops < 300 || crops > 799)) fuzz::fail("plunder out of its range");
  if (decoded && out.won() && applied && crops == 0) fuzz::fail("a win taken without plunder");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes = fuzz::bytesOf(data, size);
  FightOut out;
  bool decoded = false;
  codec(bytes, out, decoded);
  campaign(bytes, out, decoded);
  return 0;
}
