// The chronicle beside a saved game ("Save Game/NAME.chronicle"): any bytes decode or are
// refused with a reason; what decodes encodes to the same bytes. Each input is tried twice:
// as it is (mostly refused by its check sum), and with its last four bytes set to the
// check sum of the rest, so that the fields behind the check sum are reached too.
#include "campaign/chronicle_file.h"
#include "fuzz_support.h"
#include "state/bytes.h"

using namespace fief;

namespace {

void tryDecode(const std::vector<uint8_t>& bytes) {
  Chronicle c;
  c.entries.push_back(ChronicleEntry{9, 1, 1, 1, 1, 1, 1, 1});
  const Chronicle before = c;
  uint32_t crc = 0;
  std::string why;
  if (!decodeChronicle(bytes, c, crc, why)) {
    if (why.empty()) fuzz::fail("a refusal without a reason");
    if (!(c.entries == before.entries)) fuzz::fail("a refused chronicle changed the one it was read into");
    return;
  }
  for (size_t i = 0; i < c.entries.size(); ++i) {
    const ChronicleEntry& e = c.entries[i];
    if (e.season < 1 || e.season > 4) fuzz::fail("a season out of 1..4 was taken");
    if (i > 0 && e.turn <= c.entries[i - 1].turn) fuzz::fail("turns out of order were taken");
  }
  if (c.entries.size() > Chronicle::kMaxEntries) fuzz::fail("more turns than a chronicle holds");
  if (encodeChronicle(c, crc) != bytes) fuzz::fail("a decoded chronicle does not encode to its bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> bytes = fuzz::bytesOf(data, size);
  tryDecode(bytes);
  if (bytes.size() >= 4) {
    const uint32_t sum = crc32(bytes.data(), bytes.size() - 4);
    for (int i = 0; i < 4; ++i) bytes[bytes.size() - 4 + i] = static_cast<uint8_t>(sum >> (8 * i));
    tryDecode(bytes);
  }
  return 0;
}
