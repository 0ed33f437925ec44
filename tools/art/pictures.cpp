// Screen backgrounds, widgets, emblems and the named pictures of the screens and the map.
#include <nlohmann/json.hpp>

#include <cmath>
#include <fstream>

#include "art.h"
#include "scenes.h"
#include "screen_frame.h"

namespace art {
namespace {

using json = nlohmann::json;

struct Recipes {
  json j;
  Rgb colour(const std::string& n) const {
    if (!n.empty() && n[0] == '#') return hex(n);
    return hex(j["palette"].at(n).get<std::string>());
  }
};

// A parchment plate with a gold rim and an icon: the portrait style of units, items and missions.
void plate(Canvas& c, const std::string& icon, Rgb field, Rgb fg, Detail d) {
  double w = c.w, h = c.h, rim = std::max(3.0, w * 0.05);
  cairo_t* cr = c.cr;
  roundRect(cr, 0, 0, w, h, rim * 1.5);
  if (d.high)
    goldFill(cr, 0, 0, w * 0.3, h * 0.4);
  else
    setColor(cr, pal::gold);
  cairo_fill(cr);
  roundRect(cr, rim, rim, w - 2 * rim, h - 2 * rim, rim);
  fieldSource(cr, cairo_pattern_create_radial(w * 0.4, h * 0.35, w * 0.05, w / 2, h / 2, w * 0.75), field, 1.3, 0.55, d);
  cairo_fill(cr);
  // fine diaper pattern of the illuminator
  if (d.high) {
    cairo_save(cr);
    roundRect(cr, rim, rim, w - 2 * rim, h - 2 * rim, rim);
    cairo_clip(cr);
    setColor(cr, pal::goldLight, 0.10);
    cairo_set_line_width(cr, 1);
    double step = w / 8;
    for (double t = -h; t < w + h; t += step) {
      cairo_move_to(cr, t, 0);
      cairo_line_to(cr, t + h, h);
      cairo_move_to(cr, t, h);
      cairo_line_to(cr, t + h, 0);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  roundRect(cr, 0.5, 0.5, w - 1, h - 1, rim * 1.5);
  setColor(cr, pal::ink);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  double is = std::min(w, h) * 0.74;
  iconShadowed(cr, icon, (w - is) / 2, (h - is) / 2, is, fg, d);
}

void recipePicture(Canvas& c, const json& r, const Recipes& rec, Detail d) {
  std::string shape = r.value("shape", "plate");
  Rgb field = rec.colour(r["field"]), fg = rec.colour(r["fg"]);
  std::string icon = r["icon"];
  if (shape == "plate") {
    plate(c, icon, field, fg, d);
  } else if (shape == "button") {
    // a square gilt button with a coloured field, lit from the top left
    double w = c.w, h = c.h;
    cairo_t* cr = c.cr;
    roundRect(cr, 0.5, 0.5, w - 1, h - 1, w * 0.16);
    if (d.high)
      goldFill(cr, 0, 0, w * 0.3, h * 0.3);
    else
      setColor(cr, pal::gold);
    cairo_fill(cr);
    double b = std::max(3.0, w * 0.08);
    roundRect(cr, b, b, w - 2 * b, h - 2 * b, w * 0.1);
    fieldSource(cr, cairo_pattern_create_linear(0, b, 0, h - b), field, 1.35, 0.6, d);
    cairo_fill(cr);
    roundRect(cr, 0.5, 0.5, w - 1, h - 1, w * 0.16);
    setColor(cr, pal::ink);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    double is = w * 0.66;
    iconShadowed(cr, icon, (w - is) / 2, (h - is) / 2, is, fg, d);
  } else if (shape == "icon") {
    iconShadowed(c.cr, icon, 1, 1, std::min(c.w, c.h) - 2, fg, d);
  } else if (shape == "medallion") {
    double rr = std::min(c.w, c.h) / 2.0 - (d.high ? 3 : 1);
    medallion(c.cr, icon, c.w / 2.0 - (d.high ? 1 : 0), c.h / 2.0 - (d.high ? 1 : 0), rr, field, fg, d);
  } else {
    emblem(c.cr, icon, c.w * 0.1, c.h * 0.04, c.w * 0.8, c.h * 0.9, field, fg, d);
  }
}

// ---- screens ----
void screenBackground(Canvas& c, const std::string& form, const std::string& icon, Detail d) {
  cairo_t* cr = c.cr;
  double w = c.w, h = c.h;
  const double bw = frameBorder(w);
  // wooden/leather surround under the border
  setColor(cr, hex("#3b2612"));
  cairo_paint(cr);
  parchment(c, bw, bw, w - 2 * bw, h - 2 * bw, d, seedOf(form));
  // faint watermark emblem in the lower right, where the screen leaves room for it: the
  // save and load screens stack their buttons there, and a piece of the emblem between
  // two buttons would look like a stray control
  const bool buttonsLowerRight = form == "SaveGameFrm" || form == "LoadGameFrm";
  if (d.high && !buttonsLowerRight) {
    double s = std::min(w, h) * 0.42;
    cairo_push_group(cr);
    Icons::draw(cr, icon, w - s - bw * 2.5, h - s - bw * 2.5, s, pal::brown);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 0.10);
  }
  goldBorder(cr, 0, 0, w, h, bw, d);
  // ornamental vine in the corners of the inner rule
  if (d.high) {
    setColor(cr, pal::green, 0.55);
    cairo_set_line_width(cr, 1.6);
    double o = bw + std::max(3.0, bw * 0.4);
    for (int k = 0; k < 4; ++k) {
      double sx = (k & 1) ? w - o : o, sy = (k & 2) ? h - o : o;
      double dx = (k & 1) ? -1 : 1, dy = (k & 2) ? -1 : 1;
      double L = std::min(w, h) * 0.14;
      cairo_move_to(cr, sx + dx * 4, sy + dy * L);
      cairo_curve_to(cr, sx + dx * L * 0.1, sy + dy * L * 0.3, sx + dx * L * 0.3, sy + dy * L * 0.1, sx + dx * L,
                     sy + dy * 4);
      cairo_stroke(cr);
      for (double t = 0.25; t < 0.9; t += 0.25) {
        double lx = sx + dx * (4 + (L - 4) * t * t), ly = sy + dy * (L - (L - 4) * t);
        cairo_save(cr);
        cairo_translate(cr, lx + dx * 5, ly + dy * 3);
        cairo_scale(cr, 4, 2.2);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        setColor(cr, pal::green, 0.5);
        cairo_fill(cr);
      }
      cairo_arc(cr, sx + dx * L * 0.28, sy + dy * L * 0.28, 3, 0, 2 * M_PI);
      setColor(cr, pal::red, 0.7);
      cairo_fill(cr);
    }
  }
  // the screen's emblem: a medallion set into the top left corner of the border
  const FrameMedallion m = frameMedallion(w);
  medallion(cr, icon, m.cx, m.cy, m.r, pal::blue, pal::goldLight, d);
}

void fullScreen(Canvas& c, const std::string& form, const std::string& icon, Detail d) {
  if (form == "Camp1Frm" || form == "TimerFrm") {  // dark backdrop behind the map
    cairo_t* cr = c.cr;
    cairo_pattern_t* p = cairo_pattern_create_radial(c.w / 2.0, c.h / 2.0, 100, c.w / 2.0, c.h / 2.0, c.w * 0.8);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.27, 0.18, 0.09);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.10, 0.06, 0.03);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    return;
  }
  if (form == "TitleFrm" || form == "LoadingFrm" || form == "SplashFrm" || form == "BattleFrm") {
    Scene s;
    s.season = form == "BattleFrm" ? 3 : 2;
    s.centre = form == "BattleFrm" ? "" : "castle";
    s.army = form == "BattleFrm";
    s.seed = seedOf(form);
    scene(c, 0, 0, c.w, c.h, s, d);
    cairo_t* cr = c.cr;
    if (form != "BattleFrm") {
      // title cartouche
      double cw = 640, ch = 150, cx = (c.w - cw) / 2, cy = 60;
      Canvas tmp(c.w, c.h);
      cairo_save(cr);
      roundRect(cr, cx + 6, cy + 8, cw, ch, 18);
      cairo_set_source_rgba(cr, 0, 0, 0, 0.4);
      cairo_fill(cr);
      cairo_restore(cr);
      parchment(tmp, cx, cy, cw, ch, d, 7);
      cairo_save(cr);
      roundRect(cr, cx, cy, cw, ch, 18);
      cairo_clip(cr);
      cairo_set_source_surface(cr, tmp.s, 0, 0);
      cairo_paint(cr);
      cairo_restore(cr);
      goldBorder(cr, cx, cy, cw, ch, 10, d);
      text(cr, "Fiefdom", c.w / 2.0 + 3, cy + ch / 2 - 8 + 3, 104, shade(pal::red, 0.5));
      text(cr, "Fiefdom", c.w / 2.0, cy + ch / 2 - 8, 104, pal::red);
      text(cr, "a chronicle of the county", c.w / 2.0, cy + ch - 22, 22, pal::ink, true, true);
    }
    goldBorder(cr, 0, 0, c.w, c.h, 22, d);
    return;
  }
  screenBackground(c, form, icon, d);
}

// ---- widgets ----
void button(Canvas& c, int state, Detail d) {  // 0 normal 1 hover 2 pressed 3 disabled
  cairo_t* cr = c.cr;
  double w = c.w, h = c.h;
  Rgb top = hex("#f3e2b3"), bot = hex("#c9a86a");
  if (state == 1) top = hex("#fff1c8"), bot = hex("#e0b864");
  if (state == 2) top = hex("#b89658"), bot = hex("#e2c78e");
  if (state == 3) top = hex("#d8d2c4"), bot = hex("#b3ac9c");
  roundRect(cr, 0.5, 0.5, w - 1, h - 1, 9);
  if (state == 3)
    setColor(cr, hex("#9a9282"));
  else if (d.high)
    goldFill(cr, 0, 0, w * 0.2, h);
  else
    setColor(cr, pal::gold);
  cairo_fill(cr);
  double in = state == 2 ? 4 : 3;
  roundRect(cr, in, in, w - 2 * in, h - 2 * in, 6);
  if (d.high) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, in, 0, h - in);
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bot.r, bot.g, bot.b);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
  } else {
    setColor(cr, mix(top, bot, 0.5));
  }
  cairo_fill(cr);
  roundRect(cr, 0.5, 0.5, w - 1, h - 1, 9);
  setColor(cr, state == 3 ? hex("#6a6458") : pal::ink);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  if (state == 1) {
    roundRect(cr, in + 1, in + 1, w - 2 * in - 2, h - 2 * in - 2, 5);
    setColor(cr, pal::red, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
  if (state == 2) {  // inner shadow along the top
    cairo_rectangle(cr, in + 3, in, w - 2 * in - 6, 3);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
    cairo_fill(cr);
  }
}

void ninePanel(Canvas& c, double corner, Rgb fill, Detail d, bool gold) {
  cairo_t* cr = c.cr;
  double w = c.w, h = c.h, r = corner * 0.6;
  roundRect(cr, 0.5, 0.5, w - 1, h - 1, r);
  if (gold) {
    if (d.high)
      goldFill(cr, 0, 0, w * 0.25, h * 0.25);
    else
      setColor(cr, pal::gold);
    cairo_fill(cr);
    double b = corner * 0.33;
    roundRect(cr, b, b, w - 2 * b, h - 2 * b, r * 0.6);
  }
  setColor(cr, fill);
  cairo_fill(cr);
  roundRect(cr, 0.5, 0.5, w - 1, h - 1, r);
  setColor(cr, pal::ink);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void strip(Canvas& c, bool top, Detail d) {
  cairo_t* cr = c.cr;
  // dark carved wood with a parchment band and gold rules
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, c.h);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.30, 0.19, 0.09);
  cairo_pattern_add_color_stop_rgb(p, 0.5, 0.42, 0.27, 0.13);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.24, 0.15, 0.07);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
  if (d.high) {  // wood grain
    Rng rng(top ? 11 : 12);
    for (int i = 0; i < 160; ++i) {
      double y = rng.range(0, c.h);
      cairo_move_to(cr, rng.range(-100, c.w), y);
      cairo_rel_curve_to(cr, 80, rng.range(-2, 2), 160, rng.range(-2, 2), rng.range(200, 500), rng.range(-3, 3));
      cairo_set_source_rgba(cr, 0.1, 0.05, 0.02, rng.range(0.08, 0.25));
      cairo_set_line_width(cr, rng.range(0.5, 1.5));
      cairo_stroke(cr);
    }
  }
  double pad = top ? 6 : 10;
  Canvas band(c.w, c.h);
  parchment(band, 0, 0, c.w, c.h, d, top ? 3 : 4);
  cairo_save(cr);
  roundRect(cr, pad, pad, c.w - 2 * pad, c.h - 2 * pad, 6);
  cairo_clip(cr);
  cairo_set_source_surface(cr, band.s, 0, 0);
  cairo_paint(cr);
  cairo_restore(cr);
  roundRect(cr, pad, pad, c.w - 2 * pad, c.h - 2 * pad, 6);
  setColor(cr, pal::gold);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  roundRect(cr, pad - 2, pad - 2, c.w - 2 * pad + 4, c.h - 2 * pad + 4, 7);
  setColor(cr, pal::ink);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // vermilion rule inside the band and gilt studs on the wood at both ends
  roundRect(cr, pad + 5, pad + 5, c.w - 2 * pad - 10, c.h - 2 * pad - 10, 4);
  setColor(cr, pal::red, 0.55);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  for (double sx : {pad + 2.0, c.w - pad - 2.0})
    for (double sy : {pad + 2.0, c.h - pad - 2.0}) {
      cairo_arc(cr, sx, sy, 4.5, 0, 2 * M_PI);
      if (d.high)
        goldFill(cr, sx - 4, sy - 4, sx + 2, sy + 2);
      else
        setColor(cr, pal::gold);
      cairo_fill_preserve(cr);
      setColor(cr, pal::ink);
      cairo_set_line_width(cr, 0.8);
      cairo_stroke(cr);
    }
  cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
  cairo_rectangle(cr, 0, top ? c.h - 2 : 0, c.w, 2);
  cairo_fill(cr);
}

}  // namespace

