// The generated program folder: every file the game asks for exists with the right format, and the level
// map layout matches the waypoint graph.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using json = nlohmann::json;

namespace {

const fs::path kGame = FIEFDOM_GAME_DIR;
const fs::path kSource = FIEFDOM_SOURCE_DIR;

json readJson(const fs::path& p) {
  std::ifstream f(p);
  if (!f) return json();
  return json::parse(f);
}

std::vector<uint8_t> readBytes(const fs::path& p, size_t max = SIZE_MAX) {
  std::ifstream f(p, std::ios::binary);
  std::vector<uint8_t> b;
  char c;
  while (b.size() < max && f.get(c)) b.push_back(static_cast<uint8_t>(c));
  return b;
}

uint32_t be32(const std::vector<uint8_t>& b, size_t o) {
  return uint32_t(b[o]) << 24 | uint32_t(b[o + 1]) << 16 | uint32_t(b[o + 2]) << 8 | b[o + 3];
}
uint32_t le32(const std::vector<uint8_t>& b, size_t o) {
  return uint32_t(b[o]) | uint32_t(b[o + 1]) << 8 | uint32_t(b[o + 2]) << 16 | uint32_t(b[o + 3]) << 24;
}
uint16_t le16(const std::vector<uint8_t>& b, size_t o) { return uint16_t(b[o] | b[o + 1] << 8); }

struct Size {
  int w = -1, h = -1;
};
// Width and height of a PNG file from its header; -1 when it is not a PNG.
Size pngSize(const fs::path& p) {
  auto b = readBytes(p, 24);
  static const uint8_t sig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  if (b.size() < 24 || !std::equal(sig, sig + 8, b.begin())) return {};
  return {int(be32(b, 16)), int(be32(b, 20))};
}

// ---- names the game asks for ----
std::vector<std::string> requiredPictures() {
  std::vector<std::string> v = {"keepres", "CampStatusRes1", "CampStatusRes2", "menuframeres", "OkImage",
                                "keep", "bailey", "fort", "stronghold", "castle", "castle_site",
                                "FlagImg", "EFlagImg1", "EFlagImg2", "plague", "rebels", "waypoint", "waypoint_hover",
                                "slot_empty", "slot_wood", "slot_stone", "slot_ore",
                                "cutter_wood", "cutter_stone", "cutter_ore",
                                "fieldbtn_empty", "fieldbtn_crop", "fieldbtn_pasture", "fieldbtn_tax",
                                "graphic_keep", "graphic_army", "graphic_menu", "title_menu", "splash",
                                "story1", "story2", "story3", "menu_top", "menu_bottom", "panel", "button",
                                "button_hover", "button_pressed", "button_disabled", "check_on", "check_off",
                                "progress_bar", "progress_fill", "tooltip", "scroll_up", "scroll_down", "list_bg",
                                "textbox", "hourglass",
                                "troops_enemy", "troops_rival1", "troops_rival2", "troops_allied", "troops_outlaw"};
  for (int i = 1; i <= 17; ++i) v.push_back("sold" + std::to_string(i) + "res");
  for (const char* b : {"ArmyBtn", "BlacksmithBtn", "BuildBtn", "DiploBtn", "PeopleBtn", "RealmBtn", "ScienceBtn",
                        "TaxBtn", "WeatherBtn", "SpecialBtn", "MessagessBtn", "PreviewBtn", "Image1", "MenuBtn",
                        "EndTurnBtn", "close", "replay", "exit"})
    v.push_back(std::string("btn_") + b);
  for (const char* i : {"gold", "wood", "stone", "ore", "crops", "meat", "people", "happiness", "health"})
    v.push_back(std::string("icon_") + i);
  for (const char* it : {"bow", "club", "sword", "helebard", "twohand", "mace", "pike", "cross", "chainmail", "plate",
                         "shield"})
    v.push_back(std::string(it) + "res");
  for (int i = 1; i <= 4; ++i) {
    v.push_back("diplo" + std::to_string(i) + "res");
    v.push_back("season" + std::to_string(i));
    v.push_back("map_s" + std::to_string(i));
    v.push_back("map_preview_s" + std::to_string(i));
  }
  for (const char* st : {"keep", "bailey", "fort", "stronghold", "castle"})
    for (const char* k : {"1", "2"}) v.push_back(std::string(st) + k);
  for (int k = 0; k <= 4; ++k)
    for (int s = 1; s <= 4; ++s) v.push_back("field_" + std::to_string(k) + "_" + std::to_string(s));
  for (int c = 1; c <= 3; ++c) {
    v.push_back("banner" + std::to_string(c));
    for (int f = 1; f <= 8; ++f) v.push_back("walk_" + std::to_string(c) + "_" + std::to_string(f));
  }
  for (const char* o : {"dolmen", "adolmen", "cross", "chapel", "gchapel", "hut", "obelisk", "statue", "tavern",
                        "hbattlefield", "ruins", "cave", "chest", "chest_open", "garrison", "siege", "battlefield",
                        "fieldbattle", "village", "village_site", "windmill", "windmill_site", "outpost", "allies",
                        "enemycamp", "rivalcastle"})
    v.push_back(std::string("obj_") + o);
  return v;
}

const char* const kEffects[] = {
    "turn01", "click01", "click02", "message", "fauna01", "fauna02", "fauna03", "fauna04", "event01", "victory",
    "defeat", "rollover01", "plain01", "crops01", "cattle01", "tax01", "fire01", "blacksmith01", "armoury01",
    "army01", "people01", "science01", "specialunits01", "woodcutter01", "stonecutter01", "orecutter01", "mob01",
    "alarm01", "armymapwalk01", "dolmen01", "cross01", "chapel01", "gchapel01", "hut01", "obelisk01", "statue01",
    "tavern01", "battlefield01", "ruins01", "cave01", "treasure01", "trade01", "siege01", "windmill01"};

const char* const kAnimations[] = {"bow",      "club",     "sword",       "helebard",        "twohand",  "mace",
                                   "pike",     "cross",    "chainmail",   "plate",           "shield",   "season1",
                                   "season2",  "season3",  "season4",     "assassin_ok",     "assassin_failed",
                                   "scout_ok", "scout_failed", "death"};

const char* const kBattleMaps[] = {"field1", "field2",  "field3", "field4",      "village1", "ruins1",
                                   "keep",   "bailey",  "fort",   "stronghold",  "castle",
                                   "keep1",  "bailey1", "fort1",  "stronghold1", "castle1",
                                   "keep2",  "bailey2", "fort2",  "stronghold2", "castle2"};

// The waypoint graph: for each waypoint the waypoints offered from it.
const std::vector<std::pair<int, std::vector<int>>> kGraph = {
    {1, {2}},          {2, {3, 1}},    {3, {2, 4}},   {4, {3, 5}},   {5, {4, 6}},   {6, {5, 7}},   {7, {6, 8}},
    {8, {7, 9}},       {9, {8, 10, 38}}, {10, {9, 11}}, {11, {10, 12}}, {12, {11, 13}}, {13, {12, 14}},
    {14, {13, 15, 33}}, {15, {14, 16}}, {16, {15, 17, 26}}, {17, {16, 18}}, {18, {17, 19}}, {19, {18, 20, 31}},
    {20, {19, 21}},    {21, {20, 22}}, {22, {21, 23}}, {23, {22, 24}}, {24, {23, 25}}, {25, {24, 26}},
    {26, {25, 27}},    {27, {26, 28}}, {28, {27, 29}}, {29, {28, 30}}, {30, {29}},     {31, {19, 32}},
    {32, {31}},        {33, {14, 34}}, {34, {33, 35, 36}}, {35, {34}}, {36, {34, 37}}, {37, {36}},
    {38, {9, 39}},     {39, {38, 40}}, {40, {39, 41}}, {41, {40, 42}}, {42, {41, 50}}, {50, {42, 51}},
    {51, {50, 52}},    {52, {51, 53}}, {53, {52, 54}}, {54, {53}}};

// Controls the campaign screen places from the map, and the waypoint they must sit at (0: none required).
const std::vector<std::pair<std::string, int>> kControls = {
    {"CastleImg", 1},        {"DolmenImg1", 37},      {"ObeliskImg1", 32},    {"OutpostImg1", 50},
    {"RuinsImg1", 54},       {"FieldBattleImg1", 40}, {"FieldBattleImg2", 51}, {"FieldBattleImg3", 53},
    {"RebelionArmyImg1", 33}, {"RebelionArmyImg2", 33}, {"RebelionArmyImg3", 33},
    {"WoodCutterImg1", 0},   {"StoneCutterImg1", 0},  {"OreCutterImg1", 0},   {"VillageImg1", 0},
    {"VillageImg2", 0},      {"VillageImg3", 0},      {"Village1Pic", 0},     {"Village2Pic", 0},
    {"WindmillImg1", 0},     {"WindmillImg2", 0},     {"WindmillImg3", 0},    {"ADolmenImg1", 0},
    {"CrossImg1", 0},        {"ChapelImg1", 0},       {"GChapelImg1", 0},     {"HutImg1", 0},
    {"StatueImg1", 0},       {"TavernImg1", 0},       {"HBattlefieldImg1", 0}, {"CaveImg1", 0},
    {"ChestImg1", 0},        {"ChestImg2", 0},        {"ChestImg3", 0},       {"GarryImg", 0},
    {"SiegeImg", 0},         {"SiegeImg2", 0},        {"SiegeImg3", 0},       {"BattlefieldImg1", 0},
    {"AlliesArmyImg1", 0},   {"AlliesArmyImg2", 0},   {"RivalCastle1Img", 0}, {"RivalCastle2Img", 0},
    {"EnemyCamp1Img", 0},    {"EnemyCamp2Img", 0},    {"EnemyCamp3Img", 0},   {"EnemyCamp4Img", 0},
    {"EnemyCamp5Img", 0},    {"PlagueImg", 0},        {"FlagImg", 0},         {"EFlagImg1", 0},
    {"EFlagImg2", 0},        {"FieldImg1", 0},        {"FieldImg2", 0},       {"FieldImg3", 0},
    {"FieldImg4", 0},        {"FieldImg5", 0},        {"FieldImg6", 0},       {"FieldImg7", 0},
    {"FieldImg8", 0},        {"FieldImg9", 0},        {"FieldImg10", 0}};

}  // namespace

