// The level map pictures (four seasons, two detail levels), the map preview and the battle maps.
#include <nlohmann/json.hpp>

#include <cmath>
#include <fstream>

#include "art.h"
#include "scenes.h"

namespace art {
namespace {

using json = nlohmann::json;
struct P {
  double x, y;
};

struct Land {
  int W = 0, H = 0;
  std::map<int, P> wp;
  std::vector<std::pair<int, int>> roads;
  std::vector<std::array<double, 4>> rects;  // control rectangles
  std::vector<std::pair<std::string, std::array<double, 4>>> overlays;  // picture, rect
  std::vector<P> river;                                                  // smoothed
  std::vector<std::vector<P>> roadLines;                                 // smoothed curves
  json terrain;
};

std::vector<P> catmull(const std::vector<P>& pts, int steps) {
  std::vector<P> out;
  for (size_t i = 0; i + 1 < pts.size(); ++i) {
    P p0 = pts[i ? i - 1 : 0], p1 = pts[i], p2 = pts[i + 1], p3 = pts[std::min(i + 2, pts.size() - 1)];
    for (int s = 0; s < steps; ++s) {
      double t = double(s) / steps, t2 = t * t, t3 = t2 * t;
      out.push_back({0.5 * ((2 * p1.x) + (-p0.x + p2.x) * t + (2 * p0.x - 5 * p1.x + 4 * p2.x - p3.x) * t2 +
                            (-p0.x + 3 * p1.x - 3 * p2.x + p3.x) * t3),
                     0.5 * ((2 * p1.y) + (-p0.y + p2.y) * t + (2 * p0.y - 5 * p1.y + 4 * p2.y - p3.y) * t2 +
                            (-p0.y + 3 * p1.y - 3 * p2.y + p3.y) * t3)});
    }
  }
  out.push_back(pts.back());
  return out;
}

double segDist(P p, P a, P b) {
  double vx = b.x - a.x, vy = b.y - a.y, l2 = vx * vx + vy * vy;
  double t = l2 > 0 ? std::clamp(((p.x - a.x) * vx + (p.y - a.y) * vy) / l2, 0.0, 1.0) : 0;
  double dx = a.x + t * vx - p.x, dy = a.y + t * vy - p.y;
  return std::sqrt(dx * dx + dy * dy);
}
double lineDist(P p, const std::vector<P>& l) {
  double m = 1e9;
  for (size_t i = 0; i + 1 < l.size(); ++i) m = std::min(m, segDist(p, l[i], l[i + 1]));
  return m;
}

std::shared_ptr<Land> loadLand(const Config& cfg) {
  auto L = std::make_shared<Land>();
  json m = json::parse(std::ifstream(cfg.sourceDir + "/data/map/level15.json"));
  L->terrain = json::parse(std::ifstream(cfg.sourceDir + "/data/art/map_terrain.json"));
  L->W = m["size"][0];
  L->H = m["size"][1];
  for (auto& [k, v] : m["waypoints"].items()) L->wp[std::stoi(k)] = {v[0].get<double>(), v[1].get<double>()};
  for (auto& r : m["roads"]) L->roads.push_back({r[0], r[1]});
  for (auto& [name, c] : m["controls"].items()) {
    std::array<double, 4> r{c["rect"][0], c["rect"][1], c["rect"][2], c["rect"][3]};
    L->rects.push_back(r);
    if (c.contains("picture") && name.rfind("ArmyCamp", 0) != 0 && name != "SiegeImg" &&
        name.find("Pic") == std::string::npos)
      L->overlays.push_back({c["picture"], r});
  }
  std::vector<P> rv;
  for (auto& p : L->terrain["river"]) rv.push_back({p[0], p[1]});
  L->river = catmull(rv, 12);
  Rng rng(L->terrain["seed"].get<uint64_t>());
  for (auto [a, b] : L->roads) {
    P pa = L->wp[a], pb = L->wp[b];
    double dx = pb.x - pa.x, dy = pb.y - pa.y, len = std::sqrt(dx * dx + dy * dy);
    double nx = -dy / len, ny = dx / len;
    double o1 = rng.range(-0.12, 0.12) * len, o2 = rng.range(-0.12, 0.12) * len;
    std::vector<P> ctrl{pa, {pa.x + dx / 3 + nx * o1, pa.y + dy / 3 + ny * o1},
                        {pa.x + 2 * dx / 3 + nx * o2, pa.y + 2 * dy / 3 + ny * o2}, pb};
    L->roadLines.push_back(catmull(ctrl, 10));
  }
  return L;
}

bool inLake(const Land& L, P p, double grow = 0) {
  for (auto& lk : L.terrain["lakes"]) {
    double cx = lk["centre"][0], cy = lk["centre"][1], rx = lk["radius"][0].get<double>() + grow,
           ry = lk["radius"][1].get<double>() + grow;
    double n = 1 + 0.12 * fbm(p.x / 60.0, p.y / 60.0, 3.3, 2);
    double dx = (p.x - cx) / rx, dy = (p.y - cy) / ry;
    if (dx * dx + dy * dy < n * n) return true;
  }
  return false;
}

double influence(const json& list, P p) {
  double best = 0;
  for (auto& f : list) {
    double cx = f["centre"][0], cy = f["centre"][1], r = f["radius"];
    double d = std::hypot(p.x - cx, p.y - cy) / r;
    best = std::max(best, 1 - d);
  }
  return best;
}

bool clear(const Land& L, P p, double margin) {
  for (auto& r : L.rects)
    if (p.x > r[0] - margin && p.x < r[0] + r[2] + margin && p.y > r[1] - margin && p.y < r[1] + r[3] + margin)
      return false;
  for (auto& [n, w] : L.wp)
    if (std::hypot(p.x - w.x, p.y - w.y) < 26 + margin) return false;
  for (auto& rl : L.roadLines)
    if (lineDist(p, rl) < 12 + margin) return false;
  if (lineDist(p, L.river) < 22 + margin * 0.5) return false;
  if (inLake(L, p, 16)) return false;
  return true;
}

void stroke(cairo_t* cr, const std::vector<P>& l) {
  cairo_move_to(cr, l[0].x, l[0].y);
  for (size_t i = 1; i < l.size(); ++i) cairo_line_to(cr, l[i].x, l[i].y);
}

void drawMountain(cairo_t* cr, double x, double y, double s, int season, Detail d) {
  cairo_move_to(cr, x - s, y);
  cairo_line_to(cr, x - s * 0.1, y - s * 1.2);
  cairo_line_to(cr, x + s * 0.15, y - s * 1.0);
  cairo_line_to(cr, x + s, y);
  cairo_close_path(cr);
  setColor(cr, season == 4 ? hex("#f2f3f4") : hex("#c9b995"));
  cairo_fill_preserve(cr);
  setColor(cr, pal::ink, 0.9);
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
  // shaded flank
  cairo_move_to(cr, x - s * 0.1, y - s * 1.2);
  cairo_line_to(cr, x + s * 0.15, y - s * 1.0);
  cairo_line_to(cr, x + s, y);
  cairo_line_to(cr, x + s * 0.05, y);
  cairo_close_path(cr);
  setColor(cr, season == 4 ? hex("#b9c3cc") : hex("#8f7d5e"), 0.6);
  cairo_fill(cr);
  // snow cap
  if (season != 2 || d.high) {
    cairo_move_to(cr, x - s * 0.1, y - s * 1.2);
    cairo_line_to(cr, x + s * 0.15, y - s * 1.0);
    cairo_line_to(cr, x + s * 0.3, y - s * 0.75);
    cairo_line_to(cr, x + s * 0.05, y - s * 0.85);
    cairo_line_to(cr, x - s * 0.3, y - s * 0.8);
    cairo_close_path(cr);
    setColor(cr, pal::white);
    cairo_fill(cr);
  }
  if (d.high) {
    setColor(cr, pal::ink, 0.45);
    cairo_set_line_width(cr, 0.8);
    for (int k = 1; k < 5; ++k) {
      double t = k / 5.0;
      cairo_move_to(cr, x + s * 0.15 + t * s * 0.7, y - s * (1.0 - t));
      cairo_line_to(cr, x + s * 0.05 + t * s * 0.5, y - 1);
    }
    cairo_stroke(cr);
  }
}

void drawLandMap(Canvas& c, const Land& L, int season, Detail d) {
  cairo_t* cr = c.cr;
  // base: parchment washed with the season's colour
  parchment(c, 0, 0, L.W, L.H, d, 77 + season);
  {
    cairo_surface_flush(c.s);
    unsigned char* data = cairo_image_surface_get_data(c.s);
    int stride = cairo_image_surface_get_stride(c.s);
    Rgb g = grassColour(season);
    CoarseNoise wash(L.W, L.H, 300.0, 1.7, 3, 8);
    for (int y = 0; y < L.H; ++y) {
      uint32_t* row = reinterpret_cast<uint32_t*>(data + y * stride);
      for (int x = 0; x < L.W; ++x) {
        double n = d.high ? wash.at(x, y) : 0;
        double t = (season == 4 ? 0.68 : 0.42) + 0.18 * n;
        uint32_t v = row[x];
        double r = ((v >> 16) & 255) / 255.0, gg = ((v >> 8) & 255) / 255.0, b = (v & 255) / 255.0;
        r = r * (1 - t) + g.r * t * (r / 0.9);
        gg = gg * (1 - t) + g.g * t * (gg / 0.85);
        b = b * (1 - t) + g.b * t * (b / 0.7);
        row[x] = 0xff000000u | (uint32_t(std::clamp(r, 0.0, 1.0) * 255) << 16) |
                 (uint32_t(std::clamp(gg, 0.0, 1.0) * 255) << 8) | uint32_t(std::clamp(b, 0.0, 1.0) * 255);
      }
    }
    cairo_surface_mark_dirty(c.s);
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  Rgb water = season == 4 ? hex("#c9dce6") : hex("#6c9cc4");
  Rgb waterDeep = season == 4 ? hex("#b3cad8") : hex("#4f7fab");
  // river, widening downstream
  {
    const auto& rv = L.river;
    double w0 = L.terrain["river_width"][0], w1 = L.terrain["river_width"][1];
    for (int pass = 0; pass < (d.high ? 3 : 2); ++pass)
      for (size_t i = 0; i + 1 < rv.size(); ++i) {
        double t = double(i) / rv.size(), w = w0 + (w1 - w0) * t;
        cairo_move_to(cr, rv[i].x, rv[i].y);
        cairo_line_to(cr, rv[i + 1].x, rv[i + 1].y);
        if (pass == 0) {
          setColor(cr, pal::ink);
          cairo_set_line_width(cr, w + 4);
        } else if (pass == 1) {
          setColor(cr, water);
          cairo_set_line_width(cr, w);
        } else {
          setColor(cr, shade(water, 1.25), 0.7);
          cairo_set_line_width(cr, std::max(1.0, w * 0.2));
        }
        cairo_stroke(cr);
      }
  }
  // lakes
  for (auto& lk : L.terrain["lakes"]) {
    double cx = lk["centre"][0], cy = lk["centre"][1], rx = lk["radius"][0], ry = lk["radius"][1];
    auto path = [&](double grow) {
      cairo_new_path(cr);
      for (int i = 0; i <= 72; ++i) {
        double a = i * 2 * M_PI / 72;
        double px = cx + std::cos(a) * rx, py = cy + std::sin(a) * ry;
        double n = 1 + 0.12 * fbm(px / 60.0, py / 60.0, 3.3, 2);
        double gx = cx + std::cos(a) * (rx * n + grow), gy = cy + std::sin(a) * (ry * n + grow);
        if (i == 0) cairo_move_to(cr, gx, gy); else cairo_line_to(cr, gx, gy);
      }
      cairo_close_path(cr);
    };
    path(0);
    setColor(cr, water);
    cairo_fill_preserve(cr);
    setColor(cr, pal::ink);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    if (d.high)
      for (int k = 1; k <= 3; ++k) {
        path(-k * 12.0);
        setColor(cr, k % 2 ? waterDeep : shade(water, 1.2), 0.6);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
      }
  }
  // forests, hills and mountains on a jittered grid (top to bottom for correct overlap)
  Rng rng(L.terrain["seed"].get<uint64_t>() + season * 0);
  struct Glyph {
    double x, y, s, v;
    int kind;  // 0 tree, 1 conifer, 2 hill, 3 mountain, 4 house
  };
  std::vector<Glyph> glyphs;
  double cell = 26;
  for (double gy = 0; gy < L.H + cell; gy += cell * 0.8)
    for (double gx = 0; gx < L.W + cell; gx += cell) {
      P p{gx + rng.range(-cell * 0.45, cell * 0.45), gy + rng.range(-cell * 0.4, cell * 0.4)};
      double r1 = rng.uni(), r2 = rng.uni(), r3 = rng.uni();
      double mount = influence(L.terrain["mountains"], p);
      double forest = influence(L.terrain["forests"], p) + 0.25 * fbm(p.x / 90.0, p.y / 90.0, 9.1, 2);
      double hill = fbm(p.x / 260.0, p.y / 260.0, 5.5, 3);
      if (mount > 0.15 && r1 < 0.16 + mount) {
        if (clear(L, p, 30)) glyphs.push_back({p.x, p.y, 22 + 26 * mount + r2 * 10, r3, 3});
      } else if (forest > 0.2 && r1 < 0.55 + forest) {
        if (clear(L, p, 4)) glyphs.push_back({p.x, p.y, 15 + r2 * 6, r3, r3 < 0.3 + mount ? 1 : 0});
      } else if (hill > 0.22 && r1 < 0.22) {
        if (clear(L, p, 14)) glyphs.push_back({p.x, p.y, 20 + r2 * 12, r3, 2});
      } else if (r1 < 0.012) {
        if (clear(L, p, 4)) glyphs.push_back({p.x, p.y, 14 + r2 * 4, r3, r3 < 0.5 ? 1 : 0});
      }
    }
  // hamlets: little houses in clusters
  if (L.terrain.contains("hamlets"))
    for (auto& hm : L.terrain["hamlets"]) {
      double cx = hm[0], cy = hm[1];
      int n = hm[2];
      for (int i = 0, tries = 0; i < n && tries < 60; ++tries) {
        P p{cx + rng.range(-55, 55), cy + rng.range(-35, 35)};
        if (!clear(L, p, 6)) continue;
        glyphs.push_back({p.x, p.y, 1, rng.uni(), 4});
        ++i;
      }
    }
  std::stable_sort(glyphs.begin(), glyphs.end(), [](const Glyph& a, const Glyph& b) { return a.y < b.y; });
  if (!d.high) {  // low detail: fewer glyphs
    std::vector<Glyph> keep;
    for (size_t i = 0; i < glyphs.size(); ++i)
      if (glyphs[i].kind >= 2 || i % 3 != 0) keep.push_back(glyphs[i]);
    glyphs.swap(keep);
  }
  for (auto& g : glyphs) {
    if (g.kind == 4) {  // a house: gable end and roof
      double w = 15, h = 9;
      cairo_rectangle(cr, g.x - w / 2, g.y - h, w, h);
      setColor(cr, hex("#efe4c8"));
      cairo_fill_preserve(cr);
      setColor(cr, pal::ink);
      cairo_set_line_width(cr, 1.1);
      cairo_stroke(cr);
      cairo_move_to(cr, g.x - w / 2 - 2, g.y - h);
      cairo_line_to(cr, g.x - w / 2 + 3, g.y - h - 8);
      cairo_line_to(cr, g.x + w / 2 + 3, g.y - h - 8);
      cairo_line_to(cr, g.x + w / 2 + 2, g.y - h);
      cairo_close_path(cr);
      setColor(cr, season == 4 ? pal::white : (g.v < 0.5 ? hex("#a4452a") : hex("#8a6a3a")));
      cairo_fill_preserve(cr);
      setColor(cr, pal::ink);
      cairo_stroke(cr);
      cairo_rectangle(cr, g.x - 1.5, g.y - 5, 3, 5);
      cairo_fill(cr);
      continue;
    }
    if (g.kind == 3) drawMountain(cr, g.x, g.y, g.s, season, d);
    else if (g.kind == 2) drawHill(cr, g.x, g.y, g.s, season, d);
    else drawTree(cr, g.x, g.y, g.s, season, g.kind == 1, g.v, d);
  }
  // roads
  for (int pass = 0; pass < 2; ++pass)
    for (auto& rl : L.roadLines) {
      stroke(cr, rl);
      if (pass == 0) {
        setColor(cr, pal::ink, 0.85);
        cairo_set_line_width(cr, d.high ? 8 : 7);
      } else {
        setColor(cr, season == 4 ? hex("#d8cfc0") : hex("#d9bc82"));
        cairo_set_line_width(cr, d.high ? 4.5 : 4);
      }
      cairo_stroke(cr);
    }
  if (d.high) {  // wheel ruts
    double dash[] = {6, 7};
    cairo_set_dash(cr, dash, 2, 0);
    for (auto& rl : L.roadLines) {
      stroke(cr, rl);
      setColor(cr, hex("#8a6a3a"), 0.7);
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
    }
    cairo_set_dash(cr, nullptr, 0, 0);
  }
  // bridges where roads cross the river
  for (auto& rl : L.roadLines)
    for (size_t i = 0; i + 1 < rl.size(); ++i) {
      P m{(rl[i].x + rl[i + 1].x) / 2, (rl[i].y + rl[i + 1].y) / 2};
      if (lineDist(m, L.river) < 3.5) {
        double a = std::atan2(rl[i + 1].y - rl[i].y, rl[i + 1].x - rl[i].x);
        cairo_save(cr);
        cairo_translate(cr, m.x, m.y);
        cairo_rotate(cr, a);
        cairo_rectangle(cr, -24, -8, 48, 16);
        setColor(cr, hex("#b7a282"));
        cairo_fill_preserve(cr);
        setColor(cr, pal::ink);
        cairo_set_line_width(cr, 1.8);
        cairo_stroke(cr);
        cairo_move_to(cr, -24, -8); cairo_line_to(cr, 24, -8);
        cairo_move_to(cr, -24, 8); cairo_line_to(cr, 24, 8);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        for (int k = -16; k <= 16; k += 8) {
          cairo_move_to(cr, k, -6); cairo_line_to(cr, k, 6);
        }
        setColor(cr, pal::ink, 0.5);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        cairo_restore(cr);
        i += 6;
      }
    }
  // waypoint stations: small inked rings
  for (auto& [n, w] : L.wp) {
    cairo_arc(cr, w.x, w.y, 6, 0, 2 * M_PI);
    setColor(cr, hex("#efe2bd"));
    cairo_fill_preserve(cr);
    setColor(cr, pal::ink);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    cairo_arc(cr, w.x, w.y, 2, 0, 2 * M_PI);
    setColor(cr, pal::red);
    cairo_fill(cr);
  }
  // names
  for (auto& lb : L.terrain["labels"]) {
    cairo_save(cr);
    cairo_translate(cr, lb["at"][0].get<double>(), lb["at"][1].get<double>());
    cairo_rotate(cr, lb.value("angle", 0.0) * M_PI / 180);
    std::string s = lb["text"];
    double size = lb["size"];
    // a soft parchment halo keeps the names readable over trees and hills
    cairo_select_font_face(cr, "EB Garamond 12", CAIRO_FONT_SLANT_ITALIC, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    cairo_move_to(cr, -e.width / 2 - e.x_bearing, -e.height / 2 - e.y_bearing);
    cairo_text_path(cr, s.c_str());
    setColor(cr, hex("#efe2bd"), 0.85);
    cairo_set_line_width(cr, size * 0.22);
    cairo_stroke(cr);
    text(cr, s, 0, 0, size, hex("#4a2c14"), true, true);
    cairo_restore(cr);
  }
  // compass rose in the south-east
  {
    double cx = L.W - 90, cy = L.H - 110, r = 60;
    for (int k = 0; k < 8; ++k) {
      double a = k * M_PI / 4 - M_PI / 2, rr = k % 2 ? r * 0.55 : r;
      double ax = std::cos(a), ay = std::sin(a), px = -ay, py = ax;
      for (int side = 0; side < 2; ++side) {
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + ax * rr, cy + ay * rr);
        double sgn = side ? 1 : -1;
        cairo_line_to(cr, cx + ax * rr * 0.25 + px * rr * 0.12 * sgn, cy + ay * rr * 0.25 + py * rr * 0.12 * sgn);
        cairo_close_path(cr);
        setColor(cr, side ? (k == 0 ? pal::red : pal::ink) : pal::parchment);
        cairo_fill_preserve(cr);
        setColor(cr, pal::ink);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
      }
    }
    cairo_arc(cr, cx, cy, r * 0.22, 0, 2 * M_PI);
    setColor(cr, pal::gold);
    cairo_fill_preserve(cr);
    setColor(cr, pal::ink);
    cairo_stroke(cr);
    text(cr, "N", cx, cy - r - 14, 24, pal::ink);
  }
  goldBorder(cr, 0, 0, L.W, L.H, 10, d);
}

void compositeOverlays(cairo_t* cr, const Land& L, const std::string& gameDir, const std::string& folder) {
  for (auto& [pic, r] : L.overlays) {
    std::string path = gameDir + "/graphics/" + folder + "/" + pic + ".png";
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
      cairo_save(cr);
      cairo_translate(cr, r[0], r[1]);
      cairo_scale(cr, r[2] / cairo_image_surface_get_width(s), r[3] / cairo_image_surface_get_height(s));
      cairo_set_source_surface(cr, s, 0, 0);
      cairo_paint(cr);
      cairo_restore(cr);
    }
    cairo_surface_destroy(s);
  }
}

// ---- battle maps ----
void battleMap(Canvas& c, const std::string& name, bool winter, Detail d) {
  cairo_t* cr = c.cr;
  uint64_t seed = seedOf(name);
  Rgb g1 = winter ? hex("#e9ecee") : hex("#7f9a4c"), g2 = winter ? hex("#cfd6dc") : hex("#a3a65a");
  if (name.rfind("ruins", 0) == 0 && !winter) g1 = hex("#8b8a5a");
  cairo_surface_flush(c.s);
  unsigned char* data = cairo_image_surface_get_data(c.s);
  int stride = cairo_image_surface_get_stride(c.s);
  double z = (seed % 100) * 0.31;
  CoarseNoise big(c.w, c.h, 220.0, z, 4, 8), grainN(c.w, c.h, 9.0, z + 3, 2, 2);
  for (int y = 0; y < c.h; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < c.w; ++x) {
      double n = d.high ? 0.5 + 0.5 * big.at(x, y) : 0.5;
      double grain = d.high ? 0.05 * grainN.at(x, y) : 0;
      Rgb col = shade(mix(g1, g2, n), 1 + grain);
      row[x] = 0xff000000u | (uint32_t(std::clamp(col.r, 0.0, 1.0) * 255) << 16) |
               (uint32_t(std::clamp(col.g, 0.0, 1.0) * 255) << 8) | uint32_t(std::clamp(col.b, 0.0, 1.0) * 255);
    }
  }
  cairo_surface_mark_dirty(c.s);
  Rng rng(seed);
  int season = winter ? 4 : 2;
  // a road or stream across some maps
  if (name == "field2" || name == "field4" || name == "village1") {
    cairo_move_to(cr, -20, rng.range(300, 700));
    cairo_curve_to(cr, 400, rng.range(200, 800), 800, rng.range(200, 800), 1300, rng.range(300, 700));
    bool stream = name == "field2";
    setColor(cr, stream ? (winter ? hex("#c6dbe6") : hex("#5f8fb8")) : (winter ? hex("#d9d3c8") : hex("#c2a070")));
    cairo_set_line_width(cr, stream ? 40 : 34);
    cairo_stroke(cr);
  }
  // clumps of trees and rocks along the edges, leaving the middle open for the armies
  int n = d.high ? 140 : 70;
  std::vector<std::array<double, 4>> items;
  for (int i = 0; i < n; ++i) {
    double x = rng.range(0, c.w), y = rng.range(0, c.h);
    double cx = (x - c.w / 2) / (c.w / 2), cy = (y - c.h / 2) / (c.h / 2);
    if (cx * cx + cy * cy < 0.45) continue;
    items.push_back({x, y, rng.range(20, 40), rng.uni()});
  }
  std::sort(items.begin(), items.end(), [](auto& a, auto& b) { return a[1] < b[1]; });
  for (auto& it : items) {
    if (it[3] < 0.15) {
      cairo_arc(cr, it[0], it[1], it[2] * 0.5, 0, 2 * M_PI);
      setColor(cr, winter ? hex("#b8bcc0") : hex("#8d877a"));
      cairo_fill_preserve(cr);
      setColor(cr, pal::ink, 0.6);
      cairo_set_line_width(cr, 1.5);
      cairo_stroke(cr);
    } else {
      drawTree(cr, it[0], it[1], it[2] * 1.3, season, it[3] < 0.45, it[3], d);
    }
  }
  // site features
  auto house = [&](double x, double y, double w, double h, Rgb roof) {
    cairo_rectangle(cr, x + 4, y + 5, w, h);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_fill(cr);
    cairo_rectangle(cr, x, y, w, h);
    setColor(cr, winter ? hex("#f2f2f2") : roof);
    cairo_fill_preserve(cr);
    setColor(cr, pal::ink);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_move_to(cr, x, y + h / 2);
    cairo_line_to(cr, x + w, y + h / 2);
    cairo_stroke(cr);
  };
  if (name == "village1") {
    for (int i = 0; i < 9; ++i)
      house(rng.range(150, 1050), rng.range(80, 260) + (i % 2) * 620, rng.range(70, 110), rng.range(50, 70),
            i % 2 ? hex("#9c4a2a") : hex("#b08a4a"));
  }
  if (name == "ruins1") {
    setColor(cr, hex("#9a9386"));
    for (int i = 0; i < 14; ++i) {
      double x = rng.range(100, 1100), y = rng.range(60, 960);
      double cx = (x - c.w / 2) / (c.w / 2), cy = (y - c.h / 2) / (c.h / 2);
      if (cx * cx + cy * cy < 0.3) continue;
      cairo_rectangle(cr, x, y, rng.uni() < 0.5 ? rng.range(60, 180) : 18, rng.uni() < 0.5 ? 18 : rng.range(60, 160));
      setColor(cr, hex("#9a9386"));
      cairo_fill_preserve(cr);
      setColor(cr, pal::ink);
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
    }
  }
  // Castle maps: a rival's ("keep1", "castle2") stands at the top, where the defenders
  // (army 1) deploy; the county's own ("keep" .. "castle"), defended by the player's army
  // 0 from the bottom, is the same castle mirrored.
  const char* stages[] = {"keep", "bailey", "fort", "stronghold", "castle"};
  for (int s = 0; s < 5; ++s)
    if (name == stages[s] || name == std::string(stages[s]) + "1" || name == std::string(stages[s]) + "2") {
      const bool own = name == stages[s];
      cairo_save(cr);
      if (own) {
        cairo_translate(cr, 0, c.h);
        cairo_scale(cr, 1, -1);
      }
      double ww = 360 + s * 150, x0 = (c.w - ww) / 2, y0 = 40, hh = 150 + s * 25;
      cairo_rectangle(cr, x0 + 8, y0 + 10, ww, hh);
      cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
      cairo_fill(cr);
      cairo_rectangle(cr, x0, y0, ww, hh);
      setColor(cr, winter ? hex("#dfe1e3") : hex("#a59d8e"));
      cairo_fill_preserve(cr);
      setColor(cr, pal::ink);
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
      // courtyard, stone courses and the keep inside the curtain wall
      cairo_rectangle(cr, x0 + 26, y0 + 20, ww - 52, hh - 50);
      setColor(cr, winter ? hex("#f4f4f4") : hex("#b9a889"));
      cairo_fill_preserve(cr);
      setColor(cr, pal::ink, 0.7);
      cairo_set_line_width(cr, 1.5);
      cairo_stroke(cr);
      setColor(cr, pal::ink, 0.18);
      cairo_set_line_width(cr, 1);
      for (double yy = y0 + 6; yy < y0 + hh; yy += 10) {
        cairo_move_to(cr, x0, yy);
        cairo_line_to(cr, x0 + 26, yy);
        cairo_move_to(cr, x0 + ww - 26, yy);
        cairo_line_to(cr, x0 + ww, yy);
      }
      cairo_stroke(cr);
      double kw = 90 + s * 25, kh = 60 + s * 8;
      cairo_rectangle(cr, c.w / 2.0 - kw / 2, y0 + 30, kw, kh);
      setColor(cr, winter ? hex("#d6d9dc") : hex("#8f8778"));
      cairo_fill_preserve(cr);
      setColor(cr, pal::ink);
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
      cairo_move_to(cr, c.w / 2.0 - kw / 2, y0 + 30);
      cairo_line_to(cr, c.w / 2.0, y0 + 30 + kh / 2);
      cairo_line_to(cr, c.w / 2.0 + kw / 2, y0 + 30);
      cairo_move_to(cr, c.w / 2.0, y0 + 30 + kh / 2);
      cairo_line_to(cr, c.w / 2.0, y0 + 30 + kh);
      cairo_stroke(cr);
      // battlements
      for (double x = x0; x < x0 + ww - 10; x += 24) {
        cairo_rectangle(cr, x, y0 + hh - 14, 12, 14);
      }
      setColor(cr, hex("#7b7467"));
      cairo_fill(cr);
      int towers = 2 + s;
      for (int t = 0; t < towers; ++t) {
        double tx = x0 + t * ww / (towers - 1);
        if (std::abs(tx - c.w / 2.0) < 60) continue;  // the gate stands there
        cairo_arc(cr, tx, y0 + hh, 36 + s * 4, 0, 2 * M_PI);
        setColor(cr, winter ? hex("#e9eaeb") : hex("#8f8778"));
        cairo_fill_preserve(cr);
        setColor(cr, pal::ink);
        cairo_stroke(cr);
        cairo_arc(cr, tx, y0 + hh, 16, 0, 2 * M_PI);
        setColor(cr, pal::red);
        cairo_fill(cr);
      }
      // gate
      cairo_rectangle(cr, c.w / 2.0 - 40, y0 + hh - 10, 80, 40);
      setColor(cr, hex("#4a3420"));
      cairo_fill(cr);
      cairo_restore(cr);
    }
  if (winter && d.high) {
    for (int i = 0; i < 600; ++i) {
      cairo_arc(cr, rng.range(0, c.w), rng.range(0, c.h), rng.range(1, 2.5), 0, 2 * M_PI);
      setColor(cr, pal::white, 0.8);
      cairo_fill(cr);
    }
  }
}

}  // namespace

