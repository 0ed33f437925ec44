// The animation screen on the headless shell: the queue's order, a clip's end advancing
// to the next clip, the keys, the pointer, and the length of a clip read from its file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "test_support.h"
#include "ui/clips.h"

namespace fief {
namespace {

namespace fs = std::filesystem;

// The start of a PNG file as far as a clip's length needs it: signature and header chunk.
std::string pngHead(uint32_t w, uint32_t h) {
  std::string b("\x89PNG\r\n\x1a\n", 8);
  b += std::string("\0\0\0\x0d", 4) + "IHDR";
  for (uint32_t v : {w, h})
    for (int s = 24; s >= 0; s -= 8) b += static_cast<char>((v >> s) & 0xFF);
  b += std::string("\x08\x06\0\0\0", 5);
  return b;
}

void writeFile(const std::string& path, const std::string& bytes) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST(Clips, FrameCountIsWidthOverHeightOfTheStrip) {
  test::TempGameDir dir;
  struct Case { const char* name; std::string bytes; int frames; };
  const Case cases[] = {
      {"twenty", pngHead(3200, 160), 20},
      {"one_square", pngHead(160, 160), 1},
      {"narrow", pngHead(100, 160), 1},       // narrower than tall: still one frame
      {"ragged", pngHead(3250, 160), 20},     // a partial last frame is not shown
      {"huge", pngHead(0x7FFFFFFF, 1), kMaxClipFrames},
      {"zero_height", pngHead(3200, 0), 0},
      {"not_png", std::string(40, 'x'), 0},
      {"truncated", pngHead(3200, 160).substr(0, 20), 0},
  };
  for (const Case& c : cases) {
    const std::string path = dir.path() + "/anim/" + c.name + ".rz";
    writeFile(path, c.bytes);
    EXPECT_EQ(clipFrames(path), c.frames) << c.name;
  }
  EXPECT_EQ(clipFrames(dir.path() + "/anim/missing.rz"), 0);
  EXPECT_EQ(clipLengthMs(20), 2000);
}

struct MovieTest : test::GameFixture {
  MovieTest() {
    startCampaign();
    g.s.Advanced.AnimatedSprites = -1;
    clip("assassin_failed", 20);
    clip("assassin_ok", 20);
    clip("scout_ok", 10);
    clip("scout_failed", 10);
    clip("death", 5);
  }
  void clip(const std::string& name, uint32_t frames) {
    writeFile(g.path("anim/" + name + ".rz"), pngHead(frames * 160, 160));
  }
  void queue(uint8_t assassin, uint8_t scout, uint8_t death) {
    g.s.TurnAnimationFlags[0] = assassin;
    g.s.TurnAnimationFlags[1] = scout;
    g.s.TurnAnimationFlags[2] = death;
  }
  Form& open() {
    Form& f = g.form("MovieFrm");
    shell.show(f);
    return f;
  }
  std::string playing(Form& f) { return f.Visible ? f.ctl("WeatherAnim").Picture : "(closed)"; }
};

TEST_F(MovieTest, EachClipAdvancesAtItsEndAndTheLastCloses) {
  queue(2, 1, 1);
  Form& f = open();
  // The clip's length in ms, and what is on view just before and at its end.
  struct Step { int lengthMs; const char* before; const char* after; };
  const Step steps[] = {
      {2000, "anim/assassin_failed.rz", "anim/scout_ok.rz"},
      {1000, "anim/scout_ok.rz", "anim/death.rz"},
      {500, "anim/death.rz", "(closed)"},
  };
  for (const Step& s : steps) {
    EXPECT_EQ(f.ctl("WeatherAnim").ClipStart, shell.nowMs()) << s.before;
    shell.wait(s.lengthMs - 1);
    EXPECT_EQ(playing(f), s.before);
    shell.wait(1);
    EXPECT_EQ(playing(f), s.after);
  }
  for (int i = 0; i < 3; ++i) EXPECT_EQ(g.s.TurnAnimationFlags[i], 0) << i;
  EXPECT_EQ(shell.pointer(), Pointer::Normal);
  EXPECT_FALSE(g.timers.enabled("MovieTimer"));
}

TEST_F(MovieTest, TheScreenWaitsWithTheNormalPointer) {
  queue(1, 0, 0);
  Form& f = open();
  EXPECT_EQ(playing(f), "anim/assassin_ok.rz");
  EXPECT_EQ(shell.pointer(), Pointer::Normal);
}

TEST_F(MovieTest, AClickStartsTheNextClipWithItsFullLength) {
  queue(2, 0, 1);
  Form& f = open();
  shell.wait(1500);
  f.fire("WeatherAnim", Ev::Click);
  EXPECT_EQ(playing(f), "anim/death.rz");
  // The first clip's end (500 ms later) no longer counts: the death clip runs its 500 ms.
  shell.wait(499);
  EXPECT_EQ(playing(f), "anim/death.rz");
  shell.wait(1);
  EXPECT_EQ(playing(f), "(closed)");
}

TEST_F(MovieTest, EscAdvancesAndClosesWhenNothingIsPendingOtherKeysDoNothing) {
  queue(0, 2, 1);
  Form& f = open();
  EXPECT_EQ(playing(f), "anim/scout_failed.rz");
  for (Key k : {Key::A, Key::Enter, Key::F5}) f.Form_KeyUp(k);
  EXPECT_EQ(playing(f), "anim/scout_failed.rz");
  f.Form_KeyUp(Key::Escape);
  EXPECT_EQ(playing(f), "anim/death.rz");
  f.Form_KeyUp(Key::Escape);
  EXPECT_EQ(playing(f), "(closed)");
  EXPECT_FALSE(g.timers.enabled("MovieTimer"));
}

TEST_F(MovieTest, WithAnimationsOffTheScreenClosesAtOnceAndTheQueueStays) {
  g.s.Advanced.AnimatedSprites = 0;
  queue(1, 2, 1);
  Form& f = open();
  EXPECT_FALSE(f.Visible);
  EXPECT_EQ(g.s.TurnAnimationFlags[0], 1);
  EXPECT_EQ(g.s.TurnAnimationFlags[1], 2);
  EXPECT_EQ(g.s.TurnAnimationFlags[2], 1);
  EXPECT_FALSE(g.timers.enabled("MovieTimer"));
  EXPECT_EQ(shell.pointer(), Pointer::Normal);
  // Switched on again, the queue plays from its first entry.
  g.s.Advanced.AnimatedSprites = -1;
  open();
  EXPECT_EQ(playing(f), "anim/assassin_ok.rz");
}

TEST_F(MovieTest, AClipThatCannotBeReadWaitsForAClick) {
  fs::remove(g.path("anim/death.rz"));
  queue(0, 0, 1);
  Form& f = open();
  shell.wait(60000);
  EXPECT_EQ(playing(f), "anim/death.rz");
  f.fire("MsgLbl", Ev::Click);
  EXPECT_EQ(playing(f), "(closed)");
}

}  // namespace
}  // namespace fief
