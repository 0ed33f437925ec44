// The save and load screens: names they refuse, the reserved saves, deleting.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "campaign/autosaves.h"
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
  // Dates a save as written `seconds` ago: the load list shows the newest first.
  void age(const std::string& name, int seconds) {
    std::filesystem::last_write_time(savePath(g, name), std::filesystem::file_time_type::clock::now() -
                                                            std::chrono::seconds(seconds));
  }
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
  age("QuickSave", 120);
  age("AutoSave", 60);
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

TEST_F(SaveScreens, ASaveReplacesAnotherOnlyWhenThePlayerSaysSo) {
  std::string err;
  g.s.Gold = 111;
  ASSERT_TRUE(WriteSave(g, "Harvest", err)) << err;
  g.s.Gold = 222;
  struct Case { const char* answer; long goldKept; bool closed; };
  const Case cases[] = {{"KeepBtn", 111, false}, {"ReplaceBtn", 222, true}};
  for (const Case& c : cases) {
    notices.clear();
    Form& f = open("SaveGameFrm");
    type(f, "Harvest");
    f.fire("OkAniBtn", Ev::Click);
    // Asked first: nothing written yet, the question names the save.
    EXPECT_TRUE(f.ctl("ConfirmLbl").Visible) << c.answer;
    EXPECT_NE(f.ctl("ConfirmLbl").Caption.find("\"Harvest\""), std::string::npos);
    EXPECT_FALSE(f.ctl("OkAniBtn").Enabled);
    EXPECT_TRUE(notices.empty());
    f.fire(c.answer, Ev::Click);
    GameState saved;
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(readSavedGame(savePath(g, "Harvest"), bytes, saved, err)) << err;
    EXPECT_EQ(saved.Gold, c.goldKept) << c.answer;
    EXPECT_EQ(!f.Visible, c.closed) << c.answer;
    if (f.Visible) {
      EXPECT_FALSE(f.ctl("ConfirmLbl").Visible);
      EXPECT_TRUE(f.ctl("OkAniBtn").Enabled);
      f.close();
    }
  }
  // A new name is saved at once.
  Form& f = open("SaveGameFrm");
  type(f, "Winter");
  f.fire("OkAniBtn", Ev::Click);
  EXPECT_TRUE(exists("Winter"));
  EXPECT_FALSE(f.Visible);
}

TEST_F(SaveScreens, TheChosenSaveShowsWhatItHolds) {
  std::string err;
  g.s.TurnCounter = 7;
  g.s.Season = 2;
  g.s.Gold = 5555;
  g.s.People = 1500;
  ASSERT_TRUE(WriteSave(g, "Spring", err)) << err;
  g.s.Gold = 1;
  for (const char* screen : {"LoadGameFrm", "SaveGameFrm"}) {
    Form& f = open(screen);
    f.ctl("FileLst").ListIndex = 0;
    f.fire("FileLst", Ev::Click);
    EXPECT_EQ(f.ctl("LevelLbl").Caption, "Level 15") << screen;
    EXPECT_EQ(f.ctl("TurnLbl").Caption, "Turn 7");
    EXPECT_EQ(f.ctl("SeasonLbl").Caption, g.text(txt::campaign1::SeasonNames[2]));
    EXPECT_EQ(f.ctl("GoldLbl").Caption, g.text(txt::captions::ResourceNames[0]) + " 5555");
    EXPECT_EQ(f.ctl("PeopleLbl").Caption, "People 1500");
    EXPECT_EQ(f.ctl("SoldiersLbl").Caption, "Soldiers 837");
    EXPECT_EQ(f.ctl("FileDateLbl").Caption.size(), 16u) << f.ctl("FileDateLbl").Caption;
    f.close();
  }
}

TEST_F(SaveScreens, TheLoadScreenListsTheAutosaveSlotsAndSaysWhichWasSkipped) {
  std::string err;
  for (int k = 1; k <= 3; ++k) ASSERT_TRUE(WriteSave(g, autosaveSlotName(k), err)) << err;
  // Slot 2 damaged, slot 4 a folder.
  std::filesystem::resize_file(savePath(g, autosaveSlotName(2)), 100);
  std::filesystem::create_directory(savePath(g, autosaveSlotName(4)));
  age(autosaveSlotName(1), 60);
  age(autosaveSlotName(3), 120);
  Form& f = open("LoadGameFrm");
  EXPECT_EQ(f.ctl("FileLst").Items, (std::vector<std::string>{"AutoSave 1.s15", "AutoSave 3.s15"}));
  const std::string note = f.ctl("SkippedLbl").Caption;
  EXPECT_NE(note.find("AutoSave 2 skipped"), std::string::npos) << note;
  EXPECT_NE(note.find("AutoSave 4 skipped"), std::string::npos) << note;
  EXPECT_EQ(note.find("AutoSave 1"), std::string::npos) << note;
  // A listed slot loads.
  g.s.Gold = 1;
  type(f, "AutoSave 3");
  f.fire("OkAniBtn", Ev::Click);
  EXPECT_NE(g.s.Gold, 1);
}

TEST_F(SaveScreens, TheLoadListShowsTheNewestSaveFirst) {
  // Dates against the order of the names, two of them written in the same instant.
  std::string err;
  const struct {
    const char* name;
    int age;
  } saves[] = {{"Autumn", 300}, {"Winter", 10}, {"Spring", 5000}, {"Battle", 10}, {"Zeal", 20}};
  const auto now = std::filesystem::file_time_type::clock::now();
  for (const auto& s : saves) {
    ASSERT_TRUE(WriteSave(g, s.name, err)) << err;
    std::filesystem::last_write_time(savePath(g, s.name), now - std::chrono::seconds(s.age));
  }
  // A damaged save other than an autosave slot stays listed (choosing it says it holds no game).
  std::filesystem::resize_file(savePath(g, "Zeal"), 10);
  std::filesystem::last_write_time(savePath(g, "Zeal"), now - std::chrono::seconds(20));
  Form& f = open("LoadGameFrm");
  EXPECT_EQ(f.ctl("FileLst").Items, (std::vector<std::string>{"Battle.s15", "Winter.s15", "Zeal.s15", "Autumn.s15",
                                                              "Spring.s15"}));
  EXPECT_EQ(f.ctl("FileLst").ListTop, 0);
}

}  // namespace
}  // namespace fief
