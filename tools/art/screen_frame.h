// The frame of a screen's generated background, by the picture's width: the width of its
// gold border and the medallion set into the border's top left corner. The screenshot
// tests read the medallion's place from here, so that no text is let run under it.
// Plain arithmetic: usable without cairo.
#pragma once

namespace art {

// The width of the border around the parchment.
inline double frameBorder(double pictureWidth) {
  return pictureWidth >= 1000 ? 22 : (pictureWidth >= 600 ? 14 : 11);
}

// The screen's emblem: a circle of radius r centred at (cx, cy) of the picture.
struct FrameMedallion {
  double cx = 0, cy = 0, r = 0;
};
inline FrameMedallion frameMedallion(double pictureWidth) {
  const double bw = frameBorder(pictureWidth);
  const double r = pictureWidth >= 1000 ? 46 : (pictureWidth >= 600 ? 32 : 26);
  return FrameMedallion{bw + r * 0.8, bw + r * 0.8, r};
}

}  // namespace art
