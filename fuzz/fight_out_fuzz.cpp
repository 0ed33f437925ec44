// Fight_out.rz, the battle's outcome as the campaign reads it: any bytes decode or are
// refused with a message; what decodes encodes to a file that decodes the same.
#include "fuzz_support.h"
#include "military/fight_files.h"

using namespace fief;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FightOut out;
  std::string err;
  if (!decodeFightOut(fuzz::bytesOf(data, size), out, err)) {
    if (err.empty()) fuzz::fail("a refusal without a message");
    return 0;
  }
  if (out.Armies.empty() || out.Armies.size() > 4) fuzz::fail("an army count out of 1..4");
  std::vector<uint8_t> bytes;
  if (!encodeFightOut(out, bytes, err)) fuzz::fail("a decoded outcome cannot be encoded: " + err);
  FightOut back;
  if (!decodeFightOut(bytes, back, err) || !(back == out)) fuzz::fail("encode and decode do not agree");
  return 0;
}
