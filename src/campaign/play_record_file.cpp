#include "campaign/play_record_file.h"

#include <filesystem>

#include "campaign/chronicle_file.h"
#include "campaign/files.h"
#include "state/bytes.h"

namespace fief {

namespace {
constexpr char kMagic[4] = {'F', 'P', 'L', 'Y'};
constexpr uint16_t kVersion = 1;

bool truth(uint8_t b, bool& out) {
  if (b > 1) return false;
  out = b == 1;
  return true;
}
}  // namespace

std::vector<uint8_t> encodePlayRecord(const SavedProgress& p, uint32_t recordCrc) {
  ByteWriter w;
  w.bytes(std::string(kMagic, 4));
  w.u16(kVersion);
  w.i32(static_cast<int32_t>(recordCrc));
  for (uint8_t m : p.met) w.u8(m ? 1 : 0);
  w.u8(p.allMet ? 1 : 0);
  for (uint32_t v : {p.play.turns, p.play.battlesWon, p.play.battlesLost, p.play.soldiersRaised, p.play.soldiersLost})
    w.i32(static_cast<int32_t>(v));
  w.u8(p.play.whole ? 1 : 0);
  w.i32(static_cast<int32_t>(crc32(w.data())));
  return w.take();
}

bool decodePlayRecord(const std::vector<uint8_t>& bytes, SavedProgress& out, uint32_t& recordCrc, std::string& why) {
  if (bytes.size() != kPlayRecordFileSize) {
    why = "a record of play is " + std::to_string(kPlayRecordFileSize) + " bytes, not " + std::to_string(bytes.size());
    return false;
  }
  ByteReader r(bytes);
  if (r.bytes(4) != std::string(kMagic, 4)) {
    why = "not a record of play";
    return false;
  }
  if (const uint16_t v = r.u16(); v != kVersion) {
    why = "record of play version " + std::to_string(v) + " is not known";
    return false;
  }
  ByteReader tail(bytes.data() + bytes.size() - 4, 4);
  if (static_cast<uint32_t>(tail.i32()) != crc32(bytes.data(), bytes.size() - 4)) {
    why = "damaged (check sum)";
    return false;
  }
  const auto rec = static_cast<uint32_t>(r.i32());
  SavedProgress p;
  bool flag = false;
  for (uint8_t& m : p.met) {
    if (!truth(r.u8(), flag)) {
      why = "an objective's flag is neither met nor unmet";
      return false;
    }
    m = flag ? 1 : 0;
  }
  if (!truth(r.u8(), p.allMet)) {
    why = "the all-met flag is neither set nor clear";
    return false;
  }
  for (uint32_t* v : {&p.play.turns, &p.play.battlesWon, &p.play.battlesLost, &p.play.soldiersRaised,
                      &p.play.soldiersLost})
    *v = static_cast<uint32_t>(r.i32());
  if (!truth(r.u8(), p.play.whole) || !r.ok()) {
    why = "damaged";
    return false;
  }
  out = p;
  recordCrc = rec;
  return true;
}

std::string playRecordPath(const std::string& savePath) {
  std::filesystem::path p(savePath);
  p.replace_extension(".play");
  return p.string();
}

bool writePlayRecordFile(const std::string& path, const SavedProgress& p, const std::vector<uint8_t>& record,
                         std::string& err) {
  return writeFileAtomic(path, encodePlayRecord(p, crc32(record)), err);
}

bool readPlayRecordFile(const std::string& path, const std::vector<uint8_t>& record, SavedProgress& out,
                        std::string& err) {
  std::vector<uint8_t> bytes;
  // Anything larger than the record is no record of play: refused unread.
  if (!readFile(path, bytes, err, kPlayRecordFileSize + 1)) return false;
  SavedProgress scratch;
  uint32_t rec = 0;
  std::string why;
  if (!decodePlayRecord(bytes, scratch, rec, why)) {
    err = path + ": " + why;
    return false;
  }
  if (rec != crc32(record)) {
    err = path + ": belongs to another saved game";
    return false;
  }
  out = scratch;
  return true;
}

}  // namespace fief
