// The message log: two lists of at most eight rows of localised texts. List 1 holds the
// county's own news, list 2 the news of missions and villages. A full list drops
// further messages.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>

#include "campaign/text_id.h"

namespace fief {

struct Rules;

struct MessageRow {
  int entry = -1;    // campaign.loc entry, -1 empty
  std::string text;  // the text as logged
  // What the text leaves unnamed (the building that was completed); the message screen
  // shows it on a line of its own below the text.
  std::string detail;
};

struct MessageLog {
  std::array<std::array<MessageRow, 8>, 2> rows{};
  uint8_t MessageCount = 0;   // rows used in list 1
  uint8_t MessageCount2 = 0;  // rows used in list 2
  uint8_t& count(int list) { return list == 1 ? MessageCount : MessageCount2; }
};

// Appends campaign.loc entry `entry` to list 1 or 2, tells the player (the campaign
// screen's help line then points to the messages) and plays message.wav unless message
// sounds are off. Returns false when the list was full (nothing happens then). `detail`
// is kept beside the text (MessageRow::detail).
bool AddMessage(Rules& g, int list, int entry, std::string detail = {});
// The same with a named text of table 1 (text_names.h).
inline bool AddMessage(Rules& g, int list, TextId t, std::string detail = {}) {
  return AddMessage(g, list, t.entry, std::move(detail));
}
void ClearMessages(Rules& g);

}  // namespace fief
