// What is kept beside a saved game and with the end-of-turn saves: the record of play and
// the objectives met, the five rotating autosave slots, and what a save holds.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "campaign/autosaves.h"
#include "campaign/chronicle_file.h"
#include "campaign/play_record_file.h"
#include "campaign/save_details.h"
#include "campaign/save_games.h"
#include "rules_fixture.h"
#include "turn/turn.h"

namespace fief {
namespace {

namespace fs = std::filesystem;

struct SaveCompanions : test::RulesFixture {
  SaveCompanions() { startCampaign(); }
  void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                               static_cast<std::streamsize>(bytes.size()));
  }
  // The gold of each autosave slot, 0 for a slot that holds no readable save.
  std::vector<long> slotGold() {
    std::vector<long> gold;
    for (int k = 1; k <= kAutosaveSlots; ++k) {
      SaveDetails d;
      std::string why;
      gold.push_back(readSaveDetails(savePath(g, autosaveSlotName(k)), d, why) ? d.gold : 0);
    }
    return gold;
  }
};

SavedProgress sample() {
  SavedProgress p;
  p.play.turns = 24;
  p.play.battlesWon = 3;
  p.play.battlesLost = 1;
  p.play.soldiersRaised = 700;
  p.play.soldiersLost = 412;
  p.play.whole = true;
  p.met = {1, 0, 1, 0, 0, 0};
  p.allMet = false;
  return p;
}

TEST(PlayRecordFile, RoundTripsAndRefusesWhatIsNotWhole) {
  const std::vector<uint8_t> bytes = encodePlayRecord(sample(), 0xABCDEF01u);
  ASSERT_EQ(bytes.size(), kPlayRecordFileSize);
  SavedProgress back;
  uint32_t crc = 0;
  std::string why;
  ASSERT_TRUE(decodePlayRecord(bytes, back, crc, why)) << why;
  EXPECT_EQ(back, sample());
  EXPECT_EQ(crc, 0xABCDEF01u);

  // A file changed after its check sum was computed, and files that are not whole.
  auto withByte = [&](size_t at, uint8_t v, bool fixSum) {
    std::vector<uint8_t> b = bytes;
    b[at] = v;
    if (fixSum) {
      const uint32_t sum = crc32(b.data(), b.size() - 4);
      for (int i = 0; i < 4; ++i) b[b.size() - 4 + i] = static_cast<uint8_t>(sum >> (8 * i));
    }
    return b;
  };
  struct Case { const char* what; std::vector<uint8_t> bytes; };
  const Case cases[] = {
      {"empty", {}},
      {"one byte short", std::vector<uint8_t>(bytes.begin(), bytes.end() - 1)},
      {"one byte long", [&] { auto b = bytes; b.push_back(0); return b; }()},
      {"another magic", withByte(0, 'X', true)},
      {"another version", withByte(4, 2, true)},
      {"a changed turn count", withByte(17, 99, false)},
      {"a met flag of 2", withByte(10, 2, true)},
      {"an all-met flag of 7", withByte(16, 7, true)},
      {"a whole flag of 3", withByte(37, 3, true)},
  };
  for (const Case& c : cases) {
    SavedProgress untouched = sample();
    EXPECT_FALSE(decodePlayRecord(c.bytes, untouched, crc, why)) << c.what;
    EXPECT_EQ(untouched, sample()) << c.what;
  }
}

TEST_F(SaveCompanions, TheObjectivesMetAndTheRecordOfPlayComeBackInALaterRun) {
  g.s.ObjectiveMet = {1, 0, 1, 0, 0, 0};
  g.play = sample().play;
  std::string err;
  ASSERT_TRUE(WriteSave(g, "Won", err)) << err;

  // A new run of the program: nothing met yet, nothing counted.
  Rules later(dir.path);
  later.s.SaveExtension = g.s.SaveExtension;
  later.s.Difficulty = 1;
  ASSERT_TRUE(ReadSave(later, "Won", err)) << err;
  EXPECT_EQ(later.s.ObjectiveMet, (std::array<uint8_t, 6>{1, 0, 1, 0, 0, 0}));
  EXPECT_EQ(later.play, sample().play);

  // An objective met in this run stays met when a save made before it is loaded.
  later.s.ObjectiveMet[1] = 1;
  ASSERT_TRUE(ReadSave(later, "Won", err)) << err;
  EXPECT_EQ(later.s.ObjectiveMet, (std::array<uint8_t, 6>{1, 1, 1, 0, 0, 0}));
}

