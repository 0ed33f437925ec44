#include "military/fight_files.h"

#include <fmt/format.h>

#include <cctype>

#include "campaign/files.h"
#include "state/bytes.h"

namespace fief {

// ---- Roster order ---------------------------------------------------------------------

int rosterSlot(Unit u) {
  for (int s = 0; s < kRosterSize; ++s)
    if (kRosterUnits[s] == u) return s;
  return -1;
}

RosterCounts toRosterOrder(const std::array<int16_t, kUnitCount>& byUnit) {
  RosterCounts r{};
  for (int s = 0; s < kRosterSize; ++s) r[s] = byUnit[kRosterUnits[s]];
  return r;
}

std::array<int16_t, kUnitCount> toCompositionOrder(const RosterCounts& roster) {
  std::array<int16_t, kUnitCount> c{};
  for (int s = 0; s < kRosterSize; ++s) c[kRosterUnits[s]] = roster[s];
  return c;
}

namespace {

// ---- Shared checks --------------------------------------------------------------------

bool checkCounts(const RosterCounts& counts, int n, const char* what, size_t army, std::string& err) {
  for (int s = 0; s < n; ++s) {
    if (counts[s] < 0) {
      err = fmt::format("army {}: negative {} count of {} ({})", army, what,
                        kUnitNames[kRosterUnits[s]], counts[s]);
      return false;
    }
  }
  return true;
}

bool checkFightIn(const FightIn& in, std::string& err) {
  if (in.MapName.size() > 255) {
    err = fmt::format("the map name is {} characters long (at most 255)", in.MapName.size());
    return false;
  }
  if (in.Armies.size() < kMinFightArmies || in.Armies.size() > kMaxFightArmies) {
    err = fmt::format("{} armies (a battle has {} to {})", in.Armies.size(), kMinFightArmies,
                      kMaxFightArmies);
    return false;
  }
  for (size_t a = 0; a < in.Armies.size(); ++a) {
    const FightArmy& army = in.Armies[a];
    if (army.Name.size() > 255) {
      err = fmt::format("army {}: the name is {} characters long (at most 255)", a, army.Name.size());
      return false;
    }
    if (!checkCounts(army.Counts, army.rosterSize(), "soldier", a, err)) return false;
  }
  return true;
}

bool checkFightOut(const FightOut& out, std::string& err) {
  if (out.Outcome > 1) {
    err = fmt::format("outcome {} (1 won, 0 lost)", out.Outcome);
    return false;
  }
  if (out.OurDead < 0 || out.EnemyDead < 0) {
    err = fmt::format("negative dead ({} ours, {} the enemy's)", out.OurDead, out.EnemyDead);
    return false;
  }
  if (out.Armies.size() < kMinResultArmies || out.Armies.size() > kMaxFightArmies) {
    err = fmt::format("{} armies (the results hold {} to {})", out.Armies.size(), kMinResultArmies,
                      kMaxFightArmies);
    return false;
  }
  for (size_t a = 0; a < out.Armies.size(); ++a)
    if (!checkCounts(out.Armies[a].Survivors, out.Armies[a].rosterSize(), "surviving", a, err))
      return false;
  return true;
}

// A status: one number, with nothing but blanks and line ends around it.
bool decodeStatus(const std::vector<uint8_t>& bytes, long& value) {
  long v = 0;
  if (!decodeNumber(bytes, v)) return false;
  const std::string s(bytes.begin(), bytes.end());
  size_t end = s.find_first_not_of(" \t\r\n") + 1;  // past the sign or the first digit
  while (end < s.size() && std::isdigit(static_cast<unsigned char>(s[end]))) ++end;
  if (s.find_first_not_of(" \t\r\n", end) != std::string::npos) return false;
  value = v;
  return true;
}

// Reads a length-prefixed string; false when it runs past the end.
bool readString(ByteReader& r, std::string& s) {
  size_t n = r.u8();
  if (!r.ok() || r.remaining() < n) return false;
  s = r.bytes(n);
  return true;
}

bool readCounts(ByteReader& r, RosterCounts& counts, int n) {
  if (r.remaining() < static_cast<size_t>(2 * n)) return false;
  counts = {};
  for (int s = 0; s < n; ++s) counts[s] = r.i16();
  return true;
}

// The optional battle id after the last army, then the end of the file.
bool readBattleId(ByteReader& r, uint32_t& id, std::string& err) {
  if (r.remaining() == kBattleIdBytes) id = static_cast<uint32_t>(r.i32());
  if (r.remaining() != 0) {
    err = fmt::format("{} bytes after the end of the record", r.remaining());
    return false;
  }
  return true;
}

}  // namespace

// ---- Fight_in.rz ----------------------------------------------------------------------

bool encodeFightIn(const FightIn& in, std::vector<uint8_t>& out, std::string& err) {
  if (!checkFightIn(in, err)) return false;
  ByteWriter w;
  w.u8(static_cast<uint8_t>(in.MapName.size()));
  w.bytes(in.MapName);
  w.i16(in.AutoCalc);
  w.i16(in.Reserved);
  for (uint8_t s : in.Settings) w.u8(s);
  w.u8(in.BattleKind);
  w.u8(static_cast<uint8_t>(in.Armies.size()));
  for (const FightArmy& a : in.Armies) {
    w.u8(static_cast<uint8_t>(a.Name.size()));
    w.bytes(a.Name);
    w.i32(static_cast<int32_t>(a.Colour));
    w.u8(a.Side);
    w.i16(a.Morale);
    w.u8(a.Reduced);
    for (int s = 0; s < a.rosterSize(); ++s) w.i16(a.Counts[s]);
  }
  if (in.BattleId != 0) w.i32(static_cast<int32_t>(in.BattleId));
  out = w.take();
  return true;
}

bool decodeFightIn(const std::vector<uint8_t>& bytes, FightIn& out, std::string& err) {
  ByteReader r(bytes);
  FightIn in;
  if (!readString(r, in.MapName)) {
    err = "the file ends inside the map name";
    return false;
  }
  in.AutoCalc = r.i16();
  in.Reserved = r.i16();
  for (uint8_t& s : in.Settings) s = r.u8();
  in.BattleKind = r.u8();
  int n = r.u8();
  if (!r.ok()) {
    err = "the file ends inside the battle settings";
    return false;
  }
  if (n < kMinFightArmies || n > kMaxFightArmies) {
    err = fmt::format("{} armies (a battle has {} to {})", n, kMinFightArmies, kMaxFightArmies);
    return false;
  }
  in.Armies.resize(n);
  for (int a = 0; a < n; ++a) {
    FightArmy& army = in.Armies[a];
    bool ok = readString(r, army.Name);
    if (ok) {
      army.Colour = static_cast<uint32_t>(r.i32());
      army.Side = r.u8();
      army.Morale = r.i16();
      army.Reduced = r.u8();
      ok = r.ok() && readCounts(r, army.Counts, army.rosterSize());
    }
    if (!ok) {
      err = fmt::format("the file ends inside army {} of {}", a, n);
      return false;
    }
  }
  if (!readBattleId(r, in.BattleId, err) || !checkFightIn(in, err)) return false;
  out = std::move(in);
  return true;
}

// ---- Fight_out.rz ---------------------------------------------------------------------

bool encodeFightOut(const FightOut& out, std::vector<uint8_t>& bytes, std::string& err) {
  if (!checkFightOut(out, err)) return false;
  ByteWriter w;
  w.i16(static_cast<int16_t>(out.Armies.size()));
  w.u8(out.Outcome);
  w.i16(out.OurDead);
  w.i16(out.EnemyDead);
  for (const FightResultArmy& a : out.Armies) {
    w.u8(a.Reduced);
    for (int s = 0; s < a.rosterSize(); ++s) w.i16(a.Survivors[s]);
  }
  if (out.BattleId != 0) w.i32(static_cast<int32_t>(out.BattleId));
  bytes = w.take();
  return true;
}

bool decodeFightOut(const std::vector<uint8_t>& bytes, FightOut& out, std::string& err) {
  ByteReader r(bytes);
  FightOut res;
  int n = r.i16();
  res.Outcome = r.u8();
  res.OurDead = r.i16();
  res.EnemyDead = r.i16();
  if (!r.ok()) {
    err = fmt::format("the file is {} bytes long, shorter than its 7-byte head", bytes.size());
    return false;
  }
  if (n < kMinResultArmies || n > kMaxFightArmies) {
    err = fmt::format("{} armies (the results hold {} to {})", n, kMinResultArmies, kMaxFightArmies);
    return false;
  }
  res.Armies.resize(n);
  for (int a = 0; a < n; ++a) {
    FightResultArmy& army = res.Armies[a];
    army.Reduced = r.u8();
    if (!r.ok() || !readCounts(r, army.Survivors, army.rosterSize())) {
      err = fmt::format("the file ends inside army {} of {}", a, n);
      return false;
    }
  }
  if (!readBattleId(r, res.BattleId, err) || !checkFightOut(res, err)) return false;
  out = std::move(res);
  return true;
}

// ---- Files ----------------------------------------------------------------------------

namespace {
bool named(const std::string& path, bool ok, std::string& err) {
  if (!ok) err = path + ": " + err;
  return ok;
}
}  // namespace

bool readFightIn(const std::string& path, FightIn& out, std::string& err) {
  std::vector<uint8_t> bytes;
  if (!readFile(path, bytes, err)) return false;
  return named(path, decodeFightIn(bytes, out, err), err);
}

bool writeFightIn(const std::string& path, const FightIn& in, std::string& err) {
  std::vector<uint8_t> bytes;
  if (!named(path, encodeFightIn(in, bytes, err), err)) return false;
  return writeFileAtomic(path, bytes, err);
}

bool readFightOut(const std::string& path, FightOut& out, std::string& err) {
  std::vector<uint8_t> bytes;
  if (!readFile(path, bytes, err)) return false;
  return named(path, decodeFightOut(bytes, out, err), err);
}

bool writeFightOut(const std::string& path, const FightOut& out, std::string& err) {
  std::vector<uint8_t> bytes;
  if (!named(path, encodeFightOut(out, bytes, err), err)) return false;
  return writeFileAtomic(path, bytes, err);
}

bool readFightStatus(const std::string& path, int& status, std::string& err) {
  long v = 0;
  std::vector<uint8_t> bytes;
  if (!readFile(path, bytes, err, 4096)) return false;
  if (!decodeStatus(bytes, v)) {
    err = path + " does not hold a status number";
    return false;
  }
  if (v < 0 || v > 255) {
    err = fmt::format("{}: status {} is not a byte (0..255)", path, v);
    return false;
  }
  status = static_cast<int>(v);
  return true;
}

bool writeFightStatus(const std::string& path, int status, std::string& err) {
  if (status < 0 || status > 255) {
    err = fmt::format("{}: status {} is not a byte (0..255)", path, status);
    return false;
  }
  return writeNumberFile(path, status, err);
}

// ---- The map's path -------------------------------------------------------------------

bool mapPathOfFight(const std::string& mapName, std::string& relPath, std::string& err) {
  std::vector<std::string> parts(1);
  for (unsigned char c : mapName) {
    if (c < 32 || c == 127 || c == ':') {
      err = "the map name \"" + mapName + "\" holds a character a path may not hold";
      return false;
    }
    if (c == '\\' || c == '/') parts.emplace_back();
    else parts.back().push_back(static_cast<char>(c));
  }
  std::string p;
  for (const std::string& part : parts) {
    if (part == "..") {
      err = "the map name \"" + mapName + "\" leads outside the program folder";
      return false;
    }
    if (part.empty() || part == ".") continue;
    p += (p.empty() ? "" : "/") + part;
  }
  if (p.empty()) {
    err = "the hand-over names no battle map";
    return false;
  }
  relPath = p;
  return true;
}

}  // namespace fief
