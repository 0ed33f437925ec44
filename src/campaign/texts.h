// The localised text tables. Each .loc file is an i16 entry count followed by the
// entries, each an i16 code count and that many 16-bit character codes (UCS-2).
// The text sources under data/texts are one entry per line, "N: text", with \n for
// a line break, \r for a carriage return and \\ for a backslash; the tool compiles them
// to .loc and decompiles them back to the same bytes. Entries not listed are empty; the
// decompiler lists the last entry even when it is empty, so that the count survives.
#pragma once

#include <array>
#include <set>
#include <cstdint>
#include <string>
#include <vector>

#include "campaign/text_id.h"

namespace fief {

using TextEntry = std::u16string;
constexpr int kMaxEntryCodes = 2049;

struct TableInfo {
  const char* file;  // under localizations/, empty for table 6
  const char* name;  // the source's base name
  int capacity;
};
// Tables 1..6 (index 0 unused).
extern const std::array<TableInfo, 7> kTables;
// The order in which the program reads the five files.
extern const std::array<int, 5> kLoadOrder;
int tableByName(const std::string& name);  // "campaign" -> 1, 0 when unknown

// .loc codec. decodeLoc refuses a negative or oversized count, an entry of more than
// 2049 codes, or data that ends early, with a message.
std::vector<uint8_t> encodeLoc(const std::vector<TextEntry>& entries);
bool decodeLoc(const std::vector<uint8_t>& bytes, int capacity, std::vector<TextEntry>& out, std::string& err);

// Text source codec ("N: text" lines).
bool parseTextSource(const std::string& text, int capacity, std::vector<TextEntry>& out, std::string& err);
std::string formatTextSource(const std::vector<TextEntry>& entries);

std::string toUtf8(const TextEntry& t);
TextEntry fromUtf8(const std::string& s);

class TextTables {
 public:
  // Reads the five files of dir/localizations in the program's order.
  bool load(const std::string& programDir, std::string& err);
  void set(int table, std::vector<TextEntry> entries);
  // The entry as UTF-8; empty for an entry the file does not hold. An entry number
  // outside the table's capacity is a programming error (throws std::out_of_range).
  std::string text(int table, int entry) const;
  std::string text(TextId t) const { return text(t.table, t.entry); }
  bool has(int table, int entry) const;
  bool has(TextId t) const { return has(t.table, t.entry); }
  // When set, every entry read through text() is recorded in it (a test's record of the
  // texts a screen shows).
  mutable std::set<std::pair<int, int>>* readLog = nullptr;

 private:
  std::array<std::vector<std::string>, 7> tables_;  // UTF-8
};

}  // namespace fief
