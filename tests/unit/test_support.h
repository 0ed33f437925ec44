// A small fixture for rule and screen tests: a game on the headless shell over a fresh
// temporary copy of the program folder's data files (texts, option files, level map).
#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "rivals/rival_turn.h"
#include "ui/game.h"
#include "ui/headless/headless_shell.h"
#include "ui/program_start.h"

namespace fief::test {

// A temporary program folder with the built texts and level map, and the option files
// with their first values.
class TempGameDir {
 public:
  TempGameDir();
  ~TempGameDir();
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// A started campaign at a difficulty, with the texts loaded and no screen open. Rules can
// be called directly; a rule that opens a modal form runs `answer` inside its loop
// (set it before the call; the default closes the form with its first visible button
// among OkAniBtn, Noanibtn, CloseLbl, or simply closes it).
struct GameHarness {
  TempGameDir dir;
  HeadlessShell shell;
  Game g{shell, dir.path()};
  std::function<void(Form&)> answer;

  GameHarness();
  // Runs the campaign start's state part with fixed draws (no screens).
  void startCampaign(int difficulty = 1, uint64_t seed = 7);
  // The form on top of the headless shell's stack (nullptr when none).
  Form* top();
};

struct GameFixture : ::testing::Test, GameHarness {};

// The player of a game while this lives: the screens answer, but the rivals' battles are
// written down instead of fought, with their answers, which the test may give.
class RecordingPlayer : public Decisions {
 public:
  struct Battle {
    int turn = 0;  // the turn counter when the battle was asked
    RivalBattle battle;
    std::function<void(bool playerWon, const ArmyComp& enemyLeft)> fought;
    std::function<void()> notFought;
  };
  std::vector<Battle> battles;

  explicit RecordingPlayer(Game& g) : g_(g), screens_(g.player()) { g.setPlayer(this); }
  ~RecordingPlayer() override { g_.setPlayer(&screens_); }
  RecordingPlayer(const RecordingPlayer&) = delete;
  RecordingPlayer& operator=(const RecordingPlayer&) = delete;

  void rivalBattle(RivalBattleQuestion& q) override {
    battles.push_back(Battle{g_.s.TurnCounter, q.battle, q.fought, q.notFought});
  }
  void event(EventQuestion& q) override { screens_.event(q); }
  void tithe(TitheQuestion& q) override { screens_.tithe(q); }
  void stake(StakeQuestion& q) override { screens_.stake(q); }
  void tournament(TournamentQuestion& q) override { screens_.tournament(q); }
  void provisions(ProvisionsQuestion& q) override { screens_.provisions(q); }
  void notice(const std::string& text) override { screens_.notice(text); }
  void messageLogged(int list, int entry) override { screens_.messageLogged(list, entry); }
  void sound(const char* channel, const std::string& file) override { screens_.sound(channel, file); }
  void show(Sight what, int index) override { screens_.show(what, index); }
  void defeat() override { screens_.defeat(); }
  void siegeLaid(int site) override { screens_.siegeLaid(site); }
  void turnBegins() override { screens_.turnBegins(); }
  void turnEnded() override { screens_.turnEnded(); }

 private:
  Game& g_;
  Decisions& screens_;
};

// Writes to a file fail as on a full disk while this lives: the process may not write
// files larger than a byte (the write then fails with EFBIG instead of ENOSPC).
class FullDisk {
 public:
  FullDisk() {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = old_;
    tiny.rlim_cur = 1;
    setrlimit(RLIMIT_FSIZE, &tiny);
  }
  ~FullDisk() {
    setrlimit(RLIMIT_FSIZE, &old_);
    signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  sighandler_t oldHandler_;
};


}  // namespace fief::test
