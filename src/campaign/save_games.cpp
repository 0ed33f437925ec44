#include "campaign/save_games.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

#include "campaign/chronicle_file.h"
#include "campaign/files.h"
#include "campaign/play_record_file.h"
#include "campaign/rules.h"
#include "state/save_record.h"

namespace fief {

namespace {
std::string saveFile(const Rules& g, const std::string& name) { return "Save Game/" + name + g.s.SaveExtension; }
}  // namespace

std::string savePath(const Rules& g, const std::string& name) { return g.path(saveFile(g, name)); }

bool validSaveName(const std::string& name, std::string& why) {
  if (name.empty()) { why = "empty name"; return false; }
  // Characters, not bytes: a name of accented letters is as long as one of plain ones.
  size_t chars = 0;
  for (unsigned char c : name) chars += (c & 0xC0) != 0x80;
  if (chars > 64) { why = "a save name has at most 64 characters"; return false; }
  // The file name with its extension and the temporary suffix must fit the file system.
  if (name.size() > kMaxSaveNameBytes) { why = "a save name of this many letters does not fit a file name"; return false; }
  if (name[0] == '.' || name.find("..") != std::string::npos || name.find('/') != std::string::npos ||
      name.find('\\') != std::string::npos) {
    why = "a save name cannot name a folder";
    return false;
  }
  for (unsigned char c : name)
    if (c < 32 || c == 127) { why = "a save name cannot hold control characters"; return false; }
  return true;
}

bool isReservedSave(const std::string& name) { return name == "QuickSave" || name == "FirstSave"; }

void LoadGameState(Rules& g, const GameState& loaded) {
  g.s.LevelBeforeLoad = g.s.CurrentLevel;
  g.s = loaded;
  g.s.LevelBeforeLoad = loaded.LevelBeforeLoad;
  // Battles the left game's end of turn was about to start are not the loaded game's.
  g.battlesWaiting = 0;
  ++g.gamesLoaded;
  // The tables follow the difficulty of this run, which is not saved.
  g.tables = makeGameTables(g.s.Difficulty, g.s.ScienceLevel);
  g.player().show(Sight::GameLoaded);
}

bool readSavedGame(const std::string& path, std::vector<uint8_t>& bytes, GameState& into, std::string& err) {
  if (!readFile(path, bytes, err, kMaxSaveFileSize)) return false;
  GameState scratch = into;
  std::string why;
  if (!decodeSave(bytes, scratch, why)) {
    err = path + ": " + why;
    return false;
  }
  // The level indexes the mission tables and texts: a save of no campaign level is refused.
  if (scratch.CurrentLevel < 1 || scratch.CurrentLevel > kLastLevel) {
    err = path + ": the saved game is on level " + std::to_string(scratch.CurrentLevel) +
          ", the campaign's levels are 1 to " + std::to_string(kLastLevel);
    return false;
  }
  // A morale that is no number (NaN, infinite) never comes from play: the record is damaged.
  for (float m : {scratch.Morale, scratch.Rival1.Morale, scratch.Rival2.Morale})
    if (!std::isfinite(m)) {
      err = path + ": the saved game record is damaged (a morale that is no number)";
      return false;
    }
  into = scratch;
  return true;
}

bool WriteSave(Rules& g, const std::string& name, std::string& err) {
  if (g.battlesWaiting > 0) {
    err = "A battle is about to begin: the game can be saved once it has been fought.";
    return false;
  }
  std::error_code ec;
  std::filesystem::create_directories(g.writePath("Save Game"), ec);
  const std::vector<uint8_t> record = encodeSave(g.s);
  const std::string path = g.writePath(saveFile(g, name));
  if (!writeFileAtomic(path, record, err)) return false;
  // The chronicle goes beside the save. Without it the game is still saved whole; its
  // history then restarts when it is loaded.
  std::string why;
  if (!writeChronicleFile(chroniclePath(path), g.chronicle, record, why)) std::fprintf(stderr, "%s\n", why.c_str());
  // So is the record of play with the objectives met: without it a later load keeps the
  // objectives met in that run and counts the battles afresh.
  if (!writePlayRecordFile(playRecordPath(path), savedProgress(g), record, why)) std::fprintf(stderr, "%s\n", why.c_str());
  return true;
}

bool ReadSave(Rules& g, const std::string& name, std::string& err) {
  std::string path = savePath(g, name);
  std::vector<uint8_t> bytes;
  GameState scratch = g.s;
  scratch.LevelBeforeLoad = g.s.CurrentLevel;
  if (!readSavedGame(path, bytes, scratch, err)) return false;
  std::string why;
  LoadGameState(g, scratch);
  // The history kept beside this save, or a fresh one from the loaded county.
  if (!readChronicleFile(chroniclePath(path), bytes, g.chronicle, why)) g.chronicle.restart(g.s);
  // The record of play and the objectives met when it was saved; an objective met in this
  // run stays met.
  SavedProgress p;
  if (readPlayRecordFile(playRecordPath(path), bytes, p, why)) {
    g.play = p.play;
    for (size_t k = 0; k < p.met.size(); ++k)
      if (p.met[k]) g.s.ObjectiveMet[k] = 1;
    if (p.allMet) g.s.AllObjectivesMet = kTrue;
  } else {
    g.play.restartFrom(g.s);
  }
  return true;
}

SavedProgress savedProgress(const Rules& g) {
  SavedProgress p;
  p.play = g.play;
  for (size_t k = 0; k < p.met.size(); ++k) p.met[k] = g.s.ObjectiveMet[k] ? 1 : 0;
  p.allMet = isSet(g.s.AllObjectivesMet);
  return p;
}

void removeSave(const Rules& g, const std::string& name) {
  const std::string path = g.writePath(saveFile(g, name));
  if (path.empty()) return;  // no folder the player may write to
  std::error_code ec;
  for (const std::string& file : {path, chroniclePath(path), playRecordPath(path)}) std::filesystem::remove(file, ec);
}

}  // namespace fief
