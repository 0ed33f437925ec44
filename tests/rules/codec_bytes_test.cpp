// The bytes of the option files and of the chronicle stay what they have always been:
// a sample of values (the first values, the limits and a seeded spread) encodes to the
// bytes kept in codec_bytes.golden and decodes back from them, and every such file the
// game writes or the built program folder holds reads back and writes out unchanged.
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "campaign/chronicle_file.h"
#include "campaign/files.h"
#include "campaign/option_files.h"
#include "campaign/save_games.h"
#include "rules_fixture.h"
#include "state/save_record.h"
#include "turn/turn.h"

namespace fief {
namespace {

namespace fs = std::filesystem;

std::string hex(const std::vector<uint8_t>& b) {
  static const char* const digits = "0123456789abcdef";
  std::string s;
  for (uint8_t v : b) {
    s.push_back(digits[v >> 4]);
    s.push_back(digits[v & 15]);
  }
  return s;
}

std::vector<uint8_t> unhex(const std::string& s) {
  std::vector<uint8_t> b;
  for (size_t i = 0; i + 1 < s.size(); i += 2) b.push_back(static_cast<uint8_t>(std::stoi(s.substr(i, 2), nullptr, 16)));
  return b;
}

// The raw output of mt19937 is the same on every library, unlike its distributions.
struct Bits {
  std::mt19937 gen{2315};
  uint32_t next() { return static_cast<uint32_t>(gen()); }
  int16_t i16() { return static_cast<int16_t>(next()); }
  uint8_t u8() { return static_cast<uint8_t>(next()); }
  int32_t i32() { return static_cast<int32_t>(next()); }
  int below(int n) { return static_cast<int>(next() % static_cast<uint32_t>(n)); }
};

std::vector<OptimSettings> optimSample() {
  std::vector<OptimSettings> v{defaultOptim(), OptimSettings{}};
  OptimSettings edge;
  edge.Words.fill(INT16_MIN);
  edge.DisplayMode = 3;
  edge.ColourDepth = 255;
  edge.DisplayOption = 255;
  edge.Word10 = INT16_MAX;
  edge.Option21 = edge.Option22 = 255;
  v.push_back(edge);
  Bits bits;
  for (int i = 0; i < 24; ++i) {
    OptimSettings o;
    for (auto& w : o.Words) w = bits.i16();
    o.DisplayMode = static_cast<uint8_t>(bits.below(4));
    o.ColourDepth = bits.u8();
    o.DisplayOption = bits.u8();
    o.Word10 = bits.i16();
    o.Option21 = bits.u8();
    o.Option22 = bits.u8();
    v.push_back(o);
  }
  return v;
}

std::vector<AdvancedSettings> advancedSample() {
  std::vector<AdvancedSettings> v{defaultAdvanced(), AdvancedSettings{}};
  AdvancedSettings edge;
  edge.MapAnimation = edge.Music = INT16_MIN;
  edge.AnimatedSprites = INT16_MAX;
  edge.MusicAttenuation = -10000;
  edge.SoundAttenuation = 0;
  edge.MusicVolume = 0;
  edge.SoundVolume = 10;
  v.push_back(edge);
  Bits bits;
  bits.gen.discard(1000);
  for (int i = 0; i < 24; ++i) {
    AdvancedSettings a;
    for (Flag* f : {&a.MapAnimation, &a.DeleteMessagesOption, &a.MessageSoundOff, &a.ShowTroopers,
                    &a.NoMovesMarkerOption, &a.Tooltips, &a.AutoCalcOption, &a.Music, &a.AutoSaveOption,
                    &a.AnimatedSprites})
      *f = bits.i16();
    a.MusicAttenuation = static_cast<int16_t>(-bits.below(10001));
    a.SoundAttenuation = static_cast<int16_t>(-bits.below(10001));
    a.MusicVolume = static_cast<uint8_t>(bits.below(11));
    a.SoundVolume = static_cast<uint8_t>(bits.below(11));
    v.push_back(a);
  }
  return v;
}

struct ChronicleSample {
  Chronicle c;
  uint32_t recordCrc = 0;
};

std::vector<ChronicleSample> chronicleSample() {
  std::vector<ChronicleSample> v;
  v.push_back({});
  Bits bits;
  bits.gen.discard(2000);
  for (int n : {1, 2, 9}) {
    ChronicleSample cs;
    cs.recordCrc = bits.next();
    uint16_t turn = static_cast<uint16_t>(bits.below(300));
    for (int k = 0; k < n; ++k) {
      ChronicleEntry e;
      turn = static_cast<uint16_t>(turn + 1 + bits.below(3));
      e.turn = turn;
      e.season = static_cast<uint8_t>(1 + bits.below(4));
      e.gold = bits.i32();
      e.people = bits.i32();
      e.crops = bits.i32();
      e.meat = bits.i32();
      e.happiness = bits.i16();
      e.health = bits.i16();
      cs.c.entries.push_back(e);
    }
    v.push_back(cs);
  }
  // The last turn a chronicle numbers, and the widest figures.
  ChronicleSample last;
  last.recordCrc = 0xFFFFFFFFu;
  last.c.entries.push_back({UINT16_MAX - 1, 4, INT32_MIN, INT32_MAX, -1, 0, INT16_MIN, INT16_MAX});
  last.c.entries.push_back({UINT16_MAX, 1, 0, 0, 0, 0, 0, 0});
  v.push_back(last);
  return v;
}

// The golden bytes, one "kind hex" line per sample value in the order of the samples.
using Golden = std::vector<std::pair<std::string, std::vector<uint8_t>>>;
Golden golden() {
  std::ifstream in(std::string(FIEFDOM_SOURCE_DIR) + "/tests/rules/codec_bytes.golden");
  Golden lines;
  std::string kind, bytes;
  while (in >> kind >> bytes) lines.emplace_back(kind, unhex(bytes));
  return lines;
}

// The samples of one option file against their golden lines, from line `at` on.
template <class T, class Encode, class Decode>
void expectGolden(const Golden& lines, size_t& at, const std::string& kind, const std::vector<T>& samples,
                  Encode encode, Decode decode) {
  for (const T& v : samples) {
    const auto& [k, bytes] = lines[at++];
    ASSERT_EQ(k, kind);
    EXPECT_EQ(hex(encode(v)), hex(bytes)) << kind << " sample " << at;
    T back;
    std::string err;
    ASSERT_TRUE(decode(bytes, back, err)) << err;
    EXPECT_EQ(back, v) << kind << " sample " << at;
  }
}

TEST(CodecBytes, EverySampleEncodesToItsGoldenBytesAndDecodesBack) {
  const Golden lines = golden();
  const auto optim = optimSample();
  const auto advanced = advancedSample();
  const auto chronicles = chronicleSample();
  ASSERT_EQ(lines.size(), optim.size() + advanced.size() + chronicles.size()) << "codec_bytes.golden is incomplete";
  size_t at = 0;
  expectGolden(lines, at, "optim", optim, encodeOptim, decodeOptim);
  expectGolden(lines, at, "advanced", advanced, encodeAdvanced, decodeAdvanced);
  std::string err;
  for (const ChronicleSample& cs : chronicles) {
    const auto& [kind, bytes] = lines[at++];
    ASSERT_EQ(kind, "chronicle");
    EXPECT_EQ(hex(encodeChronicle(cs.c, cs.recordCrc)), hex(bytes)) << "sample " << at;
    Chronicle back;
    uint32_t crc = 0;
    ASSERT_TRUE(decodeChronicle(bytes, back, crc, err)) << err;
    EXPECT_EQ(back.entries, cs.c.entries) << "sample " << at;
    EXPECT_EQ(crc, cs.recordCrc);
  }
}

// A file read and written out again, byte for byte.
template <class T, class Decode, class Encode>
void expectRoundTrip(const std::string& path, Decode decode, Encode encode) {
  std::vector<uint8_t> bytes;
  std::string err;
  ASSERT_TRUE(readFile(path, bytes, err)) << err;
  T value;
  ASSERT_TRUE(decode(bytes, value, err)) << path << ": " << err;
  EXPECT_EQ(hex(encode(value)), hex(bytes)) << path;
}

void expectOptionFilesRoundTrip(const std::string& dir) {
  expectRoundTrip<OptimSettings>(dir + "/Optim.rz", decodeOptim, encodeOptim);
  expectRoundTrip<AdvancedSettings>(dir + "/Advanced.rz", decodeAdvanced, encodeAdvanced);
}

void expectChronicleRoundTrip(const std::string& path) {
  std::vector<uint8_t> bytes;
  std::string err;
  ASSERT_TRUE(readFile(path, bytes, err)) << err;
  Chronicle c;
  uint32_t crc = 0;
  ASSERT_TRUE(decodeChronicle(bytes, c, crc, err)) << path << ": " << err;
  EXPECT_EQ(hex(encodeChronicle(c, crc)), hex(bytes)) << path;
}

struct WrittenFiles : test::RulesFixture {};

TEST_F(WrittenFiles, TheFirstOptionFilesAndASavedChronicleReadBackUnchanged) {
  std::string err;
  ASSERT_TRUE(initOptionFiles(dir.path, err)) << err;
  expectOptionFilesRoundTrip(dir.path);

  startCampaign(2);
  for (int i = 0; i < 5; ++i) EndTurn(g);
  ASSERT_TRUE(WriteSave(g, "Bytes", err)) << err;
  const std::string chronicle = chroniclePath(savePath(g, "Bytes"));
  expectChronicleRoundTrip(chronicle);
  std::vector<uint8_t> record;
  ASSERT_TRUE(readFile(savePath(g, "Bytes"), record, err)) << err;
  Chronicle back;
  ASSERT_TRUE(readChronicleFile(chronicle, record, back, err)) << err;
  EXPECT_EQ(back.entries, g.chronicle.entries);
}

// The option files the install ships (written by "fiefdom-tool options init"), and those
// the players of the build folder's program folder left there: another test may be writing
// the latter, so a file read back whole and decoded is the one that must come out the same.
TEST(ShippedFiles, TheShippedOptionFilesAndThePlayedOnesReadBackUnchanged) {
  const std::string shipped = std::string(FIEFDOM_BINARY_DIR) + "/shipped-defaults";
  if (fs::exists(shipped + "/Optim.rz")) expectOptionFilesRoundTrip(shipped);

  const std::string game = FIEFDOM_GAME_DIR;
  std::vector<std::string> played;
  std::error_code ec;
  for (const auto& f : fs::directory_iterator(game + "/Save Game", ec))
    if (f.path().extension() == ".chronicle") played.push_back(f.path().string());
  for (const std::string& path : played) {
    std::vector<uint8_t> bytes;
    std::string err;
    Chronicle c;
    uint32_t crc = 0;
    if (!readFile(path, bytes, err) || !decodeChronicle(bytes, c, crc, err)) continue;
    EXPECT_EQ(hex(encodeChronicle(c, crc)), hex(bytes)) << path;
  }
  std::vector<uint8_t> bytes;
  std::string err;
  OptimSettings o;
  if (readFile(game + "/Optim.rz", bytes, err) && decodeOptim(bytes, o, err))
    EXPECT_EQ(hex(encodeOptim(o)), hex(bytes).substr(0, 2 * kOptimSize));
  AdvancedSettings a;
  if (readFile(game + "/Advanced.rz", bytes, err) && decodeAdvanced(bytes, a, err))
    EXPECT_EQ(hex(encodeAdvanced(a)), hex(bytes).substr(0, 2 * kAdvancedSize));
}

}  // namespace
}  // namespace fief
