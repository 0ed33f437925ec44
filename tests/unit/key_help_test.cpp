// Keys at a glance: the list names every key of the campaign screen, and only those.
#include <gtest/gtest.h>

#include <set>

#include "campaign/key_help.h"
#include "map/camp1_frm.h"
#include "test_support.h"

namespace fief {
namespace {

struct KeyHelp : test::GameFixture {
  KeyHelp() { startCampaign(); }
};

TEST_F(KeyHelp, TheListHoldsEveryKeyOfTheCampaignScreenAndNoOther) {
  auto& camp = g.form<Camp1Frm>("Camp1Frm");
  std::set<std::string> bound, listed;
  for (const auto& [k, action] : camp.keyActions) bound.insert(keyName(k));
  for (const KeyHelpRow& r : keyHelp())
    if (r.window == KeyWindow::Campaign)
      for (Key k : r.keys) EXPECT_TRUE(listed.insert(keyName(k)).second) << keyName(k) << " is listed twice";
  EXPECT_EQ(listed, bound);
}

TEST_F(KeyHelp, EveryRowSaysWhichKeysAndWhatTheyDo) {
  int battleRows = 0;
  for (const KeyHelpRow& r : keyHelp()) {
    EXPECT_FALSE(r.keys.empty());
    EXPECT_NE(std::string(r.keyText), "");
    EXPECT_NE(std::string(r.what), "");
    battleRows += r.window == KeyWindow::Battle;
  }
  EXPECT_GT(battleRows, 0);
}

TEST_F(KeyHelp, F1AndTheMenuOpenTheKeys) {
  std::vector<std::string> opened;
  answer = [&](Form& f) {
    opened.push_back(f.name());
    f.close();
  };
  auto& camp = g.form<Camp1Frm>("Camp1Frm");
  shell.show(camp);
  camp.Form_KeyUp(Key::F1);
  auto& menu = g.form("MenuFrm");
  shell.show(menu);
  menu.fire("KeysLbl", Ev::Click);
  EXPECT_EQ(opened, (std::vector<std::string>{"KeysFrm", "KeysFrm"}));
}

}  // namespace
}  // namespace fief
