// Where the game's files are. The program folder holds the programs and everything shipped
// with them (texts, pictures, sounds, the level map, the first values of the option and
// progress files). The player's folder holds what the game writes: saved games and their
// chronicles, the option files, the campaign's progress files and the battle hand-over.
//
// A program folder the player may write to (a build) is both, exactly as the game has
// always been laid out. An installed program folder is read-only, or carries the install
// marker: the player's files then live in $XDG_DATA_HOME/fiefdom, else
// ~/.local/share/fiefdom, which starts from copies of the shipped option and progress
// files. Every program of the family works this out the same way from its own folder and
// the environment, so the campaign, the battle program and the title programs agree.
#pragma once

#include <string>

namespace fief {

// The file an install puts into the program folder. With it the player's files go to his
// data folder even where the program folder could be written (a game installed and played
// by the administrator), so nothing in an installed tree is ever written.
inline constexpr const char* kInstalledMarker = "installed.txt";

// The option and progress files shipped with their first values.
inline constexpr const char* kShippedDefaults[] = {"Optim.rz", "Options.rz", "Advanced.rz",
                                                    "levelinfo.rz", "camp.rz", "LGame.rz"};

struct Folders {
  std::string program;  // the program folder, without a trailing separator
  std::string player;   // the player's folder; "" when there is none (no HOME)
  // Why the player's folder cannot be used, in words for the player; "" when it can.
  std::string problem;

  enum class Use {
    Read,     // a file the game reads: the player's copy when he has one, else the shipped one
    Write,    // a file the game writes (or deletes): always in the player's folder
    Program,  // a program of the family or shipped data: always in the program folder
  };
  // Where the file `relative` ("Save Game/QuickSave.s15") is read from or written to. The
  // one place that decides it: every path of a file the game reads or writes comes from
  // here. Writing with no player's folder gives "", which no writer accepts.
  std::string locate(const std::string& relative, Use use) const;

  // Whether the player's files live apart from the program folder.
  bool separate() const { return player != program; }
};

// One folder for everything: a program folder that keeps the player's files.
Folders sameFolder(const std::string& dir);

// The player's data folder for this environment: $XDG_DATA_HOME/fiefdom when that is an
// absolute path, else $HOME/.local/share/fiefdom; "" when neither is set.
std::string playerDataFolder(const char* xdgDataHome, const char* home);

// Whether a program folder keeps the player's files itself: it can be written and carries
// no install marker.
bool keepsPlayerFiles(const std::string& programDir);

// The folders of a program started from `programDir`. When the player's files live apart,
// the player's folder is made when missing, "Save Game" in it, and every shipped option and
// progress file it lacks is copied into it. A folder that cannot be found, made, written or
// filled (no HOME, a file where the folder should be, a full disk) sets `problem`; the game
// then reads the shipped files, and writes fail with a message. Nothing is ever written
// into an installed program folder.
Folders openFolders(const std::string& programDir, const char* xdgDataHome, const char* home);
// The same from the environment (XDG_DATA_HOME, HOME).
Folders openFolders(const std::string& programDir);

}  // namespace fief
