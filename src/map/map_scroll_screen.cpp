#include "map/map_scroll.h"

#include <tuple>

#include "campaign/game_bindings.h"
#include "campaign/mission_guidance.h"
#include "map/camp1_bindings.h"
#include "map/camp1_frm.h"
#include "state/arith.h"
#include "text_names.h"
#include "ui/game.h"
#include "ui/view_fields.h"

namespace fief {

int scrollStep(float speed) { return static_cast<int>(Fix(static_cast<double>(speed) * 10)); }

bool marginStarts(const MapView& v, uint8_t dir) {
  switch (dir) {
    case kScrollUp: return v.Top < 400;
    case kScrollLeft: return v.Left < 400;
    case kScrollDown: return v.Top > v.InnerHeight - v.MapHeight - 15;
    case kScrollRight: return v.Left > v.InnerWidth - v.MapWidth;
    default: return false;
  }
}

bool scrollLimitReached(const MapView& v, uint8_t dir) {
  switch (dir) {
    case kScrollUp: return v.Top >= 150;
    case kScrollDown: return v.Top <= v.InnerHeight - v.MapHeight - 15;
    case kScrollLeft: return v.Left >= 0;
    case kScrollRight: return v.Left <= v.InnerWidth - v.MapWidth;
    default: return true;
  }
}

TickResult scrollTick(MapView& v, uint8_t dir, float speed) {
  if (dir < kScrollUp || dir > kScrollRight) return TickResult::Idle;
  if (scrollLimitReached(v, dir)) return TickResult::Stopped;
  const int step = scrollStep(speed);
  switch (dir) {
    case kScrollUp: v.Top += step; break;
    case kScrollDown: v.Top -= step; break;
    case kScrollLeft: v.Left += step; break;
    case kScrollRight: v.Left -= step; break;
  }
  return TickResult::Moved;
}

float fasterSpeed(float s) { return s >= 2.0f ? s : s + 0.5f; }
float slowerSpeed(float s) { return s <= 0.5f ? s : s - 0.5f; }

const char* marginName(uint8_t dir) {
  static const char* const names[] = {"", "TopMargin", "BottomMargin", "LeftMargin", "RightMargin"};
  return dir <= 4 ? names[dir] : "";
}

void stopScrolling(Game& g) {
  if (g.formExists("Camp1Frm")) g.form<Camp1Frm>("Camp1Frm").scrollDirection = kScrollNone;
  g.timers.disable("MapTimer");
}

void registerMapScrollViewFields() {
  registerViewField("ScrollDirection", byteViewField(
                                           [](Game& g, bool create) -> uint8_t* {
                                             if (!create && !g.formExists("Camp1Frm")) return nullptr;
                                             return &g.form<Camp1Frm>("Camp1Frm").scrollDirection;
                                           },
                                           kScrollNone));
}

namespace {

MapView viewOf(Camp1Frm& f) {
  const Control& map = f.ctl("MapSurface");
  return MapView{map.Left, map.Top, map.Width, map.Height, f.Width, f.Height};
}

// The campaign screen is the active one: no other form lies over it.
bool campActive(Game& g, Camp1Frm& f) {
  auto open = g.shell.openForms();
  return !open.empty() && open.back() == &f;
}

void mapTick(Game& g) {
  if (!g.formExists("Camp1Frm")) {
    g.timers.disable("MapTimer");
    return;
  }
  auto& f = g.form<Camp1Frm>("Camp1Frm");
  if (!campActive(g, f)) {  // a screen opened over the map: scrolling ends
    stopScrolling(g);
    return;
  }
  const uint8_t dir = f.scrollDirection;
  MapView v = viewOf(f);
  switch (scrollTick(v, dir, g.s.ScrollSpeed)) {
    case TickResult::Idle:
      g.timers.disable("MapTimer");
      break;
    case TickResult::Stopped:
      g.timers.disable("MapTimer");
      f.ctl(marginName(dir)).Enabled = false;
      break;
    case TickResult::Moved: {
      Control& map = f.ctl("MapSurface");
      map.Left = v.Left;
      map.Top = v.Top;
      for (uint8_t d = kScrollUp; d <= kScrollRight; ++d)
        if (d != dir) f.ctl(marginName(d)).Enabled = true;
      break;
    }
  }
}

}  // namespace

void bindScrolling(Camp1Frm& f) {
  Game& g = f.game();
  if (Timer* t = g.timers.find("MapTimer")) {
    t->Interval = kMapTimerMs;
    t->Tick = [&g] { mapTick(g); };
  }
  for (uint8_t d = kScrollUp; d <= kScrollRight; ++d) {
    f.chain(marginName(d), Ev::MouseMove, [&f, &g, d](const EventArgs&) {
      if (!f.ctl(marginName(d)).Enabled) return;  // at the edge of the map
      if (f.scrollDirection == d || !marginStarts(viewOf(f), d)) return;
      f.scrollDirection = d;
      g.timers.enable("MapTimer");
    });
  }
  for (const char* c : {"MapSurface", "MenuTop", "MenuBottom"})
    f.chain(c, Ev::MouseMove, [&f](const EventArgs&) { f.scrollDirection = kScrollNone; });
  // The bare screen (the backdrop above a map scrolled to its top) too; the pointer leaving
  // the window reaches the form without a position and is no move over it.
  f.chain(f.name(), Ev::MouseMove, [&f](const EventArgs& a) {
    if (a.x >= 0) f.scrollDirection = kScrollNone;
  });
  for (Key k : {Key::Up, Key::Down, Key::Left, Key::Right})
    f.keyActions[k] = [&f] { f.scrollDirection = kScrollNone; };
  f.keyActions[Key::Add] = [&g] {
    g.s.ScrollSpeed = fasterSpeed(g.s.ScrollSpeed);
    g.setHelperText(txt::campaign1::MapScrollsFaster);
  };
  f.keyActions[Key::Subtract] = [&g] {
    g.s.ScrollSpeed = slowerSpeed(g.s.ScrollSpeed);
    g.setHelperText(txt::campaign1::MapScrollsSlower);
  };
  f.keyActions[Key::Divide] = [&g] {
    g.s.ScrollSpeed = 1.0f;
    g.setHelperText(txt::campaign1::MapScrollingNormal);
  };
  f.keyActions[Key::F3] = [&f, &g] {
    stopScrolling(g);
    Control& map = f.ctl("MapSurface");
    map.Left = f.HomeLeft;
    map.Top = f.HomeTop;
    for (uint8_t d = kScrollUp; d <= kScrollRight; ++d) f.ctl(marginName(d)).Enabled = true;
  };
}

void showOnMap(Game& g, const std::string& control) {
  if (!g.formExists("Camp1Frm")) return;
  auto& f = g.form<Camp1Frm>("Camp1Frm");
  const Control* c = f.find(control);
  if (!c) return;
  stopScrolling(g);
  Control& map = f.ctl("MapSurface");
  std::tie(map.Left, map.Top) =
      viewCentredOn(c->Left + c->Width / 2, c->Top + c->Height / 2, map.Width, map.Height, f.Width, f.Height);
  for (uint8_t d = kScrollUp; d <= kScrollRight; ++d) f.ctl(marginName(d)).Enabled = true;
}

}  // namespace fief
