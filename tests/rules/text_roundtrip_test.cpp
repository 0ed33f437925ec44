// The text tables decompile to a source that compiles back to the same bytes, for any
// valid table; entry numbers of any length are refused, not taken for a crash.
#include <gtest/gtest.h>

#include "campaign/texts.h"

namespace fief {
namespace {

TEST(TextSource, DecompileThenCompileGivesTheSameBytes) {
  const std::vector<std::vector<TextEntry>> tables = {
      {},
      {u""},
      {u"a", u"", u""},                  // empty entries at the end keep the count
      {u"", u"x", u""},
      {u"line\r"},                       // a carriage return at the end of an entry
      {u"\r\n\\r\\n \\", u"  two spaces", u"# not a comment", u"\t"},
      {u"\u00e9\u2694", std::u16string(1, u'\xd800'), std::u16string(1, u'\0')},
  };
  for (const auto& entries : tables) {
    const std::vector<uint8_t> loc = encodeLoc(entries);
    std::vector<TextEntry> decoded, compiled;
    std::string err;
    ASSERT_TRUE(decodeLoc(loc, 32767, decoded, err)) << err;
    const std::string source = formatTextSource(decoded);
    ASSERT_TRUE(parseTextSource(source, 32767, compiled, err)) << err << "\n" << source;
    EXPECT_EQ(encodeLoc(compiled), loc) << source;
  }
}

TEST(TextSource, EntryNumbersOfAnyLengthBeyondTheTableAreRefused) {
  for (const char* line : {"134: x\n", "99999999999999999999: x\n", "123456789012345678901234567890: x\n"}) {
    std::vector<TextEntry> out;
    std::string err;
    EXPECT_FALSE(parseTextSource(line, 134, out, err)) << line;
    EXPECT_NE(err.find("line 1"), std::string::npos) << err;
  }
}

}  // namespace
}  // namespace fief
