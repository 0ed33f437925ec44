// Painted landscapes (title, story, season and illustration pictures) and the map overlays.
#include "scenes.h"

#include <cmath>

namespace art {

Rgb grassColour(int season) {
  switch (season) {
    case 1: return hex("#9cb86a");
    case 2: return hex("#a9ad5c");
    case 3: return hex("#b7934f");
    default: return hex("#e6e8ea");
  }
}
Rgb treeColour(int season, double v) {
  switch (season) {
    case 1: return mix(hex("#5f9a43"), hex("#86b24e"), v);
    case 2: return mix(hex("#3f6b2c"), hex("#557f33"), v);
    case 3: return mix(mix(hex("#b4571f"), hex("#d49a2a"), v), hex("#8a3a1c"), v > 0.8 ? 0.6 : 0);
    default: return mix(hex("#6e6a5e"), hex("#8a8478"), v);
  }
}

void drawTree(cairo_t* cr, double x, double y, double s, int season, bool conifer, double var, Detail d) {
  cairo_set_line_width(cr, std::max(0.8, s * 0.08));
  if (d.high) {  // shadow
    cairo_save(cr);
    cairo_translate(cr, x + s * 0.25, y + s * 0.05);
    cairo_scale(cr, s * 0.5, s * 0.16);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_set_source_rgba(cr, 0.2, 0.12, 0.05, 0.25);
    cairo_fill(cr);
  }
  // trunk
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x, y - s * 0.45);
  setColor(cr, pal::ink);
  cairo_stroke(cr);
  if (conifer) {
    Rgb c = season == 4 ? hex("#3e5a48") : mix(hex("#2f5a3a"), hex("#3f6e45"), var);
    for (int k = 0; k < 2; ++k) {
      double top = y - s * (1.25 - k * 0.3), base = y - s * (0.25 + k * 0.3);
      double hw = s * (0.42 - k * 0.1);
      cairo_move_to(cr, x, top);
      cairo_line_to(cr, x + hw, base);
      cairo_line_to(cr, x - hw, base);
      cairo_close_path(cr);
      setColor(cr, c);
      cairo_fill_preserve(cr);
      setColor(cr, pal::ink, 0.9);
      cairo_stroke(cr);
    }
    if (season == 4) {
      cairo_move_to(cr, x, y - s * 1.25);
      cairo_line_to(cr, x + s * 0.15, y - s * 0.9);
      cairo_line_to(cr, x - s * 0.15, y - s * 0.9);
      cairo_close_path(cr);
      setColor(cr, pal::white);
      cairo_fill(cr);
    }
    return;
  }
  if (season == 4) {  // bare branches
    setColor(cr, pal::ink);
    cairo_set_line_width(cr, std::max(0.7, s * 0.06));
    for (int k = -1; k <= 1; ++k) {
      cairo_move_to(cr, x, y - s * 0.45);
      cairo_line_to(cr, x + k * s * 0.35, y - s * (0.95 + (k == 0) * 0.15));
    }
    cairo_stroke(cr);
    return;
  }
  Rgb c = treeColour(season, var);
  double r = s * 0.42;
  double cx = x, cy = y - s * 0.78;
  cairo_new_path(cr);
  for (int i = 0; i < 6; ++i) {
    double a = i * M_PI / 3;
    cairo_arc(cr, cx + std::cos(a) * r * 0.45, cy + std::sin(a) * r * 0.35, r * 0.55, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
  }
  setColor(cr, c);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, r * 0.95, 0, 2 * M_PI);
  setColor(cr, c);
  cairo_fill(cr);
  if (d.high) {
    cairo_arc(cr, cx - r * 0.3, cy - r * 0.35, r * 0.35, 0, 2 * M_PI);
    setColor(cr, shade(c, 1.25), 0.7);
    cairo_fill(cr);
  }
  cairo_arc(cr, cx, cy, r * 0.95, 0, 2 * M_PI);
  setColor(cr, pal::ink, 0.85);
  cairo_set_line_width(cr, std::max(0.7, s * 0.06));
  cairo_stroke(cr);
}

void drawHill(cairo_t* cr, double x, double y, double s, int season, Detail d) {
  // an inked bump with hatching on its eastern flank
  Rgb fill = season == 4 ? hex("#f4f4f2") : shade(grassColour(season), 0.92);
  cairo_move_to(cr, x - s, y);
  cairo_curve_to(cr, x - s * 0.6, y - s * 0.2, x - s * 0.35, y - s * 0.75, x, y - s * 0.72);
  cairo_curve_to(cr, x + s * 0.35, y - s * 0.7, x + s * 0.6, y - s * 0.2, x + s, y);
  setColor(cr, fill, 0.9);
  cairo_fill_preserve(cr);
  setColor(cr, pal::ink, 0.85);
  cairo_set_line_width(cr, std::max(1.0, s * 0.05));
  cairo_stroke(cr);
  if (d.high) {
    cairo_set_line_width(cr, std::max(0.6, s * 0.03));
    setColor(cr, pal::ink, 0.5);
    for (int k = 1; k <= 5; ++k) {
      double t = k / 6.0;
      double hx = x + s * 0.1 + t * s * 0.7, hy = y - s * 0.7 * (1 - t * t) + 2;
      cairo_move_to(cr, hx, hy);
      cairo_line_to(cr, hx - s * 0.08, y - 1);
    }
    cairo_stroke(cr);
  }
}

