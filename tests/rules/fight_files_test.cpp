// The battle exchange files: their byte layout, the roster permutation, and how the
// readers face damaged or hostile input.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include <unistd.h>

#include "campaign/files.h"
#include "military/fight_files.h"

namespace fief {
namespace {

namespace fs = std::filesystem;

FightArmy army(std::string name, uint32_t colour, uint8_t side, int16_t morale, uint8_t reduced,
               int16_t first) {
  FightArmy a;
  a.Name = std::move(name);
  a.Colour = colour;
  a.Side = side;
  a.Morale = morale;
  a.Reduced = reduced;
  for (int s = 0; s < a.rosterSize(); ++s) a.Counts[s] = static_cast<int16_t>(first + s);
  return a;
}

FightIn sampleIn() {
  FightIn in;
  in.MapName = "\\level15\\field1_low.mbf";
  in.AutoCalc = kAutoCalcCode;
  for (int i = 0; i < kSettingCount; ++i) in.Settings[i] = static_cast<uint8_t>(i + 1);
  in.BattleKind = 3;
  in.Armies = {army("Ist Vanguard", fightColour(0, 255, 0), 0, 57, 0, 100),
               army("Viking army", fightColour(255, 0, 0), 1, 40, 1, 300)};
  return in;
}

FightOut sampleOut() {
  FightOut o;
  o.Outcome = 1;
  o.OurDead = 120;
  o.EnemyDead = 900;
  FightResultArmy a0, a1;
  for (int s = 0; s < kRosterSize; ++s) a0.Survivors[s] = static_cast<int16_t>(s * 10);
  a1.Reduced = 1;
  for (int s = 0; s < kReducedRosterSize; ++s) a1.Survivors[s] = static_cast<int16_t>(s);
  o.Armies = {a0, a1};
  return o;
}

std::vector<uint8_t> encoded(const FightIn& in) {
  std::vector<uint8_t> b;
  std::string err;
  EXPECT_TRUE(encodeFightIn(in, b, err)) << err;
  return b;
}

std::vector<uint8_t> encoded(const FightOut& o) {
  std::vector<uint8_t> b;
  std::string err;
  EXPECT_TRUE(encodeFightOut(o, b, err)) << err;
  return b;
}

TEST(FightRoster, PermutationBetweenCompositionAndRosterOrder) {
  // Roster order: Archer, Helebarder, ClubMan, SwordMan, TwoHand, Cavalry, HCavalry,
  // Champion, Templar, Paladin, Enginer, LongBow, Warlord, Monk.
  const std::array<Unit, kRosterSize> expected = {Archer, Helebarder, ClubMan, SwordMan, TwoHand,
                                                  Cavalry, HCavalry, Champion, Templar, Paladin,
                                                  Enginer, LongBow, Warlord, Monk};
  std::array<int16_t, kUnitCount> byUnit{};
  for (int u = 0; u < kUnitCount; ++u) byUnit[u] = static_cast<int16_t>(100 + u);
  RosterCounts roster = toRosterOrder(byUnit);
  for (int s = 0; s < kRosterSize; ++s) {
    EXPECT_EQ(roster[s], 100 + expected[s]) << "roster slot " << s;
    EXPECT_EQ(rosterSlot(expected[s]), s) << kUnitNames[expected[s]];
  }
  EXPECT_EQ(toCompositionOrder(roster), byUnit);
  EXPECT_EQ(toRosterOrder(toCompositionOrder(roster)), roster);
}

TEST(FightIn, ByteLayout) {
  FightIn in;
  in.MapName = "f.mbf";
  in.AutoCalc = kAutoCalcCode;
  in.Reserved = 0;
  in.Settings = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  in.BattleKind = 9;
  in.Armies = {army("Ab", fightColour(1, 2, 3), 0, -2, 1, 0x0102),
               army("C", fightColour(255, 255, 0), 3, 0x1234, 0, 7)};
  std::vector<uint8_t> want = {5, 'f', '.', 'm', 'b', 'f', 0xF9, 0x01, 0, 0,
                               1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 9, 2,
                               2, 'A', 'b', 1, 2, 3, 0, 0, 0xFE, 0xFF, 1};
  for (int s = 0; s < 11; ++s) want.insert(want.end(), {static_cast<uint8_t>(2 + s), 1});
  want.insert(want.end(), {1, 'C', 255, 255, 0, 0, 3, 0x34, 0x12, 0});
  for (int s = 0; s < 14; ++s) want.insert(want.end(), {static_cast<uint8_t>(7 + s), 0});
  EXPECT_EQ(encoded(in), want);
}

TEST(FightIn, RoundTripOfTwoToFourArmies) {
  FightIn in = sampleIn();
  for (int n = 2; n <= 4; ++n) {
    if (n > 2) in.Armies.push_back(army("Allied army", fightColour(0, 0, 255), 0, 33, n == 3, 5));
    FightIn back;
    std::string err;
    ASSERT_TRUE(decodeFightIn(encoded(in), back, err)) << err;
    EXPECT_EQ(back, in) << n << " armies";
  }
}

TEST(FightIn, AReducedArmyCarriesElevenCounts) {
  FightIn in = sampleIn();
  in.Armies[1].Counts[11] = 5;  // a LongBow count beyond the reduced roster
  auto b = encoded(in);
  in.Armies[1].Reduced = 0;
  EXPECT_EQ(encoded(in).size(), b.size() + 6);
  FightIn back;
  std::string err;
  ASSERT_TRUE(decodeFightIn(b, back, err)) << err;
  EXPECT_EQ(back.Armies[1].Counts[11], 0) << "not carried, so not read back";
}

// Each case damages a good file; the decoder must refuse it with a message and leave
// its output as it was.
struct Damage {
  const char* name;
  std::function<void(std::vector<uint8_t>&)> apply;
  const char* message;
};

TEST(FightIn, DamagedFilesAreRefused) {
  const FightIn in = sampleIn();
  const size_t nameLen = in.MapName.size();
  const size_t armiesAt = 1 + nameLen + 4 + 11 + 1;  // the number of armies
  const size_t army0 = armiesAt + 1;
  const size_t army0Counts = army0 + 1 + in.Armies[0].Name.size() + 4 + 1 + 2 + 1;
  const std::vector<Damage> cases = {
      {"empty file", [](auto& b) { b.clear(); }, "map name"},
      {"map name longer than the file", [](auto& b) { b.resize(5); }, "map name"},
      {"cut inside the settings", [&](auto& b) { b.resize(armiesAt - 3); }, "settings"},
      {"five armies", [&](auto& b) { b[armiesAt] = 5; }, "5 armies"},
      {"255 armies", [&](auto& b) { b[armiesAt] = 255; }, "255 armies"},
      {"one army", [&](auto& b) { b[armiesAt] = 1; }, "1 armies"},
      {"army name beyond the file", [&](auto& b) { b[army0] = 250; }, "army 0"},
      {"reduced flag set on a full army", [&](auto& b) { b[army0Counts - 1] = 1; }, "army 1"},
      {"full flag on a reduced army", [&](auto& b) { b[b.size() - 23] = 0; }, "army 1"},
      {"negative count", [&](auto& b) { b[army0Counts + 5] = 0x80; }, "negative"},
      {"last byte missing", [](auto& b) { b.pop_back(); }, "army 1"},
      {"a byte too many", [](auto& b) { b.push_back(0); }, "1 bytes after"},
  };
  for (const Damage& c : cases) {
    auto b = encoded(in);
    c.apply(b);
    FightIn out;
    out.MapName = "untouched";
    std::string err;
    EXPECT_FALSE(decodeFightIn(b, out, err)) << c.name;
    EXPECT_NE(err.find(c.message), std::string::npos) << c.name << ": " << err;
    EXPECT_EQ(out.MapName, "untouched") << c.name;
    EXPECT_TRUE(out.Armies.empty()) << c.name;
  }
  // Every shorter prefix of a good file is refused.
  auto good = encoded(in);
  for (size_t n = 0; n < good.size(); ++n) {
    FightIn out;
    std::string err;
    EXPECT_FALSE(decodeFightIn(std::vector<uint8_t>(good.begin(), good.begin() + n), out, err)) << n;
  }
}

TEST(FightIn, EncoderRefusesWhatTheReaderWould) {
  const std::vector<std::pair<const char*, std::function<void(FightIn&)>>> cases = {
      {"a map name of 256 characters", [](FightIn& in) { in.MapName.assign(256, 'x'); }},
      {"an army name of 256 characters", [](FightIn& in) { in.Armies[1].Name.assign(256, 'x'); }},
      {"five armies", [](FightIn& in) { in.Armies.resize(5, in.Armies[0]); }},
      {"one army", [](FightIn& in) { in.Armies.resize(1); }},
      {"a negative count", [](FightIn& in) { in.Armies[0].Counts[13] = -1; }},
  };
  for (const auto& [name, apply] : cases) {
    FightIn in = sampleIn();
    apply(in);
    std::vector<uint8_t> b = {42};
    std::string err;
    EXPECT_FALSE(encodeFightIn(in, b, err)) << name;
    EXPECT_FALSE(err.empty()) << name;
    EXPECT_EQ(b, std::vector<uint8_t>{42}) << name;
  }
  FightIn in = sampleIn();
  in.MapName.assign(255, 'x');
  in.Armies[1].Counts[12] = -1;  // beyond the reduced roster: not carried, so not checked
  std::vector<uint8_t> b;
  std::string err;
  EXPECT_TRUE(encodeFightIn(in, b, err)) << err;
}

TEST(FightOut, ByteLayoutAndRoundTrip) {
  FightOut o = sampleOut();
  auto b = encoded(o);
  std::vector<uint8_t> head = {2, 0, 1, 120, 0, 0x84, 0x03, 0};
  ASSERT_EQ(b.size(), 7 + 1 + 28 + 1 + 22u);
  EXPECT_EQ(std::vector<uint8_t>(b.begin(), b.begin() + 8), head);
  EXPECT_EQ(b[8 + 2 * 13], 130) << "Monk survivors of army 0, last roster slot";
  EXPECT_EQ(b[36], 1) << "army 1's reduced flag";
  FightOut back;
  std::string err;
  ASSERT_TRUE(decodeFightOut(b, back, err)) << err;
  EXPECT_EQ(back, o);
  EXPECT_TRUE(back.won());
}

// The battle id: absent, the files are exactly the table's fields; present, four bytes
// after the last army, read back; anything else after the armies is refused.
TEST(FightFiles, BattleIdTrailer) {
  FightIn in = sampleIn();
  FightOut out = sampleOut();
  const size_t inBare = encoded(in).size(), outBare = encoded(out).size();
  in.BattleId = 0xA1B2C3D4u;
  out.BattleId = 0x01020304u;
  const auto inBytes = encoded(in), outBytes = encoded(out);
  ASSERT_EQ(inBytes.size(), inBare + kBattleIdBytes);
  ASSERT_EQ(outBytes.size(), outBare + kBattleIdBytes);
  EXPECT_EQ(std::vector<uint8_t>(inBytes.end() - 4, inBytes.end()), (std::vector<uint8_t>{0xD4, 0xC3, 0xB2, 0xA1}));
  FightIn inBack;
  FightOut outBack;
  std::string err;
  ASSERT_TRUE(decodeFightIn(inBytes, inBack, err)) << err;
  ASSERT_TRUE(decodeFightOut(outBytes, outBack, err)) << err;
  EXPECT_EQ(inBack, in);
  EXPECT_EQ(outBack, out);
  for (size_t extra : {1u, 2u, 3u, 5u, 8u}) {
    auto in2 = encoded(sampleIn());
    auto out2 = encoded(sampleOut());
    in2.insert(in2.end(), extra, 1);
    out2.insert(out2.end(), extra, 1);
    EXPECT_FALSE(decodeFightIn(in2, inBack, err)) << extra;
    EXPECT_FALSE(decodeFightOut(out2, outBack, err)) << extra;
  }
}

TEST(FightOut, DamagedFilesAreRefused) {
  const std::vector<Damage> cases = {
      {"empty file", [](auto& b) { b.clear(); }, "7-byte head"},
      {"cut inside the head", [](auto& b) { b.resize(6); }, "7-byte head"},
      {"five armies", [](auto& b) { b[0] = 5; }, "5 armies"},
      {"no army", [](auto& b) { b[0] = 0; }, "0 armies"},
      {"negative number of armies", [](auto& b) { b[0] = 0xFE; b[1] = 0xFF; }, "-2 armies"},
      {"outcome 2", [](auto& b) { b[2] = 2; }, "outcome"},
      {"negative dead", [](auto& b) { b[6] = 0x80; }, "negative dead"},
      {"negative survivors", [](auto& b) { b[11] = 0xFF; }, "negative"},
      {"cut inside army 1", [](auto& b) { b.resize(b.size() - 3); }, "army 1 of 2"},
      {"a byte too many", [](auto& b) { b.push_back(7); }, "after the end"},
      {"three armies announced, two present", [](auto& b) { b[0] = 3; }, "army 2 of 3"},
  };
  for (const Damage& c : cases) {
    auto b = encoded(sampleOut());
    c.apply(b);
    FightOut out;
    out.OurDead = 77;
    std::string err;
    EXPECT_FALSE(decodeFightOut(b, out, err)) << c.name;
    EXPECT_NE(err.find(c.message), std::string::npos) << c.name << ": " << err;
    EXPECT_EQ(out.OurDead, 77) << c.name;
    EXPECT_TRUE(out.Armies.empty()) << c.name;
  }
}

class FightFilesDir : public ::testing::Test {
 protected:
  fs::path dir = fs::temp_directory_path() / ("fight_files_" + std::to_string(::getpid()));
  void SetUp() override { fs::create_directories(dir); }
  void TearDown() override { fs::remove_all(dir); }
  std::string file(const char* name) const { return (dir / name).string(); }
  void put(const char* name, const std::string& text) const { std::ofstream(file(name)) << text; }
};

TEST_F(FightFilesDir, WritersReplaceTheFileWholeAndReadersNameIt) {
  std::string err;
  ASSERT_TRUE(writeFightIn(file(kFightInFile), sampleIn(), err)) << err;
  ASSERT_TRUE(writeFightOut(file(kFightOutFile), sampleOut(), err)) << err;
  FightIn in;
  FightOut out;
  ASSERT_TRUE(readFightIn(file(kFightInFile), in, err)) << err;
  ASSERT_TRUE(readFightOut(file(kFightOutFile), out, err)) << err;
  EXPECT_EQ(in, sampleIn());
  EXPECT_EQ(out, sampleOut());
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2)
      << "no temporary file is left behind";

