// The option and progress files: Optim.rz, Advanced.rz and the one-number files
// (Options.rz, levelinfo.rz, camp.rz, LGame.rz). Each reader refuses or decodes; what
// decodes encodes back to the record it was read from.
#include "campaign/files.h"
#include "campaign/option_files.h"
#include "fuzz_support.h"

using namespace fief;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes = fuzz::bytesOf(data, size);
  std::string err;
  OptimSettings o;
  if (decodeOptim(bytes, o, err)) {
    const auto again = encodeOptim(o);
    if (!std::equal(again.begin(), again.end(), bytes.begin())) fuzz::fail("Optim.rz round trip");
    int w = 0, h = 0;
    o.displaySize(w, h);
    if (w < 800 || h < 600) fuzz::fail("a display below 800 x 600");
  }
  AdvancedSettings a;
  if (decodeAdvanced(bytes, a, err)) {
    const auto again = encodeAdvanced(a);
    if (!std::equal(again.begin(), again.end(), bytes.begin())) fuzz::fail("Advanced.rz round trip");
  }
  long n = 0;
  if (decodeNumber(bytes, n)) {
    long back = 0;
    if (!decodeNumber(encodeNumber(n), back) || back != n) fuzz::fail("number file round trip");
  }
  return 0;
}
