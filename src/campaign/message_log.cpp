#include "campaign/message_log.h"

#include <utility>

#include "campaign/rules.h"
#include "text_names.h"

namespace fief {

bool AddMessage(Rules& g, int list, int entry, std::string detail) {
  uint8_t& count = g.log.count(list);
  if (count >= 8) return false;
  ++count;
  g.log.rows[list - 1][count - 1] = MessageRow{entry, g.text(txt::campaign::entry(entry)), std::move(detail)};
  g.player().messageLogged(list, entry);
  if (!isSet(g.s.Advanced.MessageSoundOff)) g.player().sound(kMessageChannel, "message.wav");
  return true;
}

void ClearMessages(Rules& g) {
  for (auto& list : g.log.rows)
    for (auto& row : list) row = MessageRow{};
  g.log.MessageCount = 0;
  g.log.MessageCount2 = 0;
}

}  // namespace fief
