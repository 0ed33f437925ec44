// Painted landscape scenes and the map overlay pictures.
#pragma once
#include <string>
#include <vector>

#include "art.h"

namespace art {

struct Scene {
  int season = 2;           // 1 spring .. 4 winter
  std::string centre;       // icon standing on the middle hill ("" none, "castle", "village", ...)
  bool army = false;        // banners and pikes in the foreground
  bool particles = true;    // the season's petals, leaves or snow in the air
  uint64_t seed = 1;
};
// A square stone keep standing on a mound, drawn in the style of the map's emblems:
// stone faces lit from the left, ink outlines, merlons, slits, a door and a pennant
// streaming in the wind. (cx, baseY) is the foot of the mound; s the keep's height.
void paintedKeep(cairo_t* cr, double cx, double baseY, double s, Rgb stone, Detail d);
// A parchment ribbon with rolled ends, for a title over a picture.
void ribbon(Canvas& c, double x, double y, double w, double h, Detail d);
void scene(Canvas& c, double x, double y, double w, double h, const Scene& s, Detail d);

// Season colours of the land.
Rgb grassColour(int season);
Rgb treeColour(int season, double variation);

// Small ink drawings shared by the map and the overlays.
void drawTree(cairo_t* cr, double x, double y, double s, int season, bool conifer, double var, Detail d);
void drawHill(cairo_t* cr, double x, double y, double s, int season, Detail d);

// The castle of a stage 0 keep .. 4 castle, drawn from icons into the square (x, y, size).
void castleIcon(cairo_t* cr, int stage, double x, double y, double size, Rgb c, Detail d);

void overlayJobs(std::vector<Job>& jobs);

}  // namespace art
