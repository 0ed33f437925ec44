// Colours, noise, parchment, gold borders, text, icons and the output registry.
#include <librsvg/rsvg.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "art.h"

#define STB_PERLIN_IMPLEMENTATION
#include <stb/stb_perlin.h>

namespace fs = std::filesystem;

namespace art {

Rgb hex(const std::string& h) {
  unsigned v = std::stoul(h.substr(h[0] == '#' ? 1 : 0), nullptr, 16);
  return {((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0};
}
Rgb mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
Rgb shade(Rgb a, double f) {
  if (f <= 1) return {a.r * f, a.g * f, a.b * f};
  double t = f - 1;
  return mix(a, {1, 1, 1}, t);
}
void setColor(cairo_t* cr, Rgb c, double a) { cairo_set_source_rgba(cr, c.r, c.g, c.b, a); }

uint64_t Rng::next() {
  uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}
double Rng::uni() { return (next() >> 11) * (1.0 / 9007199254740992.0); }
double Rng::range(double a, double b) { return a + (b - a) * uni(); }
int Rng::irange(int a, int b) { return a + static_cast<int>(uni() * (b - a + 1)); }
uint64_t seedOf(const std::string& s) {
  uint64_t h = 1469598103934665603ull;
  for (unsigned char ch : s) h = (h ^ ch) * 1099511628211ull;
  return h;
}

double fbm(double x, double y, double z, int octaves) {
  return stb_perlin_fbm_noise3(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z), 2.0f, 0.5f,
                               octaves);
}

CoarseNoise::CoarseNoise(int w, int h, double scale, double z, int octaves, int st)
    : gw(w / st + 2), gh(h / st + 2), step(st), v(size_t(gw) * gh) {
  for (int j = 0; j < gh; ++j)
    for (int i = 0; i < gw; ++i) v[size_t(j) * gw + i] = float(fbm(i * st / scale, j * st / scale, z, octaves));
}
double CoarseNoise::at(int x, int y) const {
  int i = x / step, j = y / step;
  double fx = double(x % step) / step, fy = double(y % step) / step;
  const float* r0 = &v[size_t(j) * gw + i];
  const float* r1 = r0 + gw;
  return (r0[0] * (1 - fx) + r0[1] * fx) * (1 - fy) + (r1[0] * (1 - fx) + r1[1] * fx) * fy;
}

Canvas::Canvas(int w_, int h_) : w(w_), h(h_) {
  s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cr = cairo_create(s);
}
Canvas::~Canvas() {
  cairo_destroy(cr);
  cairo_surface_destroy(s);
}

void roundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void shieldPath(cairo_t* cr, double x, double y, double w, double h) {
  cairo_new_path(cr);
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x + w, y);
  cairo_line_to(cr, x + w, y + h * 0.45);
  cairo_curve_to(cr, x + w, y + h * 0.78, x + w * 0.7, y + h * 0.9, x + w / 2, y + h);
  cairo_curve_to(cr, x + w * 0.3, y + h * 0.9, x, y + h * 0.78, x, y + h * 0.45);
  cairo_close_path(cr);
}

void parchment(Canvas& c, double x0, double y0, double w, double h, Detail d, uint64_t seed, Rgb base) {
  cairo_surface_flush(c.s);
  unsigned char* data = cairo_image_surface_get_data(c.s);
  int stride = cairo_image_surface_get_stride(c.s);
  double z = (seed % 1000) * 0.37;
  std::unique_ptr<CoarseNoise> big, mid;
  if (d.high) {
    big = std::make_unique<CoarseNoise>(c.w, c.h, 180.0, z, 4, 6);
    mid = std::make_unique<CoarseNoise>(c.w, c.h, 14.0, z + 5, 2, 2);
  }
  int xa = std::max(0, (int)x0), ya = std::max(0, (int)y0);
  int xb = std::min(c.w, (int)(x0 + w)), yb = std::min(c.h, (int)(y0 + h));
  for (int y = ya; y < yb; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = xa; x < xb; ++x) {
      double u = (x - x0) / w, v = (y - y0) / h;
      double ex = std::min(u, 1 - u), ey = std::min(v, 1 - v);
      double edge = std::min(ex * w, ey * h);
      double vig = 1.0 - 0.22 * std::exp(-edge / 40.0) - 0.06 * (std::pow(std::abs(u - 0.5) * 2, 3) +
                                                              std::pow(std::abs(v - 0.5) * 2, 3));
      double n = 0;
      if (d.high) {
        n = 0.055 * big->at(x, y) + 0.025 * mid->at(x, y) + 0.012 * fbm(x / 3.0, y / 40.0, z + 9, 1);
      }
      double f = vig + n;
      double r = std::clamp(base.r * f, 0.0, 1.0), g = std::clamp(base.g * f, 0.0, 1.0),
             b = std::clamp(base.b * (f - 0.02), 0.0, 1.0);
      row[x] = 0xff000000u | (uint32_t(r * 255) << 16) | (uint32_t(g * 255) << 8) | uint32_t(b * 255);
    }
  }
  cairo_surface_mark_dirty(c.s);
}

