// The title programs' screens on the headless shell: what the menu writes and starts.
#include <gtest/gtest.h>

#include <fstream>

#include "campaign/files.h"
#include "test_support.h"
#include "ui/title/title_forms.h"

namespace fief {
namespace {

struct TitleTest : ::testing::Test {
  test::TempGameDir dir;
  HeadlessShell shell;
  Game g{shell, dir.path()};
  TitleTest() { shell.attach(g); }
  long number(const std::string& file) {
    long v = -1;
    std::string err;
    EXPECT_TRUE(readNumberFile(g.path(file), v, err)) << err;
    return v;
  }
  // Runs a command that ends the program; true when it ended.
  template <class F>
  bool ends(F f) {
    try {
      f();
    } catch (const ProgramEnded&) {
      return true;
    }
    return false;
  }
};

TEST_F(TitleTest, NewCampaignWritesTheDifficultyAndStartsTheCampaignProgram) {
  for (int d = 1; d <= 3; ++d) {
    auto& t = g.form<TitleFrm>("TitleFrm");
    shell.show(t);
    EXPECT_FALSE(t.ctl("DifficultyPnl").Visible);
    t.fire("NewBtn", Ev::Click);
    EXPECT_TRUE(t.ctl("DifficultyPnl").Visible);
    EXPECT_TRUE(ends([&] { t.fire("Difficulty" + std::to_string(d) + "Btn", Ev::Click); }));
    EXPECT_EQ(number("Options.rz"), d);
    EXPECT_EQ(number("LGame.rz"), 0);
    EXPECT_EQ(shell.programs().back(), g.path("fiefdom"));
    shell.close(t);
  }
}

TEST_F(TitleTest, ContinueNeedsASaveAndAsksForTheLoadScreen) {
  auto& t = g.form<TitleFrm>("TitleFrm");
  shell.show(t);
  EXPECT_FALSE(t.ctl("ContinueBtn").Enabled);
  shell.close(t);
  std::ofstream(g.path("Save Game/QuickSave.s15")) << "x";
  shell.show(t);
  EXPECT_TRUE(t.ctl("ContinueBtn").Enabled);
  EXPECT_TRUE(ends([&] { t.fire("ContinueBtn", Ev::Click); }));
  EXPECT_EQ(number("LGame.rz"), 1);
  EXPECT_EQ(shell.programs().back(), g.path("fiefdom"));
}

TEST_F(TitleTest, AMissingCampaignProgramIsReportedAndTheMenuStays) {
  shell.spawnPrograms = true;  // really try: the temporary folder has no program
  auto& t = g.form<TitleFrm>("TitleFrm");
  shell.show(t);
  EXPECT_FALSE(ends([&] { t.newCampaign(2); }));
  EXPECT_EQ(shell.takeBoxes().size(), 1u);
  EXPECT_FALSE(t.ctl("StatusLbl").Caption.empty());
  EXPECT_TRUE(t.Visible);
}

TEST_F(TitleTest, TitleAndSubtitleStandAboveTheCastlesPennantOnEveryScreen) {
  for (int mode = 0; mode <= 3; ++mode) {
    g.optim.DisplayMode = static_cast<uint8_t>(mode);
    int W = 0, H = 0;
    g.optim.displaySize(W, H);
    auto& t = g.form<TitleFrm>("TitleFrm");
    shell.show(t);
    const Control& title = t.ctl("TitleLbl");
    const Control& sub = t.ctl("SubtitleLbl");
    SCOPED_TRACE(std::to_string(W) + "x" + std::to_string(H));
    EXPECT_LE(sub.Top + sub.Height, H * TitleFrm::kPennantTopPercent / 100);
    EXPECT_LE(title.Top + title.Height, sub.Top);
    EXPECT_GE(title.Top, 16);  // inside the picture's gold border
    EXPECT_GE(t.ctl("MenuPnl").Top, sub.Top + sub.Height);
    shell.close(t);
  }
}

TEST_F(TitleTest, StoryCardsThenTheTitleMenu) {
  auto& s = g.form<StoryFrm>("StoryFrm");
  s.cards = StoryFrm::introCards();
  shell.show(s);
  EXPECT_EQ(s.ctl("TitleLbl").Caption, s.cards[0].title);
  EXPECT_FALSE(ends([&] { s.Form_Click(); }));
  EXPECT_EQ(s.ctl("TitleLbl").Caption, s.cards[1].title);
  EXPECT_EQ(s.Background, s.cards[1].picture);
  EXPECT_TRUE(ends([&] { s.Form_Click(); }));
  EXPECT_EQ(shell.programs().back(), g.path("menudata.rz"));
}

// No folder for the player's files: the menu says so when it opens, and a new campaign
// still starts (from the shipped settings) although its difficulty cannot be written.
TEST(TitleWithoutPlayersFolder, ToldAndTheCampaignStartsAllTheSame) {
  test::TempGameDir dir;
  HeadlessShell shell;
  Game g{shell, Folders{dir.path(), "", "no folder for your files"}};
  shell.attach(g);
  auto& t = g.form<TitleFrm>("TitleFrm");
  shell.show(t);
  EXPECT_EQ(shell.takeBoxes(), std::vector<std::string>{"no folder for your files"});
  bool ended = false;
  try {
    t.newCampaign(3);
  } catch (const ProgramEnded&) {
    ended = true;
  }
  EXPECT_TRUE(ended);
  ASSERT_FALSE(shell.programs().empty());
  EXPECT_EQ(shell.programs().back(), dir.path() + "/fiefdom");
  long difficulty = 0;
  std::string err;
  ASSERT_TRUE(readNumberFile(dir.path() + "/Options.rz", difficulty, err)) << err;
  EXPECT_EQ(difficulty, 1) << "the program folder is not written";
}

TEST_F(TitleTest, SplashEndsByItselfOrOnAKey) {
  auto& s = g.form<SplashFrm>("SplashFrm");
  shell.show(s);
  EXPECT_FALSE(ends([&] { shell.wait(SplashFrm::kShowMs - 100); }));
  EXPECT_TRUE(ends([&] { shell.wait(200); }));
  EXPECT_TRUE(ends([&] { s.Form_KeyUp(Key::Escape); }));
}

}  // namespace
}  // namespace fief