void castleIcon(cairo_t* cr, int stage, double x, double y, double s, Rgb c, Detail d) {
  auto wall = [&](double wx, double wy, double ww, double wh) {
    cairo_new_path(cr);
    double m = ww / 11;
    cairo_move_to(cr, wx, wy + wh);
    cairo_line_to(cr, wx, wy);
    for (int i = 0; i < 11; ++i) {
      double mx = wx + i * m;
      if (i % 2 == 0) {
        cairo_line_to(cr, mx + m, wy);
      } else {
        cairo_line_to(cr, mx, wy + m * 0.8);
        cairo_line_to(cr, mx + m, wy + m * 0.8);
        cairo_line_to(cr, mx + m, wy);
      }
    }
    cairo_line_to(cr, wx + ww, wy + wh);
    cairo_close_path(cr);
    setColor(cr, shade(c, 0.92));
    cairo_fill_preserve(cr);
    setColor(cr, pal::ink);
    cairo_set_line_width(cr, std::max(1.0, s * 0.012));
    cairo_stroke(cr);
    // gate
    cairo_new_path(cr);
    double gw = ww * 0.14;
    cairo_move_to(cr, wx + ww / 2 - gw / 2, wy + wh);
    cairo_line_to(cr, wx + ww / 2 - gw / 2, wy + wh * 0.55);
    cairo_arc(cr, wx + ww / 2, wy + wh * 0.55, gw / 2, M_PI, 2 * M_PI);
    cairo_line_to(cr, wx + ww / 2 + gw / 2, wy + wh);
    cairo_close_path(cr);
    setColor(cr, hex("#3a2a1a"));
    cairo_fill(cr);
  };
  switch (stage) {
    case 0: iconShadowed(cr, "white-tower", x + s * 0.1, y, s * 0.8, c, d); break;
    case 1:
      iconShadowed(cr, "white-tower", x + s * 0.2, y, s * 0.6, c, d);
      wall(x + s * 0.05, y + s * 0.62, s * 0.9, s * 0.36);
      break;
    case 2: iconShadowed(cr, "hill-fort", x, y, s, c, d); break;
    case 3:
      iconShadowed(cr, "elven-castle", x + s * 0.05, y, s * 0.9, c, d);
      wall(x, y + s * 0.7, s, s * 0.28);
      break;
    default:
      iconShadowed(cr, "elven-castle", x + s * 0.1, y - s * 0.02, s * 0.8, c, d);
      iconShadowed(cr, "white-tower", x - s * 0.04, y + s * 0.38, s * 0.45, c, d);
      iconShadowed(cr, "white-tower", x + s * 0.59, y + s * 0.38, s * 0.45, c, d);
      wall(x + s * 0.28, y + s * 0.66, s * 0.44, s * 0.32);
      break;
  }
}

