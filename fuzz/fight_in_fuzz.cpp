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
  if (mapPathOfFight(in.MapName, rel, err)) {
    // Inside the program folder: relative, and no part of it is "..". ("a..b" is a name.)
    bool up = false;
    for (size_t a = 0; a <= rel.size();) {
      size_t b = rel.find('/', a);
      if (b == std::string::npos) b = rel.size();
      if (rel.compare(a, b - a, "..") == 0) up = true;
      a = b + 1;
    }
    if (rel.empty() || rel[0] == '/' || up) fuzz::fail("a map path outside the program folder: " + rel);
  }
  return 0;
}
