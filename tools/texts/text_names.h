// The named text entries: a text source names an entry the code uses with a line
// "#@ Name" just above it, and a numbered list of entries (unit names by type number,
// seasons ...) with "#@ Name[k]" above its element k; from all five sources the tool
// writes one header with a constant per name, `txt::<table>::<Name>`, so the code says
// which text it shows instead of a bare (table, entry) pair. The loc compiler reads "#@"
// lines as comments.
#pragma once

#include <string>
#include <vector>

namespace fief::textnames {

struct Named {
  std::string name;
  int entry = 0;
};

// A numbered list of entries, "#@ Name[k]" above its element k: the header gives it as a
// TextList whose element n is entry base + n.
struct NamedList {
  std::string name;
  int base = 0;
};

struct TableNames {
  std::string table;  // the source's base name: campaign, missions, captions, campaign1, levels
  int number = 0;     // the table number 1..5
  std::vector<Named> names;  // by entry number
  std::vector<NamedList> lists;  // by base
};

// Reads the "#@ Name" and "#@ Name[k]" lines of one text source. An entry may carry one
// name and begin one list. Refuses, with the line number, a name that is not an
// identifier, a name given twice in the table, two names (or two lists) for one entry, a
// list element number that is not 0..999 or would put the list before entry 0, or a name
// not followed by an entry line.
bool readNames(const std::string& source, TableNames& out, std::string& err);

// The header text for the tables, in table order.
std::string formatHeader(const std::vector<TableNames>& tables);

// Reads every source (paths to data/texts/<table>.txt) and writes the header to `out`,
// leaving the file untouched when its text would not change. Returns false with a message
// naming the file on any fault.
bool writeNamesHeader(const std::vector<std::string>& sources, const std::string& out, std::string& err);

}  // namespace fief::textnames
