// The text tool's names: "#@ Name" lines of a text source name the entry below them;
// faults are refused with their line number, and the header holds one constant a name.
#include <gtest/gtest.h>

#include "texts/text_names.h"

using namespace fief::textnames;

TEST(TextNames, NamesTheEntryBelow) {
  TableNames t;
  std::string err;
  const std::string src =
      "# captions\n"
      "#@ Ok\n"
      "22: OK\n"
      "\n"
      "23: Cancel\n"
      "#@ Close\n"
      "# a comment between the name and its entry\n"
      "\n"
      "24: Close\n"
      "#@ Fiefdom\n"
      "0: Fiefdom\n";
  ASSERT_TRUE(readNames(src, t, err)) << err;
  ASSERT_EQ(t.names.size(), 3u);
  // By entry number, whatever the order of the lines.
  EXPECT_EQ(t.names[0].name, "Fiefdom");
  EXPECT_EQ(t.names[0].entry, 0);
  EXPECT_EQ(t.names[1].name, "Ok");
  EXPECT_EQ(t.names[1].entry, 22);
  EXPECT_EQ(t.names[2].name, "Close");
  EXPECT_EQ(t.names[2].entry, 24);
}

TEST(TextNames, RefusesFaultsWithTheirLine) {
  struct Case {
    const char* what;
    const char* source;
    const char* message;
  };
  const Case cases[] = {
      {"not an identifier", "#@ ok\n1: OK\n", "line 1: \"ok\" is not a name"},
      {"a space inside", "#@ Not Ok\n1: OK\n", "line 1: \"Not Ok\" is not a name"},
      {"a name twice", "#@ Ok\n1: OK\n#@ Ok\n2: Yes\n", "line 3: Ok already names entry 1"},
      {"two names for one entry", "#@ Ok\n#@ Yes\n1: OK\n", "line 2: two names for one entry (Ok, Yes)"},
      {"an entry named twice", "#@ Ok\n1: OK\n#@ Yes\n1: Yes\n", "line 3: entry 1 is named twice (Ok, Yes)"},
      {"no entry below", "#@ Ok\nsome text\n", "line 1: Ok is not followed by an entry"},
      {"a name at the end", "1: OK\n#@ Ok\n", "line 2: Ok is not followed by an entry"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TableNames t;
    std::string err;
    EXPECT_FALSE(readNames(c.source, t, err));
    EXPECT_EQ(err.rfind(c.message, 0), 0u) << err;
  }
}

TEST(TextNames, HeaderHoldsAConstantAName) {
  TableNames captions{"captions", 3, {{"Ok", 22}, {"Close", 24}}};
  TableNames campaign{"campaign", 1, {{"GameSaved", 126}}};
  const std::string h = formatHeader({campaign, captions});
  EXPECT_NE(h.find("namespace campaign {\ninline constexpr TextId GameSaved{1, 126};\n"), std::string::npos) << h;
  // Every table also gives its entries by number, for entries a rule or a table answers with.
  EXPECT_NE(h.find("constexpr TextId entry(int n) { return {1, n}; }\n}  // namespace campaign"), std::string::npos) << h;
  EXPECT_NE(h.find("inline constexpr TextId Ok{3, 22};\ninline constexpr TextId Close{3, 24};"), std::string::npos) << h;
  EXPECT_NE(h.find("namespace fief::txt {"), std::string::npos);
}

TEST(TextNames, ListsBeginAtTheirElement) {
  TableNames t;
  std::string err;
  const std::string src =
      "#@ EmptyField\n"
      "#@ FieldKinds[0]\n"
      "0: Empty field\n"
      "1: Crop field\n"
      "#@ UnitNames[1]\n"
      "60: Monk\n";
  ASSERT_TRUE(readNames(src, t, err)) << err;
  ASSERT_EQ(t.names.size(), 1u);
  EXPECT_EQ(t.names[0].entry, 0);
  ASSERT_EQ(t.lists.size(), 2u);
  EXPECT_EQ(t.lists[0].name, "FieldKinds");
  EXPECT_EQ(t.lists[0].base, 0);
  EXPECT_EQ(t.lists[1].name, "UnitNames");
  EXPECT_EQ(t.lists[1].base, 59);
  const std::string h = formatHeader({t});
  EXPECT_NE(h.find("inline constexpr TextList UnitNames{0, 59};"), std::string::npos) << h;

  struct Case {
    const char* source;
    const char* message;
  };
  const Case faults[] = {
      {"#@ Units[x]\n1: A\n", "line 1: \"Units[x]\" is not a list"},
      {"#@ Units[1\n1: A\n", "line 1: \"Units[1\" is not a list"},
      {"#@ Units[1234]\n1: A\n", "line 1: \"Units[1234]\" is not a list"},
      {"#@ Units[2]\n1: A\n", "line 1: Units[2] would begin before entry 0"},
      {"#@ Units[1]\n#@ Names[1]\n1: A\n", "line 2: two lists for one entry (Units, Names)"},
      {"#@ Units[1]\n1: A\n#@ Units\n2: B\n", "line 3: Units already names entry 1"},
  };
  for (const Case& c : faults) {
    SCOPED_TRACE(c.source);
    TableNames bad;
    EXPECT_FALSE(readNames(c.source, bad, err));
    EXPECT_EQ(err.rfind(c.message, 0), 0u) << err;
  }
}
