// The record of play of a level: turns played, battles won and lost, soldiers raised and
// fallen. The end of the level sums it up for the player. It lives beside the game state
// for the run and is kept beside each saved game with the objectives met so far
// (play_record_file.h); the save record itself does not change.
#pragma once

#include <cstdint>

namespace fief {

struct GameState;

struct PlayRecord {
  uint32_t turns = 0;  // ends of turn since the level began
  uint32_t battlesWon = 0, battlesLost = 0;
  uint32_t soldiersRaised = 0;  // recruited into the army camps
  uint32_t soldiersLost = 0;    // fallen in battle
  // False when the record was not kept with the game last loaded (a save of an older
  // version, or its companion file lost): the battles and soldiers then count from that
  // load on, and the turns from the saved turn counter.
  bool whole = true;

  // A new level: everything at zero.
  void restart() { *this = PlayRecord{}; }
  // A saved game without its record: the turns are taken from its turn counter.
  void restartFrom(const GameState& s);
  void turnEnded();
  void battleFought(bool won, long fallen);
  void levyRaised(long soldiers);

  bool operator==(const PlayRecord&) const = default;
};

}  // namespace fief
