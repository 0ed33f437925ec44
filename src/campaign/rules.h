// The rules context: everything a rule may use. The state, the game tables, the text
// tables, the random generator, the message log, the options, the program folder and
// the player (the decision interface). It knows no form, shell or timer: the screens
// build their own context (Game) on top of it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "campaign/chronicle.h"
#include "campaign/decisions.h"
#include "campaign/folders.h"
#include "campaign/game_tables.h"
#include "campaign/message_log.h"
#include "campaign/option_files.h"
#include "campaign/play_record.h"
#include "campaign/sound_channels.h"
#include "campaign/texts.h"
#include "state/game_state.h"
#include "state/rng.h"

namespace fief {

struct Rules {
  // A program folder that keeps the player's files itself (tests, tools, a build).
  explicit Rules(std::string programDir = ".");
  // The program folder and the player's folder of a program (openFolders).
  explicit Rules(Folders where);
  Rules(const Rules&) = delete;
  Rules& operator=(const Rules&) = delete;
  virtual ~Rules() = default;

  std::string dir;  // the program folder, without a trailing separator
  Folders folders;  // the program folder and the player's folder

  GameState s;
  GameTables tables;
  TextTables texts;
  Rng rng;
  MessageLog log;
  Chronicle chronicle;  // the county's figures turn by turn (realm overview)
  PlayRecord play;      // turns, battles and soldiers of the level (its summary)
  OptimSettings optim;

  // Battles the end of turn has started that wait for it to be over (the rivals' raids
  // and attacks, the storms of their castles). They live only in memory, so no game is saved while any waits.
  int battlesWaiting = 0;
  // True while EndTurn runs, its questions and notices included: a battle waits until the
  // turn is over, so no battle starts or ends between two of its steps.
  bool turnRunning = false;

  // Saved games loaded in this run (LoadGameState counts them): a procedure that waited on
  // the player tells by it whether the game it was playing is still the one in play.
  uint32_t gamesLoaded = 0;

  // Whether the machine has a sound device (sounds are asked for only then).
  bool SoundAvailable = false;

  // The game clock in milliseconds: the screens' clock, a still clock without them.
  std::function<int64_t()> clock = [] { return int64_t{0}; };

  // Where a file of the game ("Save Game/QuickSave.s15") is read from: the player's copy
  // when he has one, else the one shipped in the program folder.
  std::string path(const std::string& relative) const { return folders.locate(relative, Folders::Use::Read); }
  // Where a file the game writes or deletes goes: the player's folder.
  std::string writePath(const std::string& relative) const { return folders.locate(relative, Folders::Use::Write); }
  // A program of the family or a shipped file: the program folder.
  std::string programPath(const std::string& relative) const {
    return folders.locate(relative, Folders::Use::Program);
  }
  std::string text(TextId t) const { return texts.text(t); }
  void reseed() { rng.seed(static_cast<uint64_t>(clock())); }

  // The player. Without screens a NullDecisions answers.
  Decisions& player() { return *player_; }
  void setPlayer(Decisions* d) { player_ = d ? d : &null_; }

 private:
  NullDecisions null_;
  Decisions* player_ = &null_;
};

}  // namespace fief
