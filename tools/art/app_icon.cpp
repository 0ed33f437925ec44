// The game's icon for the desktop menu: a blue shield with a gold rim bearing a gold castle,
// drawn at every size of the hicolor icon theme. The small sizes are drawn flat (no
// shadow, no gradients), so that they stay crisp.
#include <cmath>
#include <string>

#include "art.h"

namespace art {

const std::vector<int>& appIconSizes() {
  static const std::vector<int> sizes = {16, 22, 24, 32, 48, 64, 128, 256, 512};
  return sizes;
}

void drawAppIcon(Canvas& c) {
  const double n = c.w;
  const Detail d{n >= 48};
  // The shield fills the square's height; its width keeps a shield's proportions.
  const double h = n * 0.96, w = n * 0.84;
  emblem(c.cr, "castle", (n - w) / 2, (n - h) / 2, w, h, pal::blue, pal::goldLight, d);
}

void writeAppIcons(const std::string& outDir, const std::string& name) {
  Output out(outDir);
  for (int size : appIconSizes()) {
    Canvas c(size, size);
    drawAppIcon(c);
    const std::string s = std::to_string(size);
    out.png("icon", "hicolor/" + s + "x" + s + "/apps/" + name + ".png", c.s);
  }
}

}  // namespace art
