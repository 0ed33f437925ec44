// What the turn's rules show on the campaign screen, when that screen exists. Rules run
// without any screen too (tests, benchmarks): then these do nothing.
#pragma once

#include <cstdint>
#include <string>

namespace fief {

struct Game;
struct Control;

// A control of the campaign screen, or nullptr when the screen does not exist yet.
Control* campControl(Game& g, const std::string& name);
// Shows or hides a marker on the campaign map.
void showMapMarker(Game& g, const std::string& name, bool show);
// Shows a marker and starts SelectorTimer, whose tick redraws it.
void armSelector(Game& g, const std::string& name);
// Opens a registered screen modally; false (and nothing opens) when no such screen is built.
bool openIfBuilt(Game& g, const std::string& form);

}  // namespace fief
