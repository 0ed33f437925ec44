// The rivals' screens: the siege screen of a site, and the rivals' battles handed to
// the battle module.
#pragma once

#include "campaign/decisions.h"
#include "ui/screens_only.h"

namespace fief {

struct Game;

// Fights a rival's battle (a storm too) once the end of turn is over and the battles
// before it are fought (RivalBattleTimer).
void FightRivalBattle(Game& g, RivalBattleQuestion& q);

// Opens the siege screen for site 1 or 2.
void OpenSiegeScreen(Game& g, int site);

}  // namespace fief
