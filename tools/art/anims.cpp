// Animations (PNG sprite strips, 10 frames per second), mouse pointers (ICO) and fonts.
#include <cmath>
#include <filesystem>

#include "art.h"
#include "scenes.h"

namespace art {
namespace {

constexpr int kFrame = 160;

// Renders `frames` square frames side by side into anim/<name>.rz.
void strip(Output& o, const std::string& name, int frames, const std::function<void(Canvas&, int, double)>& draw) {
  Canvas s(kFrame * frames, kFrame);
  for (int f = 0; f < frames; ++f) {
    Canvas fr(kFrame, kFrame);
    draw(fr, f, double(f) / frames);
    cairo_set_source_surface(s.cr, fr.s, f * kFrame, 0);
    cairo_paint(s.cr);
  }
  o.png("animations", "anim/" + name + ".rz", s.s);
}

void roundel(Canvas& c, Rgb field) {
  Canvas p(c.w, c.h);
  parchment(p, 0, 0, c.w, c.h, Detail{true}, 41);
  cairo_set_source_surface(c.cr, p.s, 0, 0);
  cairo_paint(c.cr);
  cairo_arc(c.cr, c.w / 2.0, c.h / 2.0, c.w * 0.42, 0, 2 * M_PI);
  setColor(c.cr, shade(field, 0.55), 0.85);
  cairo_fill(c.cr);
  goldBorder(c.cr, 0, 0, c.w, c.h, 6, Detail{true});
}

void sparks(cairo_t* cr, double cx, double cy, double t, uint64_t seed, Rgb col, int n) {
  Rng rng(seed);
  for (int i = 0; i < n; ++i) {
    double a = rng.range(-M_PI, 0), v = rng.range(30, 70), ph = rng.uni();
    double tt = std::fmod(t + ph, 1.0);
    double x = cx + std::cos(a) * v * tt, y = cy + std::sin(a) * v * tt + 60 * tt * tt;
    cairo_arc(cr, x, y, 2.2 * (1 - tt) + 0.5, 0, 2 * M_PI);
    setColor(cr, col, 1 - tt);
    cairo_fill(cr);
  }
}

}  // namespace

void animJobs(const Config& cfg, std::vector<Job>& jobs) {
  struct Item { const char* name; const char* icon; };
  static const Item items[] = {{"bow", "pocket-bow"},       {"club", "wood-club"},      {"sword", "broadsword"},
                               {"helebard", "halberd"},     {"twohand", "two-handed-sword"}, {"mace", "flanged-mace"},
                               {"pike", "barbed-spear"},    {"cross", "crossbow"},      {"chainmail", "chain-mail"},
                               {"plate", "breastplate"},    {"shield", "checked-shield"}};
  for (const Item& it : items)
    jobs.push_back([it](Output& o) {
      // the item turns on the anvil while the hammer strikes and sparks fly
      strip(o, it.name, 16, [&](Canvas& c, int f, double t) {
        roundel(c, pal::red);
        cairo_t* cr = c.cr;
        Icons::draw(cr, "anvil", 30, 86, 100, hex("#1e1a18"));
        double sw = std::cos(t * 2 * M_PI);
        cairo_save(cr);
        cairo_translate(cr, 80, 70);
        cairo_scale(cr, std::max(0.08, std::abs(sw)), 1);
        iconShadowed(cr, it.icon, -40, -40, 80, sw > 0 ? hex("#eef1f4") : hex("#c4c9cf"), Detail{true}, sw < 0);
        cairo_restore(cr);
        double hit = f % 8 < 2 ? 1 : 0;
        Icons::draw(cr, "flat-hammer", 92, hit > 0 ? 30 : 6, 52, hex("#e0b060"));
        if (hit > 0 || f % 8 == 2) sparks(cr, 88, 96, (f % 8) / 8.0 + 0.1, f, hex("#ffcf4a"), 14);
      });
    });
  // The season's weather alone, on a transparent ground: the weather screen lays it over
  // the season picture, rect for rect.
  for (int s = 1; s <= 4; ++s)
    jobs.push_back([s](Output& o) {
      strip(o, "season" + std::to_string(s), 20, [&](Canvas& c, int, double t) {
        cairo_t* cr = c.cr;
        Rng rng(900 + s);
        int n = s == 4 ? 70 : s == 3 ? 24 : s == 1 ? 26 : 10;
        for (int i = 0; i < n; ++i) {
          double x0 = rng.range(0, c.w), ph = rng.uni(), sp = rng.range(0.8, 1.4);
          double tt = std::fmod(t * sp + ph, 1.0);
          double x = x0 + std::sin((tt + ph) * 2 * M_PI) * 10, y = tt * c.h;
          if (s == 2) {  // sun glints in the sky and a butterfly or two over the grass
            double a = 0.5 + 0.5 * std::sin((t + ph) * 2 * M_PI);
            double gy = i % 3 == 0 ? rng.range(c.h * 0.6, c.h * 0.9) : rng.range(8, c.h * 0.35);
            cairo_arc(cr, x0, gy, i % 3 == 0 ? 1.8 : 2.5, 0, 2 * M_PI);
            setColor(cr, i % 3 == 0 ? hex("#f4e27a") : hex("#fff6c0"), a);
            cairo_fill(cr);
            continue;
          }
          if (s == 3) {  // leaves tumbling down
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_rotate(cr, tt * 6 + ph * 6);
            cairo_scale(cr, 4, 2);
            cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
            cairo_restore(cr);
            setColor(cr, treeColour(3, ph));
            cairo_fill_preserve(cr);
            setColor(cr, pal::ink, 0.5);
            cairo_set_line_width(cr, 0.6);
            cairo_stroke(cr);
            continue;
          }
          // blossom in spring, snow in winter, with a faint ink rim to stand out on the sky
          double r = s == 4 ? rng.range(1.4, 3.0) : 2.4;
          cairo_arc(cr, x, y, r, 0, 2 * M_PI);
          setColor(cr, s == 4 ? pal::white : hex("#f6c2d2"));
          cairo_fill_preserve(cr);
          setColor(cr, s == 4 ? hex("#8d9aab") : hex("#b8667e"), 0.6);
          cairo_set_line_width(cr, 0.6);
          cairo_stroke(cr);
        }
      });
    });
  struct Tale { const char* name; const char* a; const char* b; Rgb col; bool ok; };
  static const Tale tales[] = {{"assassin_ok", "hooded-assassin", "crowned-skull", pal::red, true},
                               {"assassin_failed", "hooded-assassin", "guarded-tower", pal::red, false},
                               {"scout_ok", "spyglass", "elven-castle", pal::green, true},
                               {"scout_failed", "spyglass", "cancel", pal::green, false},
                               {"death", "grim-reaper", "candle-skull", pal::black, true}};
  for (const Tale& tl : tales)
    jobs.push_back([tl](Output& o) {
      strip(o, tl.name, 20, [&](Canvas& c, int, double t) {
        roundel(c, tl.col);
        cairo_t* cr = c.cr;
        // the agent steps in, then the outcome appears
        double in = std::min(1.0, t * 2);
        double x = -60 + in * 72;
        cairo_push_group(cr);
        iconShadowed(cr, tl.a, x, 36, 88, hex("#2e2622"), Detail{true});
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, std::min(1.0, in * 1.5));
        if (t >= 0.5) {
          double k = std::min(1.0, (t - 0.5) * 4);
          double s = 40 + 20 * k;
          Icons::draw(cr, tl.b, 112 - s / 2, 60 - s / 2, s, tl.ok ? tl.col : hex("#5a5a5a"));
          if (!tl.ok) {
            cairo_move_to(cr, 88, 36);
            cairo_line_to(cr, 136, 84);
            cairo_move_to(cr, 136, 36);
            cairo_line_to(cr, 88, 84);
            setColor(cr, pal::red, k);
            cairo_set_line_width(cr, 6);
            cairo_stroke(cr);
          }
        }
      });
    });
  // pointers
  jobs.push_back([](Output& o) {
    for (int busy = 0; busy < 2; ++busy) {
      Canvas c(32, 32);
      cairo_t* cr = c.cr;
      if (!busy) {  // a gilded quill-tipped arrow, hot spot at (0, 0)
        cairo_move_to(cr, 1, 1);
        cairo_line_to(cr, 1, 24);
        cairo_line_to(cr, 7, 18);
        cairo_line_to(cr, 12, 29);
        cairo_line_to(cr, 16, 27);
        cairo_line_to(cr, 11, 17);
        cairo_line_to(cr, 19, 17);
        cairo_close_path(cr);
        goldFill(cr, 0, 0, 10, 10);
        cairo_fill_preserve(cr);
        setColor(cr, pal::ink);
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
      } else {
        Icons::draw(cr, "hourglass", 1, 1, 30, pal::ink);
        Icons::draw(cr, "hourglass", 3, 3, 26, pal::gold);
      }
      std::string name = busy ? "loading01" : "normal01";
      o.png("pointers", "pointers/" + name + ".png", c.s);
      // ICO: one 32x32 image, 32-bit BGRA bottom-up DIB plus an AND mask
      cairo_surface_flush(c.s);
      unsigned char* px = cairo_image_surface_get_data(c.s);
      int stride = cairo_image_surface_get_stride(c.s);
      std::vector<uint8_t> b;
      auto u16 = [&](unsigned v) { b.push_back(v & 255); b.push_back(v >> 8 & 255); };
      auto u32 = [&](unsigned v) { u16(v & 0xffff); u16(v >> 16); };
      const unsigned dib = 40 + 32 * 32 * 4 + 32 * 4;
      u16(0); u16(1); u16(1);
      b.push_back(32); b.push_back(32); b.push_back(0); b.push_back(0);
      u16(1); u16(32); u32(dib); u32(6 + 16);
      u32(40); u32(32); u32(64); u16(1); u16(32); u32(0); u32(32 * 32 * 4 + 32 * 4); u32(0); u32(0); u32(0); u32(0);
      for (int y = 31; y >= 0; --y)
        for (int x = 0; x < 32; ++x) {
          uint32_t v = reinterpret_cast<uint32_t*>(px + y * stride)[x];
          unsigned a = v >> 24;
          auto un = [&](unsigned ch) { return a ? std::min(255u, ch * 255 / a) : 0u; };  // unpremultiply
          b.push_back(un(v & 255)); b.push_back(un(v >> 8 & 255)); b.push_back(un(v >> 16 & 255)); b.push_back(a);
        }
      for (int y = 31; y >= 0; --y)
        for (int k = 0; k < 4; ++k) {
          uint8_t m = 0;
          for (int bit = 0; bit < 8; ++bit) {
            uint32_t v = reinterpret_cast<uint32_t*>(px + y * stride)[k * 8 + bit];
            if ((v >> 24) == 0) m |= 0x80 >> bit;
          }
          b.push_back(m);
        }
      o.bytes("pointers", "pointers/" + name + ".ico", b);
    }
  });
  // fonts from the Debian font packages
  jobs.push_back([](Output& o) {
    o.copy("fonts", "fonts/title.ttf", "/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Regular.otf");
    o.copy("fonts", "fonts/text.ttf", "/usr/share/fonts/opentype/linux-libertine/LinLibertine_R.otf");
  });
  (void)cfg;
}

}  // namespace art