  // A refused record is not written: the previous file stays whole.
  FightOut bad = sampleOut();
  bad.Armies.clear();
  EXPECT_FALSE(writeFightOut(file(kFightOutFile), bad, err));
  EXPECT_NE(err.find(kFightOutFile), std::string::npos) << err;
  ASSERT_TRUE(readFightOut(file(kFightOutFile), out, err)) << err;

  put(kFightInFile, "\x03" "abc");
  EXPECT_FALSE(readFightIn(file(kFightInFile), in, err));
  EXPECT_NE(err.find(kFightInFile), std::string::npos) << err;
  EXPECT_FALSE(readFightOut(file("missing.rz"), out, err));
  EXPECT_NE(err.find("missing.rz"), std::string::npos) << err;
}

TEST_F(FightFilesDir, StatusFileHoldsOneNumberAsText) {
  std::string err;
  ASSERT_TRUE(writeFightStatus(file(kFightStatusFile), kFightRunning, err)) << err;
  std::vector<uint8_t> raw;
  ASSERT_TRUE(readFile(file(kFightStatusFile), raw, err));
  EXPECT_EQ(std::string(raw.begin(), raw.end()), "1\r\n");
  int status = -1;
  put(kFightStatusFile, "2\n");
  ASSERT_TRUE(readFightStatus(file(kFightStatusFile), status, err)) << err;
  EXPECT_EQ(status, kFightFinished);

  for (const char* text : {"", "abc", "-1", "256", "99999999999", "2xyz", "2\r\n3", "2 1", "+"}) {
    put(kFightStatusFile, text);
    status = 7;
    EXPECT_FALSE(readFightStatus(file(kFightStatusFile), status, err)) << text;
    EXPECT_EQ(status, 7) << text;
  }
  for (const char* text : {" 2", "2", "2\r\n", "\t2 \n\n"}) {
    put(kFightStatusFile, text);
    status = 7;
    EXPECT_TRUE(readFightStatus(file(kFightStatusFile), status, err)) << text << ": " << err;
    EXPECT_EQ(status, kFightFinished) << text;
  }
  EXPECT_FALSE(readFightStatus(file("none.rz"), status, err));
  EXPECT_FALSE(writeFightStatus(file(kFightStatusFile), 300, err));
}

TEST(FightMapPath, StaysInsideTheProgramFolder) {
  const std::vector<std::pair<std::string, std::string>> good = {
      {"\\level15\\field1_low_winter.mbf", "level15/field1_low_winter.mbf"},
      {"field1.mbf", "field1.mbf"},
      {"level15/./field1.mbf", "level15/field1.mbf"},
      {"//level15\\\\field1.mbf", "level15/field1.mbf"},
  };
  for (const auto& [name, want] : good) {
    std::string rel, err;
    ASSERT_TRUE(mapPathOfFight(name, rel, err)) << name << ": " << err;
    EXPECT_EQ(rel, want);
  }
  const std::vector<std::string> bad = {"",      "\\", "..\\secret.mbf", "\\level15\\..\\..\\x.mbf",
                                       "..",    "C:\\maps\\x.mbf", std::string("a\0b.mbf", 7), "a\nb"};
  for (const std::string& name : bad) {
    std::string rel = "kept", err;
    EXPECT_FALSE(mapPathOfFight(name, rel, err)) << name;
    EXPECT_FALSE(err.empty());
    EXPECT_EQ(rel, "kept");
  }
}

}  // namespace
}  // namespace fief
