// The level map reader: any text reads or is refused naming a field; what reads keeps
// every number in range, and the home view arithmetic of every display stays on the map.
#include "fuzz_support.h"
#include "map/level_map.h"

using namespace fief;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LevelMap m;
  std::string err;
  if (!parseLevelMap(std::string(reinterpret_cast<const char*>(data), size), m, err)) {
    if (err.empty()) fuzz::fail("a refusal without a message");
    return 0;
  }
  const auto [mw, mh] = m.Size.value_or(std::make_pair(2400, 1800));
  if (mw < 1 || mh < 1 || mw > kMaxMapExtent || mh > kMaxMapExtent) fuzz::fail("a map size out of range");
  const std::pair<int, int> displays[] = {{800, 600}, {1024, 768}, {1280, 960}, {1280, 1024}};
  for (auto [w, h] : displays) {
    auto [left, top] = homeView(m.Home.value_or(std::make_pair(0, 0)), mw, mh, w, h);
    if (left > 0 || top > 0 || left < std::min(0, w - mw) || top < std::min(0, h - mh)) fuzz::fail("the home view leaves the map");
  }
  return 0;
}
