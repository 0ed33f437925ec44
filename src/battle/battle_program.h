// What the battle program does around the battle itself: read and check the hand-over,
// and hand the results back. Results go to Fight_out.rz first (a temporary file renamed
// over it) and the status file is set to 2 last, so the campaign never reads half a
// result; on any error nothing is written and the status stays as the campaign left it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "battle/battle_model.h"
#include "battle/battle_orders.h"
#include "campaign/folders.h"
#include "military/fight_files.h"

namespace fief::battle {

struct HandOver {
  FightIn in;
  std::vector<uint8_t> bytes;  // the hand-over file as read (kept with the orders for a replay)
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

// The battle of a replay file (any path; the battle program is given it): its hand-over,
// seed and orders; its battle map must be in the program folder. A damaged file is refused
// with the line and the fault.
bool loadReplay(const Folders& where, const std::string& file, HandOver& out, std::vector<Order>& orders,
                std::string& err);

// Writes Fight_out.rz, then the status 2, among the player's files.
bool handBack(const Folders& where, const FightOut& out, std::string& err);

// The automatic calculation: the battle fought at once and handed back. Returns the exit
// status of the program (0, or 1 with the reason in `err`).
int calculateBattle(const Folders& where, const HandOver& h, std::string& err);

// The battle the program fights (in the window or from a script), with the orders the
// player gives. A replayed battle gives the kept orders again at their steps and hands
// nothing back: the campaign is not waiting for it.
struct BattleSession {
  HandOver hand;
  std::unique_ptr<Battle> battle;
  std::vector<Order> kept;  // the orders taken, for the replay file
  bool replaying = false;
  bool handedBack = false;
  std::string error;  // why the results could not be handed back

  explicit BattleSession(HandOver h) : hand(std::move(h)), battle(std::make_unique<Battle>(hand.in, hand.seed)) {}
  // Replays these orders at their steps.
  void replay(const std::vector<Order>& orders);
  // An order of the player before the next step; why it was refused (empty: taken).
  std::string give(const Order& o) { return giveOrder(*battle, kept, o); }
  // Fights what is left at once and hands the results back (once), among the player's
  // files: the replay file, then Fight_out.rz, then the status. False with `error`; a
  // replay file that cannot be written is only reported in `error` (the campaign still
  // gets its result).
  bool finishAndHandBack(const Folders& where);
};

}  // namespace fief::battle
