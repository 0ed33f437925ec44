// View state of the screens, kept by the screens themselves and not by the game state: the
// kind of the message dialog on view, the mode the provisions screen opens in, the
// direction the map scrolls, the map marker the selector timer redraws. A screen that
// keeps such a value may register it here by name, so that the script runner reads and
// writes it beside the game state's fields (`expect MsgKind = 4`).
#pragma once

#include <functional>
#include <nlohmann/json.hpp>
#include <string>

namespace fief {

struct Game;

struct ViewField {
  std::function<nlohmann::json(Game&)> get;
  // Sets the value; false (with a message in err) when it does not fit.
  std::function<bool(Game&, const nlohmann::json&, std::string& err)> set;
};

void registerViewField(const std::string& name, ViewField f);
// The field registered under a name (nullptr when none is).
const ViewField* viewField(const std::string& name);

// A small whole number (0..255) as a view field: read and written through `slot`, which
// returns nullptr when the screen keeping it does not exist (it reads as `absent`).
ViewField byteViewField(std::function<uint8_t*(Game&, bool create)> slot, int absent);

}  // namespace fief
