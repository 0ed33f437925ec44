// The text-source compiler: any text compiles or is refused with a line number; what
// compiles decompiles to a source that compiles to the same table.
#include "campaign/texts.h"
#include "fuzz_support.h"

using namespace fief;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<TextEntry> entries;
  std::string err;
  if (!parseTextSource(text, 189, entries, err)) {
    if (err.rfind("line ", 0) != 0) fuzz::fail("a refusal without its line: " + err);
    return 0;
  }
  if (entries.size() > 189) fuzz::fail("more entries than the table holds");
  std::vector<TextEntry> again;
  if (!parseTextSource(formatTextSource(entries), 189, again, err)) fuzz::fail("the decompiled source is refused: " + err);
  if (encodeLoc(again) != encodeLoc(entries)) fuzz::fail("compile, decompile, compile changes the table");
  return 0;
}
