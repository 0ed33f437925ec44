// The battle program: the hand-over it accepts or refuses, the real battledata.rz run on
// a calculated battle and on bad input, and the battle window run headless, which must
// end in exactly the calculated result whether it is watched to the end or skipped.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "battle/battle_program.h"
#include "battle/battle_screen.h"
#include "campaign/files.h"
#include "test_support.h"

namespace fief::battle {
namespace {

namespace fs = std::filesystem;

FightIn sampleHandOver(int16_t autoCalc, const std::string& map = "\\level15\\field1_low.mbf") {
  FightIn in;
  in.MapName = map;
  in.AutoCalc = autoCalc;
  FightArmy ours, theirs;
  ours.Name = "Ist Vanguard";
  ours.Colour = fightColour(0, 255, 0);
  ours.Morale = 60;
  ours.Counts[rosterSlot(SwordMan)] = 300;
  ours.Counts[rosterSlot(Archer)] = 120;
  ours.Counts[rosterSlot(Cavalry)] = 60;
  theirs.Name = "Enemy army";
  theirs.Colour = fightColour(255, 0, 0);
  theirs.Side = 1;
  theirs.Morale = 50;
  theirs.Counts[rosterSlot(ClubMan)] = 350;
  theirs.Counts[rosterSlot(LongBow)] = 80;
  in.Armies = {ours, theirs};
  return in;
}

// A program folder with the battle maps, the battle program and a status of 1.
struct ProgramDir : ::testing::Test {
  test::TempGameDir dir;
  std::string path(const char* f) const { return dir.path() + "/" + f; }
  void SetUp() override {
    std::string err;
    ASSERT_TRUE(writeFightStatus(path(kFightStatusFile), kFightRunning, err)) << err;
  }
  std::vector<uint8_t> handOver(const FightIn& in) {
    std::vector<uint8_t> bytes;
    std::string err;
    EXPECT_TRUE(encodeFightIn(in, bytes, err)) << err;
    EXPECT_TRUE(writeFileAtomic(path(kFightInFile), bytes, err)) << err;
    return bytes;
  }
  int status() const {
    int s = -1;
    std::string err;
    readFightStatus(path(kFightStatusFile), s, err);
    return s;
  }
  // Runs a copy of the built battle program in this folder; its stderr goes to `errOut`.
  int runProgram(std::string& errOut, const std::string& args = "") {
    fs::copy_file(fs::path(FIEFDOM_GAME_DIR) / "battledata.rz", path("battledata.rz"), fs::copy_options::overwrite_existing);
    const std::string cmd = "SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy '" + path("battledata.rz") + "' " +
                            args + " 2>'" + path("stderr.txt") + "'";
    const int rc = std::system(cmd.c_str());
    std::ifstream f(path("stderr.txt"));
    errOut.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  }
};

TEST_F(ProgramDir, HandOverIsCheckedBeforeAnything) {
  struct Case {
    const char* name;
    std::function<void()> prepare;
    const char* message;
  };
  const std::vector<Case> cases = {
      {"no hand-over", [&] { fs::remove(path(kFightInFile)); }, kFightInFile},
      {"a short file", [&] { std::ofstream(path(kFightInFile)) << "\x05" "ab"; }, "map name"},
      {"a map that does not exist", [&] { handOver(sampleHandOver(505, "\\level15\\nowhere.mbf")); }, "does not exist"},
      {"a map outside the folder", [&] { handOver(sampleHandOver(505, "\\..\\..\\etc\\passwd")); }, "outside"},
      {"five armies", [&] {
         auto b = handOver(sampleHandOver(505));
         b[1 + b[0] + 4 + 11 + 1] = 5;
         std::string err;
         writeFileAtomic(path(kFightInFile), b, err);
       }, "5 armies"},
  };
  for (const Case& c : cases) {
    c.prepare();
    HandOver h;
    std::string err;
    EXPECT_FALSE(loadHandOver(sameFolder(dir.path()), h, err)) << c.name;
    EXPECT_NE(err.find(c.message), std::string::npos) << c.name << ": " << err;
  }
  const auto bytes = handOver(sampleHandOver(505));
  HandOver h;
  std::string err;
  ASSERT_TRUE(loadHandOver(sameFolder(dir.path()), h, err)) << err;
  EXPECT_TRUE(h.calculate());
  EXPECT_EQ(h.mapPath, "level15/field1_low.mbf");
  EXPECT_EQ(h.seed, seedOf(bytes));
  const uint64_t seven = 7;
  ASSERT_TRUE(loadHandOver(sameFolder(dir.path()), h, err, &seven)) << err;
  EXPECT_EQ(h.seed, 7u);
}

TEST_F(ProgramDir, CalculatedBattleIsHandedBackWithStatusTwo) {
  const FightIn in = sampleHandOver(kAutoCalcCode);
  const auto bytes = handOver(in);
  std::string errOut;
  ASSERT_EQ(runProgram(errOut), 0) << errOut;
  EXPECT_EQ(status(), kFightFinished);
  FightOut out;
  std::string err;
  ASSERT_TRUE(readFightOut(path(kFightOutFile), out, err)) << err;
  EXPECT_EQ(out, resolveBattle(in, seedOf(bytes))) << "the hand-over's own seed";
  ASSERT_EQ(runProgram(errOut, "--seed 99"), 0) << errOut;
  ASSERT_TRUE(readFightOut(path(kFightOutFile), out, err)) << err;
  EXPECT_EQ(out, resolveBattle(in, 99));
}

TEST_F(ProgramDir, BadHandOverEndsWithAMessageAndWritesNothing) {
  for (const std::string& content : {std::string(""), std::string("\x30garbage"), std::string(300, '\xff')}) {
    std::ofstream(path(kFightInFile), std::ios::binary) << content;
    std::string errOut;
    EXPECT_NE(runProgram(errOut), 0);
    EXPECT_NE(errOut.find("battledata.rz: "), std::string::npos) << errOut;
    EXPECT_EQ(status(), kFightRunning) << "the status is left to the campaign";
    EXPECT_FALSE(fs::exists(path(kFightOutFile)));
  }
  handOver(sampleHandOver(0, "\\level15\\missing.mbf"));
  std::string errOut;
  EXPECT_NE(runProgram(errOut), 0);
  EXPECT_NE(errOut.find("missing.mbf"), std::string::npos) << errOut;
  EXPECT_EQ(status(), kFightRunning);
}

// The battle window on the headless shell: its step timer runs the battle.
struct WindowFixture : ::testing::Test, test::GameHarness {
  void TearDown() override { currentSession() = nullptr; }
  // Opens the window on a battle; returns the form.
  BattleFrm& open(BattleSession& s) {
    currentSession() = &s;
    BattleFrm& f = g.form<BattleFrm>("BattleFrm");
    shell.show(f);
    return f;
  }
  HandOver handOver(const FightIn& in, uint64_t seed) {
    HandOver h;
    h.in = in;
    h.seed = seed;
    h.mapPath = "level15/field1.mbf";
    return h;
  }
};

TEST_F(WindowFixture, WatchedAndSkippedBattlesEndAsCalculated) {
  std::mt19937_64 gen(77);
  for (int i = 0; i < 40; ++i) {
    FightIn in = sampleHandOver(0);
    for (FightArmy& a : in.Armies)
      for (auto& c : a.Counts) c = static_cast<int16_t>(gen() % 3 == 0 ? gen() % 400 : 0);
    const uint64_t seed = gen();
    const FightOut calculated = resolveBattle(in, seed);

    BattleSession watched(handOver(in, seed));
    BattleFrm& f = open(watched);
    for (int t = 0; t < kMaxSteps + 5 && !watched.battle->over(); ++t) shell.wait(BattleFrm::kStepMs);
    ASSERT_TRUE(watched.battle->over()) << "the step timer runs the battle to its end";
    EXPECT_EQ(watched.battle->result(), calculated) << "battle " << i;
    EXPECT_TRUE(f.ctl("ContinueBtn").Visible);
    shell.close(f);

    BattleSession skipped(handOver(in, seed));
    BattleFrm& s = open(skipped);
    shell.wait(BattleFrm::kStepMs * static_cast<int>(seed % 30));
    s.fire("FinishBtn", Ev::Click);
    EXPECT_TRUE(skipped.battle->over());
    EXPECT_EQ(skipped.battle->result(), calculated) << "battle " << i;
    shell.close(s);
  }
}

TEST_F(WindowFixture, PanelSpeedAndTheWayBack) {
  FightIn in = sampleHandOver(0);
  in.Settings[kSetTooltips] = 1;
  in.Settings[kSetMusicVolume] = 40;
  BattleSession s(handOver(in, 3));
  BattleFrm& f = open(s);
  EXPECT_EQ(f.Background, "level15/field1.mbf");
  EXPECT_EQ(f.ctl("Army0NameLbl").Caption, "Ist Vanguard");
  EXPECT_EQ(f.ctl("Army0SoldiersLbl").Caption, "Soldiers: 480 of 480");
  EXPECT_FALSE(f.ctl("Army2NameLbl").Visible) << "two armies: two columns";
  EXPECT_EQ(shell.volume(kMusicChannel), -6000);

  // Faster: more steps in the same time; paused: none.
  shell.wait(BattleFrm::kStepMs * 4);
  EXPECT_EQ(s.battle->steps(), 4);
  f.fire("FasterBtn", Ev::Click);
  shell.wait(BattleFrm::kStepMs * 4);
  EXPECT_EQ(s.battle->steps(), 12);
  f.fire("PauseBtn", Ev::Click);
  shell.wait(BattleFrm::kStepMs * 4);
  EXPECT_EQ(s.battle->steps(), 12);
  EXPECT_EQ(f.ctl("PauseBtn").Caption, "Resume");
  f.fire("PauseBtn", Ev::Click);

  // A formation under the pointer is named.
  f.fire("Form0Img", Ev::MouseMove);
  EXPECT_TRUE(f.ctl("HintLbl").Visible);
  EXPECT_NE(f.ctl("HintLbl").Caption.find("Ist Vanguard"), std::string::npos) << f.ctl("HintLbl").Caption;

  // Returning hands the results back and ends the program.
  std::string err;
  ASSERT_TRUE(writeFightStatus(g.path(kFightStatusFile), kFightRunning, err));
  f.fire("FinishBtn", Ev::Click);
  EXPECT_NE(f.ctl("ResultLbl").Caption, "");
  // The way back stands where "Finish now" stood: a press that comes with the end (a
  // second click meant for "Finish now") and Enter pressed just then do not take it.
  auto click = [&](const char* name) {
    const InputTarget t{&f, &f.ctl(name), -1};
    shell.input().press(t, MouseButton::Left, {});
    shell.input().release(MouseButton::Left, {}, [t] { return t; });
  };
  click("ContinueBtn");
  f.Form_KeyUp(Key::Enter);
  shell.wait(BattleFrm::kContinueGuardMs - 1);
  click("ContinueBtn");
  f.Form_KeyUp(Key::Escape);
  EXPECT_FALSE(s.handedBack);
  EXPECT_TRUE(f.ctl("ContinueBtn").Visible);
  shell.wait(1);
  EXPECT_THROW(click("ContinueBtn"), ProgramEnded);
  EXPECT_TRUE(s.handedBack);
  FightOut out;
  ASSERT_TRUE(readFightOut(g.path(kFightOutFile), out, err)) << err;
  EXPECT_EQ(out, resolveBattle(in, 3));
  int status = 0;
  ASSERT_TRUE(readFightStatus(g.path(kFightStatusFile), status, err));
  EXPECT_EQ(status, kFightFinished);
}

}  // namespace
}  // namespace fief::battle
