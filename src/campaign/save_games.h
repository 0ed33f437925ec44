// Saving and loading games: the save folder, the reserved names, and the procedures
// every way of saving and loading goes through.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fief {

struct Rules;

// Copies the saved fields of a loaded record into the live state and rebuilds what
// follows from them: the game tables for the current difficulty; the screens are told
// (Sight::GameLoaded).
void LoadGameState(Rules& g, const struct GameState& loaded);

// "Save Game/<name><SaveExtension>" inside the program folder.
std::string savePath(const Rules& g, const std::string& name);

// A name the player may type: not empty, at most 64 characters (UTF-8 characters, not
// bytes) that take at most kMaxSaveNameBytes bytes, no folder parts ("/", "\", ".." or a
// leading "."), no control characters.
constexpr size_t kMaxSaveNameBytes = 255 - 4 - 4;  // a file name less ".s15" and ".tmp"
bool validSaveName(const std::string& name, std::string& why);

// A file this much larger than a save record is no saved game: it is refused unread.
constexpr size_t kMaxSaveFileSize = 64 * 1024;
// The campaign's last level; a saved game of a level outside 1..kLastLevel is refused.
constexpr int kLastLevel = 18;

// Both return false with a message naming the file when the file cannot be written or
// read, or does not hold a whole saved game of a campaign level; the live state is then
// untouched. WriteSave also refuses (with its reason) while a battle of the end of turn
// waits to be fought (Rules::battlesWaiting).
// Reads and decodes the saved game at `path` over `into` (its live fields stay as they
// are): false with a message naming the file when it cannot be read or holds no whole
// saved game of a campaign level; `into` is then untouched. `bytes` gets the record read.
bool readSavedGame(const std::string& path, std::vector<uint8_t>& bytes, struct GameState& into, std::string& err);

bool WriteSave(Rules& g, const std::string& name, std::string& err);
bool ReadSave(Rules& g, const std::string& name, std::string& err);

bool isReservedSave(const std::string& name);  // QuickSave, FirstSave

// What the companion file of a save keeps of the game in play: its record of play and
// the objectives met.
struct SavedProgress savedProgress(const Rules& g);

// Deletes a saved game with the files kept beside it (its chronicle, its record of play).
void removeSave(const Rules& g, const std::string& name);

}  // namespace fief
