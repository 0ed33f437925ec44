// The headless clock and the script runner at their limits: waits near the end of the
// clock, very long waits over steady timers, captions that are not UTF-8.
#include <gtest/gtest.h>

#include <sstream>

#include "test_support.h"
#include "ui/headless/script_runner.h"
#include "ui/timers.h"

namespace fief {
namespace {

using ClockLimits = test::GameFixture;

// A steady timer's ticks between two other events are run only once, at the last of
// them: what the screen shows at each event is what every tick would have left.
TEST_F(ClockLimits, SteadyTicksAreJumpedUpToTheNextOtherTimer) {
  g.timers.add("Steady", true, 10);
  g.timers.add("Busy", true, 1000);
  g.timers["Steady"].Steady = true;
  std::vector<int64_t> steady, lastSteadyAtBusy;
  g.timers["Steady"].Tick = [&] { steady.push_back(g.timers.now()); };
  g.timers["Busy"].Tick = [&] { lastSteadyAtBusy.push_back(steady.empty() ? -1 : steady.back()); };
  shell.wait(3000);
  EXPECT_EQ(lastSteadyAtBusy, (std::vector<int64_t>{1000, 2000, 3000}));
  EXPECT_EQ(steady.back(), 3000);
  EXPECT_LT(steady.size(), 10u) << "not one tick every 10 ms";
  EXPECT_EQ(shell.nowMs(), 3000);
}

TEST_F(ClockLimits, AWaitOfAnyLengthEndsAndTheClockStopsAtItsLimit) {
  setupTimers(g);
  g.timers.enable("TooltipsTimer");  // steady, every 10 ms
  int ticks = 0;
  g.timers["TooltipsTimer"].Tick = [&] { ++ticks; };
  shell.wait(int64_t{1} << 50);  // some 35,000 years
  EXPECT_LE(ticks, 3);
  EXPECT_EQ(shell.nowMs(), int64_t{1} << 50);
  shell.wait(INT64_MAX);
  EXPECT_EQ(shell.nowMs(), HeadlessShell::kClockLimit);
  shell.wait(1000);
  EXPECT_EQ(shell.nowMs(), HeadlessShell::kClockLimit);
}

std::string runText(const std::string& script, int* status = nullptr) {
  test::TempGameDir dir;
  RunOptions opt;
  opt.gameDir = dir.path();
  std::istringstream in(script);
  std::ostringstream out;
  int st = runScript(in, out, opt);
  if (status) *status = st;
  return out.str();
}

TEST(ScriptRunnerLimits, AWaitPastTheClocksEndIsAnErrorOfItsLine) {
  int status = 0;
  std::string out = runText("seed 1\nwait 9223372036854775807\nwait 10\n", &status);
  EXPECT_NE(status, 0);
  EXPECT_NE(out.find("error: line 2: the virtual clock stops at"), std::string::npos) << out;
  EXPECT_EQ(out.find("line 3"), std::string::npos) << out;
}

TEST(ScriptRunnerLimits, ACaptionThatIsNotUtf8PrintsWithReplacementCharacters) {
  int status = 0;
  std::string out = runText(
      "start\nclick TipsFrm.CloseLbl\nclick Camp1Frm.MenuBtn\nclick MenuFrm.SaveGameLbl\ntype SaveGameFrm.FileNameTxt \"ab\xff\xfe\"\nscreen SaveGameFrm\n",
      &status);
  EXPECT_EQ(out.find("error:"), std::string::npos) << out;
  EXPECT_NE(out.find("\"text\":\"ab\xef\xbf\xbd\xef\xbf\xbd\""), std::string::npos) << out;
  EXPECT_EQ(status, 0);
}

}  // namespace
}  // namespace fief
