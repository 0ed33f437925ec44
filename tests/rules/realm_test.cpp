// The realm overview's figures, the leader sheets and the chronicle with its companion
// file.
#include <filesystem>
#include <fstream>

#include "campaign/chronicle_file.h"
#include "campaign/save_games.h"
#include "rivals/realm.h"
#include "state/save_record.h"
#include "rules_fixture.h"
#include "turn/turn.h"

namespace fief {
namespace {

struct RealmTest : test::RulesFixture {
  RealmTest() { startCampaign(1); }
};

TEST_F(RealmTest, LeaderStatusTruncates) {
  struct Case { int l, n, d, r; long long status; };
  const Case cases[] = {{20, 10, 30, 41, 25}, {21, 10, 30, 41, 25}, {0, 0, 0, 3, 0}, {-5, 0, 0, 0, -1},
                        {100, 100, 100, 100, 100}};
  for (const Case& c : cases) EXPECT_EQ(leaderStatus(c.l, c.n, c.d, c.r), c.status) << c.l;
  EXPECT_EQ(statusText(25), "25%");
}

TEST_F(RealmTest, ARivalsSheetNeedsASpy) {
  GameState& s = g.s;
  s.Rival1.Leadership = 20;
  s.Rival1.Nobility = 10;
  s.Rival1.Diplomacy = 30;
  s.Rival1.Religion = 41;
  s.Rival1.Morale = 33.7f;
  for (int rel : {0, 1, 99}) {
    s.RivalRelation[0] = static_cast<uint8_t>(rel);
    const LeaderSheet sh = leaderSheet(s, 2);
    EXPECT_FALSE(sh.known) << rel;
    EXPECT_EQ(sh.leadership + sh.nobility + sh.diplomacy + sh.religion + sh.morale + sh.status, 0);
  }
  s.RivalRelation[0] = 100;
  const LeaderSheet sh = leaderSheet(s, 2);
  EXPECT_TRUE(sh.known);
  EXPECT_EQ(sh.morale, 33);
  EXPECT_EQ(sh.religion, 41);
  EXPECT_EQ(sh.status, 25);
  // The spy at rival 1's court tells nothing of rival 2.
  EXPECT_FALSE(leaderSheet(s, 3).known);
  // The player's own sheet is always known.
  s.Morale = -2.5f;
  EXPECT_TRUE(leaderSheet(s, 1).known);
  EXPECT_EQ(leaderSheet(s, 1).morale, -3);
}

TEST_F(RealmTest, FiguresAndWorkplaces) {
  GameState& s = g.s;
  s.Gold = 1234;
  s.LastGold = 1000;
  s.TaxRate = 30;
  s.FieldKind = {0, 1, 1, 2, 3, 4, 4, 4, 0, 2};
  s.WoodCutters = 2;
  s.WoodCutterPeople = 40;
  const auto f = realmFigures(s);
  ASSERT_EQ(f.size(), 10u);
  EXPECT_EQ(std::string(f[0].name), "Gold");
  EXPECT_EQ(f[0].now, 1234);
  EXPECT_EQ(f[0].last, 1000);
  EXPECT_EQ(f[9].now, 30);
  EXPECT_FALSE(f[9].hasLast);
  const Workplaces w = workplaces(s);
  EXPECT_EQ(w.plainFields, 2);
  EXPECT_EQ(w.cropFields, 2);
  EXPECT_EQ(w.cattleFields, 2);
  EXPECT_EQ(w.ruinedFields, 1);
  EXPECT_EQ(w.taxFields, 3);
  EXPECT_EQ(w.woodSlots, 2);
  EXPECT_EQ(w.woodPeople, 40);
}

TEST_F(RealmTest, ChronicleFollowsTheTurns) {
  ASSERT_EQ(g.chronicle.entries.size(), 1u);
  EXPECT_EQ(g.chronicle.entries[0].turn, 1);
  EXPECT_EQ(g.chronicle.entries[0].gold, g.s.Gold);
  for (int i = 0; i < 3; ++i) EndTurn(g);
  ASSERT_EQ(g.chronicle.entries.size(), 4u);
  const ChronicleEntry& e = g.chronicle.entries.back();
  EXPECT_EQ(e.turn, 4);
  EXPECT_EQ(e.season, g.s.Season);
  EXPECT_EQ(e.people, g.s.People);
  EXPECT_EQ(chronicleValue(e, 2), static_cast<long long>(g.s.Crops) + g.s.Meat);
  EXPECT_EQ(chronicleValue(e, 4), g.s.Health);

  Chronicle full;
  full.restart(g.s);
  for (size_t i = 0; i < Chronicle::kMaxEntries + 10; ++i) full.record(g.s);
  EXPECT_EQ(full.entries.size(), Chronicle::kMaxEntries);
  EXPECT_EQ(full.entries.back().turn - full.entries.front().turn, static_cast<int>(Chronicle::kMaxEntries) - 1);
}

Chronicle sample() {
  Chronicle c;
  for (uint16_t t = 3; t < 8; ++t) {
    ChronicleEntry e;
    e.turn = t;
    e.season = static_cast<uint8_t>(t % 4 + 1);
    e.gold = -5 + t * 1000;
    e.people = 2000 + t;
    e.crops = 70000;
    e.meat = 1;
    e.happiness = static_cast<int16_t>(t * 10);
    e.health = -1;
    c.entries.push_back(e);
  }
  return c;
}

TEST(ChronicleCodec, RoundTripAndEveryDamagedFileRefused) {
  const Chronicle c = sample();
  const auto bytes = encodeChronicle(c, 0xDEADBEEF);
  EXPECT_EQ(bytes.size(), kChronicleHeader + 5 * kChronicleEntrySize + 4);
  Chronicle back;
  uint32_t crc = 0;
  std::string why;
  ASSERT_TRUE(decodeChronicle(bytes, back, crc, why)) << why;
  EXPECT_EQ(back.entries, c.entries);
  EXPECT_EQ(crc, 0xDEADBEEF);

  // Re-sealed with a valid check sum, so that the later checks are the ones reached.
  auto reseal = [](std::vector<uint8_t> b) {
    const uint32_t sum = crc32(b.data(), b.size() - 4);
    for (int i = 0; i < 4; ++i) b[b.size() - 4 + i] = static_cast<uint8_t>(sum >> (8 * i));
    return b;
  };
  struct Case { const char* what; std::vector<uint8_t> b; };
  std::vector<Case> cases;
  cases.push_back({"empty", {}});
  cases.push_back({"cut short", std::vector<uint8_t>(bytes.begin(), bytes.end() - 1)});
  auto longer = bytes;
  longer.push_back(0);
  cases.push_back({"too long", longer});
  auto flipped = bytes;
  flipped[20] ^= 1;
  cases.push_back({"one bit flipped", flipped});
  auto magic = bytes;
  magic[0] = 'X';
  cases.push_back({"wrong magic", reseal(magic)});
  auto version = bytes;
  version[4] = 2;
  cases.push_back({"unknown version", reseal(version)});
  auto count = bytes;
  count[6] = 0xFF;
  count[7] = 0xFF;
  cases.push_back({"a count beyond the limit", reseal(count)});
  auto order = bytes;
  order[kChronicleHeader + kChronicleEntrySize] = 3;  // turn 4 becomes turn 3
  cases.push_back({"turns out of order", reseal(order)});
  auto season = bytes;
  season[kChronicleHeader + 2] = 5;
  cases.push_back({"season 5", reseal(season)});
  for (const Case& k : cases) {
    Chronicle out = sample();
    out.entries.pop_back();
    const Chronicle untouched = out;
    uint32_t r = 7;
    std::string w;
    EXPECT_FALSE(decodeChronicle(k.b, out, r, w)) << k.what;
    EXPECT_FALSE(w.empty()) << k.what;
    EXPECT_EQ(out.entries, untouched.entries) << k.what;
    EXPECT_EQ(r, 7u) << k.what;
  }
}

TEST(ChronicleCodec, CompanionPath) {
  EXPECT_EQ(chroniclePath("/g/Save Game/Save and Exit.s15"), "/g/Save Game/Save and Exit.chronicle");
  EXPECT_EQ(chroniclePath("/g/Save Game/a.b.s15"), "/g/Save Game/a.b.chronicle");
}

// The chronicle goes with the save and comes back with it; a save without its own
// companion starts a fresh history.
TEST_F(RealmTest, SavedAndLoadedBesideTheGame) {
  for (int i = 0; i < 4; ++i) EndTurn(g);
  const auto kept = g.chronicle.entries;
  std::string err;
  ASSERT_TRUE(WriteSave(g, "History", err)) << err;
  const std::string save = savePath(g, "History");
  ASSERT_TRUE(std::filesystem::exists(chroniclePath(save)));

  EndTurn(g);
  ASSERT_TRUE(ReadSave(g, "History", err)) << err;
  EXPECT_EQ(g.chronicle.entries, kept);

  // A companion of another game beside this save is not used.
  const Chronicle other = sample();
  ASSERT_TRUE(writeChronicleFile(chroniclePath(save), other, encodeSave(GameState{}), err)) << err;
  ASSERT_TRUE(ReadSave(g, "History", err)) << err;
  ASSERT_EQ(g.chronicle.entries.size(), 1u);
  EXPECT_EQ(g.chronicle.entries[0].gold, g.s.Gold);

  // Nor a garbled or missing one: the game still loads.
  { std::ofstream(chroniclePath(save), std::ios::binary) << "garbage"; }
  ASSERT_TRUE(ReadSave(g, "History", err)) << err;
  EXPECT_EQ(g.chronicle.entries.size(), 1u);
  std::filesystem::remove(chroniclePath(save));
  ASSERT_TRUE(ReadSave(g, "History", err)) << err;
  EXPECT_EQ(g.chronicle.entries.size(), 1u);
}

}  // namespace
}  // namespace fief
