#include "texts/text_names.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <sstream>

namespace fief::textnames {

namespace {

// The five text sources and their table numbers (the loc files' order of tables).
const std::map<std::string, int> kTableNumbers = {
    {"campaign", 1}, {"missions", 2}, {"captions", 3}, {"campaign1", 4}, {"levels", 5}};

bool isIdentifier(const std::string& s) {
  if (s.empty() || !std::isupper(static_cast<unsigned char>(s[0]))) return false;
  for (char c : s)
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  return true;
}

std::string trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r");
  size_t e = s.find_last_not_of(" \t\r");
  return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

// The entry number of an entry line "N: text", or -1.
int entryNumber(const std::string& line) {
  size_t i = 0;
  while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i]))) ++i;
  if (i == 0 || i > 6 || i >= line.size() || line[i] != ':') return -1;
  return std::stoi(line.substr(0, i));
}

std::string baseName(const std::string& path) {
  std::string b = path.substr(path.find_last_of('/') + 1);
  if (auto dot = b.rfind('.'); dot != std::string::npos) b.resize(dot);
  return b;
}

}  // namespace

bool readNames(const std::string& source, TableNames& out, std::string& err) {
  std::istringstream in(source);
  std::string line;
  // What the lines above the next entry declare: a name and the start of a list.
  struct Pending {
    std::string name;
    int index = -1;  // the list element number of a list; -1 for a plain name
    int line = 0;
  };
  std::vector<Pending> pending;
  int lineNo = 0;
  std::map<std::string, int> byName;  // plain names and lists share one set of names
  std::map<int, std::string> byEntry;
  auto fail = [&err](int at, const std::string& what) {
    err = "line " + std::to_string(at) + ": " + what;
    return false;
  };
  out.names.clear();
  out.lists.clear();
  while (std::getline(in, line)) {
    ++lineNo;
    if (line.rfind("#@", 0) == 0) {
      std::string name = trim(line.substr(2));
      int index = -1;
      if (const size_t open = name.find('['); open != std::string::npos) {
        const std::string k = name.substr(open + 1, name.size() - open - 2);
        if (name.back() != ']' || k.empty() || k.size() > 3 ||
            !std::all_of(k.begin(), k.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
          return fail(lineNo, "\"" + name + "\" is not a list (Name[k], k a number 0..999)");
        index = std::stoi(k);
        name.resize(open);
      }
      if (!isIdentifier(name))
        return fail(lineNo, "\"" + name + "\" is not a name (a capital letter, then letters and digits)");
      for (const Pending& p : pending)
        if ((p.index < 0) == (index < 0))
          return fail(lineNo, std::string(index < 0 ? "two names" : "two lists") + " for one entry (" + p.name + ", " +
                                  name + ")");
      if (byName.count(name)) return fail(lineNo, name + " already names entry " + std::to_string(byName[name]));
      byName[name] = -1;
      pending.push_back({name, index, lineNo});
      continue;
    }
    const std::string t = trim(line);
    if (t.empty() || t[0] == '#') continue;
    const int entry = entryNumber(line);
    if (pending.empty()) continue;
    if (entry < 0) return fail(pending.front().line, pending.front().name + " is not followed by an entry");
    for (const Pending& p : pending) {
      byName[p.name] = entry;
      if (p.index < 0) {
        if (byEntry.count(entry))
          return fail(p.line,
                      "entry " + std::to_string(entry) + " is named twice (" + byEntry[entry] + ", " + p.name + ")");
        byEntry[entry] = p.name;
      } else {
        if (p.index > entry)
          return fail(p.line, p.name + "[" + std::to_string(p.index) + "] would begin before entry 0");
        out.lists.push_back({p.name, entry - p.index});
      }
    }
    pending.clear();
  }
  if (!pending.empty()) return fail(pending.front().line, pending.front().name + " is not followed by an entry");
  for (const auto& [entry, name] : byEntry) out.names.push_back({name, entry});
  std::sort(out.lists.begin(), out.lists.end(),
            [](const NamedList& a, const NamedList& b) { return a.base < b.base || (a.base == b.base && a.name < b.name); });
  return true;
}

std::string formatHeader(const std::vector<TableNames>& tables) {
  std::ostringstream o;
  o << "// The named entries of the text tables, written by fiefdom-tool loc names from the \"#@ Name\"\n"
       "// lines of data/texts (docs/texts.md). Generated at build time: edit the text sources.\n"
       "#pragma once\n\n#include \"campaign/text_id.h\"\n\nnamespace fief::txt {\n";
  for (const TableNames& t : tables) {
    o << "\n// Table " << t.number << " (" << t.table << ".txt)\nnamespace " << t.table << " {\n";
    for (const Named& n : t.names)
      o << "inline constexpr TextId " << n.name << "{" << t.number << ", " << n.entry << "};\n";
    for (const NamedList& l : t.lists)
      o << "inline constexpr TextList " << l.name << "{" << t.number << ", " << l.base << "};\n";
    // An entry the code takes from a rule or a table of its own (a refusal hint, a message).
    o << "constexpr TextId entry(int n) { return {" << t.number << ", n}; }\n";
    o << "}  // namespace " << t.table << "\n";
  }
  o << "\n}  // namespace fief::txt\n";
  return o.str();
}

bool writeNamesHeader(const std::vector<std::string>& sources, const std::string& out, std::string& err) {
  std::vector<TableNames> tables;
  for (const std::string& path : sources) {
    TableNames t;
    t.table = baseName(path);
    auto it = kTableNumbers.find(t.table);
    if (it == kTableNumbers.end()) {
      err = path + ": not a text table source";
      return false;
    }
    t.number = it->second;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
      err = path + ": cannot be read";
      return false;
    }
    std::stringstream text;
    text << in.rdbuf();
    if (!readNames(text.str(), t, err)) {
      err = path + ": " + err;
      return false;
    }
    tables.push_back(std::move(t));
  }
  std::sort(tables.begin(), tables.end(), [](const TableNames& a, const TableNames& b) { return a.number < b.number; });
  const std::string header = formatHeader(tables);
  {
    std::ifstream old(out, std::ios::binary);
    std::stringstream was;
    if (old) was << old.rdbuf();
    if (old && was.str() == header) return true;
  }
  std::ofstream o(out, std::ios::binary | std::ios::trunc);
  o << header;
  if (!o.flush()) {
    err = out + ": cannot be written";
    return false;
  }
  return true;
}

}  // namespace fief::textnames