TEST_F(SaveCompanions, ASaveWithoutItsRecordOfPlayLoadsAndCountsTurnsFromItsCounter) {
  std::string err;
  g.s.TurnCounter = 13;
  g.play = sample().play;
  ASSERT_TRUE(WriteSave(g, "A", err)) << err;
  ASSERT_TRUE(WriteSave(g, "B", err)) << err;
  // A's companion lost; B's companion replaced by one that belongs to another game.
  fs::remove(playRecordPath(savePath(g, "A")));
  g.s.Gold += 1;
  ASSERT_TRUE(WriteSave(g, "Other", err)) << err;
  fs::copy_file(playRecordPath(savePath(g, "Other")), playRecordPath(savePath(g, "B")),
                fs::copy_options::overwrite_existing);
  for (const char* name : {"A", "B"}) {
    Rules later(dir.path);
    later.s.SaveExtension = g.s.SaveExtension;
    later.s.Difficulty = 1;
    ASSERT_TRUE(ReadSave(later, name, err)) << name << ": " << err;
    EXPECT_EQ(later.play.turns, 12u) << name;
    EXPECT_EQ(later.play.battlesWon, 0u) << name;
    EXPECT_FALSE(later.play.whole) << name;
    EXPECT_EQ(later.s.ObjectiveMet, (std::array<uint8_t, 6>{})) << name;
  }
}

TEST_F(SaveCompanions, RemovingASaveRemovesWhatIsKeptBesideIt) {
  std::string err;
  ASSERT_TRUE(WriteSave(g, "Gone", err)) << err;
  const std::string path = savePath(g, "Gone");
  for (const std::string& f : {path, chroniclePath(path), playRecordPath(path)}) ASSERT_TRUE(fs::exists(f)) << f;
  removeSave(g, "Gone");
  for (const std::string& f : {path, chroniclePath(path), playRecordPath(path)}) EXPECT_FALSE(fs::exists(f)) << f;
}

TEST_F(SaveCompanions, SixEndOfTurnSavesKeepTheLastFiveInTheirSlots) {
  for (int turn = 1; turn <= 6; ++turn) {
    g.s.Gold = 1000 + turn;
    const AutosaveResult r = WriteAutosaves(g);
    ASSERT_TRUE(r.saved) << r.err;
    EXPECT_TRUE(r.skipped.empty());
    EXPECT_EQ(r.slot, turn <= 5 ? turn : 1) << "turn " << turn;
  }
  EXPECT_EQ(slotGold(), (std::vector<long>{1006, 1002, 1003, 1004, 1005}));
  SaveDetails d;
  std::string why;
  ASSERT_TRUE(readSaveDetails(savePath(g, "AutoSave"), d, why)) << why;
  EXPECT_EQ(d.gold, 1006);
  // The seventh replaces the oldest left, slot 2.
  g.s.Gold = 1007;
  EXPECT_EQ(WriteAutosaves(g).slot, 2);
  EXPECT_EQ(slotGold(), (std::vector<long>{1006, 1007, 1003, 1004, 1005}));
}

