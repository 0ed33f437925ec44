// Whole-file reads and safe writes. A write goes to a temporary file beside the
// target and is renamed over it, so an interrupted write never leaves half a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fief {

// The largest file a reader takes when it names no smaller limit.
constexpr size_t kMaxReadSize = 16u << 20;

// Reads a whole regular file. Never throws: a missing or unreadable file, a folder, a
// FIFO or a device, and a file larger than maxSize (refused before it is read) give
// false with a message naming the file and saying why. A FIFO never blocks the caller.
bool readFile(const std::string& path, std::vector<uint8_t>& out, std::string& err, size_t maxSize = kMaxReadSize);
// Writes the bytes to "<path>.tmp" and renames it over path. On failure the old file is
// untouched, the temporary file removed, and the message says why (disk full, no
// permission, ...). An empty path is refused: it is where a file goes when the player has
// no folder for his files.
bool writeFileAtomic(const std::string& path, const std::vector<uint8_t>& bytes, std::string& err);

// The one-number text files (levelinfo.rz, camp.rz, LGame.rz, Options.rz, fight_status.rz):
// a decimal number followed by CR LF.
bool readNumberFile(const std::string& path, long& value, std::string& err);
bool writeNumberFile(const std::string& path, long value, std::string& err);
std::vector<uint8_t> encodeNumber(long value);
bool decodeNumber(const std::vector<uint8_t>& bytes, long& value);

}  // namespace fief