TEST(AssetsManifest, EveryListedFileExistsAndIsNotEmpty) {
  json m = readJson(kSource / "data/art/manifest.json");
  ASSERT_TRUE(m.is_object()) << "data/art/manifest.json is missing";
  size_t n = 0;
  for (auto& [kind, files] : m.items()) {
    if (!files.is_array()) continue;
    for (auto& f : files) {
      ++n;
      fs::path p = kGame / f.get<std::string>();
      EXPECT_TRUE(fs::exists(p) && fs::file_size(p) > 0) << kind << ": " << p;
    }
  }
  EXPECT_GT(n, 500u);
}

TEST(AssetsPictures, EveryPictureTheGameAsksForExistsInBothDetailLevelsWithTheSameSize) {
  for (const auto& name : requiredPictures()) {
    Size hi = pngSize(kGame / "graphics/high" / (name + ".png"));
    Size lo = pngSize(kGame / "graphics/low" / (name + ".png"));
    EXPECT_GT(hi.w, 0) << "graphics/high/" << name << ".png";
    EXPECT_EQ(hi.w, lo.w) << name;
    EXPECT_EQ(hi.h, lo.h) << name;
  }
}

TEST(AssetsPictures, EveryScreenHasABackgroundOfItsSize) {
  json forms = readJson(kSource / "data/screens/forms.json");
  ASSERT_TRUE(forms.contains("forms"));
  for (auto& [form, size] : forms["forms"].items()) {
    int w = size[0], h = size[1];
    if (w == 0 || h == 0) w = 1280, h = 1024;  // full-screen forms are scaled by the renderer
    for (const char* detail : {"high", "low"}) {
      Size s = pngSize(kGame / "graphics" / detail / ("bg_" + form + ".png"));
      EXPECT_EQ(s.w, w) << detail << " bg_" << form;
      EXPECT_EQ(s.h, h) << detail << " bg_" << form;
    }
  }
}

