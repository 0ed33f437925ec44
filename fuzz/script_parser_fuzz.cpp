// The script runner's parser: command lines split into words, and field paths with
// values read and written on a game state (the `set`, `get` and `expect` commands).
// Paths index arrays and records: an index out of range is an error, never a fault.
#include <nlohmann/json.hpp>

#include "fuzz_support.h"
#include "state/state_json.h"
#include "ui/headless/script_runner.h"

using namespace fief;

namespace {

// Whether a field reads back what was written into it: a whole number as it was, a real
// number as the nearest 32-bit float, a text as it was, a list element by element.
bool readsBack(const nlohmann::json& written, const nlohmann::json& back) {
  if (written.is_array()) {
    if (!back.is_array() || back.size() != written.size()) return false;
    for (size_t i = 0; i < written.size(); ++i)
      if (!readsBack(written[i], back[i])) return false;
    return true;
  }
  if (written.is_object()) {
    for (auto it = written.begin(); it != written.end(); ++it)
      if (!back.contains(it.key()) || !readsBack(it.value(), back[it.key()])) return false;
    return true;
  }
  if (written.is_number()) {
    if (!back.is_number()) return false;
    const double w = written.get<double>(), b = back.get<double>();
    if (back.is_number_integer()) return w == b;
    return b == static_cast<double>(static_cast<float>(w));
  }
  return written == back;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  static GameState s;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::vector<std::string> w = splitCommand(text.substr(start, end - start));
    start = end + 1;
    if (w.empty()) continue;
    std::string err;
    nlohmann::json v;
    if (getField(s, w[0], v, err) && w.size() > 1) {
      nlohmann::json value = nlohmann::json::parse(w[1], nullptr, false);
      if (value.is_discarded()) value = w[1];
      if (setField(s, w[0], value, err)) {
        nlohmann::json back;
        if (!getField(s, w[0], back, err)) fuzz::fail("a field just written cannot be read: " + w[0]);
        if (!readsBack(value, back)) fuzz::fail(w[0] + " reads back " + back.dump() + " after " + value.dump());
      } else if (err.empty()) {
        fuzz::fail("a refused value without a message: " + w[0]);
      }
    }
  }
  return 0;
}