void mapJobs(const Config& cfg, std::vector<Job>& jobs) {
  auto L = loadLand(cfg);
  for (int season = 1; season <= 4; ++season)
    for (bool high : {true, false})
      jobs.push_back([L, season, high](Output& o) {
        Canvas c(L->W, L->H);
        drawLandMap(c, *L, season, Detail{high});
        const std::string folder = std::string("graphics/") + (high ? "high" : "low");
        o.png("graphics", folder + "/map_s" + std::to_string(season) + ".png", c.s);
        // The map preview's ground in the same season: the land scaled down, its names
        // written again at a size that reads in the preview (the halo of each covers the
        // shrunken name beneath). Fields, castle and objects are laid over it by the
        // preview screen from the game.
        Canvas pv(720, 540);
        const double k = 720.0 / L->W;
        cairo_save(pv.cr);
        cairo_scale(pv.cr, k, 540.0 / L->H);
        cairo_set_source_surface(pv.cr, c.s, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(pv.cr), CAIRO_FILTER_GOOD);
        cairo_paint(pv.cr);
        cairo_restore(pv.cr);
        for (auto& lb : L->terrain["labels"]) {
          const std::string name = lb["text"];
          const double size = std::max(17.0, lb["size"].get<double>() * k * 1.25);
          cairo_save(pv.cr);
          cairo_translate(pv.cr, lb["at"][0].get<double>() * k, lb["at"][1].get<double>() * 540.0 / L->H);
          cairo_rotate(pv.cr, lb.value("angle", 0.0) * M_PI / 180);
          cairo_select_font_face(pv.cr, "EB Garamond 12", CAIRO_FONT_SLANT_ITALIC, CAIRO_FONT_WEIGHT_NORMAL);
          cairo_set_font_size(pv.cr, size);
          cairo_text_extents_t e;
          cairo_text_extents(pv.cr, name.c_str(), &e);
          cairo_move_to(pv.cr, -e.width / 2 - e.x_bearing, -e.height / 2 - e.y_bearing);
          cairo_text_path(pv.cr, name.c_str());
          setColor(pv.cr, hex("#efe2bd"), 0.95);
          cairo_set_line_width(pv.cr, size * 0.3);
          cairo_stroke(pv.cr);
          text(pv.cr, name, 0, 0, size, hex("#3a200c"), true, true);
          cairo_restore(pv.cr);
        }
        o.png("graphics", folder + "/map_preview_s" + std::to_string(season) + ".png", pv.s);
      });
  const char* names[] = {"field1", "field2",  "field3", "field4",      "village1", "ruins1",
                         "keep",   "bailey",  "fort",   "stronghold",  "castle",
                         "keep1",  "bailey1", "fort1",  "stronghold1", "castle1",
                         "keep2",  "bailey2", "fort2",  "stronghold2", "castle2"};
  for (const char* n : names)
    for (int v = 0; v < 4; ++v)
      jobs.push_back([n = std::string(n), v](Output& o) {
        bool low = v & 1, winter = v & 2;
        Canvas c(1280, 1024);
        battleMap(c, n, winter, Detail{!low});
        o.png("battlemaps", "level15/" + n + (low ? "_low" : "") + (winter ? "_winter" : "") + ".mbf", c.s);
      });
}

// The full-size spring map with its overlays, for looking at it (--composite): it needs
// the map and the overlay pictures, so it runs after the other jobs.
void compositeJob(const Config& cfg, Output& o, const std::string& compositeOut) {
  if (compositeOut.empty()) return;
  auto L = loadLand(cfg);
  std::string mp = o.dir() + "/graphics/high/map_s1.png";
  cairo_surface_t* map = cairo_image_surface_create_from_png(mp.c_str());
  Canvas full(L->W, L->H);
  cairo_set_source_surface(full.cr, map, 0, 0);
  cairo_paint(full.cr);
  cairo_surface_destroy(map);
  compositeOverlays(full.cr, *L, o.dir(), "high");
  cairo_surface_write_to_png(full.s, compositeOut.c_str());
}

}  // namespace art
