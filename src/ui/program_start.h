// Program start (the loading screen), the campaign start and the exit of the program.
#pragma once

#include "campaign/initial_state.h"
#include "ui/screens_only.h"

namespace fief {

struct Game;

// Opens the loading screen; its load handler reads the option and text files and arms
// the loading timer, whose tick runs the campaign start.
void runProgramStart(Game& g);

// Every field of the game state gets its first value for the difficulty; FirstSave is
// written; the load screen opens on the menu's request; the mission and campaign
// screens open.
void CampaignStart(Game& g);

// Records the campaign's progress, starts the splash card and the next program, and
// ends this program. When the progress cannot be written it tells the player and
// returns: the level goes on.
void LeaveLevel(Game& g);

// Refuses to run a level the campaign has not reached (ends the program).
void UnlockCheck(Game& g);

// The timer screen: every timer with its interval and first state.
void setupTimers(Game& g);

// Reads Advanced.rz into the in-game options (defaults and a message when damaged).
void loadAdvancedSettings(Game& g);
// Reads Advanced.rz into the in-game options when it is whole; false, and nothing
// changed, when it is missing or damaged (the campaign screen's load reports it).
bool readAdvancedSettingsQuietly(Game& g);

}  // namespace fief