void paintedKeep(cairo_t* cr, double cx, double baseY, double s, Rgb stone, Detail d) {
  const double lw = std::max(1.0, s * 0.012);
  // the mound
  cairo_new_path(cr);
  cairo_move_to(cr, cx - s * 0.85, baseY);
  cairo_curve_to(cr, cx - s * 0.55, baseY - s * 0.2, cx - s * 0.35, baseY - s * 0.24, cx, baseY - s * 0.24);
  cairo_curve_to(cr, cx + s * 0.35, baseY - s * 0.24, cx + s * 0.55, baseY - s * 0.2, cx + s * 0.85, baseY);
  cairo_close_path(cr);
  setColor(cr, hex("#7f9650"));
  cairo_fill_preserve(cr);
  setColor(cr, pal::ink, 0.8);
  cairo_set_line_width(cr, lw);
  cairo_stroke(cr);
  // the tower: a lit front face and a shaded side face
  const double fw = s * 0.42, sw = s * 0.14, top = baseY - s * 0.22 - s * 0.78, foot = baseY - s * 0.2;
  const double fx = cx - fw / 2 - sw / 2, rise = s * 0.05;
  const double m = fw / 7;  // merlon width
  if (d.high) {             // the tower's shadow on the mound
    cairo_new_path(cr);
    cairo_move_to(cr, fx + fw + sw, foot - rise);
    cairo_line_to(cr, fx + fw + sw + s * 0.3, foot + s * 0.02);
    cairo_line_to(cr, fx + fw, foot + s * 0.02);
    cairo_close_path(cr);
    setColor(cr, pal::black, 0.25);
    cairo_fill(cr);
  }
  auto front = [&] {
    cairo_new_path(cr);
    cairo_move_to(cr, fx, foot);
    cairo_line_to(cr, fx, top);
    for (int i = 0; i < 7; ++i) {
      double mx = fx + i * m;
      if (i % 2 == 0) {
        cairo_line_to(cr, mx + m, top);
        if (i < 6) cairo_line_to(cr, mx + m, top + m * 0.7);
      } else {
        cairo_line_to(cr, mx + m, top + m * 0.7);
        cairo_line_to(cr, mx + m, top);
      }
    }
    cairo_line_to(cr, fx + fw, foot);
    cairo_close_path(cr);
  };
  front();
  if (d.high) {
    cairo_pattern_t* p = cairo_pattern_create_linear(fx, 0, fx + fw, 0);
    Rgb a = shade(stone, 1.15), b = shade(stone, 0.9);
    cairo_pattern_add_color_stop_rgb(p, 0, a.r, a.g, a.b);
    cairo_pattern_add_color_stop_rgb(p, 1, b.r, b.g, b.b);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
  } else {
    setColor(cr, stone);
    cairo_fill_preserve(cr);
  }
  setColor(cr, pal::ink);
  cairo_set_line_width(cr, lw);
  cairo_stroke(cr);
  // the side face, receding up and to the right, with its own merlons
  cairo_new_path(cr);
  cairo_move_to(cr, fx + fw, foot);
  cairo_line_to(cr, fx + fw, top);
  cairo_line_to(cr, fx + fw + sw * 0.5, top - rise * 0.5);
  cairo_line_to(cr, fx + fw + sw * 0.5, top - rise * 0.5 + m * 0.7);
  cairo_line_to(cr, fx + fw + sw, top - rise + m * 0.7);
  cairo_line_to(cr, fx + fw + sw, top - rise);
  cairo_line_to(cr, fx + fw + sw, foot - rise);
  cairo_close_path(cr);
  setColor(cr, shade(stone, 0.68));
  cairo_fill_preserve(cr);
  setColor(cr, pal::ink);
  cairo_stroke(cr);
  // stone courses and a few blocks on the front
  if (d.high) {
    cairo_save(cr);
    front();
    cairo_clip(cr);
    Rng rng(77);
    setColor(cr, pal::ink, 0.22);
    cairo_set_line_width(cr, lw * 0.6);
    const double course = s * 0.055;
    int row = 0;
    for (double y = foot - course; y > top + m; y -= course, ++row) {
      cairo_move_to(cr, fx, y);
      cairo_line_to(cr, fx + fw, y);
      for (double x = fx + (row % 2 ? course : course * 0.5) + rng.range(0, course); x < fx + fw; x += course * 1.8) {
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x, y + course);
      }
    }
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  // arrow slits, a window and the arched door
  setColor(cr, hex("#2a1f16"));
  for (double sy : {0.3, 0.52}) {
    double sx = fx + fw * 0.5, yy = top + (foot - top) * sy;
    cairo_rectangle(cr, sx - s * 0.012, yy, s * 0.024, s * 0.09);
    cairo_fill(cr);
  }
  for (double sx : {0.22, 0.78}) {
    double xx = fx + fw * sx, yy = top + (foot - top) * 0.42;
    cairo_rectangle(cr, xx - s * 0.01, yy, s * 0.02, s * 0.07);
    cairo_fill(cr);
  }
  const double dw = fw * 0.26, dh = s * 0.16, dx = fx + fw * 0.5 - dw / 2;
  cairo_new_path(cr);
  cairo_move_to(cr, dx, foot);
  cairo_line_to(cr, dx, foot - dh + dw / 2);
  cairo_arc(cr, dx + dw / 2, foot - dh + dw / 2, dw / 2, M_PI, 2 * M_PI);
  cairo_line_to(cr, dx + dw, foot);
  cairo_close_path(cr);
  setColor(cr, hex("#6b4524"));
  cairo_fill_preserve(cr);
  setColor(cr, pal::ink);
  cairo_stroke(cr);
  // a pennant streaming to the right from a pole on the side face's near corner
  const double px = fx + fw * 0.5, py = top - s * 0.02;
  cairo_move_to(cr, px, py);
  cairo_line_to(cr, px, py - s * 0.22);
  setColor(cr, pal::ink);
  cairo_set_line_width(cr, lw * 1.2);
  cairo_stroke(cr);
  cairo_move_to(cr, px, py - s * 0.22);
  cairo_curve_to(cr, px + s * 0.12, py - s * 0.26, px + s * 0.2, py - s * 0.15, px + s * 0.36, py - s * 0.2);
  cairo_curve_to(cr, px + s * 0.24, py - s * 0.13, px + s * 0.12, py - s * 0.18, px, py - s * 0.14);
  cairo_close_path(cr);
  setColor(cr, pal::blue);
  cairo_fill_preserve(cr);
  setColor(cr, pal::ink);
  cairo_set_line_width(cr, lw * 0.7);
  cairo_stroke(cr);
}

