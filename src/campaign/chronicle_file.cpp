#include "campaign/chronicle_file.h"

#include <array>
#include <filesystem>

#include "campaign/files.h"
#include "state/bytes.h"

namespace fief {

namespace {

constexpr char kMagic[4] = {'F', 'C', 'H', 'R'};
constexpr uint16_t kVersion = 1;

const std::array<uint32_t, 256>& crcTable() {
  static const std::array<uint32_t, 256> t = [] {
    std::array<uint32_t, 256> a{};
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      a[i] = c;
    }
    return a;
  }();
  return t;
}

size_t fileSize(size_t entries) { return kChronicleHeader + entries * kChronicleEntrySize + 4; }

}  // namespace

uint32_t crc32(const uint8_t* data, size_t n) {
  const auto& t = crcTable();
  uint32_t c = 0xFFFFFFFFu;
  for (size_t i = 0; i < n; ++i) c = t[(c ^ data[i]) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

std::vector<uint8_t> encodeChronicle(const Chronicle& c, uint32_t recordCrc) {
  // Only the newest entries a file may hold are written.
  const size_t n = std::min(c.entries.size(), Chronicle::kMaxEntries);
  ByteWriter w;
  w.bytes(std::string(kMagic, 4));
  w.u16(kVersion);
  w.u16(static_cast<uint16_t>(n));
  w.i32(static_cast<int32_t>(recordCrc));
  for (size_t i = c.entries.size() - n; i < c.entries.size(); ++i) {
    const ChronicleEntry& e = c.entries[i];
    w.u16(e.turn);
    w.u8(e.season);
    w.i32(e.gold);
    w.i32(e.people);
    w.i32(e.crops);
    w.i32(e.meat);
    w.i16(e.happiness);
    w.i16(e.health);
  }
  w.i32(static_cast<int32_t>(crc32(w.data())));
  return w.take();
}

bool decodeChronicle(const std::vector<uint8_t>& bytes, Chronicle& out, uint32_t& recordCrc, std::string& why) {
  if (bytes.size() < fileSize(0)) {
    why = "too short for a chronicle";
    return false;
  }
  ByteReader r(bytes);
  if (r.bytes(4) != std::string(kMagic, 4)) {
    why = "not a chronicle";
    return false;
  }
  if (const uint16_t v = r.u16(); v != kVersion) {
    why = "chronicle version " + std::to_string(v) + " is not known";
    return false;
  }
  const uint16_t n = r.u16();
  if (n > Chronicle::kMaxEntries) {
    why = "more turns than a chronicle holds";
    return false;
  }
  if (bytes.size() != fileSize(n)) {
    why = "its length does not match its " + std::to_string(n) + " turns";
    return false;
  }
  const uint32_t rec = static_cast<uint32_t>(r.i32());
  ByteReader tail(bytes.data() + bytes.size() - 4, 4);
  if (static_cast<uint32_t>(tail.i32()) != crc32(bytes.data(), bytes.size() - 4)) {
    why = "damaged (check sum)";
    return false;
  }
  Chronicle scratch;
  scratch.entries.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    ChronicleEntry e;
    e.turn = r.u16();
    e.season = r.u8();
    e.gold = r.i32();
    e.people = r.i32();
    e.crops = r.i32();
    e.meat = r.i32();
    e.happiness = r.i16();
    e.health = r.i16();
    if (e.season < 1 || e.season > 4 || (!scratch.entries.empty() && e.turn <= scratch.entries.back().turn)) {
      why = "turn " + std::to_string(i + 1) + " of the chronicle is out of order";
      return false;
    }
    scratch.entries.push_back(e);
  }
  if (!r.ok()) {
    why = "too short for its turns";
    return false;
  }
  out = std::move(scratch);
  recordCrc = rec;
  return true;
}

std::string chroniclePath(const std::string& savePath) {
  std::filesystem::path p(savePath);
  p.replace_extension(".chronicle");
  return p.string();
}

bool writeChronicleFile(const std::string& path, const Chronicle& c, const std::vector<uint8_t>& record,
                        std::string& err) {
  return writeFileAtomic(path, encodeChronicle(c, crc32(record)), err);
}

bool readChronicleFile(const std::string& path, const std::vector<uint8_t>& record, Chronicle& out,
                       std::string& err) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec) {
    err = path + ": no chronicle";
    return false;
  }
  if (size > fileSize(Chronicle::kMaxEntries)) {
    err = path + ": too large for a chronicle";
    return false;
  }
  std::vector<uint8_t> bytes;
  if (!readFile(path, bytes, err)) return false;
  Chronicle scratch;
  uint32_t rec = 0;
  std::string why;
  if (!decodeChronicle(bytes, scratch, rec, why)) {
    err = path + ": " + why;
    return false;
  }
  if (rec != crc32(record)) {
    err = path + ": belongs to another saved game";
    return false;
  }
  out = std::move(scratch);
  return true;
}

}  // namespace fief
