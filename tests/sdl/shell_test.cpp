// The SDL shell's input, timers, programs and sound scale, on the offscreen driver.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "ui/game.h"
#include "ui/platform/sdl_shell.h"
#include "ui/platform/sound.h"

using namespace fief;

namespace {

// A 400 x 300 dialog centred on an 800 x 600 screen: its origin is (200, 150).
class ProbeFrm : public Form {
 public:
  std::vector<std::string> seen;
  std::vector<std::string> keys;
  explicit ProbeFrm(Game& g, const std::string& name = "ProbeFrm") : Form(g, name) {
    Width = 400;
    Height = 300;
    Background = "panel";
    add(image("Back", 0, 0, 400, 300));
    add(button("Btn", 10, 10, 100, 30, "Go")).Z = 1;
    add(label("Over", 80, 10, 100, 30, "Over")).Z = 2;
    Control& tip = add(label("Tip", 10, 40, 60, 30, "Tip"));  // a tooltip over the button's lower half
    tip.Z = 3;
    tip.Inert = true;
    tip.Top = 25;
    add(button("Off", 10, 60, 100, 30, "Off")).Enabled = false;
    add(checkBox("Chk", 10, 100, 100, 24, "Check"));
    Control& l = add(listBox("Lst", 200, 10, 150, 200));
    for (char c = 'a'; c <= 'z'; ++c) l.Items.push_back(std::string(1, c));
    add(textBox("Txt", 10, 150, 150, 28));
    add(panel("Pnl", 10, 200, 100, 50)).Visible = false;
    add(button("Child", 0, 0, 50, 20)).Panel = "Pnl";
    for (const char* n : {"Back", "Btn", "Over", "Tip", "Off", "Chk", "Lst", "Txt", "Child"})
      for (auto [ev, tag] : std::initializer_list<std::pair<Ev, const char*>>{
               {Ev::MouseDown, "down"}, {Ev::MouseUp, "up"}, {Ev::Click, "click"}, {Ev::Change, "change"}})
        on(n, ev, [this, n, tag = std::string(tag)](const EventArgs&) { seen.push_back(std::string(n) + " " + tag); });
  }
  void Form_KeyDown(Key k) override { keys.push_back("down " + keyName(k)); }
  void Form_KeyUp(Key k) override { keys.push_back("up " + keyName(k)); }
  void Form_Click() override { seen.push_back("form click"); }
};

struct ShellFixture : ::testing::Test {
  ShellFixture() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    g.optim = defaultOptim();
    g.optim.DisplayMode = 0;
    std::string err;
    attached = sh.attach(g, err);
    EXPECT_TRUE(attached) << err;
    sh.show(probe);
  }
  void click(int x, int y) {
    sh.mouseDown(x, y, MouseButton::Left);
    sh.mouseUp(x, y, MouseButton::Left);
  }
  SdlShell sh{SdlShell::Options{"test", true}};
  Game g{sh, FIEFDOM_GAME_DIR};
  bool attached = false;
  ProbeFrm probe{g};
};

TEST_F(ShellFixture, ClicksGoToTheTopMostEnabledControl) {
  struct Case {
    int x, y;
    std::vector<std::string> want;
  } cases[] = {
      {215, 165, {"Btn down", "Btn up", "Btn click"}},         // the button alone
      {285, 165, {"Over down", "Over up", "Over click"}},      // where the label lies over it (higher Z)
      {215, 178, {"Btn down", "Btn up", "Btn click"}},         // an inert tooltip over it takes nothing
      {215, 215, {"Back down", "Back up", "Back click"}},      // a disabled button lets the click through
      {215, 365, {"Back down", "Back up", "Back click"}},      // the hidden panel's child is not there
      {100, 100, {}},                                          // outside the dialog: the bare screen
  };
  for (auto& c : cases) {
    probe.seen.clear();
    click(c.x, c.y);
    EXPECT_EQ(probe.seen, c.want) << c.x << "," << c.y;
  }
  probe.ctl("Pnl").Visible = true;
  probe.seen.clear();
  click(215, 355);
  EXPECT_EQ(probe.seen, (std::vector<std::string>{"Child down", "Child up", "Child click"}));
}

TEST_F(ShellFixture, ReleaseElsewhereGivesNoClickAndRightButtonNeverClicks) {
  sh.mouseDown(215, 165, MouseButton::Left);
  sh.mouseUp(215, 260, MouseButton::Left);
  EXPECT_EQ(probe.seen, (std::vector<std::string>{"Btn down", "Btn up"}));
  probe.seen.clear();
  sh.mouseDown(215, 165, MouseButton::Right);
  sh.mouseUp(215, 165, MouseButton::Right);
  EXPECT_EQ(probe.seen, (std::vector<std::string>{"Btn down", "Btn up"}));
}

