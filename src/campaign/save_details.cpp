#include "campaign/save_details.h"

#include <chrono>
#include <filesystem>
#include <vector>

#include "campaign/save_games.h"
#include "state/game_state.h"

namespace fief {

bool readSaveDetails(const std::string& path, SaveDetails& out, std::string& why) {
  std::vector<uint8_t> bytes;
  GameState s;
  if (!readSavedGame(path, bytes, s, why)) return false;
  std::error_code ec;
  const auto t = std::filesystem::last_write_time(path, ec);
  if (ec) {
    why = path + ": " + ec.message();
    return false;
  }
  SaveDetails d;
  d.level = s.CurrentLevel;
  d.turn = s.TurnCounter;
  d.season = s.Season;
  d.gold = s.Gold;
  d.people = s.People;
  for (int c = 0; c < 3; ++c)
    if (isSet(s.CampExists[c])) d.soldiers += s.ArmyCampSoldiers[c];
  d.written = std::chrono::system_clock::to_time_t(
      std::chrono::time_point_cast<std::chrono::system_clock::duration>(std::chrono::file_clock::to_sys(t)));
  out = d;
  return true;
}

}  // namespace fief
