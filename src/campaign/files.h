// Whole-file reads and safe writes. A write goes to a temporary file beside the
// target and is renamed over it, so an interrupted write never leaves half a file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fief {

bool readFile(const std::string& path, std::vector<uint8_t>& out, std::string& err);
bool writeFileAtomic(const std::string& path, const std::vector<uint8_t>& bytes, std::string& err);

// The one-number text files (levelinfo.rz, camp.rz, LGame.rz, Options.rz, fight_status.rz):
// a decimal number followed by CR LF.
bool readNumberFile(const std::string& path, long& value, std::string& err);
bool writeNumberFile(const std::string& path, long value, std::string& err);
std::vector<uint8_t> encodeNumber(long value);
bool decodeNumber(const std::vector<uint8_t>& bytes, long& value);

}  // namespace fief
