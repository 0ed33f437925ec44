// Fight_in.rz, the battle hand-over as the battle program reads it: any bytes decode or
// are refused with a message; what decodes encodes to a file that decodes the same, and
// its map name is a path inside the program folder or refused.
#include "fuzz_support.h"
#include "military/fight_files.h"

using namespace fief;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FightIn in;
  std::string err;
  if (!decodeFightIn(fuzz::bytesOf(data, size), in, err)) {
    if (err.empty()) fuzz::fail("a refusal without a message");
    return 0;
  }
  if (in.Armies.size() < kMinFightArmies || in.Armies.size() > kMaxFightArmies) fuzz::fail("an army count out of 2..4");
  std::vector<uint8_t> bytes;
  if (!encodeFightIn(in, bytes, err)) fuzz::fail("a decoded hand-over cannot be encoded: " + err);
  FightIn back;
  if (!decodeFightIn(bytes, back, err) || !(back == in)) fuzz::fail("encode and decode do not agree");
  std::string rel;
  if (mapPathOfFight(in.MapName, rel, err) && (rel.empty() || rel[0] == '/' || rel.find("..") != std::string::npos))
    fuzz::fail("a map path outside the program folder: " + rel);
  return 0;
}
