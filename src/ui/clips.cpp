#include "ui/clips.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>

namespace fief {

int clipFrames(const std::string& path) {
  // Signature (8 bytes), then the header chunk: length (4), "IHDR" (4), width and height
  // (4 each, big-endian).
  unsigned char b[24];
  std::ifstream in(path, std::ios::binary);
  if (!in.read(reinterpret_cast<char*>(b), sizeof b)) return 0;
  static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (std::memcmp(b, kSignature, 8) != 0 || std::memcmp(b + 12, "IHDR", 4) != 0) return 0;
  auto be32 = [&](int at) {
    return (uint32_t{b[at]} << 24) | (uint32_t{b[at + 1]} << 16) | (uint32_t{b[at + 2]} << 8) | uint32_t{b[at + 3]};
  };
  const uint32_t w = be32(16), h = be32(20);
  if (w == 0 || h == 0 || w > 0x7FFFFFFF || h > 0x7FFFFFFF) return 0;
  return static_cast<int>(std::clamp<uint32_t>(w / h, 1, kMaxClipFrames));
}

}  // namespace fief
