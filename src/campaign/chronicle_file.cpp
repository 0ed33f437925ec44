#include "campaign/chronicle_file.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>

#include "campaign/chronicle_figures.h"
#include "campaign/files.h"
#include "state/record_io.h"

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

struct Header {
  std::array<uint8_t, 4> magic{};
  uint16_t version = 0;
  uint16_t count = 0;
  uint32_t recordCrc = 0;
};

// The header and an entry in their order, for both directions.
template <class IO, class H>
void header(IO& io, H& h) {
  for (auto& c : h.magic) io.u8(c);
  io.u16(h.version);
  io.u16(h.count);
  io.u32(h.recordCrc);
}

template <class IO, class E>
void entry(IO& io, E& e) {
  io.u16(e.turn);
  io.u8(e.season);
  chronicledFigures(e, [&io](Figure, auto& field) { io.field(field); });
}

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
  RecordWriter out;
  const Header h{{kMagic[0], kMagic[1], kMagic[2], kMagic[3]}, kVersion, static_cast<uint16_t>(n), recordCrc};
  header(out, h);
  for (size_t i = c.entries.size() - n; i < c.entries.size(); ++i) entry(out, c.entries[i]);
  out.u32(crc32(out.w.data()));
  return out.w.take();
}

bool decodeChronicle(const std::vector<uint8_t>& bytes, Chronicle& out, uint32_t& recordCrc, std::string& why) {
  if (bytes.size() < fileSize(0)) {
    why = "too short for a chronicle";
    return false;
  }
  RecordReader in{ByteReader(bytes)};
  Header h;
  header(in, h);
  if (std::memcmp(h.magic.data(), kMagic, 4) != 0) {
    why = "not a chronicle";
    return false;
  }
  if (h.version != kVersion) {
    why = "chronicle version " + std::to_string(h.version) + " is not known";
    return false;
  }
  const uint16_t n = h.count;
  if (n > Chronicle::kMaxEntries) {
    why = "more turns than a chronicle holds";
    return false;
  }
  if (bytes.size() != fileSize(n)) {
    why = "its length does not match its " + std::to_string(n) + " turns";
    return false;
  }
  RecordReader tail{ByteReader(bytes.data() + bytes.size() - 4, 4)};
  uint32_t sum = 0;
  tail.u32(sum);
  if (sum != crc32(bytes.data(), bytes.size() - 4)) {
    why = "damaged (check sum)";
    return false;
  }
  Chronicle scratch;
  scratch.entries.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    ChronicleEntry e;
    entry(in, e);
    if (e.season < 1 || e.season > 4 || (!scratch.entries.empty() && e.turn <= scratch.entries.back().turn)) {
      why = "turn " + std::to_string(i + 1) + " of the chronicle is out of order";
      return false;
    }
    scratch.entries.push_back(e);
  }
  if (!in.r.ok()) {
    why = "too short for its turns";
    return false;
  }
  out = std::move(scratch);
  recordCrc = h.recordCrc;
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
