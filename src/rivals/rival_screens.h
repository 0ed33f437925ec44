// The rivals' screens: the siege screen of a site.
#pragma once

#include "ui/screens_only.h"

namespace fief {

struct Game;

// Opens the siege screen for site 1 or 2.
void OpenSiegeScreen(Game& g, int site);

}  // namespace fief