TEST(AssetsPictures, FixedSizesOfTheRendererContract) {
  json map = readJson(kSource / "data/map/level15.json");
  ASSERT_TRUE(map.contains("size"));
  const struct {
    std::string name;
    int w, h;
  } table[] = {{"menu_top", 1280, 64},     {"menu_bottom", 1280, 96}, {"button", 160, 40},  {"button_hover", 160, 40},
               {"button_pressed", 160, 40}, {"button_disabled", 160, 40}, {"panel", 96, 96}, {"tooltip", 64, 32},
               {"list_bg", 128, 128},       {"textbox", 128, 32},       {"progress_bar", 200, 20},
               {"progress_fill", 200, 20},  {"check_on", 24, 24},       {"waypoint", 24, 24}, {"sold1res", 96, 96},
               {"menuframeres", 480, 440},  {"map_s1", map["size"][0], map["size"][1]},
               {"map_s4", map["size"][0], map["size"][1]}, {"walk_3_8", 48, 48}, {"field_4_4", 120, 84}};
  for (const auto& t : table) {
    Size s = pngSize(kGame / "graphics/high" / (t.name + ".png"));
    EXPECT_EQ(s.w, t.w) << t.name;
    EXPECT_EQ(s.h, t.h) << t.name;
  }
}

TEST(AssetsAnimations, StripsOfSquareFrames) {
  for (const char* a : kAnimations) {
    Size s = pngSize(kGame / "anim" / (std::string(a) + ".rz"));
    ASSERT_GT(s.h, 0) << a;
    EXPECT_EQ(s.w % s.h, 0) << a << ": width is not a whole number of square frames";
    EXPECT_GE(s.w / s.h, 2) << a << ": an animation needs at least two frames";
  }
}

