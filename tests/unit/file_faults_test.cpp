// Files that are not what the program expects: a folder, a FIFO or an oversized file in
// place of a file, a disk that refuses the write, a saved game of no campaign level, a
// damaged level map. Every reader answers with a message naming the file, and every
// caller goes on as it does for a missing file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "campaign/files.h"
#include "campaign/missions.h"
#include "campaign/save_games.h"
#include "state/save_record.h"
#include "test_support.h"
#include "ui/headless/script_runner.h"

namespace fief {
namespace {

namespace fs = std::filesystem;

void writeText(const std::string& path, const std::string& text) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

TEST(ReadFile, WhatIsNotARegularFileIsAnErrorNamingIt) {
  test::TempGameDir dir;
  const std::string base = dir.path() + "/x";
  struct Case {
    const char* what;
    std::function<void(const std::string&)> make;
    size_t limit;
    const char* why;
  };
  const Case cases[] = {
      {"missing", [](const std::string&) {}, kMaxReadSize, "No such file"},
      {"folder", [](const std::string& p) { fs::create_directory(p); }, kMaxReadSize, "folder"},
      // No writer ever opens it: a reader that waited for one would hang here.
      {"fifo", [](const std::string& p) { ASSERT_EQ(mkfifo(p.c_str(), 0644), 0); }, kMaxReadSize, "not a regular file"},
      {"oversized", [](const std::string& p) { writeText(p, std::string(100, 'x')); }, 99, "100 bytes"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = base + c.what;
    c.make(path);
    std::vector<uint8_t> bytes{1, 2, 3};
    std::string err;
    EXPECT_FALSE(readFile(path, bytes, err, c.limit));
    EXPECT_NE(err.find(path), std::string::npos) << err;
    EXPECT_NE(err.find(c.why), std::string::npos) << err;
    EXPECT_EQ(bytes, (std::vector<uint8_t>{1, 2, 3})) << "the output is untouched";
  }
  // At the limit the file is read whole.
  writeText(base + "exact", std::string(99, 'y'));
  std::vector<uint8_t> bytes;
  std::string err;
  ASSERT_TRUE(readFile(base + "exact", bytes, err, 99)) << err;
  EXPECT_EQ(bytes.size(), 99u);
}

TEST(WriteFileAtomic, AFailedWriteSaysWhyAndKeepsTheOldFile) {
  test::TempGameDir dir;
  const std::string path = dir.path() + "/Save Game/Keep.s15";
  std::string err;
  ASSERT_TRUE(writeFileAtomic(path, {1, 2, 3}, err)) << err;
  {
    test::FullDisk full;
    EXPECT_FALSE(writeFileAtomic(path, std::vector<uint8_t>(792, 7), err));
  }
  EXPECT_NE(err.find(path), std::string::npos) << err;
  EXPECT_NE(err.find("File too large"), std::string::npos) << "the reason is given: " << err;
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(readFile(path, bytes, err)) << err;
  EXPECT_EQ(bytes, (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_FALSE(fs::exists(path + ".tmp")) << "the temporary file is removed";
}

struct RunResult {
  int status = 0;
  std::string out;
};

RunResult run(const std::string& gameDir, const std::string& script) {
  RunOptions opt;
  opt.gameDir = gameDir;
  std::istringstream in(script);
  std::ostringstream out;
  RunResult r;
  r.status = runScript(in, out, opt);
  r.out = out.str();
  return r;
}

// Each file of the program folder replaced by a folder, a FIFO or garbage: the program
// starts (or ends with a message, as it does when the file is missing), and the faults
// of later reads are messages too. No command of the script fails.
TEST(FileFaults, EveryReaderOfTheProgramFolderReportsAndGoesOn) {
  struct Case {
    const char* file;
    char kind;  // d folder, f FIFO, t the text below
    const char* text;
    const char* script;  // after "start"
    const char* box;     // a message box holding this
    bool ends;           // the program ends (as for a missing file)
  };
  const Case cases[] = {
      {"Optim.rz", 'd', "", "", "Optim.rz", false},
      {"Optim.rz", 'f', "", "", "Optim.rz", false},
      {"Options.rz", 'd', "", "", "Options.rz", false},
      {"Advanced.rz", 'd', "", "", "Advanced.rz", false},
      {"LGame.rz", 'd', "", "", nullptr, false},
      {"levelinfo.rz", 'd', "", "", "levelinfo.rz", true},
      {"localizations/captions.loc", 'd', "", "", "captions.loc", true},
      {"level15/map.json", 'd', "", "", "map.json", false},
      {"level15/map.json", 't', R"({"size": [2400, "wide"]})", "", "size[1]", false},
      {"level15/map.json", 't', R"({"size": [2400, 99999999999]})", "", "size[1]", false},
      {"Save Game/FirstSave.s15", 'd', "", "", "FirstSave.s15", false},
      {"Save Game/QuickSave.s15", 'd', "", "click TipsFrm.CloseLbl\nkey Camp1Frm F7\nscreen MsgFrm\n", "QuickSave.s15", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " " + c.kind);
    test::TempGameDir dir;
    const std::string path = dir.path() + "/" + c.file;
    fs::create_directories(fs::path(path).parent_path());
    fs::remove(path);
    if (c.kind == 'd') fs::create_directory(path);
    if (c.kind == 'f') ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
    if (c.kind == 't') writeText(path, c.text);
    RunResult r = run(dir.path(), std::string("start\n") + c.script + "boxes\nprograms\n");
    EXPECT_EQ(r.out.find("error:"), std::string::npos) << r.out;
    if (c.box) EXPECT_NE(r.out.find(c.box), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("\"ended\":true") != std::string::npos, c.ends) << r.out;
  }
}

struct SaveFaults : test::GameFixture {
  SaveFaults() { startCampaign(1); }
};

TEST_F(SaveFaults, ASaveOfNoCampaignLevelOrFarTooLongIsRefused) {
  std::string err;
  ASSERT_TRUE(WriteSave(g, "Mine", err)) << err;
  const std::string path = savePath(g, "Mine");
  std::vector<uint8_t> good;
  ASSERT_TRUE(readFile(path, good, err));
  struct Case {
    int level;
    bool loads;
  };
  for (const Case c : {Case{0, false}, Case{1, true}, Case{18, true}, Case{19, false}, Case{30, false}, Case{255, false}}) {
    SCOPED_TRACE(c.level);
    std::vector<uint8_t> bytes = good;
    bytes[0] = static_cast<uint8_t>(c.level);
    ASSERT_TRUE(writeFileAtomic(path, bytes, err));
    g.s.CurrentLevel = 15;
    g.s.Gold = 4321;
    EXPECT_EQ(ReadSave(g, "Mine", err), c.loads) << err;
    if (c.loads) {
      EXPECT_EQ(g.s.CurrentLevel, c.level);
    } else {
      EXPECT_NE(err.find(path), std::string::npos) << err;
      EXPECT_NE(err.find("level " + std::to_string(c.level)), std::string::npos) << err;
      EXPECT_EQ(g.s.Gold, 4321) << "the live state is untouched";
      EXPECT_EQ(g.s.CurrentLevel, 15);
    }
  }
  // A morale that is no number (offset 98, f32) marks a damaged record.
  std::vector<uint8_t> nan = good;
  nan[98] = 0x00; nan[99] = 0x00; nan[100] = 0xC0; nan[101] = 0x7F;
  ASSERT_TRUE(writeFileAtomic(path, nan, err));
  EXPECT_FALSE(ReadSave(g, "Mine", err));
  EXPECT_NE(err.find("damaged"), std::string::npos) << err;
  // A record with a little more after it still loads; a file far larger is refused unread.
  std::vector<uint8_t> longer = good;
  longer.resize(good.size() + 8, 0);
  ASSERT_TRUE(writeFileAtomic(path, longer, err));
  EXPECT_TRUE(ReadSave(g, "Mine", err)) << err;
  std::vector<uint8_t> huge = good;
  huge.resize(kMaxSaveFileSize + 1, 0);
  ASSERT_TRUE(writeFileAtomic(path, huge, err));
  EXPECT_FALSE(ReadSave(g, "Mine", err));
  EXPECT_NE(err.find("bytes long"), std::string::npos) << err;
}

TEST_F(SaveFaults, TheIntroOfALevelBeyondTheTablesShowsNothing) {
  g.s.CurrentLevel = 30;  // as a save of an older program might leave it
  answer = [](Form& f) {
    if (f.name() == "TipsFrm") f.fire("Label1", Ev::Click);
    f.close();
  };
  EXPECT_NO_THROW(g.form("TipsFrm").showModal());
}

TEST(SaveNames, LengthCountsCharactersAndTheFileNameMustFit) {
  auto repeat = [](const std::string& s, int n) {
    std::string r;
    for (int i = 0; i < n; ++i) r += s;
    return r;
  };
  struct Case {
    std::string name;
    bool valid;
  };
  const Case cases[] = {
      {repeat("a", 64), true},
      {repeat("a", 65), false},
      {repeat("\xc3\xa9", 64), true},             // 64 letters é, 128 bytes
      {repeat("\xc3\xa9", 65), false},
      {repeat("\xe2\x9a\x94", 64), true},         // 64 crossed swords, 192 bytes
      {repeat("\xf0\x9f\x8f\xb0", 61), true},     // 61 castles, 244 bytes
      {repeat("\xf0\x9f\x8f\xb0", 62), false},    // 248 bytes: no room for ".s15" and ".tmp"
  };
  for (const Case& c : cases) {
    std::string why;
    EXPECT_EQ(validSaveName(c.name, why), c.valid) << c.name.size() << " bytes: " << why;
  }
}

struct LeaveFaults : test::GameFixture {
  LeaveFaults() { startCampaign(1); }
  long number(const char* file) {
    long v = -1;
    std::string err;
    readNumberFile(g.path(file), v, err);
    return v;
  }
};

TEST_F(LeaveFaults, ProgressThatCannotBeWrittenKeepsThePlayerInTheLevel) {
  g.form("Camp1Frm").show();
  // levelinfo.rz cannot be replaced: its temporary file's name is taken by a folder.
  fs::create_directory(g.path("levelinfo.rz.tmp"));
  LeaveLevel(g);
  auto boxes = shell.takeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("levelinfo.rz"), std::string::npos) << boxes[0];
  EXPECT_TRUE(shell.programs().empty()) << "nothing is started";
  EXPECT_FALSE(shell.ended());
  EXPECT_TRUE(g.form("Camp1Frm").Visible);
  EXPECT_EQ(number("camp.rz"), 15) << "the progress is not half written";
  // Room again: leaving again writes both files and hands over.
  fs::remove(g.path("levelinfo.rz.tmp"));
  EXPECT_THROW(LeaveLevel(g), ProgramEnded);
  EXPECT_EQ(number("levelinfo.rz"), 16);
  EXPECT_EQ(number("camp.rz"), 16);
  EXPECT_EQ(shell.programs().size(), 2u);
}

TEST_F(LeaveFaults, AFullDiskIsToldWithItsReason) {
  {
    test::FullDisk full;
    LeaveLevel(g);
  }
  auto boxes = shell.takeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].find("File too large"), std::string::npos) << boxes[0];
  EXPECT_FALSE(shell.ended());
}

}  // namespace
}  // namespace fief
