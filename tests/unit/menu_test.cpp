// The in-game menu: volume steps, the music switch, the stored options, the ways out.
#include <gtest/gtest.h>

#include <filesystem>

#include "campaign/files.h"
#include "campaign/message_log.h"
#include "campaign/option_files.h"
#include "map/camp1_frm.h"
#include "test_support.h"
#include "ui/menu_frm.h"

namespace fief {
namespace {

struct Menu : test::GameFixture {
  void withSound() {
    shell.setSoundDevices(1);
    g.SoundAvailable = true;
  }
  MenuFrm& openMenu() {
    auto& m = g.form<MenuFrm>("MenuFrm");
    shell.show(m);
    return m;
  }
  AdvancedSettings stored() {
    std::vector<uint8_t> bytes;
    std::string err;
    AdvancedSettings a;
    EXPECT_TRUE(readFile(g.path("Advanced.rz"), bytes, err)) << err;
    EXPECT_TRUE(decodeAdvanced(bytes, a, err)) << err;
    return a;
  }
};

TEST_F(Menu, VolumeStepsStopAtTheEnds) {
  withSound();
  AdvancedSettings& a = g.s.Advanced;
  a.MusicVolume = 10;
  a.MusicAttenuation = 0;
  musicUp(g);
  EXPECT_EQ(a.MusicVolume, 10);
  EXPECT_EQ(a.MusicAttenuation, 0);
  a.SoundVolume = 0;
  a.SoundAttenuation = -3500;
  soundsDown(g);
  EXPECT_EQ(a.SoundVolume, 0);
  EXPECT_EQ(a.SoundAttenuation, -3500);
  soundsUp(g);
  EXPECT_EQ(a.SoundAttenuation, -3150);
  // The new attenuation reaches every effect channel, not the music's.
  for (int i = 1; i < 8; ++i) EXPECT_EQ(shell.volume(kChannels[i]), -3150) << kChannels[i];
  EXPECT_NE(shell.volume(kMusicChannel), -3150);
}

TEST_F(Menu, MusicOffThenOneStepUp) {
  withSound();
  setMusicSwitch(g, false);
  EXPECT_EQ(g.s.Advanced.Music, kFalse);
  EXPECT_EQ(g.s.Advanced.SoundAttenuation, -10000);
  musicUp(g);
  EXPECT_EQ(g.s.Advanced.MusicVolume, 1);
  EXPECT_EQ(g.s.Advanced.MusicAttenuation, -9650);
  EXPECT_EQ(shell.volume(kMusicChannel), -9650);
}

TEST_F(Menu, AttenuationNeverLeavesTheScale) {
  // A record whose step and attenuation disagree must not store a volume the reader
  // refuses at the next start.
  withSound();
  g.s.Advanced.MusicVolume = 5;
  g.s.Advanced.MusicAttenuation = 0;
  musicUp(g);
  EXPECT_EQ(g.s.Advanced.MusicAttenuation, 0);
  std::string err;
  ASSERT_TRUE(storeAdvanced(g, err)) << err;
  EXPECT_EQ(stored().MusicVolume, 6);
}

TEST_F(Menu, SettingsWithMessageSoundOffShowTheBoxUncheckedAndStaySilent) {
  withSound();
  AdvancedSettings a = defaultAdvanced();
  a.MessageSoundOff = kTrue;
  std::string err;
  ASSERT_TRUE(writeFileAtomic(g.path("Advanced.rz"), encodeAdvanced(a), err));
  startCampaign();
  shell.show(g.form("Camp1Frm"));  // loads Advanced.rz
  EXPECT_EQ(g.s.Advanced.MessageSoundOff, kTrue);
  MenuFrm& m = openMenu();
  EXPECT_FALSE(m.ctl("DisableMsgSOption").Checked);
  EXPECT_EQ(m.ctl("DisableMsgSOption").Caption, "New Message Sound");
  shell.takeSounds();
  AddMessage(g, 1, 64);
  for (auto& [channel, file] : shell.takeSounds()) EXPECT_NE(file, "message.wav");
  // Checking the box turns the sound on again.
  m.ctl("DisableMsgSOption").Checked = true;
  m.fire("DisableMsgSOption", Ev::Click);
  EXPECT_EQ(g.s.Advanced.MessageSoundOff, kFalse);
}

TEST_F(Menu, StoringWithoutSoundDeviceWritesFullVolumes) {
  startCampaign();
  g.SoundAvailable = false;
  g.s.Advanced.MusicVolume = 3;
  g.s.Advanced.MusicAttenuation = -2450;
  g.s.Advanced.SoundVolume = 0;
  g.s.Advanced.SoundAttenuation = -10000;
  g.s.Advanced.Tooltips = kFalse;
  MenuFrm& m = openMenu();
  EXPECT_FALSE(m.ctl("MusicOption").Enabled);
  m.showPanel("AdvancedFrm");
  m.fire("OkAniBtn", Ev::Click);
  AdvancedSettings a = stored();
  EXPECT_EQ(a.MusicAttenuation, 0);
  EXPECT_EQ(a.SoundAttenuation, 0);
  EXPECT_EQ(a.MusicVolume, 10);
  EXPECT_EQ(a.SoundVolume, 10);
  EXPECT_FALSE(g.timers.enabled("TooltipsTimer"));
  EXPECT_FALSE(m.Visible);
}

TEST_F(Menu, DisplayChoicesAreStoredForTheNextStart) {
  startCampaign();
  g.optim = defaultOptim();
  const OptimSettings before = g.optim;
  MenuFrm& m = openMenu();
  m.showPanel("OptionsFrm");
  m.ctl("Display0Option").Checked = true;
  m.fire("Display0Option", Ev::Click);
  m.ctl("WindowedOption").Checked = false;
  m.fire("WindowedOption", Ev::Click);
  m.ctl("DetailOption").Checked = false;
  m.fire("DetailOption", Ev::Click);
  EXPECT_TRUE(m.ctl("Display0Option").Checked);
  EXPECT_FALSE(m.ctl("Display1Option").Checked);
  m.showPanel("AdvancedFrm");
  m.fire("OkAniBtn", Ev::Click);
  std::vector<uint8_t> bytes;
  std::string err;
  OptimSettings o;
  ASSERT_TRUE(readFile(g.path("Optim.rz"), bytes, err));
  ASSERT_TRUE(decodeOptim(bytes, o, err)) << err;
  EXPECT_EQ(o.DisplayMode, 0);
  EXPECT_FALSE(o.windowed());
  EXPECT_FALSE(o.highDetail());
  EXPECT_EQ(o.Words[6], before.Words[6]);  // the other settings kept
  EXPECT_EQ(g.optim, before);              // this run keeps its display
}

TEST_F(Menu, ExitToTitleStartsSplashThenMenu) {
  startCampaign();
  MenuFrm& m = openMenu();
  answer = [](Form& f) {
    if (f.name() == "MainScreenExit") f.fire("OkAniBtn", Ev::Click);
    else f.close();
  };
  EXPECT_THROW(m.fire("ExitTitlelbl", Ev::Click), ProgramEnded);
  ASSERT_EQ(shell.programs().size(), 2u);
  EXPECT_EQ(shell.programs()[0], g.path("splash.rz"));
  EXPECT_EQ(shell.programs()[1], g.path("menudata.rz"));
  EXPECT_TRUE(shell.ended());
}

TEST_F(Menu, FailedSaveAndExitKeepsThePlayerInTheGame) {
  startCampaign();
  // A folder where the save should go: the write fails.
  std::filesystem::create_directories(g.path("Save Game/Save and Exit.s15/x"));
  MenuFrm& m = openMenu();
  std::vector<std::string> shown;
  answer = [&](Form& f) {
    for (const auto& c : f.controls())
      if (!c.Caption.empty()) shown.push_back(c.Caption);
    f.close();
  };
  EXPECT_NO_THROW(m.fire("SaveExitLbl", Ev::Click));
  EXPECT_FALSE(shell.ended());
  EXPECT_FALSE(shown.empty());
  EXPECT_TRUE(m.Visible);
}

TEST_F(Menu, SaveAndExitWritesTheSaveThenEnds) {
  startCampaign();
  MenuFrm& m = openMenu();
  EXPECT_THROW(m.fire("SaveExitLbl", Ev::Click), ProgramEnded);
  EXPECT_EQ(std::filesystem::file_size(g.path("Save Game/Save and Exit.s15")), 792u);
}

}  // namespace
}  // namespace fief

namespace fief {
namespace {

// The volumes stored in Advanced.rz reach the channels when the campaign screen loads,
// not only after the player touches the menu.
TEST_F(Menu, StoredVolumesApplyWhenTheCampaignScreenLoads) {
  withSound();
  AdvancedSettings a = defaultAdvanced();
  a.MusicVolume = 4;
  a.MusicAttenuation = -2100;
  a.SoundVolume = 8;
  a.SoundAttenuation = -700;
  std::string err;
  ASSERT_TRUE(writeFileAtomic(g.path("Advanced.rz"), encodeAdvanced(a), err)) << err;
  startCampaign();
  shell.show(g.form<Camp1Frm>("Camp1Frm"));
  EXPECT_EQ(shell.volume(kMusicChannel), -2100);
  for (int i = 1; i < 8; ++i) EXPECT_EQ(shell.volume(kChannels[i]), -700) << kChannels[i];
}

}  // namespace
}  // namespace fief