TEST(AssetsBattleMaps, FourVariantsOfEveryMapAt1280x1024) {
  for (const char* m : kBattleMaps)
    for (const char* v : {"", "_low", "_winter", "_low_winter"}) {
      Size s = pngSize(kGame / "level15" / (std::string(m) + v + ".mbf"));
      EXPECT_EQ(s.w, 1280) << m << v;
      EXPECT_EQ(s.h, 1024) << m << v;
    }
}

TEST(AssetsPointers, IcoFilesHoldOne32x32ImageWith32BitPixels) {
  for (const char* p : {"normal01", "loading01"}) {
    auto b = readBytes(kGame / "pointers" / (std::string(p) + ".ico"));
    ASSERT_GE(b.size(), 22u + 40u + 32 * 32 * 4) << p;
    EXPECT_EQ(le16(b, 0), 0) << p;       // reserved
    EXPECT_EQ(le16(b, 2), 1) << p;       // icon
    EXPECT_EQ(le16(b, 4), 1) << p;       // one image
    EXPECT_EQ(b[6], 32) << p;            // width
    EXPECT_EQ(b[7], 32) << p;            // height
    EXPECT_EQ(le16(b, 12), 32) << p;     // bits per pixel
    uint32_t size = le32(b, 14), offset = le32(b, 18);
    EXPECT_EQ(offset + size, b.size()) << p;
    EXPECT_EQ(le32(b, offset), 40u) << p;        // BITMAPINFOHEADER
    EXPECT_EQ(le32(b, offset + 8), 64u) << p;    // height doubled for the AND mask
    EXPECT_GT(pngSize(kGame / "pointers" / (std::string(p) + ".png")).w, 0) << p;
  }
}

