// The save record codec: any bytes decode to a state or are refused; a decoded state
// encodes to a record that decodes to the same state.
#include "fuzz_support.h"
#include "state/save_record.h"

using namespace fief;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  GameState s;
  std::string err;
  if (!decodeSave(fuzz::bytesOf(data, size), s, err)) {
    if (size >= kSaveRecordSize) fuzz::fail("a whole record was refused: " + err);
    return 0;
  }
  const std::vector<uint8_t> once = encodeSave(s);
  if (once.size() != kSaveRecordSize) fuzz::fail("the record is not 792 bytes");
  GameState back;
  if (!decodeSave(once, back, err)) fuzz::fail("an encoded record was refused: " + err);
  if (encodeSave(back) != once) fuzz::fail("decode and encode do not agree");
  return 0;
}