void fieldSource(cairo_t* cr, cairo_pattern_t* p, Rgb field, double light, double dark, Detail d) {
  if (d.high) {
    Rgb l = shade(field, light), k = shade(field, dark);
    cairo_pattern_add_color_stop_rgb(p, 0, l.r, l.g, l.b);
    cairo_pattern_add_color_stop_rgb(p, 1, k.r, k.g, k.b);
    cairo_set_source(cr, p);
  } else {
    setColor(cr, field);
  }
  cairo_pattern_destroy(p);
}

void goldFill(cairo_t* cr, double x0, double y0, double x1, double y1) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
  cairo_pattern_add_color_stop_rgb(p, 0.0, pal::goldDark.r, pal::goldDark.g, pal::goldDark.b);
  cairo_pattern_add_color_stop_rgb(p, 0.35, pal::goldLight.r, pal::goldLight.g, pal::goldLight.b);
  cairo_pattern_add_color_stop_rgb(p, 0.55, pal::gold.r, pal::gold.g, pal::gold.b);
  cairo_pattern_add_color_stop_rgb(p, 0.8, pal::goldLight.r, pal::goldLight.g, pal::goldLight.b);
  cairo_pattern_add_color_stop_rgb(p, 1.0, pal::goldDark.r, pal::goldDark.g, pal::goldDark.b);
  cairo_pattern_set_extend(p, CAIRO_EXTEND_REFLECT);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
}

