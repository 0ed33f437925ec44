// Where the game's files are read and written: a build's program folder keeps the player's
// files itself; an installed one sends them to the player's data folder, which starts from
// copies of the shipped option and progress files. A data folder that cannot be used is
// told and the game reads the shipped files; nothing is written into the program folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>

#include "battle/battle_program.h"
#include "campaign/files.h"
#include "campaign/folders.h"
#include "campaign/save_games.h"
#include "test_support.h"

namespace fief {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> bytesOf(const std::string& path) {
  std::vector<uint8_t> b;
  std::string err;
  EXPECT_TRUE(readFile(path, b, err)) << err;
  return b;
}

// Every file of a folder with its contents, to see that nothing in it changed.
std::map<std::string, std::vector<uint8_t>> contents(const std::string& dir) {
  std::map<std::string, std::vector<uint8_t>> m;
  for (auto& e : fs::recursive_directory_iterator(dir))
    m[fs::relative(e.path(), dir).string()] = e.is_regular_file() ? bytesOf(e.path().string()) : std::vector<uint8_t>{};
  return m;
}

// An installed program folder (the shipped files and the install marker) and an empty home.
struct Installed : ::testing::Test {
  test::TempGameDir program;
  std::string home;
  std::string data() const { return home + "/.local/share/fiefdom"; }

