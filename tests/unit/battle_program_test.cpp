// The battle program: the hand-over it accepts or refuses, the real battledata.rz run on
// a calculated battle and on bad input, and the battle window run headless, which must
// end in exactly the calculated result whether it is watched to the end or skipped.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include <nlohmann/json.hpp>

#include "battle/battle_orders.h"
#include "battle/battle_program.h"
#include "battle/battle_window_screen.h"
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
                            args + " 2>'" + path("stderr.txt") + "' >'" + path("stdout.txt") + "'";
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

std::string fileText(const std::string& p) {
  std::ifstream f(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

TEST_F(ProgramDir, AScriptLeadsTheBattleAndItsOrdersReplayIt) {
  const FightIn in = sampleHandOver(0);
  handOver(in);
  std::ofstream(path("orders.txt")) << "# lead the vanguard\n"
                                       "deploy 0.Archer 300 700\n"
                                       "deploy 0.archer 300 100\n"            // outside the zone
                                       "order 0.Cavalry attack 1.LongBow\n"
                                       "order 0.SwordMan hold\n"
                                       "state\n"
                                       "step 30\n"
                                       "order 1.ClubMan hold\n"               // not ours
                                       "order 0.SwordMan charge\n"            // no such order
                                       "order 0.Nobody hold\n"
                                       "step many\n"
                                       "order all attack\n"
                                       "step 10\n"
                                       "state\n";
  std::string errOut;
  ASSERT_EQ(runProgram(errOut, "--seed 5 --script '" + path("orders.txt") + "'"), 0) << errOut;
  for (const char* why : {"script line 3: that point is outside the deployment zone",
                          "script line 8: only the player's own formations take orders",
                          "script line 9: no such order: charge", "script line 10: no formation 0.Nobody",
                          "script line 11: usage: step"})
    EXPECT_NE(errOut.find(why), std::string::npos) << why << " in\n" << errOut;
  // Two states: at deployment (the archers where they were sent) and at step 40.
  std::istringstream states(fileText(path("stdout.txt")));
  std::string first, second;
  ASSERT_TRUE(std::getline(states, first) && std::getline(states, second));
  const auto a = nlohmann::json::parse(first), b = nlohmann::json::parse(second);
  EXPECT_EQ(a["step"], 0);
  EXPECT_TRUE(a["deploying"].get<bool>());
  bool archersSeen = false;
  for (const auto& f : a["formations"])
    if (f["name"] == "0.Archer") {
      archersSeen = true;
      EXPECT_EQ(f["x"], 300);
      EXPECT_EQ(f["y"], 700);
    } else if (f["name"] == "0.Cavalry") {
      EXPECT_EQ(f["order"], "attack");
    }
  EXPECT_TRUE(archersSeen);
  EXPECT_EQ(b["step"], 40);

  // Handed back as usual; the orders taken are kept, and they alone fight the same battle.
  EXPECT_EQ(status(), kFightFinished);
  FightOut out;
  std::string err;
  ASSERT_TRUE(readFightOut(path(kFightOutFile), out, err)) << err;
  Replay kept;
  ASSERT_TRUE(decodeReplay(fileText(path(kReplayFile)), kept, err)) << err;
  ASSERT_EQ(kept.orders.size(), 4u) << "deploy, attack, hold, all attack";
  EXPECT_EQ(kept.orders[3].step, 30);
  EXPECT_EQ(kept.seed, 5u);
  EXPECT_EQ(out, resolveBattle(in, 5, kept.orders));
  EXPECT_NE(out, resolveBattle(in, 5)) << "the orders changed the battle";

  // The replay fights it again and hands nothing back.
  ASSERT_TRUE(writeFightStatus(path(kFightStatusFile), kFightRunning, err));
  fs::remove(path(kFightOutFile));
  std::ofstream(path("finish.txt")) << "finish\n";
  ASSERT_EQ(runProgram(errOut, "--replay '" + path(kReplayFile) + "' --script '" + path("finish.txt") + "'"), 0) << errOut;
  const auto replayed = nlohmann::json::parse(fileText(path("stdout.txt")));
  EXPECT_EQ(replayed["result"]["won"].get<bool>(), out.won());
  EXPECT_EQ(replayed["result"]["our_dead"], out.OurDead);
  EXPECT_EQ(replayed["result"]["enemy_dead"], out.EnemyDead);
  EXPECT_EQ(status(), kFightRunning);
  EXPECT_FALSE(fs::exists(path(kFightOutFile)));

  // A damaged replay is refused with a message.
  std::string text = fileText(path(kReplayFile));
  std::ofstream(path("cut.rz"), std::ios::binary) << text.substr(0, text.rfind("end"));
  EXPECT_EQ(runProgram(errOut, "--replay '" + path("cut.rz") + "'"), 1);
  EXPECT_NE(errOut.find("the end line is missing"), std::string::npos) << errOut;
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
    f.Form_KeyUp(Key::Enter);  // the default deployment: fight
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

  // Nothing moves in the deployment; "Fight!" begins the battle.
  shell.wait(BattleFrm::kStepMs * 4);
  EXPECT_EQ(s.battle->steps(), 0);
  EXPECT_TRUE(f.ctl("DeployZone").Visible);
  f.fire("FightBtn", Ev::Click);
  EXPECT_FALSE(f.ctl("DeployZone").Visible);
  EXPECT_FALSE(f.ctl("FightBtn").Visible);
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

TEST_F(WindowFixture, ThePlayerDeploysAndLeadsWithMouseAndKeys) {
  FightIn in = sampleHandOver(0);
  in.Settings[kSetTooltips] = 1;
  const uint64_t seed = 21;
  BattleSession s(handOver(in, seed));
  int screenW = 0, screenH = 0;
  g.optim.displaySize(screenW, screenH);
  shell.input().setScreen(screenW, screenH);
  BattleFrm& f = open(s);
  const Battle& b = *s.battle;
  const int swords = findFormation(b, "0.SwordMan"), archers = findFormation(b, "0.Archer");
  const int cavalry = findFormation(b, "0.Cavalry"), bows = findFormation(b, "1.LongBow");
  auto centre = [&](int i, int& x, int& y) {
    const BlockBox box = f.blockOf(i);
    x = (box.l + box.r) / 2, y = (box.t + box.b) / 2;
  };
  auto at = [&](int fx, int fy, int& x, int& y) { f.toScreen(static_cast<float>(fx), static_cast<float>(fy), x, y); };
  auto press = [&](int x, int y, MouseButton button) {
    shell.input().mouseDown(x, y, button);
    shell.input().mouseUp(x, y, button);
  };

  // Deployment: the first formation is chosen, the way to deploy stays in the hint line
  // (a tooltip comes and goes over it); a drag moves the archers within the zone.
  EXPECT_EQ(f.selected(), swords);
  f.fire("FieldImg", Ev::MouseMove);
  EXPECT_NE(f.ctl("HintLbl").Caption.find("Deploy your formations"), std::string::npos);
  f.fire("Army0MoraleBar", Ev::MouseMove);
  EXPECT_NE(f.ctl("HintLbl").Caption.find("the army flees"), std::string::npos);
  f.fire("FieldImg", Ev::MouseMove);
  EXPECT_TRUE(f.ctl("HintLbl").Visible);
  EXPECT_NE(f.ctl("HintLbl").Caption.find("Deploy your formations"), std::string::npos);
  EXPECT_NE(f.ctl("SelLbl").Caption.find("deployed"), std::string::npos) << f.ctl("SelLbl").Caption;
  int x = 0, y = 0, tx = 0, ty = 0;
  centre(archers, x, y);
  at(200, 720, tx, ty);
  shell.input().mouseDown(x, y, MouseButton::Left);
  shell.input().mouseMove(tx, ty);
  shell.input().mouseUp(tx, ty, MouseButton::Left);
  EXPECT_EQ(f.selected(), archers);
  EXPECT_NEAR(b.formations()[archers].x, 200, 2);
  EXPECT_NEAR(b.formations()[archers].y, 720, 2);
  // A click on a formation only chooses it, wherever on its block it falls.
  const Formation unmoved = b.formations()[cavalry];
  const BlockBox cb = f.blockOf(cavalry);
  press(cb.l + 1, cb.t + 1, MouseButton::Left);
  EXPECT_EQ(f.selected(), cavalry);
  EXPECT_EQ(b.formations()[cavalry].x, unmoved.x);
  EXPECT_EQ(b.formations()[cavalry].y, unmoved.y);
  f.select(archers);
  // Chosen, then a click on the field: the formation stands there. A right click outside
  // the zone does nothing.
  f.Form_KeyUp(Key::N);
  EXPECT_EQ(f.selected(), swords) << "N: the next formation of the army, from the last to the first";
  f.Form_KeyUp(Key::N);
  EXPECT_EQ(f.selected(), cavalry);
  f.Form_KeyUp(Key::D1);
  EXPECT_EQ(f.selected(), swords) << "1: the army's first formation";
  at(700, 650, tx, ty);
  press(tx, ty, MouseButton::Left);
  EXPECT_NEAR(b.formations()[swords].x, 700, 2);
  at(700, 300, tx, ty);
  press(tx, ty, MouseButton::Right);
  EXPECT_NEAR(b.formations()[swords].y, 650, 2) << "outside the zone: not taken";
  const size_t deployed = s.kept.size();
  EXPECT_EQ(deployed, 2u);
  // No formation is drawn over another, however they were placed.
  f.select(cavalry);
  f.order(OrderKind::Deploy, -1, 700, 650);
  for (int i = 0; i < BattleFrm::kFormationSlots; ++i)
    for (int j = i + 1; j < BattleFrm::kFormationSlots; ++j) EXPECT_FALSE(f.blockOf(i).meets(f.blockOf(j))) << i << " " << j;

  // The battle: a right click on a foe attacks it, on the field marches there; hold and
  // fall back by their buttons; each order shows in the panel.
  f.Form_KeyUp(Key::Enter);
  ASSERT_FALSE(f.deploying());
  shell.wait(BattleFrm::kStepMs * 3);
  f.select(cavalry);
  centre(bows, tx, ty);
  press(tx, ty, MouseButton::Right);
  EXPECT_TRUE(b.formations()[cavalry].ordered);
  EXPECT_EQ(b.formations()[cavalry].orderTarget, bows);
  EXPECT_NE(f.ctl("SelLbl").Caption.find("Order: attack"), std::string::npos) << f.ctl("SelLbl").Caption;
  EXPECT_TRUE(f.ctl("OrderMark").Visible);
  EXPECT_EQ(f.ctl("OrderMark").Picture, "order_attack");
  f.select(swords);
  at(500, 500, tx, ty);
  press(tx, ty, MouseButton::Right);
  EXPECT_EQ(b.formations()[swords].order, OrderKind::Move);
  EXPECT_EQ(f.ctl("OrderMark").Picture, "order_move");
  f.select(archers);
  f.fire("HoldBtn", Ev::Click);
  EXPECT_EQ(b.formations()[archers].order, OrderKind::Hold);
  // A right click on one of the player's own formations is no order.
  const size_t before = s.kept.size();
  centre(swords, tx, ty);
  press(tx, ty, MouseButton::Right);
  EXPECT_EQ(s.kept.size(), before);
  // Tooltips on the commands.
  f.fire("RetreatBtn", Ev::MouseMove);
  EXPECT_NE(f.ctl("HintLbl").Caption.find("leaves the field"), std::string::npos);
  // Paused, orders are still taken.
  f.fire("PauseBtn", Ev::Click);
  f.Form_KeyUp(Key::A);
  EXPECT_FALSE(b.formations()[swords].ordered) << "all attack: the model's choices again";
  f.fire("PauseBtn", Ev::Click);
  shell.wait(BattleFrm::kStepMs * 5);
  // Retreat: R twice; the battle is lost and handed back with the orders kept.
  f.Form_KeyUp(Key::R);
  EXPECT_FALSE(b.over());
  f.Form_KeyUp(Key::R);
  EXPECT_TRUE(b.over());
  EXPECT_EQ(f.ctl("ResultLbl").Caption, "Retreat");
  EXPECT_EQ(f.ctl("SelLbl").Caption, "") << "nothing left to lead";
  EXPECT_FALSE(b.result().won());
  EXPECT_EQ(b.result(), resolveBattle(in, seed, s.kept)) << "the kept orders replay the battle";
  EXPECT_NE(b.result(), resolveBattle(in, seed));
}

}  // namespace
}  // namespace fief::battle
