// The save and load screens: names they refuse, the reserved saves, deleting.
#include <gtest/gtest.h>

#include <filesystem>

#include "campaign/save_games.h"
#include "test_support.h"
#include "text_names.h"

namespace fief {
namespace {

struct SaveScreens : test::GameFixture {
  std::vector<std::string> notices;  // texts of the message boxes shown
  SaveScreens() {
    startCampaign();
    answer = [this](Form& f) {
      if (f.name() == "MsgFrm") notices.push_back(f.ctl("MsgLbl").Caption);
      f.fire(f.ctl("OkAniBtn").Visible ? "OkAniBtn" : "Noanibtn", Ev::Click);
    };
  }
  Form& open(const char* name) {
    Form& f = g.form(name);
    shell.show(f);
    return f;
  }
  void type(Form& f, const std::string& name) { f.ctl("FileNameTxt").Caption = name; }
  bool exists(const std::string& name) { return std::filesystem::exists(savePath(g, name)); }
};

TEST_F(SaveScreens, SavingUnderATypedNameAndTheRefusals) {
  struct Case { std::string name; bool saved; std::string notice; };
  const Case cases[] = {
      {"", false, ""},                    // an empty name does nothing
      {"QuickSave", false, g.texts.text(1, 132)},
      {"FirstSave", false, g.texts.text(1, 132)},
      {"../escape", false, "\"../escape\": a save name cannot name a folder."},
      {"/abs", false, "\"/abs\": a save name cannot name a folder."},
      {"AutoSave", true, g.texts.text(1, 126)},
      {"My Winter", true, g.texts.text(1, 126)},
  };
  for (const auto& c : cases) {
    notices.clear();
    Form& f = open("SaveGameFrm");
    type(f, c.name);
    f.fire("OkAniBtn", Ev::Click);
    if (c.notice.empty()) {
      EXPECT_TRUE(notices.empty()) << c.name;
    } else {
      ASSERT_EQ(notices, std::vector<std::string>{c.notice}) << c.name;
    }
    if (c.saved) EXPECT_TRUE(exists(c.name)) << c.name;
    EXPECT_EQ(f.Visible, !c.saved) << "the screen closes after a save";
    if (f.Visible) f.close();
  }
  EXPECT_FALSE(std::filesystem::exists(g.path("escape.s15")));
}

TEST_F(SaveScreens, DeletingFromTheLoadScreen) {
  std::string err;
  ASSERT_TRUE(WriteSave(g, "QuickSave", err));
  ASSERT_TRUE(WriteSave(g, "AutoSave", err));
  Form& f = open("LoadGameFrm");
  EXPECT_EQ(f.ctl("FileLst").Items, (std::vector<std::string>{"AutoSave.s15", "QuickSave.s15"}));

  type(f, "QuickSave");
  f.fire("DelAnibtn", Ev::Click);
  EXPECT_EQ(notices, std::vector<std::string>{g.texts.text(1, 132)});
  EXPECT_TRUE(exists("QuickSave"));

  f.ctl("FileLst").ListIndex = 0;
  f.fire("FileLst", Ev::Click);
  EXPECT_EQ(f.ctl("FileNameTxt").Caption, "AutoSave");
  EXPECT_FALSE(f.ctl("FileDateLbl").Caption.empty());
  EXPECT_EQ(f.ctl("FileDateCaptionLbl").Caption, g.text(txt::campaign1::SavedOn));
  f.fire("DelAnibtn", Ev::Click);
  EXPECT_FALSE(exists("AutoSave"));
  EXPECT_EQ(f.ctl("FileNameTxt").Caption, "");
  EXPECT_EQ(f.ctl("FileDateLbl").Caption, "");
  EXPECT_EQ(f.ctl("FileDateCaptionLbl").Caption, "");

  // Opened again, the screen shows no date of a file chosen before.
  f.ctl("FileLst").ListIndex = 0;
  f.fire("FileLst", Ev::Click);
  shell.close(f);
  Form& again = open("LoadGameFrm");
  EXPECT_EQ(again.ctl("FileNameTxt").Caption, "");
  EXPECT_EQ(again.ctl("FileDateLbl").Caption, "");
  EXPECT_EQ(again.ctl("FileDateCaptionLbl").Caption, "");
  EXPECT_EQ(f.ctl("FileLst").Items, std::vector<std::string>{"QuickSave.s15"});
}

TEST_F(SaveScreens, LoadingAndAnEmptyName) {
  std::string err;
  g.s.Gold = 999;
  ASSERT_TRUE(WriteSave(g, "Spring", err));
  g.s.Gold = 1;
  Form& f = open("LoadGameFrm");
  f.fire("OkAniBtn", Ev::Click);  // empty name: nothing
  EXPECT_TRUE(notices.empty());
  EXPECT_TRUE(f.Visible);
  type(f, "Spring");
  f.fire("OkAniBtn", Ev::Click);
  EXPECT_EQ(g.s.Gold, 999);
  EXPECT_EQ(notices, std::vector<std::string>{g.texts.text(1, 130)});
  EXPECT_FALSE(f.Visible);

  // The load screen says "loaded" even for a game of another level (only the quick load
  // and the replay tell the level apart).
  g.s.CurrentLevel = 12;
  ASSERT_TRUE(WriteSave(g, "Elsewhere", err));
  g.s.CurrentLevel = 15;
  notices.clear();
  Form& again = open("LoadGameFrm");
  type(again, "Elsewhere");
  again.fire("OkAniBtn", Ev::Click);
  EXPECT_EQ(notices, std::vector<std::string>{g.texts.text(1, 130)});
  EXPECT_EQ(g.s.CurrentLevel, 12);
}

}  // namespace
}  // namespace fief
