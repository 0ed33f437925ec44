// The companion file of a saved game that keeps the record of play and the objectives
// met: "Save Game/<name>.play".
//
// 42 bytes, little-endian: the magic "FPLY", a version (u16, 1), the CRC-32 of the
// 792-byte save record it belongs to (u32), the six objectives' met flags (u8 each, 0 or
// 1), all objectives met (u8, 0 or 1), turns, battles won, battles lost, soldiers raised,
// soldiers fallen (u32 each), whether the record is whole (u8, 0 or 1), and last the
// CRC-32 of every byte before it (u32). A file whose record CRC does not match the saved
// game it sits beside belongs to another game and is not used.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "campaign/play_record.h"

namespace fief {

struct SavedProgress {
  PlayRecord play;
  std::array<uint8_t, 6> met{};
  bool allMet = false;
  bool operator==(const SavedProgress&) const = default;
};

constexpr size_t kPlayRecordFileSize = 42;

std::vector<uint8_t> encodePlayRecord(const SavedProgress& p, uint32_t recordCrc);
// Decodes into `out` only a whole, consistent file; otherwise false with the reason and
// `out` untouched.
bool decodePlayRecord(const std::vector<uint8_t>& bytes, SavedProgress& out, uint32_t& recordCrc, std::string& why);

// "X/Save Game/A.s15" -> "X/Save Game/A.play".
std::string playRecordPath(const std::string& savePath);

// Written through a temporary file and a rename, like the save itself.
bool writePlayRecordFile(const std::string& path, const SavedProgress& p, const std::vector<uint8_t>& record,
                         std::string& err);
// Reads the companion of a saved game whose record bytes are `record`: false with a
// message naming the file when it is missing, garbled or another game's.
bool readPlayRecordFile(const std::string& path, const std::vector<uint8_t>& record, SavedProgress& out,
                        std::string& err);

}  // namespace fief
