// What the battle program does around the battle itself: read and check the hand-over,
// and hand the results back. Results go to Fight_out.rz first (a temporary file renamed
// over it) and the status file is set to 2 last, so the campaign never reads half a
// result; on any error nothing is written and the status stays as the campaign left it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "battle/battle_model.h"
#include "campaign/folders.h"
#include "military/fight_files.h"

namespace fief::battle {

struct HandOver {
  FightIn in;
  uint64_t seed = 0;
  std::string mapPath;  // the battle map, a path inside the program folder
  bool calculate() const { return in.AutoCalc == kAutoCalcCode; }
  // Display settings the campaign passes on.
  bool fade() const { return in.Settings[kSetFade] != 0; }
  bool tooltips() const { return in.Settings[kSetTooltips] != 0; }
  // Volumes 0..100 as attenuations in hundredths of a decibel (0 .. -10000).
  int musicAttenuation() const { return volumeToAttenuation(in.Settings[kSetMusicVolume]); }
  int soundAttenuation() const { return volumeToAttenuation(in.Settings[kSetSoundVolume]); }
  static int volumeToAttenuation(int volume);
};

// Reads Fight_in.rz of the player's files and checks that its battle map exists in the
// program folder. The seed comes from the file's bytes unless `seedOverride` is given.
bool loadHandOver(const Folders& where, HandOver& out, std::string& err, const uint64_t* seedOverride = nullptr);

// Writes Fight_out.rz, then the status 2, among the player's files.
bool handBack(const Folders& where, const FightOut& out, std::string& err);

// The automatic calculation: the battle fought at once and handed back. Returns the exit
// status of the program (0, or 1 with the reason in `err`).
int calculateBattle(const Folders& where, const HandOver& h, std::string& err);

}  // namespace fief::battle
