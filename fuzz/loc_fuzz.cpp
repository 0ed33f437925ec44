// The .loc reader: any bytes decode to a table or are refused; a decoded table encodes
// to the bytes it was read from, and its text source compiles back to the same table.
#include "campaign/texts.h"
#include "fuzz_support.h"

using namespace fief;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes = fuzz::bytesOf(data, size);
  std::vector<TextEntry> entries;
  std::string err;
  if (!decodeLoc(bytes, 32767, entries, err)) return 0;
  const std::vector<uint8_t> again = encodeLoc(entries);
  if (again.size() > bytes.size() || !std::equal(again.begin(), again.end(), bytes.begin()))
    fuzz::fail("a decoded table does not encode to the bytes it came from");
  std::vector<TextEntry> compiled;
  if (!parseTextSource(formatTextSource(entries), 32767, compiled, err)) fuzz::fail("the decompiled source is refused: " + err);
  if (encodeLoc(compiled) != again) fuzz::fail("decompile then compile changes the table");
  return 0;
}