TEST_F(SaveCompanions, DamagedMissingAndFolderSlotsNeverStopTheEndOfTurnSave) {
  for (int turn = 1; turn <= 5; ++turn) {
    g.s.Gold = 1000 + turn;
    WriteAutosaves(g);
  }
  // Slot 4 damaged, slot 2 gone, slot 5 a folder in the way.
  writeBytes(savePath(g, autosaveSlotName(4)), {1, 2, 3});
  fs::remove(savePath(g, autosaveSlotName(2)));
  fs::remove(savePath(g, autosaveSlotName(5)));
  fs::create_directory(savePath(g, autosaveSlotName(5)));
  struct Step { long gold; int slot; };
  // The unusable slots are filled first (lowest first), then the oldest; the folder never.
  const Step steps[] = {{2001, 2}, {2002, 4}, {2003, 1}, {2004, 3}, {2005, 2}};
  for (const Step& st : steps) {
    g.s.Gold = st.gold;
    const AutosaveResult r = WriteAutosaves(g);
    EXPECT_TRUE(r.saved) << r.err;
    EXPECT_EQ(r.slot, st.slot) << st.gold;
    ASSERT_EQ(r.skipped.size(), 1u);
    EXPECT_NE(r.skipped[0].find("AutoSave 5 skipped"), std::string::npos) << r.skipped[0];
  }
  EXPECT_EQ(slotGold(), (std::vector<long>{2003, 2005, 2004, 2002, 0}));

  // Even "AutoSave" itself blocked by a folder: the slots are still written.
  fs::remove(savePath(g, "AutoSave"));
  fs::create_directory(savePath(g, "AutoSave"));
  g.s.Gold = 3000;
  const AutosaveResult r = WriteAutosaves(g);
  EXPECT_FALSE(r.saved);
  EXPECT_FALSE(r.err.empty());
  EXPECT_EQ(r.slot, 4) << "the oldest, written with 2002 gold";
}

TEST_F(SaveCompanions, TheDetailsOfASaveComeFromTheSaveItself) {
  g.s.TurnCounter = 9;
  g.s.Season = 3;
  g.s.Gold = 4321;
  g.s.People = 1234;
  g.s.ArmyCampSoldiers = {837, 250, 40};
  g.s.CampExists = {kTrue, kTrue, kFalse};  // a camp that does not exist holds nobody
  std::string err;
  const std::time_t before = std::time(nullptr);
  ASSERT_TRUE(WriteSave(g, "Details", err)) << err;
  g.s.Gold = 1;  // the game in play is not what the screen shows
  SaveDetails d;
  std::string why;
  ASSERT_TRUE(readSaveDetails(savePath(g, "Details"), d, why)) << why;
  EXPECT_EQ(d.level, 15);
  EXPECT_EQ(d.turn, 9);
  EXPECT_EQ(d.season, 3);
  EXPECT_EQ(d.gold, 4321);
  EXPECT_EQ(d.people, 1234);
  EXPECT_EQ(d.soldiers, 1087);
  EXPECT_GE(d.written, before - 1);
  EXPECT_LE(d.written, std::time(nullptr) + 1);

  struct Case { const char* what; std::vector<uint8_t> bytes; };
  std::vector<uint8_t> level0 = std::vector<uint8_t>(792, 0);
  const Case cases[] = {{"short", {1, 2, 3}}, {"level 0", level0}};
  for (const Case& c : cases) {
    writeBytes(savePath(g, "Bad"), c.bytes);
    SaveDetails untouched;
    EXPECT_FALSE(readSaveDetails(savePath(g, "Bad"), untouched, why)) << c.what;
    EXPECT_NE(why.find("Bad.s15"), std::string::npos) << why;
  }
  EXPECT_FALSE(readSaveDetails(savePath(g, "Missing"), d, why));
}

TEST_F(SaveCompanions, TheRecordOfPlayCountsTurnsBattlesAndSoldiers) {
  for (int i = 0; i < 3; ++i) EndTurn(g);
  g.play.battleFought(true, 50);
  g.play.battleFought(false, 487);
  g.play.levyRaised(200);
  g.play.levyRaised(-5);  // nothing is raised by a negative levy
  EXPECT_EQ(g.play.turns, 3u);
  EXPECT_EQ(g.play.battlesWon, 1u);
  EXPECT_EQ(g.play.battlesLost, 1u);
  EXPECT_EQ(g.play.soldiersLost, 537u);
  EXPECT_EQ(g.play.soldiersRaised, 200u);
  // A new campaign starts the count again.
  InitialState(g);
  EXPECT_EQ(g.play, PlayRecord{});
}

}  // namespace
}  // namespace fief
