// What a saved game holds, read from the save itself for the save and load screens:
// level, turn, season, gold, people, soldiers, and when it was written.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace fief {

struct SaveDetails {
  int level = 0;
  int turn = 0;    // the saved turn counter
  int season = 0;  // 1..4
  long gold = 0, people = 0;
  long soldiers = 0;       // in the army camps that exist
  std::time_t written = 0;  // the file's last change, in real time
};

// False with the reason when the file cannot be read or holds no whole saved game.
bool readSaveDetails(const std::string& path, SaveDetails& out, std::string& why);

}  // namespace fief