void ribbon(Canvas& c, double x, double y, double w, double h, Detail d) {
  cairo_t* cr = c.cr;
  const double drop = h * 0.3, tail = h * 0.5;
  // the tails behind, lower than the band and notched at their ends
  for (int side : {-1, 1}) {
    double ex = side < 0 ? x : x + w;
    cairo_new_path(cr);
    cairo_move_to(cr, ex - side * tail * 0.4, y + drop);
    cairo_line_to(cr, ex + side * tail, y + drop);
    cairo_line_to(cr, ex + side * tail * 0.7, y + drop + h * 0.35);
    cairo_line_to(cr, ex + side * tail, y + drop + h * 0.7);
    cairo_line_to(cr, ex - side * tail * 0.4, y + drop + h * 0.7);
    cairo_close_path(cr);
    setColor(cr, shade(pal::parchment, 0.72));
    cairo_fill_preserve(cr);
    setColor(cr, pal::ink);
    cairo_set_line_width(cr, std::max(1.0, h * 0.025));
    cairo_stroke(cr);
    // the fold where the tail turns under the band
    cairo_new_path(cr);
    cairo_move_to(cr, ex, y + h);
    cairo_line_to(cr, ex, y + drop + h * 0.7);
    cairo_line_to(cr, ex - side * tail * 0.4, y + drop + h * 0.7);
    cairo_close_path(cr);
    setColor(cr, shade(pal::parchment, 0.5));
    cairo_fill(cr);
  }
  // the band itself, parchment with a gold rule inside its edges
  Canvas band(static_cast<int>(w), static_cast<int>(h));
  parchment(band, 0, 0, w, h, d, 311);
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  cairo_set_source_surface(cr, band.s, x, y);
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_rectangle(cr, x, y, w, h);
  setColor(cr, pal::ink);
  cairo_set_line_width(cr, std::max(1.0, h * 0.03));
  cairo_stroke(cr);
  cairo_rectangle(cr, x + h * 0.08, y + h * 0.08, w - h * 0.16, h - h * 0.16);
  setColor(cr, pal::gold);
  cairo_set_line_width(cr, std::max(1.0, h * 0.03));
  cairo_stroke(cr);
}

void scene(Canvas& c, double x, double y, double w, double h, const Scene& s, Detail d) {
  cairo_t* cr = c.cr;
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  Rng rng(s.seed);
  Rgb skyTop, skyBot;
  switch (s.season) {
    case 1: skyTop = hex("#86aedb"); skyBot = hex("#f1e9cf"); break;
    case 2: skyTop = hex("#4f86c6"); skyBot = hex("#f4e4b8"); break;
    case 3: skyTop = hex("#8c8fa3"); skyBot = hex("#f0c98e"); break;
    default: skyTop = hex("#8d9aab"); skyBot = hex("#e8e6e2"); break;
  }
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h * 0.7);
  cairo_pattern_add_color_stop_rgb(p, 0, skyTop.r, skyTop.g, skyTop.b);
  cairo_pattern_add_color_stop_rgb(p, 1, skyBot.r, skyBot.g, skyBot.b);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
  // sun and clouds
  double sunx = x + w * rng.range(0.65, 0.85), suny = y + h * 0.18;
  if (s.season != 4) {
    cairo_arc(cr, sunx, suny, h * 0.07, 0, 2 * M_PI);
    setColor(cr, hex("#fff2b0"), 0.9);
    cairo_fill(cr);
  }
  if (d.high) {
    for (int i = 0; i < 5; ++i) {
      double cx = x + rng.range(0, w), cy = y + rng.range(h * 0.05, h * 0.3), cw = rng.range(w * 0.08, w * 0.18);
      for (int k = 0; k < 5; ++k) {
        cairo_arc(cr, cx + (k - 2) * cw * 0.22, cy + std::abs(k - 2) * cw * 0.04, cw * (0.2 - std::abs(k - 2) * 0.04),
                  0, 2 * M_PI);
        setColor(cr, pal::white, 0.55);
        cairo_fill(cr);
      }
    }
  }
  // wind over a lonely keep: a few long ink strokes across the sky
  if (s.centre == "keep") {
    Rng wind(s.seed + 5);
    setColor(cr, pal::white, 0.8);
    cairo_set_line_width(cr, std::max(1.0, h * 0.004));
    for (int i = 0; i < 6; ++i) {
      double wx = x + w * wind.range(0.05, 0.7), wy = y + h * wind.range(0.08, 0.32), len = w * wind.range(0.12, 0.22);
      cairo_move_to(cr, wx, wy);
      cairo_curve_to(cr, wx + len * 0.3, wy - h * 0.015, wx + len * 0.7, wy + h * 0.015, wx + len, wy);
      cairo_stroke(cr);
    }
  }
  // hill layers
  int layers = d.high ? 4 : 3;
  Rgb grass = grassColour(s.season);
  for (int L = 0; L < layers; ++L) {
    double t = (L + 1.0) / layers;
    double base = y + h * (0.42 + 0.14 * L);
    Rgb col = mix(mix(skyBot, hex("#6f7f9a"), 0.35), grass, t);
    if (s.season == 4) col = mix(hex("#c9ced6"), hex("#f2f2f0"), t);
    cairo_move_to(cr, x, y + h);
    for (int i = 0; i <= 64; ++i) {
      double u = i / 64.0;
      double n = fbm(u * (2 + L), L * 3.1, (s.seed % 97) * 0.1, 3);
      cairo_line_to(cr, x + u * w, base - h * (0.06 + 0.08 * n) * (1.2 - t * 0.5));
    }
    cairo_line_to(cr, x + w, y + h);
    cairo_close_path(cr);
    setColor(cr, col);
    cairo_fill_preserve(cr);
    setColor(cr, pal::ink, 0.35 + 0.3 * t);
    cairo_set_line_width(cr, std::max(0.8, w / 700.0));
    cairo_stroke(cr);
    // trees along the layer
    if (L >= 1) {
      int n = d.high ? 14 : 6;
      for (int i = 0; i < n; ++i) {
        double u = rng.uni();
        double tx = x + u * w;
        double ty = base - h * 0.02 + rng.range(0, h * 0.06);
        if (!s.centre.empty() && std::abs(u - 0.5) < 0.16) continue;
        drawTree(cr, tx, ty, h * (0.03 + 0.02 * L), s.season, rng.uni() < 0.35, rng.uni(), d);
      }
    }
    // centre piece on the second layer
    if (L == layers - 2 && s.centre == "keep") {
      paintedKeep(cr, x + w / 2, base + h * 0.02, std::min(w, h) * 0.42, s.season == 4 ? hex("#9c9892") : hex("#a39886"), d);
    } else if (L == layers - 2 && !s.centre.empty()) {
      double is = std::min(w, h) * 0.42;
      double ix = x + (w - is) / 2, iy = base - is * 0.95;
      Rgb stone = s.season == 4 ? hex("#8d8a86") : hex("#8a7f70");
      if (s.centre == "castle")
        castleIcon(cr, 4, ix, iy, is, stone, d);
      else
        iconShadowed(cr, s.centre, ix, iy, is, stone, d);
      // pennant on the top
      double fx = x + w / 2, fy = iy + is * 0.02;
      cairo_move_to(cr, fx, fy);
      cairo_line_to(cr, fx, fy - is * 0.16);
      setColor(cr, pal::ink);
      cairo_set_line_width(cr, std::max(1.0, is * 0.012));
      cairo_stroke(cr);
      cairo_move_to(cr, fx, fy - is * 0.16);
      cairo_curve_to(cr, fx + is * 0.08, fy - is * 0.17, fx + is * 0.12, fy - is * 0.12, fx + is * 0.2, fy - is * 0.13);
      cairo_line_to(cr, fx, fy - is * 0.09);
      cairo_close_path(cr);
      setColor(cr, pal::blue);
      cairo_fill(cr);
    }
  }
  if (s.army) {
    double gy = y + h * 0.86;
    for (int i = 0; i < 9; ++i) {
      double fx = x + w * (0.08 + i * 0.105), fs = h * 0.22;
      Icons::draw(cr, i % 3 == 1 ? "knight-banner" : "pikeman", fx - fs / 2 + 2, gy - fs + 2, fs, {0, 0, 0});
      Icons::draw(cr, i % 3 == 1 ? "knight-banner" : "pikeman", fx - fs / 2, gy - fs, fs,
                  i % 3 == 1 ? pal::red : hex("#3a3026"));
    }
  }
  // season particles
  if (d.high && s.particles) {
    int n = s.season == 4 ? 240 : (s.season == 3 ? 60 : (s.season == 1 ? 50 : 0));
    for (int i = 0; i < n; ++i) {
      double px = x + rng.uni() * w, py = y + rng.uni() * h, r = std::max(1.0, h * rng.range(0.003, 0.008));
      if (s.season == 4) setColor(cr, pal::white, 0.85);
      if (s.season == 3) setColor(cr, treeColour(3, rng.uni()), 0.9);
      if (s.season == 1) setColor(cr, hex("#f6c9d6"), 0.9);
      cairo_arc(cr, px, py, r, 0, 2 * M_PI);
      cairo_fill(cr);
    }
  }
  cairo_restore(cr);
}

