// The chronicle's companion file beside a saved game: "Save Game/<name>.chronicle".
//
// Little-endian: the magic "FCHR", a version (u16, 1), the entry count (u16), the CRC-32
// of the 792-byte save record it belongs to (u32), then the entries, 23 bytes each (turn
// u16, season u8, gold, people, crops, meat i32, happiness, health i16), and last the
// CRC-32 of every byte before it (u32). A file whose record CRC does not match the saved
// game it sits beside belongs to another game and is not used.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "campaign/chronicle.h"

namespace fief {

uint32_t crc32(const uint8_t* data, size_t n);
inline uint32_t crc32(const std::vector<uint8_t>& v) { return crc32(v.data(), v.size()); }

constexpr size_t kChronicleHeader = 12;
constexpr size_t kChronicleEntrySize = 23;

std::vector<uint8_t> encodeChronicle(const Chronicle& c, uint32_t recordCrc);
// Decodes into `out` only a complete, consistent file (turns rising, seasons 1..4);
// otherwise returns false with the reason and leaves `out` untouched.
bool decodeChronicle(const std::vector<uint8_t>& bytes, Chronicle& out, uint32_t& recordCrc, std::string& why);

// The companion path of a save file path ("X/Save Game/A.s15" -> "X/Save Game/A.chronicle").
std::string chroniclePath(const std::string& savePath);

// Written through a temporary file and a rename, like the save itself.
bool writeChronicleFile(const std::string& path, const Chronicle& c, const std::vector<uint8_t>& record,
                        std::string& err);
// Reads the companion of a saved game whose record bytes are `record`: false with a
// message naming the file when it is missing, too large, garbled or another game's.
bool readChronicleFile(const std::string& path, const std::vector<uint8_t>& record, Chronicle& out,
                       std::string& err);

}  // namespace fief
