// The chronicle beside a saved game ("Save Game/NAME.chronicle"): any bytes decode or are
// refused with a reason; what decodes encodes to the same bytes.
#include "campaign/chronicle_file.h"
#include "fuzz_support.h"

using namespace fief;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes = fuzz::bytesOf(data, size);
  Chronicle c;
  uint32_t crc = 0;
  std::string why;
  if (!decodeChronicle(bytes, c, crc, why)) {
    if (why.empty()) fuzz::fail("a refusal without a reason");
    return 0;
  }
  if (encodeChronicle(c, crc) != bytes) fuzz::fail("a decoded chronicle does not encode to its bytes");
  return 0;
}
