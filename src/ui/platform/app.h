// What every program of the program folder does around its forms: find the program
// folder, read the display settings for the window, run the loop until the program ends.
#pragma once

#include <functional>
#include <string>

namespace fief {

struct Game;
class SdlShell;

// The folder of the running executable, without a trailing separator.
std::string programFolder();

// Reads Optim.rz into g.optim for the window; a missing or damaged file gives the
// defaults (the loading screen of the campaign program tells the player).
void readDisplaySettings(Game& g);

// Opens the window, runs `start` and then the event loop until the program ends.
// The pictures of `firstForm`, the screen `start` opens, decode while the window opens.
// Returns the process exit status.
int runProgram(SdlShell& shell, Game& g, const std::function<void()>& start, const std::string& firstForm = {});

}  // namespace fief
