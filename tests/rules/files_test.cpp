// The codecs of the option files, the text tables and the one-number files, and how
// each faces damaged input.
#include <gtest/gtest.h>

#include "campaign/files.h"
#include "campaign/option_files.h"
#include "campaign/texts.h"
#include "state/bytes.h"

namespace fief {
namespace {

TEST(Optim, LayoutIs23BytesLittleEndian) {
  OptimSettings o;
  o.Words[1] = kTrue;
  o.Words[6] = 0x0102;
  o.DisplayMode = 3;
  o.ColourDepth = 32;
  o.DisplayOption = 7;
  o.Word10 = -2;
  o.Option21 = 8;
  o.Option22 = 9;
  auto b = encodeOptim(o);
  ASSERT_EQ(b.size(), kOptimSize);
  EXPECT_EQ(b[2], 0xFF);
  EXPECT_EQ(b[3], 0xFF);
  EXPECT_EQ(b[12], 0x02);
  EXPECT_EQ(b[13], 0x01);
  EXPECT_EQ(b[16], 3);
  EXPECT_EQ(b[17], 32);
  EXPECT_EQ(b[18], 7);
  EXPECT_EQ(b[19], 0xFE);
  EXPECT_EQ(b[20], 0xFF);
  EXPECT_EQ(b[21], 8);
  EXPECT_EQ(b[22], 9);
  OptimSettings back;
  std::string err;
  ASSERT_TRUE(decodeOptim(b, back, err)) << err;
  EXPECT_EQ(back, o);
  EXPECT_TRUE(back.fadeEffectsOff());
  EXPECT_EQ(back.graphicsFolder(), "graphics/low") << "colour depth 32 uses the low graphics";
}

TEST(Optim, DamagedRecordsAreRefused) {
  std::string err;
  OptimSettings o;
  EXPECT_FALSE(decodeOptim(std::vector<uint8_t>(22, 0), o, err));
  EXPECT_NE(err.find("22"), std::string::npos);
  auto b = encodeOptim(OptimSettings{});
  b[16] = 9;
  EXPECT_FALSE(decodeOptim(b, o, err)) << "an unknown display mode";
}

TEST(Advanced, RoundTripAndLayout) {
  AdvancedSettings a = defaultAdvanced();
  a.MessageSoundOff = kTrue;
  a.MusicAttenuation = -9650;
  a.MusicVolume = 1;
  auto b = encodeAdvanced(a);
  ASSERT_EQ(b.size(), kAdvancedSize);
  EXPECT_EQ(b[4], 0xFF) << "MessageSoundOff is the third word";
  EXPECT_EQ(static_cast<int16_t>(b[20] | b[21] << 8), -9650);
  EXPECT_EQ(b[24], 1);
  AdvancedSettings back;
  std::string err;
  ASSERT_TRUE(decodeAdvanced(b, back, err)) << err;
  EXPECT_EQ(back, a);
}

TEST(Advanced, DamagedRecordsAreRefused) {
  std::string err;
  AdvancedSettings a;
  EXPECT_FALSE(decodeAdvanced(std::vector<uint8_t>(25, 0), a, err));
  auto b = encodeAdvanced(defaultAdvanced());
  b[24] = 11;  // a volume step above 10
  EXPECT_FALSE(decodeAdvanced(b, a, err));
}

TEST(NumberFiles, DecimalWithCrLf) {
  auto b = encodeNumber(15);
  EXPECT_EQ(std::string(b.begin(), b.end()), "15\r\n");
  long v = 0;
  struct { const char* text; bool ok; long value; } cases[] = {
      {"15\r\n", true, 15}, {" 7\n", true, 7}, {"-3", true, -3}, {"", false, 0}, {"x", false, 0},
      {"99999999999999", false, 0}, {"\r\n", false, 0},
  };
  for (auto& c : cases) {
    std::string s = c.text;
    EXPECT_EQ(decodeNumber({s.begin(), s.end()}, v), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(v, c.value) << c.text;
    }
  }
}

TEST(Loc, RoundTripKeepsEveryCode) {
  std::vector<TextEntry> entries = {u"", u"Gold", u"Ærø — “ink”", std::u16string(kMaxEntryCodes, u'x')};
  auto b = encodeLoc(entries);
  std::vector<TextEntry> back;
  std::string err;
  ASSERT_TRUE(decodeLoc(b, 10, back, err)) << err;
  EXPECT_EQ(back, entries);
}

TEST(Loc, DamagedTablesAreRefusedWithAReason) {
  auto make = [](std::initializer_list<int> words) {
    ByteWriter w;
    for (int v : words) w.i16(static_cast<int16_t>(v));
    return w.take();
  };
  struct { std::vector<uint8_t> bytes; int capacity; const char* why; } cases[] = {
      {{}, 10, "empty"},
      {make({-1}), 10, "negative"},
      {make({11}), 10, "room"},
      {make({1, 2050}), 10, "length"},
      {make({1, -5}), 10, "length"},
      {make({2, 1, 'a'}), 10, "ends"},
      {make({1, 3, 'a'}), 10, "ends"},
  };
  for (auto& c : cases) {
    std::vector<TextEntry> out = {u"keep"};
    std::string err;
    EXPECT_FALSE(decodeLoc(c.bytes, c.capacity, out, err)) << c.why;
    EXPECT_NE(err.find(c.why), std::string::npos) << err;
    EXPECT_EQ(out.size(), 1u) << "the table is untouched";
  }
}

TEST(TextSource, ParsesEntriesEscapesAndRefusesBadLines) {
  std::vector<TextEntry> out;
  std::string err;
  ASSERT_TRUE(parseTextSource("# comment\n0: First\n3: Two\\nlines\n\n2: back\\\\slash\n", 10, out, err)) << err;
  ASSERT_EQ(out.size(), 4u);
  EXPECT_EQ(out[0], u"First");
  EXPECT_EQ(out[1], u"");
  EXPECT_EQ(out[2], u"back\\slash");
  EXPECT_EQ(out[3], u"Two\nlines");
  EXPECT_EQ(formatTextSource(out), "0: First\n2: back\\\\slash\n3: Two\\nlines\n");
  EXPECT_FALSE(parseTextSource("10: beyond\n", 10, out, err));
  EXPECT_FALSE(parseTextSource("x: no number\n", 10, out, err));
  EXPECT_FALSE(parseTextSource("no colon\n", 10, out, err));
}

TEST(TextSource, CharactersBeyondSixteenBitsBecomeOneQuestionMark) {
  EXPECT_EQ(fromUtf8("a\xF0\x9F\x8F\xB0" "b"), u"a?b");
  EXPECT_EQ(toUtf8(fromUtf8("Ærø")), "Ærø");
}

TEST(TextTables, EntryOutsideTheTableIsAnError) {
  TextTables t;
  t.set(1, {u"a", u"b"});
  EXPECT_EQ(t.text(1, 1), "b");
  EXPECT_EQ(t.text(1, 100), "") << "within the capacity but not in the file";
  EXPECT_THROW(t.text(1, 134), std::out_of_range);
  EXPECT_THROW(t.text(7, 0), std::out_of_range);
}

// The six tables hold 134, 68, 100, 163, 189 and 66 entries: the last entry of each can be
// asked for, the next is outside the table, and a file of one entry more is refused.
TEST(TextTables, EachTableHoldsItsCapacityAndNoMore) {
  const int capacity[7] = {0, 134, 68, 100, 163, 189, 66};
  for (int t = 1; t <= 6; ++t) {
    TextTables tables;
    EXPECT_EQ(tables.text(t, capacity[t] - 1), "") << "table " << t;
    EXPECT_THROW(tables.text(t, capacity[t]), std::out_of_range) << "table " << t;
    if (t == 6) continue;  // no file fills table 6
    std::vector<TextEntry> out;
    std::string err;
    EXPECT_TRUE(decodeLoc(encodeLoc(std::vector<TextEntry>(capacity[t])), kTables[t].capacity, out, err)) << err;
    EXPECT_FALSE(decodeLoc(encodeLoc(std::vector<TextEntry>(capacity[t] + 1)), kTables[t].capacity, out, err))
        << kTables[t].file << " of " << capacity[t] + 1 << " entries";
  }
}

TEST(TextTables, TheBuiltTablesLoadWithTheTextsTheGameQuotes) {
  TextTables t;
  std::string err;
  ASSERT_TRUE(t.load(FIEFDOM_GAME_DIR, err)) << err;
  EXPECT_EQ(t.text(3, 84), "Mission objectives");
  EXPECT_EQ(t.text(3, 43), "Unsaved game will be lostt - do you really want to quit?");
  for (int e : {126, 130, 131, 132, 99, 68}) EXPECT_FALSE(t.text(1, e).empty()) << "table 1 entry " << e;
}

}  // namespace
}  // namespace fief
