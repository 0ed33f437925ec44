// The battle window's pictures: a small soldier figure of every unit type in each army
// colour, standing, walking and fighting, in side view facing right (`r`) and left (`l`),
// the ring round the chosen formation, the deployment zone and the order markers.
#include <cmath>
#include <string>

#include "art.h"

namespace art {

namespace {

// Battle roster order, the order the battle window numbers the types in.
enum Kind { Archer, Helebarder, ClubMan, SwordMan, TwoHand, Cavalry, HCavalry, Champion, Templar, Paladin, Enginer,
            LongBow, Warlord, Monk, kKinds };
const char* const kKindNames[kKinds] = {"archer",  "helebarder", "clubman",  "swordman", "twohand",
                                        "cavalry", "hcavalry",   "champion", "templar",  "paladin",
                                        "enginer", "longbow",    "warlord",  "monk"};

struct ArmyColour {
  const char* name;
  Rgb cloth;
};
const ArmyColour kColours[] = {{"green", hex("#2f8a2a")}, {"red", hex("#b8281c")}, {"blue", hex("#2848a8")},
                               {"yellow", hex("#d8b820")}};

const Rgb kSkin = hex("#e8c09a"), kSteel = hex("#b8bcc4"), kWood = hex("#7a5228"), kHorse = hex("#6b4424"),
          kOutline = hex("#1c140c"), kRobe = hex("#6e5238");

void line(cairo_t* cr, double x0, double y0, double x1, double y1, double w, Rgb c) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  cairo_set_line_width(cr, w);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  setColor(cr, c);
  cairo_stroke(cr);
}

void disc(cairo_t* cr, double x, double y, double r, Rgb c, bool outline = true) {
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  setColor(cr, c);
  if (!outline) {
    cairo_fill(cr);
    return;
  }
  cairo_fill_preserve(cr);
  setColor(cr, kOutline);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

void poly(cairo_t* cr, std::initializer_list<std::pair<double, double>> pts, Rgb c) {
  bool first = true;
  for (auto [x, y] : pts) {
    if (first) cairo_move_to(cr, x, y);
    else cairo_line_to(cr, x, y);
    first = false;
  }
  cairo_close_path(cr);
  setColor(cr, c);
  cairo_fill_preserve(cr);
  setColor(cr, kOutline);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

// A man on foot at (x, ground): legs by pose (0 standing, 1 walking, 2 fighting), the tunic
// in the army's colour, the head with its helmet or hood. Returns the hand's height.
double footman(cairo_t* cr, Kind k, int pose, Rgb cloth, double x, double ground, double s) {
  const double hip = ground - 10 * s, shoulder = ground - 19 * s, head = ground - 23 * s;
  const double stride = pose == 1 ? 5 * s : pose == 2 ? 4 * s : 1.5 * s;
  const Rgb legs = shade(cloth, 0.55);
  line(cr, x, hip, x - stride, ground, 2.4 * s, kOutline);
  line(cr, x, hip, x + stride, ground, 2.4 * s, kOutline);
  line(cr, x, hip, x - stride, ground - 0.5, 1.4 * s, legs);
  line(cr, x, hip, x + stride, ground - 0.5, 1.4 * s, legs);
  const bool robe = k == Monk;
  const Rgb body = robe ? kRobe : cloth;
  poly(cr, {{x - 3.2 * s, shoulder}, {x + 3.2 * s, shoulder}, {x + (robe ? 5 : 4) * s, hip + (robe ? 7 : 1) * s},
            {x - (robe ? 5 : 4) * s, hip + (robe ? 7 : 1) * s}},
       body);
  if (k == Templar || k == Paladin) {  // the cross on the surcoat
    const Rgb mark = k == Templar ? pal::white : pal::goldLight;
    line(cr, x, shoulder + 1.5 * s, x, hip - 0.5 * s, 1.3 * s, mark);
    line(cr, x - 2 * s, shoulder + 4 * s, x + 2 * s, shoulder + 4 * s, 1.3 * s, mark);
  }
  if (robe) line(cr, x - 4 * s, hip - 1 * s, x + 4 * s, hip - 1 * s, 1.4 * s, cloth);  // the army's sash
  disc(cr, x, head, 3.4 * s, kSkin);
  // Helmets, hoods and the warlord's crown.
  switch (k) {
    case SwordMan: case TwoHand: case Helebarder: case Paladin: case Templar:
      cairo_arc(cr, x, head - 0.3 * s, 3.7 * s, M_PI, 2 * M_PI);
      setColor(cr, kSteel);
      cairo_fill(cr);
      line(cr, x - 4 * s, head, x + 4 * s, head, 0.9 * s, shade(kSteel, 0.7));
      break;
    case Archer: case LongBow: case Monk:
      cairo_arc(cr, x - 0.5 * s, head - 0.3 * s, 3.8 * s, M_PI * 0.75, 2 * M_PI);
      setColor(cr, k == Monk ? kRobe : shade(cloth, 0.7));
      cairo_fill(cr);
      break;
    case Warlord:
      poly(cr, {{x - 3.5 * s, head - 2 * s}, {x - 3.5 * s, head - 6 * s}, {x - 1.5 * s, head - 4 * s}, {x, head - 6.5 * s},
                {x + 1.5 * s, head - 4 * s}, {x + 3.5 * s, head - 6 * s}, {x + 3.5 * s, head - 2 * s}},
           pal::gold);
      break;
    default: break;
  }
  return shoulder + 3 * s;
}

// The weapon of a footman in the hand at (x, y) by pose.
void weapon(cairo_t* cr, Kind k, int pose, Rgb cloth, double x, double y, double s) {
  const bool fight = pose == 2;
  switch (k) {
    case Archer: case LongBow: {
      const double h = (k == LongBow ? 11 : 8) * s, bx = x + (fight ? 6 : 4) * s;
      cairo_arc(cr, bx - h * 0.55, y, h, -0.9, 0.9);
      cairo_set_line_width(cr, 1.4 * s);
      setColor(cr, kWood);
      cairo_stroke(cr);
      const double ex = bx - h * 0.55 + h * std::cos(0.9), ey = h * std::sin(0.9);
      line(cr, ex, y - ey, fight ? x - 1 * s : ex, y, 0.5 * s, pal::white);
      line(cr, fight ? x - 1 * s : ex, y, ex, y + ey, 0.5 * s, pal::white);
      if (fight) line(cr, x - 1 * s, y, bx + 3 * s, y, 0.8 * s, kWood);
      break;
    }
    case ClubMan:
      if (fight) line(cr, x, y, x + 6 * s, y - 7 * s, 2.6 * s, kWood);
      else line(cr, x + 1 * s, y, x + 4 * s, y + 6 * s, 2.6 * s, kWood);
      break;
    case SwordMan: case Templar: case Paladin: {
      const Rgb blade = k == Paladin ? shade(kSteel, 0.8) : kSteel;
      if (fight) line(cr, x + 1 * s, y, x + 9 * s, y - 3 * s, (k == Paladin ? 2.4 : 1.5) * s, blade);
      else line(cr, x + 1 * s, y, x + 3 * s, y - 8 * s, (k == Paladin ? 2.4 : 1.5) * s, blade);
      // The shield on the other arm, in the army's colour.
      cairo_save(cr);
      cairo_translate(cr, x - 3.5 * s, y + 1 * s);
      shieldPath(cr, -3.5 * s, -4 * s, 7 * s, 9 * s);
      setColor(cr, shade(cloth, 0.8));
      cairo_fill_preserve(cr);
      setColor(cr, pal::gold);
      cairo_set_line_width(cr, 0.9 * s);
      cairo_stroke(cr);
      cairo_restore(cr);
      break;
    }
    case TwoHand:
      if (fight) line(cr, x, y, x + 6 * s, y - 11 * s, 1.8 * s, kSteel);
      else line(cr, x, y + 2 * s, x, y - 13 * s, 1.8 * s, kSteel);
      line(cr, x - 2 * s, y + (fight ? -1 : 0) * s, x + 2 * s, y + (fight ? 1 : 0) * s, 1.2 * s, kWood);
      break;
    case Helebarder: {
      const double tx = fight ? x + 10 * s : x + 2 * s, ty = fight ? y - 6 * s : y - 16 * s;
      line(cr, fight ? x - 3 * s : x + 1 * s, fight ? y + 2 * s : y + 8 * s, tx, ty, 1.3 * s, kWood);
      poly(cr, {{tx, ty}, {tx + 2.5 * s, ty + 1 * s}, {tx + 1.5 * s, ty + 4 * s}, {tx - 0.5 * s, ty + 2 * s}}, kSteel);
      break;
    }
    case Enginer:
      // A mallet, and a little stone-thrower beside him.
      line(cr, x, y, fight ? x + 5 * s : x + 2 * s, fight ? y - 6 * s : y + 5 * s, 1.2 * s, kWood);
      disc(cr, fight ? x + 5 * s : x + 2 * s, fight ? y - 6 * s : y + 5 * s, 1.6 * s, kSteel, false);
      break;
    case Warlord: {
      // The army's banner on a pole.
      line(cr, x + 2 * s, y + 9 * s, x + 2 * s, y - 16 * s, 1.2 * s, kWood);
      poly(cr, {{x + 2 * s, y - 16 * s}, {x + 10 * s, y - 14 * s}, {x + 2 * s, y - 10 * s}}, cloth);
      if (fight) line(cr, x - 1 * s, y, x - 7 * s, y - 6 * s, 1.6 * s, kSteel);
      break;
    }
    case Monk:
      line(cr, x + 3 * s, y + 9 * s, x + 3 * s, y - 8 * s, 1.1 * s, kWood);
      line(cr, x + 1 * s, y - 5 * s, x + 5 * s, y - 5 * s, 1.1 * s, kWood);
      break;
    default: break;
  }
}

// A horseman: the horse (barded in the army's colour for the heavy horse), its legs by
// pose, and the rider with his lance couched when fighting.
void horseman(cairo_t* cr, Kind k, int pose, Rgb cloth, Detail d) {
  const double ground = 30, back = 17;
  const Rgb coat = k == HCavalry ? hex("#8a8a90") : k == Champion ? hex("#e8e0d0") : kHorse;
  const double legA = pose == 1 ? 3.5 : pose == 2 ? 4.5 : 1, legB = pose == 1 ? -3 : pose == 2 ? -1 : 1;
  for (double lx : {9.0, 12.0})
    line(cr, lx, back + 3, lx - legA, ground, 1.8, shade(coat, 0.7));
  for (double lx : {21.0, 24.0})
    line(cr, lx, back + 3, lx + legB + (pose == 2 ? 3 : 0), ground, 1.8, shade(coat, 0.7));
  cairo_save(cr);
  cairo_translate(cr, 16.5, back + 1);
  cairo_scale(cr, 9.5, 4.6);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  setColor(cr, coat);
  cairo_fill_preserve(cr);
  setColor(cr, kOutline);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  // Neck and head, raised when charging.
  const double hy = pose == 2 ? 8 : 10;
  poly(cr, {{23, back - 2}, {27, hy}, {31, hy + 3}, {30, hy + 5}, {26, back + 2}}, coat);
  line(cr, 6, back - 1, 3, back + 6, 1.6, shade(coat, 0.5));  // tail
  if (k == HCavalry || d.high) {
    // The saddle cloth (the heavy horse's barding reaches the knees).
    const double drop = k == HCavalry ? 7 : 3;
    poly(cr, {{12, back - 3}, {20, back - 3}, {20.5, back + drop}, {11.5, back + drop}}, cloth);
  }
  // The rider.
  const double seat = back - 4;
  poly(cr, {{14, seat - 8}, {18, seat - 8}, {19, seat}, {13, seat}}, cloth);
  disc(cr, 16, seat - 11, 2.8, kSkin);
  cairo_arc(cr, 16, seat - 11.3, 3.1, M_PI, 2 * M_PI);
  setColor(cr, k == Champion ? pal::gold : kSteel);
  cairo_fill(cr);
  if (k == Champion) line(cr, 16, seat - 14, 13, seat - 17, 1.3, cloth);  // the plume
  if (pose == 2) line(cr, 12, seat - 5, 31, seat - 3, 1.3, kWood);        // the lance couched
  else line(cr, 18, seat + 1, 21, seat - 16, 1.3, kWood);                 // ... and upright
  if (pose != 2) poly(cr, {{21, seat - 16}, {25, seat - 14.5}, {21, seat - 13}}, cloth);
}

void figure(Canvas& c, Kind k, int pose, Rgb cloth, bool left, Detail d) {
  cairo_t* cr = c.cr;
  if (left) {
    cairo_translate(cr, c.w, 0);
    cairo_scale(cr, -1, 1);
  }
  // A soft shadow on the ground.
  cairo_save(cr);
  cairo_translate(cr, 16, 30);
  cairo_scale(cr, k == Cavalry || k == HCavalry || k == Champion ? 13 : 7, 2);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  setColor(cr, pal::black, 0.3);
  cairo_fill(cr);
  if (k == Cavalry || k == HCavalry || k == Champion) {
    horseman(cr, k, pose, cloth, d);
    return;
  }
  if (k == Enginer) {
    // The engine beside him: a frame on wheels and its arm.
    line(cr, 20, 27, 30, 27, 1.6, kWood);
    disc(cr, 21, 28, 2, kWood);
    disc(cr, 29, 28, 2, kWood);
    line(cr, 25, 27, pose == 2 ? 30 : 22, pose == 2 ? 14 : 15, 1.4, kWood);
    disc(cr, pose == 2 ? 30 : 22, pose == 2 ? 14 : 15, 1.8, hex("#8d8a80"));
  }
  const double x = k == Enginer ? 11 : 14;
  const double hand = footman(cr, k, pose, cloth, x, 30, 1.0);
  weapon(cr, k, pose, cloth, x + 2, hand, 1.0);
}

}  // namespace

void battleJobs(std::vector<Job>& jobs) {
  for (int k = 0; k < kKinds; ++k)
    jobs.push_back([k](Output& o) {
      for (const ArmyColour& col : kColours)
        for (int pose = 0; pose < 3; ++pose)
          for (int left = 0; left < 2; ++left)
            o.picture(std::string("fig_") + kKindNames[k] + "_" + std::to_string(pose) + "_" + col.name +
                          (left ? "_l" : "_r"),
                      32, 32, [&](Canvas& c, Detail d) { figure(c, static_cast<Kind>(k), pose, col.cloth, left, d); });
    });
  jobs.push_back([](Output& o) {
    // The chosen formation's ring: a gold frame of rounded corners (9-slice, corner 8).
    o.picture("battle_ring", 32, 32, [](Canvas& c, Detail) {
      roundRect(c.cr, 2, 2, 28, 28, 7);
      setColor(c.cr, pal::ink, 0.8);
      cairo_set_line_width(c.cr, 3.6);
      cairo_stroke_preserve(c.cr);
      setColor(c.cr, pal::goldLight);
      cairo_set_line_width(c.cr, 2);
      cairo_stroke(c.cr);
    });
    // The deployment zone: a faint gold wash in a dashed frame (9-slice, corner 8).
    o.picture("deploy_zone", 32, 32, [](Canvas& c, Detail) {
      cairo_rectangle(c.cr, 1, 1, 30, 30);
      setColor(c.cr, pal::goldLight, 0.18);
      cairo_fill_preserve(c.cr);
      double dash[] = {5, 3};
      cairo_set_dash(c.cr, dash, 2, 0);
      setColor(c.cr, pal::goldLight, 0.9);
      cairo_set_line_width(c.cr, 2);
      cairo_stroke(c.cr);
      cairo_set_dash(c.cr, nullptr, 0, 0);
    });
    o.picture("order_dot", 12, 12, [](Canvas& c, Detail) { disc(c.cr, 6, 6, 3.2, pal::goldLight); });
    struct Mark {
      const char* name;
      const char* icon;
      Rgb field;
    };
    for (const Mark& m : {Mark{"order_attack", "crossed-swords", pal::red}, Mark{"order_move", "flag-objective", pal::blue},
                          Mark{"order_hold", "shield", pal::green}, Mark{"order_fallback", "return-arrow", pal::purple}})
      o.picture(m.name, 28, 28, [&](Canvas& c, Detail d) { medallion(c.cr, m.icon, 14, 14, 12.5, m.field, pal::goldLight, d); });
  });
}

}  // namespace art