namespace {

// A castle picture standing on a mound, with pennants in the holder's colour.
void castlePicture(Canvas& c, int stage, Rgb colour, double scale, Detail d, bool site) {
  cairo_t* cr = c.cr;
  double w = c.w, h = c.h;
  // mound
  cairo_save(cr);
  cairo_translate(cr, w / 2, h * 0.86);
  cairo_scale(cr, w * 0.47, h * 0.12);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  setColor(cr, hex("#8a9b5a"), d.high ? 0.85 : 1);
  cairo_fill_preserve(cr);
  setColor(cr, pal::ink, 0.8);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  if (site) {
    setColor(cr, pal::ink, 0.7);
    cairo_set_line_width(cr, 2);
    cairo_rectangle(cr, w * 0.3, h * 0.74, w * 0.4, h * 0.16);
    cairo_stroke(cr);
    // the lord's manor behind a palisade, before any castle stage stands
    iconShadowed(cr, "village", w * 0.28, h * 0.38, w * 0.44, hex("#9a7a52"), d);
    for (double px = w * 0.14; px < w * 0.87; px += w * 0.035) {
      double py = h * 0.86 + std::sin((px / w - 0.5) * M_PI) * 0 - h * 0.02;
      cairo_move_to(cr, px, py);
      cairo_line_to(cr, px, py - h * 0.1);
      cairo_line_to(cr, px + w * 0.012, py - h * 0.12);
    }
    setColor(cr, hex("#6b4a2a"));
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
    return;
  }
  double is = std::min(w, h * 1.15) * scale;
  double ix = (w - is) / 2, iy = h * 0.9 - is;
  castleIcon(cr, stage, ix, iy, is, hex("#a39886"), d);
  // pennant
  double fx = w / 2, fy = iy + is * 0.05;
  cairo_move_to(cr, fx, fy);
  cairo_line_to(cr, fx, fy - h * 0.14);
  setColor(cr, pal::ink);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_move_to(cr, fx, fy - h * 0.14);
  cairo_curve_to(cr, fx + w * 0.06, fy - h * 0.15, fx + w * 0.1, fy - h * 0.1, fx + w * 0.17, fy - h * 0.12);
  cairo_line_to(cr, fx + w * 0.12, fy - h * 0.09);
  cairo_line_to(cr, fx, fy - h * 0.07);
  cairo_close_path(cr);
  setColor(cr, colour);
  cairo_fill_preserve(cr);
  setColor(cr, pal::ink);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

void fieldPicture(Canvas& c, int kind, int season, Detail d) {
  cairo_t* cr = c.cr;
  double w = c.w, h = c.h;
  // irregular patch
  auto patch = [&] {
    cairo_move_to(cr, 6, 10);
    cairo_curve_to(cr, w * 0.3, 3, w * 0.7, 7, w - 5, 5);
    cairo_curve_to(cr, w - 2, h * 0.35, w - 7, h * 0.7, w - 4, h - 6);
    cairo_curve_to(cr, w * 0.65, h - 2, w * 0.35, h - 7, 4, h - 4);
    cairo_curve_to(cr, 8, h * 0.6, 2, h * 0.3, 6, 10);
    cairo_close_path(cr);
  };
  Rgb base;
  switch (kind) {
    case 0: base = hex("#a7845a"); break;  // fallow soil
    case 1: base = season == 1 ? hex("#8fbf55") : season == 2 ? hex("#e0bf52") : season == 3 ? hex("#b99160") : hex("#efefee"); break;
    case 2: base = season == 4 ? hex("#eef0f0") : season == 3 ? hex("#a7a45a") : hex("#7fb257"); break;
    case 3: base = hex("#5a4a3c"); break;
    default: base = season == 4 ? hex("#e9eaea") : hex("#c7b482"); break;
  }
  if (season == 4 && kind != 3) base = mix(base, hex("#f4f6f7"), 0.7);
  patch();
  setColor(cr, base);
  cairo_fill_preserve(cr);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  Rng rng(kind * 10 + season);
  cairo_new_path(cr);
  if (kind == 0 || kind == 1 || kind == 4) {  // furrows
    Rgb fc = kind == 1 && season == 2 ? hex("#b38a2a") : kind == 1 && season == 1 ? hex("#4f8a35") : hex("#6b4d2e");
    if (season == 4) fc = hex("#b9bcbf");
    setColor(cr, fc, 0.8);
    cairo_set_line_width(cr, kind == 1 && season <= 2 ? 2.2 : 1.2);
    for (double t = -h; t < w; t += (d.high ? 7 : 10)) {
      cairo_move_to(cr, t, h);
      cairo_line_to(cr, t + h * 0.6, 0);
    }
    cairo_stroke(cr);
    if (kind == 1 && season == 2 && d.high)
      for (int i = 0; i < 28; ++i) {
        double px = rng.range(8, w - 8), py = rng.range(8, h - 8);
        cairo_move_to(cr, px, py);
        cairo_line_to(cr, px + 1, py - 5);
        setColor(cr, hex("#8d6a1c"), 0.8);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
      }
  }
  if (kind == 2 && d.high) {
    for (int i = 0; i < 40; ++i) {
      double px = rng.range(0, w), py = rng.range(0, h);
      cairo_move_to(cr, px - 2, py);
      cairo_line_to(cr, px, py - 3);
      cairo_line_to(cr, px + 2, py);
      setColor(cr, season == 4 ? hex("#c0c6c8") : hex("#4e7f39"), 0.7);
      cairo_set_line_width(cr, 0.8);
      cairo_stroke(cr);
    }
  }
  if (kind == 3) {  // burnt, with ash
    for (int i = 0; i < 30; ++i) {
      cairo_arc(cr, rng.range(0, w), rng.range(0, h), rng.range(2, 7), 0, 2 * M_PI);
      setColor(cr, i % 3 ? hex("#2e2620") : hex("#8a7f74"), 0.6);
      cairo_fill(cr);
    }
  }
  cairo_restore(cr);
  patch();
  setColor(cr, pal::ink, 0.9);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // hedge dots
  if (d.high) {
    for (int i = 0; i < 16; ++i) {
      double t = i / 16.0;
      cairo_arc(cr, 6 + t * (w - 12), 6 + std::sin(t * 7) * 1.5, 2.4, 0, 2 * M_PI);
      setColor(cr, season == 4 ? hex("#9aa3a0") : hex("#3f6b2c"), 0.9);
      cairo_fill(cr);
    }
  }
  // the kind's sign
  if (kind == 2 && season != 4) {
    Icons::draw(cr, "sheep", w * 0.18, h * 0.3, 26, pal::white);
    Icons::draw(cr, "cow", w * 0.55, h * 0.35, 28, hex("#5a3a20"));
  } else if (kind == 2) {
    Icons::draw(cr, "sheep", w * 0.38, h * 0.3, 26, hex("#d8d3c7"));
  }
  if (kind == 4) medallion(cr, "two-coins", w / 2, h / 2, 17, pal::blue, pal::goldLight, d);
  if (kind == 3) Icons::draw(cr, "fire", w * 0.38, h * 0.25, 30, hex("#c24a1a"));
}

void banner(Canvas& c, int camp, Detail d) {
  cairo_t* cr = c.cr;
  Rgb col = camp == 1 ? pal::blue : camp == 2 ? pal::green : pal::purple;
  double w = c.w, h = c.h;
  // pole
  cairo_move_to(cr, 10, 4);
  cairo_line_to(cr, 10, h - 2);
  setColor(cr, pal::ink);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_arc(cr, 10, 4, 3, 0, 2 * M_PI);
  setColor(cr, pal::gold);
  cairo_fill(cr);
  // swallow-tailed flag
  cairo_move_to(cr, 11, 8);
  cairo_line_to(cr, w - 3, 8);
  cairo_line_to(cr, w - 3, h * 0.62);
  cairo_line_to(cr, (11 + w) / 2 + 2, h * 0.5);
  cairo_line_to(cr, 11, h * 0.62);
  cairo_close_path(cr);
  setColor(cr, col);
  cairo_fill_preserve(cr);
  setColor(cr, pal::gold);
  cairo_set_line_width(cr, 2);
  cairo_stroke_preserve(cr);
  setColor(cr, pal::ink);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  const char* num[] = {"I", "II", "III"};
  text(cr, num[camp - 1], (11 + w) / 2, h * 0.28, 16, pal::goldLight);
  (void)d;
}

void flag(Canvas& c, Rgb col, const std::string& icon, Detail d) {
  cairo_t* cr = c.cr;
  cairo_move_to(cr, 5, 3);
  cairo_line_to(cr, 5, c.h - 1);
  setColor(cr, pal::ink);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_move_to(cr, 6, 4);
  cairo_curve_to(cr, 14, 1, 20, 7, c.w - 1, 4);
  cairo_line_to(cr, c.w - 3, 24);
  cairo_curve_to(cr, 20, 27, 14, 21, 6, 24);
  cairo_close_path(cr);
  setColor(cr, col);
  cairo_fill_preserve(cr);
  setColor(cr, pal::ink);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  Icons::draw(cr, icon, 11, 6, 16, pal::goldLight);
  (void)d;
}

void walker(Canvas& c, int camp, int facing, Detail d) {
  cairo_t* cr = c.cr;
  Rgb col = camp == 1 ? pal::blue : camp == 2 ? pal::green : pal::purple;
  double a = (facing - 1) * M_PI / 4;  // 1 north, clockwise
  double dx = std::sin(a), dy = -std::cos(a);
  // ground shadow
  cairo_save(cr);
  cairo_translate(cr, 24, 40);
  cairo_scale(cr, 16, 5);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
  cairo_fill(cr);
  bool west = facing >= 6;
  iconShadowed(cr, "mounted-knight", 6, 4, 36, col, d, west);
  // facing chevron on the ground
  double cx = 24 + dx * 15, cy = 26 + dy * 15;
  cairo_move_to(cr, cx + dx * 8, cy + dy * 8);
  cairo_line_to(cr, cx - dy * 6 - dx * 2, cy + dx * 6 - dy * 2);
  cairo_line_to(cr, cx + dy * 6 - dx * 2, cy - dx * 6 - dy * 2);
  cairo_close_path(cr);
  setColor(cr, pal::gold);
  cairo_fill_preserve(cr);
  setColor(cr, pal::ink);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

}  // namespace

void overlayJobs(std::vector<Job>& jobs) {
  jobs.push_back([](Output& o) {
    const char* stages[] = {"keep", "bailey", "fort", "stronghold", "castle"};
    const double scales[] = {0.62, 0.7, 0.78, 0.84, 0.9};
    for (int i = 0; i < 5; ++i) {
      o.picture(stages[i], 192, 160, [&](Canvas& c, Detail d) { castlePicture(c, i, pal::blue, scales[i], d, false); });
      o.picture(std::string(stages[i]) + "1", 128, 112,
                [&](Canvas& c, Detail d) { castlePicture(c, i, pal::red, scales[i], d, false); });
      o.picture(std::string(stages[i]) + "2", 128, 112,
                [&](Canvas& c, Detail d) { castlePicture(c, i, pal::black, scales[i], d, false); });
      // A rival's castle with no lord in the field: a plain white pennant.
      o.picture(std::string(stages[i]) + "0", 128, 112,
                [&](Canvas& c, Detail d) { castlePicture(c, i, hex("#f4efe0"), scales[i], d, false); });
    }
    o.picture("castle_site", 192, 160, [](Canvas& c, Detail d) { castlePicture(c, 0, pal::blue, 0, d, true); });
  });
  jobs.push_back([](Output& o) {
    for (int k = 0; k <= 4; ++k)
      for (int s = 1; s <= 4; ++s)
        o.picture("field_" + std::to_string(k) + "_" + std::to_string(s), 120, 84,
                  [&](Canvas& c, Detail d) { fieldPicture(c, k, s, d); });
  });
  jobs.push_back([](Output& o) {
    struct Cut { const char* name; const char* icon; const char* deco; Rgb field; };
    const Cut cuts[] = {{"wood", "wood-axe", "log", pal::green}, {"stone", "stone-block", "stone-pile", pal::brown},
                        {"ore", "war-pick", "gold-mine", pal::black}};
    for (const Cut& ct : cuts) {
      o.picture(std::string("cutter_") + ct.name, 96, 80, [&](Canvas& c, Detail d) {
        Icons::draw(c.cr, ct.deco, 2, 22, 56, hex("#6e5a44"));
        medallion(c.cr, ct.icon, 66, 40, 26, ct.field, pal::goldLight, d);
      });
      o.picture(std::string("slot_") + ct.name, 64, 64, [&](Canvas& c, Detail d) {
        medallion(c.cr, ct.icon, 32, 32, 29, ct.field, pal::goldLight, d);
      });
    }
    o.picture("slot_empty", 64, 64, [](Canvas& c, Detail d) {
      cairo_arc(c.cr, 32, 32, 28, 0, 2 * M_PI);
      setColor(c.cr, hex("#d9c79c"));
      cairo_fill_preserve(c.cr);
      setColor(c.cr, pal::ink, 0.6);
      double dash[] = {4, 3};
      cairo_set_dash(c.cr, dash, 2, 0);
      cairo_set_line_width(c.cr, 2);
      cairo_stroke(c.cr);
      cairo_set_dash(c.cr, nullptr, 0, 0);
      Icons::draw(c.cr, "person", 14, 14, 36, hex("#a8956e"));
      (void)d;
    });
  });
  jobs.push_back([](Output& o) {
    for (int k = 1; k <= 3; ++k) {
      o.picture("banner" + std::to_string(k), 48, 64, [&](Canvas& c, Detail d) { banner(c, k, d); });
      for (int f = 1; f <= 8; ++f)
        o.picture("walk_" + std::to_string(k) + "_" + std::to_string(f), 48, 48,
                  [&](Canvas& c, Detail d) { walker(c, k, f, d); });
    }
    o.picture("FlagImg", 32, 40, [](Canvas& c, Detail d) { flag(c, pal::blue, "crown", d); });
    o.picture("EFlagImg1", 32, 40, [](Canvas& c, Detail d) { flag(c, pal::red, "crowned-skull", d); });
    o.picture("EFlagImg2", 32, 40, [](Canvas& c, Detail d) { flag(c, pal::black, "wolf-head", d); });
    for (int hv = 0; hv < 2; ++hv)
      o.picture(hv ? "waypoint_hover" : "waypoint", 24, 24, [&](Canvas& c, Detail d) {
        cairo_arc(c.cr, 12, 12, 10.5, 0, 2 * M_PI);
        if (d.high)
          goldFill(c.cr, 0, 0, 8, 8);
        else
          setColor(c.cr, pal::gold);
        cairo_fill_preserve(c.cr);
        setColor(c.cr, pal::ink);
        cairo_set_line_width(c.cr, 1.2);
        cairo_stroke(c.cr);
        cairo_arc(c.cr, 12, 12, 6, 0, 2 * M_PI);
        setColor(c.cr, hv ? hex("#e8452a") : pal::red);
        cairo_fill(c.cr);
        if (hv) {
          cairo_arc(c.cr, 12, 12, 3, 0, 2 * M_PI);
          setColor(c.cr, pal::goldLight);
          cairo_fill(c.cr);
        }
      });
    // Laid under the marker of a waypoint the selected army may walk to: a bright halo with
    // four arrows pointing in, so that the offer stands out from the map's road stations.
    o.picture("waypoint_offer", 48, 48, [&](Canvas& c, Detail d) {
      if (d.high) {
        cairo_pattern_t* glow = cairo_pattern_create_radial(24, 24, 6, 24, 24, 23);
        cairo_pattern_add_color_stop_rgba(glow, 0, pal::goldLight.r, pal::goldLight.g, pal::goldLight.b, 0.85);
        cairo_pattern_add_color_stop_rgba(glow, 1, pal::goldLight.r, pal::goldLight.g, pal::goldLight.b, 0);
        cairo_arc(c.cr, 24, 24, 23, 0, 2 * M_PI);
        cairo_set_source(c.cr, glow);
        cairo_fill(c.cr);
        cairo_pattern_destroy(glow);
      } else {
        cairo_arc(c.cr, 24, 24, 17, 0, 2 * M_PI);
        setColor(c.cr, pal::goldLight, 0.6);
        cairo_fill(c.cr);
      }
      cairo_arc(c.cr, 24, 24, 16, 0, 2 * M_PI);
      cairo_set_line_width(c.cr, 3);
      setColor(c.cr, pal::white);
      cairo_stroke_preserve(c.cr);
      cairo_set_line_width(c.cr, 1.5);
      setColor(c.cr, pal::red);
      cairo_stroke(c.cr);
      for (int q = 0; q < 4; ++q) {
        cairo_save(c.cr);
        cairo_translate(c.cr, 24, 24);
        cairo_rotate(c.cr, q * M_PI / 2);
        cairo_move_to(c.cr, -5, -23);
        cairo_line_to(c.cr, 5, -23);
        cairo_line_to(c.cr, 0, -16.5);
        cairo_close_path(c.cr);
        setColor(c.cr, pal::red);
        cairo_fill_preserve(c.cr);
        setColor(c.cr, pal::ink);
        cairo_set_line_width(c.cr, 1);
        cairo_stroke(c.cr);
        cairo_restore(c.cr);
      }
    });
  });
}

}  // namespace art