  void SetUp() override {
    std::ofstream(program.path() + "/" + kInstalledMarker) << "installed\n";
    char tmpl[] = "/tmp/fiefdom-home-XXXXXX";
    home = mkdtemp(tmpl);
  }
  void TearDown() override { fs::remove_all(home); }
};

TEST(PlayerDataFolder, FollowsTheXdgBaseDirectories) {
  struct Case {
    const char* xdg;
    const char* home;
    const char* folder;
  };
  const Case cases[] = {
      {"/srv/data", "/home/anna", "/srv/data/fiefdom"},
      {nullptr, "/home/anna", "/home/anna/.local/share/fiefdom"},
      {"", "/home/anna", "/home/anna/.local/share/fiefdom"},
      {"relative/data", "/home/anna", "/home/anna/.local/share/fiefdom"},  // invalid: ignored
      {nullptr, "/home/anna/", "/home/anna/.local/share/fiefdom"},
      {nullptr, "/", "/.local/share/fiefdom"},
      {"/srv/data", nullptr, "/srv/data/fiefdom"},
      {nullptr, nullptr, ""},
      {nullptr, "", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(playerDataFolder(c.xdg, c.home), c.folder)
        << (c.xdg ? c.xdg : "(unset)") << " / " << (c.home ? c.home : "(unset)");
}

TEST(Folders, AWritableProgramFolderKeepsThePlayersFilesAsAlways) {
  test::TempGameDir program;
  char tmpl[] = "/tmp/fiefdom-home-XXXXXX";
  const std::string home = mkdtemp(tmpl);
  const Folders f = openFolders(program.path(), nullptr, home.c_str());
  EXPECT_FALSE(f.separate());
  EXPECT_EQ(f.problem, "");
  for (auto use : {Folders::Use::Read, Folders::Use::Write, Folders::Use::Program})
    EXPECT_EQ(f.locate("Save Game/QuickSave.s15", use), program.path() + "/Save Game/QuickSave.s15");
  EXPECT_TRUE(fs::is_empty(home)) << "nothing is made in the home of a build's player";
  fs::remove_all(home);
}

TEST_F(Installed, ThePlayersFolderStartsFromCopiesOfTheShippedFiles) {
  fs::create_directories(data());
  std::ofstream(data() + "/Options.rz") << "3\r\n";  // the player's own difficulty is kept
  const auto before = contents(program.path());
  const Folders f = openFolders(program.path(), nullptr, home.c_str());
  ASSERT_EQ(f.problem, "");
  EXPECT_TRUE(f.separate());
  EXPECT_EQ(f.player, data());
  EXPECT_TRUE(fs::is_directory(data() + "/Save Game"));
  for (const char* name : kShippedDefaults) {
    if (std::string(name) == "Options.rz") continue;
    EXPECT_EQ(bytesOf(data() + "/" + name), bytesOf(program.path() + "/" + name)) << name;
  }
  long difficulty = 0;
  std::string err;
  ASSERT_TRUE(readNumberFile(data() + "/Options.rz", difficulty, err)) << err;
  EXPECT_EQ(difficulty, 3);
  EXPECT_EQ(contents(program.path()), before) << "the program folder is only read";
}

TEST_F(Installed, ReadsLookInThePlayersFolderFirstAndWritesGoThere) {
  const Folders f = openFolders(program.path(), nullptr, home.c_str());
  ASSERT_EQ(f.problem, "");
  struct Case {
    const char* file;
    Folders::Use use;
    bool inPlayersFolder;
  };
  const Case cases[] = {
      {"Optim.rz", Folders::Use::Read, true},                       // the player's copy
      {"Save Game/Nothing.s15", Folders::Use::Read, true},          // in neither: the player's
      {"localizations/captions.loc", Folders::Use::Read, false},    // shipped only
      {"level15/map.json", Folders::Use::Read, false},
      {"Optim.rz", Folders::Use::Write, true},
      {"Fight_in.rz", Folders::Use::Write, true},
      {"localizations/captions.loc", Folders::Use::Write, true},    // never into the program folder
      {"battledata.rz", Folders::Use::Program, false},
      {"Optim.rz", Folders::Use::Program, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(f.locate(c.file, c.use), (c.inPlayersFolder ? data() : program.path()) + "/" + c.file)
        << c.file << " " << static_cast<int>(c.use);
  // A copy the player removed is read from the program folder again.
  fs::remove(data() + "/camp.rz");
  EXPECT_EQ(f.locate("camp.rz", Folders::Use::Read), program.path() + "/camp.rz");
}

TEST_F(Installed, AnUnusableDataFolderIsToldAndTheShippedFilesAreRead) {
  struct Case {
    const char* what;
    bool hasHome;
    bool fileInTheWay;
    bool fullDisk;
    const char* told;
  };
  const Case cases[] = {
      {"no HOME", false, false, false, "neither XDG_DATA_HOME nor HOME is set"},
      {"a file where the folder should be", true, true, false, "cannot be made"},
      {"a full disk", true, false, true, "could not be set up"},
  };
  const auto before = contents(program.path());
  for (const Case& c : cases) {
    fs::remove_all(home);
    fs::create_directories(home + "/.local/share");
    if (c.fileInTheWay) std::ofstream(data()) << "not a folder";
    Folders f;
    {
      std::optional<test::FullDisk> full;
      if (c.fullDisk) full.emplace();
      f = openFolders(program.path(), nullptr, c.hasHome ? home.c_str() : nullptr);
    }
    EXPECT_NE(f.problem.find(c.told), std::string::npos) << c.what << ": " << f.problem;
    EXPECT_NE(f.problem.find("shipped settings"), std::string::npos) << c.what;
    for (const char* name : kShippedDefaults)
      EXPECT_EQ(f.locate(name, Folders::Use::Read), program.path() + "/" + name) << c.what << ": " << name;
    std::string err;
    if (!c.fullDisk) {
      EXPECT_FALSE(writeFileAtomic(f.locate("Optim.rz", Folders::Use::Write), {1, 2, 3}, err)) << c.what;
      EXPECT_NE(err, "") << c.what;
    }
    EXPECT_EQ(contents(program.path()), before) << c.what << ": nothing is written into the program folder";
  }
}

TEST_F(Installed, SavesAndTheBattleHandOverUseThePlayersFolder) {
  Rules r(openFolders(program.path(), nullptr, home.c_str()));
  r.s.SaveExtension = ".s15";
  r.s.CurrentLevel = 15;
  r.s.Gold = 4242;
  std::string err;
  ASSERT_TRUE(WriteSave(r, "Mine", err)) << err;
  EXPECT_TRUE(fs::exists(data() + "/Save Game/Mine.s15"));
  EXPECT_FALSE(fs::exists(program.path() + "/Save Game/Mine.s15"));
  r.s.Gold = 1;
  ASSERT_TRUE(ReadSave(r, "Mine", err)) << err;
  EXPECT_EQ(r.s.Gold, 4242);

  // The battle program reads the hand-over beside the saves and the map from the program folder.
  FightIn in;
  in.MapName = "\\level15\\field1_low.mbf";
  in.AutoCalc = kAutoCalcCode;
  in.Armies.resize(2);
  in.Armies[0].Counts[0] = 100;
  in.Armies[1].Counts[0] = 50;
  in.Armies[1].Side = 1;
  ASSERT_TRUE(writeFightIn(r.writePath(kFightInFile), in, err)) << err;
  battle::HandOver h;
  ASSERT_TRUE(battle::loadHandOver(r.folders, h, err)) << err;
  ASSERT_EQ(battle::calculateBattle(r.folders, h, err), 0) << err;
  EXPECT_TRUE(fs::exists(data() + "/" + kFightOutFile));
  int status = -1;
  ASSERT_TRUE(readFightStatus(r.path(kFightStatusFile), status, err)) << err;
  EXPECT_EQ(status, kFightFinished);
  for (const char* f : {kFightInFile, kFightOutFile, kFightStatusFile})
    EXPECT_FALSE(fs::exists(program.path() + "/" + f)) << f;
}

}  // namespace
}  // namespace fief
