// The timer screen: due order, one-shot timers, and the clock label.
#include <gtest/gtest.h>

#include "test_support.h"
#include "ui/timers.h"

namespace fief {
namespace {

TEST(TimerSet, FiresInDueOrderAndIntervalZeroNeverFires) {
  TimerSet t;
  std::vector<std::string> fired;
  t.add("Slow", true, 300).Tick = [&] { fired.push_back("Slow"); };
  t.add("Fast", true, 100).Tick = [&] { fired.push_back("Fast"); };
  t.add("Never", true, 0).Tick = [&] { fired.push_back("Never"); };
  t.add("Off", false, 50).Tick = [&] { fired.push_back("Off"); };
  while (t.fireNext(300)) {}
  // Timers due at the same moment fire in the order they were declared.
  EXPECT_EQ(fired, (std::vector<std::string>{"Fast", "Fast", "Slow", "Fast"}));
  EXPECT_EQ(t.now(), 300);
  EXPECT_EQ(t.nextDue(), 400);
}

TEST(TimerSet, EnablingAgainStartsAFreshInterval) {
  TimerSet t;
  int ticks = 0;
  t.add("One", false, 100).Tick = [&] { ++ticks; t.disable("One"); };
  t.setNow(1000);
  t.enable("One");
  EXPECT_FALSE(t.fireNext(1099));
  EXPECT_TRUE(t.fireNext(1100));
  EXPECT_FALSE(t.fireNext(5000)) << "a one-shot timer stops itself";
  EXPECT_EQ(ticks, 1);
}

using Clock = test::GameFixture;

TEST_F(Clock, TheClockLabelFirstUpdatesAfterOneSecondThenEveryThirty) {
  startCampaign();
  shell.show(g.form("Camp1Frm"));
  Control& time = g.form("Camp1Frm").ctl("TimeLbl");
  time.Caption = "x";
  shell.wait(999);
  EXPECT_EQ(time.Caption, "x");
  shell.wait(1);
  EXPECT_EQ(time.Caption, "12:00") << "the time of day without its seconds";
  time.Caption = "x";
  shell.wait(29999);
  EXPECT_EQ(time.Caption, "x");
  shell.wait(1);
  EXPECT_EQ(time.Caption, "12:00");
  shell.wait(30000);
  EXPECT_EQ(time.Caption, "12:01");
}

TEST_F(Clock, MusicTimerWithoutASoundDeviceOnlyStopsItself) {
  startCampaign();
  g.SoundAvailable = false;
  g.timers.enable("MusicTimer");
  shell.wait(13000);
  EXPECT_FALSE(g.timers.enabled("MusicTimer"));
  EXPECT_TRUE(shell.takeSounds().empty());
}

// One tick with a sound device: the fauna always, the music only when the in-game
// switch is on, at the stored music volume; then the timer is idle again.
TEST_F(Clock, MusicTimerPlaysTheMusicWhenTheSwitchIsOn) {
  startCampaign();
  g.SoundAvailable = true;
  for (Flag music : {kTrue, kFalse}) {
    SCOPED_TRACE(music);
    g.s.Advanced.Music = music;
    g.s.Advanced.MusicAttenuation = -700;
    shell.takeSounds();
    g.timers.enable("MusicTimer");
    shell.wait(12999);
    EXPECT_TRUE(shell.takeSounds().empty());
    shell.wait(1);
    std::vector<std::pair<std::string, std::string>> want;
    if (music == kTrue) want.emplace_back(kMusicChannel, "music01.wav");
    want.emplace_back(kFaunaChannel, "fauna01.wav");
    EXPECT_EQ(shell.takeSounds(), want);
    EXPECT_FALSE(g.timers.enabled("MusicTimer"));
    EXPECT_EQ(shell.volume(kMusicChannel), -700);
  }
}

}  // namespace
}  // namespace fief
