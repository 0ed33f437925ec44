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
  uint64_t seed = 1;
};
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