void goldBorder(cairo_t* cr, double x, double y, double w, double h, double bw, Detail d) {
  cairo_save(cr);
  // gold band
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_rectangle(cr, x, y, w, h);
  cairo_rectangle(cr, x + bw, y + bw, w - 2 * bw, h - 2 * bw);
  if (d.high)
    goldFill(cr, x, y, x + w * 0.15, y + h * 0.25);
  else
    setColor(cr, pal::gold);
  cairo_fill(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  // ink rules
  setColor(cr, pal::ink, 0.9);
  cairo_set_line_width(cr, std::max(1.0, bw * 0.12));
  cairo_rectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1);
  cairo_stroke(cr);
  cairo_rectangle(cr, x + bw - 0.5, y + bw - 0.5, w - 2 * bw + 1, h - 2 * bw + 1);
  cairo_stroke(cr);
  // thin vermilion rule inside
  setColor(cr, pal::red, 0.85);
  cairo_set_line_width(cr, std::max(1.0, bw * 0.14));
  double o = bw + std::max(3.0, bw * 0.4);
  cairo_rectangle(cr, x + o, y + o, w - 2 * o, h - 2 * o);
  cairo_stroke(cr);
  // corner bosses
  double r = bw * 0.95;
  double cx[4] = {x + bw / 2, x + w - bw / 2, x + bw / 2, x + w - bw / 2};
  double cy[4] = {y + bw / 2, y + bw / 2, y + h - bw / 2, y + h - bw / 2};
  for (int i = 0; i < 4; ++i) {
    cairo_save(cr);
    cairo_translate(cr, cx[i], cy[i]);
    cairo_rotate(cr, M_PI / 4);
    cairo_rectangle(cr, -r * 0.7, -r * 0.7, r * 1.4, r * 1.4);
    cairo_restore(cr);
    if (d.high)
      goldFill(cr, cx[i] - r, cy[i] - r, cx[i] + r, cy[i] + r);
    else
      setColor(cr, pal::gold);
    cairo_fill_preserve(cr);
    setColor(cr, pal::ink);
    cairo_set_line_width(cr, std::max(1.0, bw * 0.12));
    cairo_stroke(cr);
    cairo_arc(cr, cx[i], cy[i], r * 0.32, 0, 2 * M_PI);
    setColor(cr, pal::red);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

void text(cairo_t* cr, const std::string& s, double cx, double cy, double size, Rgb c, bool title, bool italic) {
  cairo_save(cr);
  cairo_select_font_face(cr, title ? "EB Garamond 12" : "Linux Libertine O",
                         italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, s.c_str(), &e);
  cairo_move_to(cr, cx - e.width / 2 - e.x_bearing, cy - e.height / 2 - e.y_bearing);
  setColor(cr, c);
  cairo_show_text(cr, s.c_str());
  cairo_restore(cr);
}

// ---- icons ----
namespace {
std::map<std::string, std::string>& iconBodies() {
  static std::map<std::string, std::string> m;
  return m;
}
int iconSize = 512;
}  // namespace

void Icons::load(const std::string& path) {
  std::ifstream f(path);
  if (!f) throw std::runtime_error("cannot read icon set " + path);
  nlohmann::json j = nlohmann::json::parse(f);
  iconSize = j.value("width", 512);
  for (auto& [k, v] : j["icons"].items()) iconBodies()[k] = v["body"].get<std::string>();
}
bool Icons::has(const std::string& n) { return iconBodies().count(n) > 0; }

void Icons::draw(cairo_t* cr, const std::string& name, double x, double y, double size, Rgb c, bool flip) {
  auto it = iconBodies().find(name);
  if (it == iconBodies().end()) throw std::runtime_error("unknown icon " + name);
  char col[16];
  std::snprintf(col, sizeof col, "#%02x%02x%02x", int(c.r * 255 + 0.5), int(c.g * 255 + 0.5), int(c.b * 255 + 0.5));
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + std::to_string(iconSize) + " " +
                    std::to_string(iconSize) + "\" width=\"" + std::to_string(iconSize) + "\" height=\"" +
                    std::to_string(iconSize) + "\" color=\"" + col + "\" fill=\"" + col + "\">" + it->second +
                    "</svg>";
  GError* err = nullptr;
  RsvgHandle* h = rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg.data()), svg.size(), &err);
  if (!h) throw std::runtime_error("icon " + name + " does not parse");
  cairo_save(cr);
  if (flip) {
    cairo_translate(cr, x + size, y);
    cairo_scale(cr, -1, 1);
    x = 0;
    y = 0;
  }
  RsvgRectangle vp{x, y, size, size};
  rsvg_handle_render_document(h, cr, &vp, &err);
  cairo_restore(cr);
  g_object_unref(h);
}

void iconShadowed(cairo_t* cr, const std::string& name, double x, double y, double size, Rgb c, Detail d, bool flip) {
  if (d.high) {
    double o = std::max(1.0, size * 0.025);
    Icons::draw(cr, name, x + o, y + o * 1.5, size, {0, 0, 0}, flip);
    cairo_save(cr);
    cairo_push_group(cr);
    Icons::draw(cr, name, x - o * 0.6, y - o * 0.6, size, shade(c, 1.45), flip);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 0.6);
    cairo_restore(cr);
  }
  Icons::draw(cr, name, x, y, size, c, flip);
}

