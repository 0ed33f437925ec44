// The level map file (level15/map.json): the map picture's size, the home view, the
// waypoints' positions and the places of the map's controls. The reader checks every
// field's type and range before anything uses it, and names the file and the field of
// the first fault.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace fief {

// Coordinates and sizes of the map stay within this many pixels, so that the position
// arithmetic of the map view (offsets, centring, scrolling) never leaves an int.
constexpr int kMaxMapExtent = 32767;

struct LevelMapRect {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  std::optional<std::string> Picture;
  std::optional<int> Waypoint;
};

struct LevelMap {
  std::optional<std::pair<int, int>> Size;  // width, height (each 1..kMaxMapExtent)
  std::optional<std::pair<int, int>> Home;  // the 1024 x 768 view's offset
  std::map<int, std::pair<int, int>> Waypoints;  // waypoint number -> point on the map
  std::vector<std::pair<int, int>> Roads;        // pairs of waypoint numbers
  std::map<std::string, LevelMapRect> Controls;  // control name -> place on the map
};

// The map's home view (the map surface's left and top) on a display of width x height:
// the level's home is the view of a 1024 x 768 display; other displays keep the same
// point of the map in the middle of the screen, and the view stays on the map.
std::pair<int, int> homeView(std::pair<int, int> home, int mapWidth, int mapHeight, int width, int height);

// Parses the file's text. False with "FIELD: what is wrong" when a field has the wrong
// type or a value out of range; `out` is then untouched.
bool parseLevelMap(const std::string& text, LevelMap& out, std::string& err);
// Reads and parses the file; the message names the file.
bool readLevelMap(const std::string& path, LevelMap& out, std::string& err);

}  // namespace fief
