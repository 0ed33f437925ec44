#include "battle/battle_program.h"

#include <algorithm>
#include <filesystem>

#include "campaign/files.h"

namespace fief::battle {

int HandOver::volumeToAttenuation(int volume) {
  return std::clamp(volume, 0, 100) * 100 - 10000;
}

bool loadHandOver(const Folders& where, HandOver& out, std::string& err, const uint64_t* seedOverride) {
  const std::string path = where.locate(kFightInFile, Folders::Use::Read);
  std::vector<uint8_t> bytes;
  if (!readFile(path, bytes, err)) return false;
  HandOver h;
  if (!decodeFightIn(bytes, h.in, err)) {
    err = path + ": " + err;
    return false;
  }
  if (!mapPathOfFight(h.in.MapName, h.mapPath, err)) {
    err = path + ": " + err;
    return false;
  }
  std::error_code ec;
  if (!std::filesystem::is_regular_file(where.locate(h.mapPath, Folders::Use::Program), ec)) {
    err = path + ": the battle map " + h.mapPath + " does not exist";
    return false;
  }
  // The battle id changes with every hand-over; the battle is the same without it.
  if (h.in.BattleId != 0) bytes.resize(bytes.size() - kBattleIdBytes);
  h.seed = seedOverride ? *seedOverride : seedOf(bytes);
  h.bytes = std::move(bytes);
  out = std::move(h);
  return true;
}

bool loadReplay(const Folders& where, const std::string& file, HandOver& out, std::vector<Order>& orders,
                std::string& err) {
  std::vector<uint8_t> bytes;
  if (!readFile(file, bytes, err)) return false;
  Replay r;
  if (!decodeReplay(std::string(bytes.begin(), bytes.end()), r, err)) {
    err = file + ": " + err;
    return false;
  }
  HandOver h;
  if (!decodeFightIn(r.fightIn, h.in, err) || !mapPathOfFight(h.in.MapName, h.mapPath, err)) {
    err = file + ": " + err;
    return false;
  }
  std::error_code ec;
  if (!std::filesystem::is_regular_file(where.locate(h.mapPath, Folders::Use::Program), ec)) {
    err = file + ": the battle map " + h.mapPath + " does not exist";
    return false;
  }
  h.seed = r.seed;
  h.bytes = std::move(r.fightIn);
  out = std::move(h);
  orders = std::move(r.orders);
  return true;
}

bool handBack(const Folders& where, const FightOut& out, std::string& err) {
  if (!writeFightOut(where.locate(kFightOutFile, Folders::Use::Write), out, err)) return false;
  return writeFightStatus(where.locate(kFightStatusFile, Folders::Use::Write), kFightFinished, err);
}

int calculateBattle(const Folders& where, const HandOver& h, std::string& err) {
  return handBack(where, resolveBattle(h.in, h.seed), err) ? 0 : 1;
}

void BattleSession::replay(const std::vector<Order>& orders) {
  replaying = true;
  kept = orders;
  battle->schedule(orders);
}

bool BattleSession::finishAndHandBack(const Folders& where) {
  if (handedBack) return true;
  battle->finish();
  if (replaying) {
    handedBack = true;
    return true;
  }
  std::string err;
  const std::string text = encodeReplay({hand.bytes, hand.seed, kept});
  if (!writeFileAtomic(where.locate(kReplayFile, Folders::Use::Write), std::vector<uint8_t>(text.begin(), text.end()), err))
    error = "the orders could not be kept: " + err;
  if (!handBack(where, battle->result(), err)) {
    error = err;
    return false;
  }
  handedBack = true;
  return true;
}

}  // namespace fief::battle
