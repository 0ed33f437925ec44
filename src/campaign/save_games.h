// Saving and loading games: the save folder, the reserved names, and the procedures
// every way of saving and loading goes through.
#pragma once

#include <string>

namespace fief {

struct Rules;

// Copies the saved fields of a loaded record into the live state and rebuilds what
// follows from them: the game tables for the current difficulty; the screens are told
// (Sight::GameLoaded).
void LoadGameState(Rules& g, const struct GameState& loaded);

// "Save Game/<name><SaveExtension>" inside the program folder.
std::string savePath(const Rules& g, const std::string& name);

// A name the player may type: not empty, at most 64 characters, no folder parts
// ("/", "\", ".." or a leading "."), no control characters.
bool validSaveName(const std::string& name, std::string& why);

// Both return false with a message naming the file when the file cannot be written or
// read, or does not hold a whole saved game; the live state is then untouched.
bool WriteSave(Rules& g, const std::string& name, std::string& err);
bool ReadSave(Rules& g, const std::string& name, std::string& err);

bool isReservedSave(const std::string& name);  // QuickSave, FirstSave

}  // namespace fief
