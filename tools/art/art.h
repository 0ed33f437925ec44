// Shared drawing helpers of the asset generator: colours, noise, parchment, gold borders, icons, output.
#pragma once
#include <cairo.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace art {

struct Rgb {
  double r = 0, g = 0, b = 0;
};
Rgb hex(const std::string& h);
Rgb mix(Rgb a, Rgb b, double t);
Rgb shade(Rgb a, double f);  // f < 1 darker, > 1 lighter
void setColor(cairo_t* cr, Rgb c, double a = 1.0);

namespace pal {
inline const Rgb parchment{0.914, 0.847, 0.682};
inline const Rgb parchmentDark{0.78, 0.68, 0.49};
inline const Rgb ink{0.169, 0.114, 0.055};
inline const Rgb gold{0.80, 0.63, 0.24};
inline const Rgb goldLight{0.98, 0.87, 0.52};
inline const Rgb goldDark{0.52, 0.37, 0.10};
inline const Rgb red{0.66, 0.20, 0.12};
inline const Rgb blue{0.16, 0.28, 0.50};
inline const Rgb green{0.24, 0.42, 0.21};
inline const Rgb purple{0.36, 0.17, 0.37};
inline const Rgb black{0.14, 0.12, 0.12};
inline const Rgb brown{0.45, 0.29, 0.14};
inline const Rgb ochre{0.78, 0.55, 0.18};
inline const Rgb white{0.97, 0.95, 0.90};
}  // namespace pal

// Deterministic random numbers (splitmix64).
class Rng {
 public:
  explicit Rng(uint64_t seed) : s_(seed * 0x9E3779B97F4A7C15ull + 12345) {}
  uint64_t next();
  double uni();                        // [0, 1)
  double range(double a, double b);    // [a, b)
  int irange(int a, int b);            // a..b inclusive
 private:
  uint64_t s_;
};
uint64_t seedOf(const std::string& s);

double fbm(double x, double y, double z, int octaves = 4);  // about -1..1

// Smooth noise sampled every `step` pixels and interpolated: fbm(x / scale, y / scale, z) over w x h.
struct CoarseNoise {
  CoarseNoise(int w, int h, double scale, double z, int octaves, int step = 4);
  double at(int x, int y) const;
  int gw, gh, step;
  std::vector<float> v;
};

// An owned cairo image surface with its context.
struct Canvas {
  Canvas(int w, int h);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  int w, h;
  cairo_surface_t* s;
  cairo_t* cr;
};

// Detail level of a picture: high (textured) or low (flat).
struct Detail {
  bool high = true;
};

// Shapes and surfaces.
void roundRect(cairo_t* cr, double x, double y, double w, double h, double r);
void shieldPath(cairo_t* cr, double x, double y, double w, double h);
void parchment(Canvas& c, double x, double y, double w, double h, Detail d, uint64_t seed, Rgb base = pal::parchment);
void goldBorder(cairo_t* cr, double x, double y, double w, double h, double width, Detail d);
void goldFill(cairo_t* cr, double x0, double y0, double x1, double y1);
// Sets the source to a field colour lit from one side: the gradient p from the lighter
// shade to the darker one in high detail, the flat colour in low detail. Takes p.
void fieldSource(cairo_t* cr, cairo_pattern_t* p, Rgb field, double light, double dark, Detail d);
void text(cairo_t* cr, const std::string& s, double cx, double cy, double size, Rgb c, bool title = true,
          bool italic = false);

// Icons of the Game Icons set.
class Icons {
 public:
  static void load(const std::string& iconsJson);
  static bool has(const std::string& name);
  // Draws icon `name` into the square (x, y, size) in colour c.
  static void draw(cairo_t* cr, const std::string& name, double x, double y, double size, Rgb c,
                   bool flip = false);
};
// Icon with a soft dark drop shadow and an optional light outline.
void iconShadowed(cairo_t* cr, const std::string& name, double x, double y, double size, Rgb c, Detail d,
                  bool flip = false);
// A coloured heraldic emblem: shield in `field`, gold rim, icon in `fg`.
void emblem(cairo_t* cr, const std::string& icon, double x, double y, double w, double h, Rgb field, Rgb fg,
            Detail d);
// A round medallion emblem.
void medallion(cairo_t* cr, const std::string& icon, double cx, double cy, double r, Rgb field, Rgb fg, Detail d);

// Output of the generator: every file written is recorded under a kind for the manifest.
class Output {
 public:
  explicit Output(std::string gameDir) : dir_(std::move(gameDir)) {}
  void png(const std::string& kind, const std::string& rel, cairo_surface_t* s);
  void bytes(const std::string& kind, const std::string& rel, const std::vector<uint8_t>& data);
  void copy(const std::string& kind, const std::string& rel, const std::string& from);
  // Writes a picture into graphics/high and graphics/low, calling draw once per detail level.
  void picture(const std::string& name, int w, int h, const std::function<void(Canvas&, Detail)>& draw);
  std::map<std::string, std::vector<std::string>> manifest() const;
  const std::string& dir() const { return dir_; }

 private:
  void record(const std::string& kind, const std::string& rel);
  std::string dir_;
  mutable std::mutex m_;
  std::map<std::string, std::vector<std::string>> files_;
};

struct Config {
  std::string sourceDir;  // repository root (data/)
  std::string gameDir;    // program folder
  std::string iconsJson;  // icons.json of the Game Icons set
  int threads = 2;
  std::string composite;  // optional: full-size map with its overlays (for looking at it)
};

// Parts of the generator; each adds jobs to the list.
using Job = std::function<void(Output&)>;
void pictureJobs(const Config& cfg, std::vector<Job>& jobs);
void mapJobs(const Config& cfg, std::vector<Job>& jobs);
void animJobs(const Config& cfg, std::vector<Job>& jobs);
void soundJobs(const Config& cfg, std::vector<Job>& jobs);
void battleJobs(std::vector<Job>& jobs);
void compositeJob(const Config& cfg, Output& o, const std::string& compositeOut);

int generateAll(const Config& cfg, const std::string& manifestOut, const std::string& manifestCheck);

// The game's icon for the desktop menu (Icons::load first).
const std::vector<int>& appIconSizes();
void drawAppIcon(Canvas& c);
// Writes <outDir>/hicolor/<n>x<n>/apps/<name>.png for every size of appIconSizes().
void writeAppIcons(const std::string& outDir, const std::string& name);

}  // namespace art