void pictureJobs(const Config& cfg, std::vector<Job>& jobs) {
  auto rec = std::make_shared<Recipes>();
  {
    std::ifstream f(cfg.sourceDir + "/data/art/emblems.json");
    rec->j = json::parse(f);
  }
  json forms;
  {
    std::ifstream f(cfg.sourceDir + "/data/screens/forms.json");
    forms = json::parse(f)["forms"];
  }
  // emblem recipes
  for (auto& [name, r] : rec->j["pictures"].items()) {
    jobs.push_back([rec, name = name, r = r](Output& o) {
      o.picture(name, r["size"][0], r["size"][1], [&](Canvas& c, Detail d) { recipePicture(c, r, *rec, d); });
    });
  }
  // screen backgrounds
  for (auto& item : forms.items()) {
    // A named copy, not a structured binding: the lambda below captures it.
    const std::string form = item.key();
    const json& size = item.value();
    int w = size[0], h = size[1];
    bool full = w == 0 || h == 0;
    if (full) w = 1280, h = 1024;
    std::string icon = rec->j["screens"].value(form, "tower-flag");
    jobs.push_back([=](Output& o) {
      o.picture("bg_" + form, w, h, [&](Canvas& c, Detail d) {
        if (full)
          fullScreen(c, form, icon, d);
        else
          screenBackground(c, form, icon, d);
      });
    });
  }
  jobs.push_back([rec](Output& o) {
    o.picture("menuframeres", 480, 440, [&](Canvas& c, Detail d) { screenBackground(c, "menuframeres", "tower-flag", d); });
    o.picture("menu_top", 1280, 64, [](Canvas& c, Detail d) { strip(c, true, d); });
    o.picture("menu_bottom", 1280, 96, [](Canvas& c, Detail d) { strip(c, false, d); });
    const char* bn[] = {"button", "button_hover", "button_pressed", "button_disabled"};
    for (int s = 0; s < 4; ++s) o.picture(bn[s], 160, 40, [&](Canvas& c, Detail d) { button(c, s, d); });
    o.picture("btn_EndTurnBtn", 200, 48, [](Canvas& c, Detail d) {
      button(c, 1, d);
      Icons::draw(c.cr, "hourglass", 8, 8, 32, pal::red);
    });
    o.picture("panel", 96, 96, [](Canvas& c, Detail d) {
      Canvas p(96, 96);
      parchment(p, 0, 0, 96, 96, d, 5);
      cairo_set_source_surface(c.cr, p.s, 0, 0);
      cairo_paint(c.cr);
      goldBorder(c.cr, 0, 0, 96, 96, 8, d);
    });
    // An outline with a clear centre, drawn 9-sliced around the view on the map preview.
    o.picture("view_frame", 64, 64, [](Canvas& c, Detail) {
      cairo_rectangle(c.cr, 2, 2, 60, 60);
      cairo_set_line_width(c.cr, 4);
      setColor(c.cr, pal::goldLight);
      cairo_stroke_preserve(c.cr);
      cairo_set_line_width(c.cr, 2);
      setColor(c.cr, pal::red);
      cairo_stroke(c.cr);
    });
    o.picture("tooltip", 64, 32, [](Canvas& c, Detail d) { ninePanel(c, 8, hex("#fbf3da"), d, false); });
    o.picture("list_bg", 128, 128, [](Canvas& c, Detail d) { ninePanel(c, 12, hex("#f6ecd0"), d, true); });
    o.picture("textbox", 128, 32, [](Canvas& c, Detail d) { ninePanel(c, 8, hex("#fdf8ea"), d, false); });
    o.picture("progress_bar", 200, 20, [](Canvas& c, Detail d) { ninePanel(c, 6, hex("#5a4630"), d, true); });
    o.picture("progress_fill", 200, 20, [](Canvas& c, Detail d) {
      ninePanel(c, 6, hex("#a8321e"), d, true);
      if (d.high) {
        cairo_rectangle(c.cr, 3, 4, 194, 4);
        cairo_set_source_rgba(c.cr, 1, 1, 1, 0.25);
        cairo_fill(c.cr);
      }
    });
    for (int on = 0; on < 2; ++on)
      o.picture(on ? "check_on" : "check_off", 24, 24, [&](Canvas& c, Detail d) {
        ninePanel(c, 8, hex("#fdf8ea"), d, true);
        if (on) Icons::draw(c.cr, "check-mark", 2, 1, 21, pal::red);
      });
    for (int up = 0; up < 2; ++up)
      o.picture(up ? "scroll_up" : "scroll_down", 24, 24, [&](Canvas& c, Detail d) {
        ninePanel(c, 8, hex("#e9d8ae"), d, true);
        cairo_move_to(c.cr, 6, up ? 15 : 9);
        cairo_line_to(c.cr, 18, up ? 15 : 9);
        cairo_line_to(c.cr, 12, up ? 8 : 16);
        cairo_close_path(c.cr);
        setColor(c.cr, pal::ink);
        cairo_fill(c.cr);
      });
    o.picture("OkImage", 32, 32, [](Canvas& c, Detail d) {
      iconShadowed(c.cr, "check-mark", 1, 1, 30, hex("#2f7a2a"), d);
    });
  });
  // illustrations
  jobs.push_back([](Output& o) {
    struct Ill { const char* name; int w, h, season; const char* centre; bool army; bool particles = true; };
    // The season pictures are square, and their weather moves in the season animation
    // laid over them, so they carry none of their own.
    const Ill ills[] = {{"graphic_keep", 800, 600, 2, "castle", false}, {"graphic_army", 800, 600, 3, "", true},
                        {"graphic_menu", 800, 600, 1, "castle", false}, {"title_menu", 1280, 1024, 2, "castle", false},
                        {"splash", 1280, 1024, 1, "castle", false},     {"story1", 1280, 1024, 1, "keep", false},
                        {"story2", 1280, 1024, 3, "", true},            {"story3", 1280, 1024, 2, "castle", false},
                        {"keepres", 160, 120, 2, "white-tower", false}, {"season1", 256, 256, 1, "keep", false, false},
                        {"season2", 256, 256, 2, "keep", false, false}, {"season3", 256, 256, 3, "keep", false, false},
                        {"season4", 256, 256, 4, "keep", false, false}};
    for (const Ill& il : ills) {
      o.picture(il.name, il.w, il.h, [&](Canvas& c, Detail d) {
        Scene s;
        s.season = il.season;
        s.centre = il.centre;
        s.army = il.army;
        s.particles = il.particles;
        s.seed = seedOf(il.name);
        scene(c, 0, 0, c.w, c.h, s, d);
        // The splash card's title stands on a ribbon in the sky, above the castle.
        if (std::string(il.name) == "splash") ribbon(c, c.w * 0.3, c.h * 0.04, c.w * 0.4, c.h * 0.16, d);
        double bw = il.w >= 800 ? 16 : 5;
        goldBorder(c.cr, 0, 0, c.w, c.h, bw, d);
      });
    }
  });
  overlayJobs(jobs);
}

}  // namespace art