void emblem(cairo_t* cr, const std::string& icon, double x, double y, double w, double h, Rgb field, Rgb fg, Detail d) {
  cairo_save(cr);
  double rim = std::max(2.0, w * 0.07);
  if (d.high) {  // drop shadow
    shieldPath(cr, x + rim * 0.5, y + rim * 0.7, w, h);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_fill(cr);
  }
  shieldPath(cr, x, y, w, h);
  if (d.high)
    goldFill(cr, x, y, x + w * 0.3, y + h * 0.4);
  else
    setColor(cr, pal::gold);
  cairo_fill(cr);
  shieldPath(cr, x + rim, y + rim, w - 2 * rim, h - 2 * rim * 1.1);
  fieldSource(cr, cairo_pattern_create_radial(x + w * 0.4, y + h * 0.3, w * 0.05, x + w / 2, y + h / 2, w * 0.8), field, 1.25, 0.6, d);
  cairo_fill(cr);
  shieldPath(cr, x, y, w, h);
  setColor(cr, pal::ink);
  cairo_set_line_width(cr, std::max(1.0, w * 0.02));
  cairo_stroke(cr);
  double is = std::min(w, h) * 0.62;
  iconShadowed(cr, icon, x + (w - is) / 2, y + h * 0.12, is, fg, d);
  cairo_restore(cr);
}

void medallion(cairo_t* cr, const std::string& icon, double cx, double cy, double r, Rgb field, Rgb fg, Detail d) {
  cairo_save(cr);
  if (d.high) {
    cairo_arc(cr, cx + r * 0.05, cy + r * 0.08, r, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_fill(cr);
  }
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  if (d.high)
    goldFill(cr, cx - r, cy - r, cx + r * 0.2, cy + r * 0.2);
  else
    setColor(cr, pal::gold);
  cairo_fill(cr);
  double ri = r * 0.86;
  cairo_arc(cr, cx, cy, ri, 0, 2 * M_PI);
  fieldSource(cr, cairo_pattern_create_radial(cx - ri * 0.3, cy - ri * 0.4, ri * 0.1, cx, cy, ri * 1.2), field, 1.3, 0.6, d);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  setColor(cr, pal::ink);
  cairo_set_line_width(cr, std::max(1.0, r * 0.04));
  cairo_stroke(cr);
  double is = ri * 1.3;
  iconShadowed(cr, icon, cx - is / 2, cy - is / 2, is, fg, d);
  cairo_restore(cr);
}

// ---- output ----
void Output::record(const std::string& kind, const std::string& rel) {
  std::lock_guard<std::mutex> l(m_);
  files_[kind].push_back(rel);
}
void Output::png(const std::string& kind, const std::string& rel, cairo_surface_t* s) {
  fs::path p = fs::path(dir_) / rel;
  fs::create_directories(p.parent_path());
  cairo_surface_flush(s);
  if (cairo_surface_write_to_png(s, p.string().c_str()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot write " + p.string());
  record(kind, rel);
}
void Output::bytes(const std::string& kind, const std::string& rel, const std::vector<uint8_t>& data) {
  fs::path p = fs::path(dir_) / rel;
  fs::create_directories(p.parent_path());
  std::ofstream f(p, std::ios::binary);
  f.write(reinterpret_cast<const char*>(data.data()), data.size());
  if (!f) throw std::runtime_error("cannot write " + p.string());
  record(kind, rel);
}
void Output::copy(const std::string& kind, const std::string& rel, const std::string& from) {
  fs::path p = fs::path(dir_) / rel;
  fs::create_directories(p.parent_path());
  fs::copy_file(from, p, fs::copy_options::overwrite_existing);
  record(kind, rel);
}
void Output::picture(const std::string& name, int w, int h, const std::function<void(Canvas&, Detail)>& draw) {
  for (bool high : {true, false}) {
    Canvas c(w, h);
    draw(c, Detail{high});
    png("graphics", std::string("graphics/") + (high ? "high/" : "low/") + name + ".png", c.s);
  }
}
std::map<std::string, std::vector<std::string>> Output::manifest() const {
  std::lock_guard<std::mutex> l(m_);
  auto m = files_;
  for (auto& [k, v] : m) std::sort(v.begin(), v.end());
  return m;
}

}  // namespace art