TEST_F(ShellFixture, CheckBoxListAndTextBox) {
  click(220, 262);
  EXPECT_TRUE(probe.ctl("Chk").Checked);
  click(220, 262);
  EXPECT_FALSE(probe.ctl("Chk").Checked);

  // Rows of the list: the third row is picked, the wheel scrolls by rows.
  probe.seen.clear();
  sh.drawNow();
  const int rowH = sh.renderer().text().lineHeight(probe.ctl("Lst").FontSize, false) + 2;
  click(420, 150 + 10 + 4 + 2 * rowH + rowH / 2);
  EXPECT_EQ(probe.ctl("Lst").ListIndex, 2);
  EXPECT_EQ(probe.seen, (std::vector<std::string>{"Lst down", "Lst up", "Lst click"}));
  sh.wheel(420, 200, 3);
  click(420, 150 + 10 + 4 + rowH / 2);
  EXPECT_EQ(probe.ctl("Lst").ListIndex, 3);

  probe.seen.clear();
  click(220, 310);
  sh.textInput("ab");
  sh.textInput("é");
  sh.backspace();
  sh.backspace();
  EXPECT_EQ(probe.ctl("Txt").Caption, "a");
  EXPECT_EQ(std::count(probe.seen.begin(), probe.seen.end(), "Txt change"), 4);
}

TEST_F(ShellFixture, ModalFormsTakeTheInputAndKeysReleaseWhereTheyWerePressed) {
  ProbeFrm top(g, "TopFrm");
  top.Width = 200;
  top.Height = 100;  // at (300, 250)
  top.Modal = true;
  sh.show(top);
  top.Modal = true;
  click(215, 165);  // the form below: not reachable
  EXPECT_TRUE(probe.seen.empty());
  click(305, 255);
  EXPECT_EQ(top.seen.front(), "Back down");

  sh.keyDown(Key::Escape);
  sh.close(top);
  sh.keyUp(Key::Escape);  // pressed on the closed dialog: not delivered to the form below
  EXPECT_TRUE(probe.keys.empty());
  sh.keyDown(Key::Add);
  sh.keyUp(Key::Add);
  EXPECT_EQ(probe.keys, (std::vector<std::string>{"down Add", "up Add"}));
}

TEST_F(ShellFixture, TimersFireOnceWhenLateAndNoFasterThanTheResolution) {
  // The timer clock of every tick: a 1 ms timer ticks again and again, but never two
  // ticks closer than the 15 ms resolution. Counted on the timers' own clock, so a busy
  // machine that runs the loop late only makes the test take longer.
  std::vector<int64_t> at;
  g.timers.setNow(sh.nowMs());
  g.timers.add("FastTimer", true, 1).Tick = [&] { at.push_back(g.timers.now()); };
  const int64_t start = sh.nowMs();
  while (at.size() < 8 && sh.nowMs() - start < 10000) sh.runOnce(20);
  ASSERT_GE(at.size(), 8u);
  for (size_t i = 1; i < at.size(); ++i) EXPECT_GE(at[i] - at[i - 1], 15) << "tick " << i;

  at.clear();
  g.timers["FastTimer"].Interval = 100;
  g.timers["FastTimer"].NextDue = sh.nowMs() - 1000;  // ten periods late
  sh.runOnce(0);
  EXPECT_EQ(at.size(), 1u);
}

TEST_F(ShellFixture, DisplayScaleFollowsTheRoomOnTheScreen) {
  EXPECT_EQ(sh.logicalDpi(), 120);  // 800 x 600: the largest dialog enlarged does not fit
  g.optim.DisplayMode = 3;
  sh.drawNow();
  int w = 0, h = 0;
  sh.logicalSize(w, h);
  EXPECT_EQ(w, 1280);
  EXPECT_EQ(h, 1024);
  EXPECT_EQ(sh.logicalDpi(), 96);
}

TEST_F(ShellFixture, ProgramsThatCannotStartAreRefused) {
  EXPECT_FALSE(sh.startProgram("/nonexistent/fiefdom"));
  const std::string plain = testing::TempDir() + "/fiefdom-not-executable";
  std::ofstream(plain) << "#!/bin/sh\n";
  chmod(plain.c_str(), 0644);
  EXPECT_FALSE(sh.startProgram(plain));
  EXPECT_TRUE(sh.startProgram("/bin/true"));
  EXPECT_EQ(sh.soundDevices(), 0);  // screenshot mode, dummy driver: no sound
}

TEST(ShellDisplayTest, DriversThatShowNothingAreKnown) {
  for (const char* none : {"offscreen", "dummy", "evdev"}) EXPECT_TRUE(videoDriverShowsNothing(none)) << none;
  EXPECT_TRUE(videoDriverShowsNothing(nullptr));
  for (const char* real : {"x11", "wayland", "kmsdrm", "windows", "cocoa"}) EXPECT_FALSE(videoDriverShowsNothing(real)) << real;
}

