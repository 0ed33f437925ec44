#include "campaign/texts.h"

#include <sstream>
#include <stdexcept>

#include "campaign/files.h"
#include "state/bytes.h"

namespace fief {

const std::array<TableInfo, 7> kTables = {{
    {"", "", 0},
    {"campaign.loc", "campaign", 134},
    {"missions.loc", "missions", 68},
    {"captions.loc", "captions", 100},
    {"campaign1.loc", "campaign1", 163},
    {"levels.loc", "levels", 189},
    {"", "extra", 66},
}};
const std::array<int, 5> kLoadOrder = {5, 4, 3, 2, 1};

int tableByName(const std::string& name) {
  for (int t = 1; t <= 5; ++t)
    if (name == kTables[t].name || name == kTables[t].file) return t;
  return 0;
}

std::vector<uint8_t> encodeLoc(const std::vector<TextEntry>& entries) {
  ByteWriter w;
  w.i16(static_cast<int16_t>(entries.size()));
  for (const auto& e : entries) {
    w.i16(static_cast<int16_t>(e.size()));
    for (char16_t c : e) w.u16(static_cast<uint16_t>(c));
  }
  return w.take();
}

bool decodeLoc(const std::vector<uint8_t>& bytes, int capacity, std::vector<TextEntry>& out, std::string& err) {
  ByteReader r(bytes);
  int count = r.i16();
  if (!r.ok()) { err = "the file is empty"; return false; }
  if (count < 0) { err = "negative entry count " + std::to_string(count); return false; }
  if (count > capacity) {
    err = "it holds " + std::to_string(count) + " entries, the table has room for " + std::to_string(capacity);
    return false;
  }
  std::vector<TextEntry> entries;
  entries.reserve(count);
  for (int i = 0; i < count; ++i) {
    int len = r.i16();
    if (len < 0 || len > kMaxEntryCodes) {
      err = "entry " + std::to_string(i) + " has a bad length " + std::to_string(len);
      return false;
    }
    if (r.remaining() < static_cast<size_t>(len) * 2) {
      err = "the file ends inside entry " + std::to_string(i);
      return false;
    }
    TextEntry e;
    e.reserve(len);
    for (int k = 0; k < len; ++k) e.push_back(static_cast<char16_t>(r.u16()));
    entries.push_back(std::move(e));
  }
  if (!r.ok()) { err = "the file ends early"; return false; }
  out = std::move(entries);
  return true;
}

std::string toUtf8(const TextEntry& t) {
  std::string s;
  for (char16_t c : t) {
    auto u = static_cast<uint32_t>(c);
    if (u < 0x80) s.push_back(static_cast<char>(u));
    else if (u < 0x800) {
      s.push_back(static_cast<char>(0xC0 | (u >> 6)));
      s.push_back(static_cast<char>(0x80 | (u & 0x3F)));
    } else {
      s.push_back(static_cast<char>(0xE0 | (u >> 12)));
      s.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
      s.push_back(static_cast<char>(0x80 | (u & 0x3F)));
    }
  }
  return s;
}

TextEntry fromUtf8(const std::string& s) {
  TextEntry t;
  for (size_t i = 0; i < s.size();) {
    auto c = static_cast<unsigned char>(s[i]);
    uint32_t u;
    int n;
    if (c < 0x80) { u = c; n = 1; }
    else if ((c & 0xE0) == 0xC0) { u = c & 0x1F; n = 2; }
    else if ((c & 0xF0) == 0xE0) { u = c & 0x0F; n = 3; }
    else if ((c & 0xF8) == 0xF0) { u = 0; n = 4; }  // beyond 16 bits: one '?' below
    else { u = '?'; n = 1; }                         // a stray byte
    for (int k = 1; k < n && i + k < s.size(); ++k) u = (u << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    if (n == 4) u = '?';
    t.push_back(static_cast<char16_t>(u));
    i += n;
  }
  return t;
}

bool parseTextSource(const std::string& text, int capacity, std::vector<TextEntry>& out, std::string& err) {
  std::vector<TextEntry> entries;
  std::istringstream in(text);
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    size_t colon = line.find(':');
    std::string num = line.substr(first, colon == std::string::npos ? std::string::npos : colon - first);
    if (colon == std::string::npos || num.empty() || num.find_first_not_of("0123456789") != std::string::npos) {
      err = "line " + std::to_string(lineNo) + ": expected \"N: text\"";
      return false;
    }
    // Compared by length first: a number of many digits is beyond every table.
    const long n = num.size() <= 9 ? std::stol(num) : capacity;
    if (n >= capacity) {
      err = "line " + std::to_string(lineNo) + ": entry " + num + " is beyond the table's " + std::to_string(capacity) + " entries";
      return false;
    }
    std::string body = line.substr(colon + 1);
    if (!body.empty() && body[0] == ' ') body.erase(0, 1);
    std::string unescaped;
    for (size_t i = 0; i < body.size(); ++i) {
      if (body[i] == '\\' && i + 1 < body.size() && body[i + 1] == 'n') { unescaped += '\n'; ++i; }
      else if (body[i] == '\\' && i + 1 < body.size() && body[i + 1] == 'r') { unescaped += '\r'; ++i; }
      else if (body[i] == '\\' && i + 1 < body.size() && body[i + 1] == '\\') { unescaped += '\\'; ++i; }
      else unescaped += body[i];
    }
    TextEntry e = fromUtf8(unescaped);
    if (static_cast<int>(e.size()) > kMaxEntryCodes) {
      err = "line " + std::to_string(lineNo) + ": entry longer than " + std::to_string(kMaxEntryCodes) + " characters";
      return false;
    }
    if (static_cast<size_t>(n) >= entries.size()) entries.resize(n + 1);
    entries[n] = std::move(e);
  }
  out = std::move(entries);
  return true;
}

std::string formatTextSource(const std::vector<TextEntry>& entries) {
  std::string s;
  for (size_t i = 0; i < entries.size(); ++i) {
    // Empty entries are left out, except the last one: it keeps the table's entry count.
    if (entries[i].empty() && i + 1 < entries.size()) continue;
    std::string body;
    for (char c : toUtf8(entries[i])) {
      if (c == '\n') body += "\\n";
      else if (c == '\r') body += "\\r";  // a raw one would be taken for a line end
      else if (c == '\\') body += "\\\\";
      else body += c;
    }
    s += std::to_string(i) + ": " + body + "\n";
  }
  return s;
}

bool TextTables::load(const std::string& programDir, std::string& err) {
  std::array<std::vector<TextEntry>, 7> loaded;
  for (int t : kLoadOrder) {
    std::string path = programDir + "/localizations/" + kTables[t].file;
    std::vector<uint8_t> bytes;
    if (!readFile(path, bytes, err)) return false;
    std::string why;
    if (!decodeLoc(bytes, kTables[t].capacity, loaded[t], why)) {
      err = path + ": " + why;
      return false;
    }
  }
  for (int t = 1; t <= 6; ++t) set(t, std::move(loaded[t]));
  return true;
}

void TextTables::set(int table, std::vector<TextEntry> entries) {
  // Kept as UTF-8, converted once here: the turn reads texts many times over.
  std::vector<std::string>& out = tables_.at(table);
  out.clear();
  out.reserve(entries.size());
  for (const TextEntry& e : entries) out.push_back(toUtf8(e));
}

bool TextTables::has(int table, int entry) const {
  return table >= 1 && table <= 6 && entry >= 0 && entry < static_cast<int>(tables_[table].size());
}

std::string TextTables::text(int table, int entry) const {
  if (readLog) readLog->insert({table, entry});
  if (table < 1 || table > 6 || entry < 0 || entry >= kTables[table].capacity)
    throw std::out_of_range("text " + std::to_string(entry) + " of table " + std::to_string(table) +
                            " is outside the table");
  if (!has(table, entry)) return {};
  return tables_[table][entry];
}

}  // namespace fief