namespace {
struct Wave {
  int channels = 0, rate = 0, bits = 0, format = 0;
  double seconds = 0;
};
Wave readWave(const fs::path& p) {
  auto b = readBytes(p);
  Wave w;
  if (b.size() < 44 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
      std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
    return w;
  w.format = le16(b, 20);
  w.channels = le16(b, 22);
  w.rate = int(le32(b, 24));
  w.bits = le16(b, 34);
  uint32_t data = le32(b, 40);
  if (w.channels && w.bits) w.seconds = double(data) / (w.rate * w.channels * w.bits / 8);
  EXPECT_EQ(44u + data, b.size()) << p;
  return w;
}
}  // namespace

TEST(AssetsSounds, EffectsAreMono16Bit22050) {
  for (const char* s : kEffects) {
    Wave w = readWave(kGame / "sounds" / (std::string(s) + ".wav"));
    EXPECT_EQ(w.format, 1) << s;
    EXPECT_EQ(w.channels, 1) << s;
    EXPECT_EQ(w.rate, 22050) << s;
    EXPECT_EQ(w.bits, 16) << s;
    EXPECT_GT(w.seconds, 0.05) << s;
    EXPECT_LT(w.seconds, 5.0) << s;
  }
}

TEST(AssetsSounds, MusicIsAStereoLoopOfOneToOneAndAHalfMinutes) {
  Wave w = readWave(kGame / "sounds/music01.wav");
  EXPECT_EQ(w.channels, 2);
  EXPECT_EQ(w.rate, 22050);
  EXPECT_EQ(w.bits, 16);
  EXPECT_GE(w.seconds, 60.0);
  EXPECT_LE(w.seconds, 90.0);
}

TEST(AssetsFonts, TitleAndTextFacesArePresent) {
  for (const char* f : {"title.ttf", "text.ttf"}) {
    auto b = readBytes(kGame / "fonts" / f, 4);
    ASSERT_EQ(b.size(), 4u) << f;
    std::string tag(b.begin(), b.end());
    EXPECT_TRUE(tag == "OTTO" || tag == std::string("\0\1\0\0", 4) || tag == "true") << f;
  }
}

// ---- the level map ----
TEST(LevelMap, HasExactlyTheFortySevenWaypoints) {
  json m = readJson(kSource / "data/map/level15.json");
  std::set<int> have;
  for (auto& [k, v] : m["waypoints"].items()) {
    have.insert(std::stoi(k));
    EXPECT_EQ(v.size(), 2u) << k;
  }
  std::set<int> want;
  for (auto& [from, to] : kGraph) want.insert(from);
  EXPECT_EQ(want.size(), 47u);
  EXPECT_EQ(have, want);
}

TEST(LevelMap, RoadsAreTheEdgesOfTheWaypointGraph) {
  json m = readJson(kSource / "data/map/level15.json");
  std::set<std::pair<int, int>> roads, edges;
  for (auto& r : m["roads"]) {
    int a = r[0], b = r[1];
    EXPECT_TRUE(roads.insert({std::min(a, b), std::max(a, b)}).second) << "road listed twice: " << a << "-" << b;
  }
  for (auto& [from, to] : kGraph)
    for (int t : to) edges.insert({std::min(from, t), std::max(from, t)});
  EXPECT_EQ(roads, edges);
}

TEST(LevelMap, WaypointsControlsAndHomeLieOnTheMap) {
  json m = readJson(kSource / "data/map/level15.json");
  int W = m["size"][0], H = m["size"][1];
  EXPECT_GT(W, 1280);
  EXPECT_GT(H, 1024);
  int left = m["home"][0], top = m["home"][1];
  EXPECT_LE(left, 0);
  EXPECT_GE(left, 800 - W);  // the view at home still covers a window of the smallest mode
  EXPECT_LE(top, 150);
  EXPECT_GE(top, 600 - H - 15);
  for (auto& [k, v] : m["waypoints"].items()) {
    EXPECT_TRUE(v[0] >= 0 && v[0] < W && v[1] >= 0 && v[1] < H) << "waypoint " << k;
  }
  for (auto& [name, c] : m["controls"].items()) {
    int x = c["rect"][0], y = c["rect"][1], w = c["rect"][2], h = c["rect"][3];
    EXPECT_TRUE(w > 0 && h > 0 && x >= 0 && y >= 0 && x + w <= W && y + h <= H) << name;
    if (c.contains("waypoint")) EXPECT_TRUE(m["waypoints"].contains(std::to_string(c["waypoint"].get<int>()))) << name;
    if (c.contains("picture"))
      EXPECT_GT(pngSize(kGame / "graphics/high" / (c["picture"].get<std::string>() + ".png")).w, 0) << name;
  }
}

TEST(LevelMap, EveryControlOfTheCampaignScreenIsPlacedAtItsWaypoint) {
  json m = readJson(kSource / "data/map/level15.json");
  for (auto& [name, wp] : kControls) {
    ASSERT_TRUE(m["controls"].contains(name)) << name;
    if (wp) EXPECT_EQ(m["controls"][name].value("waypoint", 0), wp) << name;
  }
}

TEST(LevelMap, MapObjectsDoNotCoverEachOther) {
  // Controls that share their place on purpose: the army camps stand on waypoints, and the two siege pictures of
  // the first rival castle are alternatives of one place.
  const std::set<std::string> shared = {"ArmyCamp1Img", "ArmyCamp2Img", "ArmyCamp3Img", "SiegeImg"};
  json m = readJson(kSource / "data/map/level15.json");
  std::vector<std::pair<std::string, std::array<int, 4>>> rects;
  for (auto& [name, c] : m["controls"].items())
    if (!shared.count(name)) rects.push_back({name, {c["rect"][0], c["rect"][1], c["rect"][2], c["rect"][3]}});
  ASSERT_GT(rects.size(), 50u);
  for (size_t i = 0; i < rects.size(); ++i)
    for (size_t j = i + 1; j < rects.size(); ++j) {
      auto& a = rects[i].second;
      auto& b = rects[j].second;
      bool overlap = a[0] < b[0] + b[2] && b[0] < a[0] + a[2] && a[1] < b[1] + b[3] && b[1] < a[1] + a[3];
      EXPECT_FALSE(overlap) << rects[i].first << " covers " << rects[j].first;
    }
}
