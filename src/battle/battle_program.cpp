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
  h.seed = seedOverride ? *seedOverride : seedOf(bytes);
  out = std::move(h);
  return true;
}

bool handBack(const Folders& where, const FightOut& out, std::string& err) {
  if (!writeFightOut(where.locate(kFightOutFile, Folders::Use::Write), out, err)) return false;
  return writeFightStatus(where.locate(kFightStatusFile, Folders::Use::Write), kFightFinished, err);
}

int calculateBattle(const Folders& where, const HandOver& h, std::string& err) {
  return handBack(where, resolveBattle(h.in, h.seed), err) ? 0 : 1;
}

}  // namespace fief::battle
