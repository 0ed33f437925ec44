// What every program of the program folder does around its forms: find the program
// folder, read the display settings for the window, run the loop until the program ends.
#pragma once

#include <functional>
#include <string>

#include "campaign/folders.h"

namespace fief {

// The game's name on the desktop: its desktop entry and metainfo are named after it, and
// every window of the family carries it as its class, so that the desktop shows the
// game's icon for them.
inline constexpr const char* kDesktopId = "org.fiefdom_game.Fiefdom";

struct Game;
class SdlShell;

// The folder of the running executable, without a trailing separator.
std::string programFolder();

// The program folder and the player's folder of this program (openFolders). The title menu
// and the campaign program tell the player when his folder cannot be used, the battle
// program says so on standard error.
Folders gameFolders();

// Reads Optim.rz into g.optim for the window; a missing or damaged file gives the
// defaults (the loading screen of the campaign program tells the player).
void readDisplaySettings(Game& g);

// Opens the window, runs `start` and then the event loop until the program ends.
// The pictures of `firstForm`, the screen `start` opens, decode while the window opens.
// Returns the process exit status.
int runProgram(SdlShell& shell, Game& g, const std::function<void()>& start, const std::string& firstForm = {});

}  // namespace fief