TEST(MessageBoxText, LongLinesAreBrokenAtSpaces) {
  struct Case {
    std::string text;
    size_t width;
    std::string lines;
  };
  const Case cases[] = {
      {"short", 10, "short"},
      {"one two three four", 9, "one two\nthree\nfour"},
      {"one two three", 7, "one two\nthree"},                     // exactly the width fits
      {"a verylongword b", 5, "a\nverylongword\nb"},             // a long word keeps its line
      {"first line\nsecond one here", 10, "first line\nsecond one\nhere"},
      {"spaced   out", 20, "spaced out"},
      {"", 10, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(wrapForMessageBox(c.text, c.width), c.lines) << c.text;
}

// An environment variable set for one test and put back after it.
struct EnvFor {
  std::string name, old;
  bool had;
  EnvFor(const char* n, const char* v) : name(n), had(std::getenv(n) != nullptr) {
    if (had) old = std::getenv(n);
    if (v) setenv(n, v, 1);
    else unsetenv(n);
  }
  ~EnvFor() {
    if (had) setenv(name.c_str(), old.c_str(), 1);
    else unsetenv(name.c_str());
  }
};

TEST(ShellDisplayTest, ADisplayThatCannotBeOpenedIsRetriedThenRefusedNotReplacedByAnInvisibleDriver) {
  // With no driver named, an X display that refuses the connection must not leave the
  // program running on SDL's memory-only fallback with nothing on the screen.
  struct stat st {};
  if (stat("/dev/dri", &st) == 0) GTEST_SKIP() << "a graphics device could open a screen without X";
  EnvFor driver("SDL_VIDEODRIVER", nullptr), display("DISPLAY", ":4093"), wayland("WAYLAND_DISPLAY", nullptr);
  SdlShell::Options o;
  o.displayWaitMs = 300;
  SdlShell sh(o);
  Game g{sh, FIEFDOM_GAME_DIR};
  g.optim = defaultOptim();
  std::string err;
  const Uint64 t0 = SDL_GetTicks64();
  EXPECT_FALSE(sh.attach(g, err));
  const Uint64 waited = SDL_GetTicks64() - t0;
  EXPECT_NE(err.find("no display could be opened (DISPLAY=:4093)"), std::string::npos) << err;
  EXPECT_GE(waited, 300u);  // it kept trying for the time given
  EXPECT_LT(waited, 5000u);
  EXPECT_FALSE(SDL_WasInit(SDL_INIT_VIDEO));
}

TEST(ShellDisplayTest, ANamedMemoryOnlyDriverIsTaken) {
  EnvFor driver("SDL_VIDEODRIVER", "offscreen"), display("DISPLAY", ":4093");
  SdlShell sh;
  Game g{sh, FIEFDOM_GAME_DIR};
  g.optim = defaultOptim();
  g.optim.DisplayMode = 0;
  std::string err;
  EXPECT_TRUE(sh.attach(g, err)) << err;
  EXPECT_STREQ(SDL_GetCurrentVideoDriver(), "offscreen");
}

TEST_F(ShellFixture, AWatchedProgramThatEndsLeavesNoZombie) {
  // The campaign stops asking once the battle's status is read; the loop still reaps it.
  const int pid = sh.startWatchedProgram("/bin/true");
  ASSERT_GT(pid, 0);
  const std::string proc = "/proc/" + std::to_string(pid);
  struct stat st {};
  for (int i = 0; i < 200 && stat(proc.c_str(), &st) == 0; ++i) {
    sh.runOnce(0);
    usleep(10 * 1000);
  }
  EXPECT_NE(stat(proc.c_str(), &st), 0) << "the ended program is still a process (a zombie)";
  EXPECT_FALSE(sh.programRunning(pid));
  EXPECT_EQ(sh.startWatchedProgram("/nonexistent/battledata.rz"), 0);
}

TEST(SoundTest, AttenuationScaleAndChannels) {
  struct Case {
    int att;
    double gain;
  } cases[] = {{0, 1.0}, {-2000, 0.1}, {-4000, 0.01}, {-350, 0.6683}, {-10000, 0.0}, {500, 1.0}};
  for (auto& c : cases) EXPECT_NEAR(Sound::gain(c.att), c.gain, 1e-4) << c.att;
  EXPECT_EQ(Sound::channelIndex("MusicChanel01"), 0);
  EXPECT_EQ(Sound::channelIndex("ClickChanel02"), 7);
  EXPECT_EQ(Sound::channelIndex("Nowhere"), -1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  Sound s(FIEFDOM_GAME_DIR);
  EXPECT_EQ(s.devices(), 0);
  s.play("MusicChanel01", "music01.wav", true);  // silently nothing
}

}  // namespace
