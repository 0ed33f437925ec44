#include "battle/battle_model.h"

#include <algorithm>
#include <cmath>

namespace fief::battle {

// Roster order: Archer, Helebarder, ClubMan, SwordMan, TwoHand, Cavalry, HCavalry,
// Champion, Templar, Paladin, Enginer, LongBow, Warlord, Monk.
const std::array<UnitStats, kRosterSize> kUnitStats = {{
    //  name          role            att   def  speed range  tough charge
    {"Archer",     Role::Ranged,   3.0f, 0.0f, 7.0f, 260.0f, 1.0f, 0.0f},
    {"Helebarder", Role::Melee,    5.0f, 3.0f, 5.0f, 0.0f,   1.0f, 0.0f},
    {"ClubMan",    Role::Melee,    3.0f, 1.0f, 7.0f, 0.0f,   1.0f, 0.0f},
    {"SwordMan",   Role::Melee,    5.0f, 6.0f, 5.0f, 0.0f,   1.2f, 0.0f},
    {"TwoHand",    Role::Melee,    7.0f, 4.0f, 5.0f, 0.0f,   1.1f, 0.0f},
    {"Cavalry",    Role::Cavalry,  6.0f, 4.0f, 12.0f, 0.0f,  1.5f, 12.0f},
    {"HCavalry",   Role::Cavalry,  8.0f, 10.0f, 9.0f, 0.0f,  2.0f, 16.0f},
    {"Champion",   Role::Cavalry,  6.0f, 8.0f, 10.0f, 0.0f,  2.0f, 13.0f},
    {"Templar",    Role::Melee,    8.0f, 4.0f, 7.0f, 0.0f,   1.2f, 0.0f},
    {"Paladin",    Role::Melee,    6.0f, 7.0f, 5.0f, 0.0f,   1.3f, 0.0f},
    {"Enginer",    Role::Engineer, 0.5f, 0.0f, 3.0f, 520.0f, 1.0f, 0.0f},
    {"LongBow",    Role::Ranged,   4.0f, 0.0f, 7.0f, 400.0f, 1.0f, 0.0f},
    {"Warlord",    Role::Warlord,  60.0f, 6.0f, 3.0f, 0.0f,  15.0f, 0.0f},
    {"Monk",       Role::Monk,     0.0f, 0.0f, 5.0f, 0.0f,   1.0f, 0.0f},
}};

namespace {

constexpr float kBlowRate = 0.01f;     // blows per soldier and attack point in a step
constexpr float kContact = 30.0f;      // melee distance
constexpr float kStride = 1.2f;        // field units per speed point and step
constexpr float kRangedMelee = 1.0f;   // archers' attack when foes reach them
constexpr float kEngineBlow = 0.12f;   // blows per engineer and shot, ignoring defence
constexpr int32_t kEngineCrew = 24;    // engineers that man the engines of one army
constexpr int kEngineReload = 3;       // steps between two shots of the engines
constexpr float kAntiCavalry = 2.5f;   // Helebarders against horsemen
constexpr float kWarlordLead = 1.15f;  // attack of an army led by its warlord
constexpr float kLossShock = 100.0f;   // morale lost for losing the whole army at once
constexpr float kWarlordFall = 30.0f;  // morale lost when the warlord falls
constexpr float kMonkCalm = 0.1f;      // morale regained per monk and step ...
constexpr float kMonkCalmMax = 1.5f;   // ... at most this much a step
constexpr float kWallBonus = 1.6f;     // defence behind castle walls
constexpr float kWallWear = 0.004f;    // wall bonus an engineer's shot knocks down
constexpr int kRetarget = 10;          // steps between fresh choices of the nearest foe
constexpr float kOddsMin = 0.25f;      // morale shock against a far weaker foe ...
constexpr float kOddsMax = 2.0f;       // ... and against a far stronger one
constexpr float kHuntReach = 2.0f;     // horsemen ride for shooters this many times as far as the nearest foe
constexpr float kKeepAway = 0.4f;      // shooters step back from foot and horse nearer than this share of their range
constexpr int kHelebarderSlot = 1;
constexpr int kWarlordSlot = 12;
static_assert(kRosterUnits[kHelebarderSlot] == Helebarder && kRosterUnits[kWarlordSlot] == Warlord);

// What one soldier weighs in the odds of a fight.
float unitPower(int slot) {
  const UnitStats& s = kUnitStats[slot];
  return (s.attack + s.defence + 1.0f) * s.toughness;
}

// A point of army a's deployment: u across its front (-1 .. 1), d in from its edge.
void deployPoint(int army, float u, float d, float& x, float& y) {
  const float spanX = 380.0f, spanY = 280.0f;
  switch (army) {
    case 0: x = kFieldW / 2 + u * spanX; y = kFieldH - d; break;
    case 1: x = kFieldW / 2 - u * spanX; y = d; break;
    case 2: x = d; y = kFieldH / 2 + u * spanY; break;
    default: x = kFieldW - d; y = kFieldH / 2 - u * spanY; break;
  }
}

}  // namespace

uint64_t seedOf(const std::vector<uint8_t>& bytes) {
  uint64_t h = 1469598103934665603ull;  // FNV-1a
  for (uint8_t b : bytes) {
    h ^= b;
    h *= 1099511628211ull;
  }
  return h;
}

uint32_t Battle::nextRand() {
  // xorshift64*: small, fast and the same on every machine.
  rng_ ^= rng_ >> 12;
  rng_ ^= rng_ << 25;
  rng_ ^= rng_ >> 27;
  return static_cast<uint32_t>((rng_ * 2685821657736338717ull) >> 32);
}

Battle::Battle(const FightIn& in, uint64_t seed)
    : rng_(seed ? seed : 0x9E3779B97F4A7C15ull), kind_(in.BattleKind), battleId_(in.BattleId) {
  const size_t n = std::min<size_t>(in.Armies.size(), kMaxFightArmies);
  armies_.resize(n);
  forms_.reserve(n * kRosterSize);
  for (size_t a = 0; a < n; ++a) {
    const FightArmy& fa = in.Armies[a];
    ArmyState& s = armies_[a];
    s.name = fa.Name;
    s.colour = fa.Colour;
    s.side = fa.Side;
    s.reduced = fa.Reduced;
    s.morale = s.startMorale = std::clamp(static_cast<float>(fa.Morale), 0.0f, 100.0f);
  }
  // The county's science arms the player's side better.
  if (in.Settings[kSetScience] != 0 && n > 0)
    for (ArmyState& s : armies_)
      if (s.side == armies_[0].side) s.attackBonus = 1.1f;
  // The walls: the defenders' side (army 1's at an assault, army 0's when the county's
  // own castle is attacked) stands behind them.
  if ((kind_ == kKindCastle || kind_ == kKindCastleDefence) && n > 1) {
    wall_ = kWallBonus;
    wallSide_ = armies_[kind_ == kKindCastle ? 1 : 0].side;
  }

  for (size_t a = 0; a < n; ++a) {
    const FightArmy& fa = in.Armies[a];
    // Slots by their place in the array: the foot in front, horsemen on the wings,
    // shooters behind, the warlord among them, engineers and monks at the back.
    struct Row {
      int slots[kRosterSize];
      int n = 0;
      void add(int s) { slots[n++] = s; }
    } front, wings, shooters, rear;
    bool warlord = false;
    for (int s = 0; s < fa.rosterSize(); ++s) {
      if (fa.Counts[s] <= 0) continue;
      Role r = kUnitStats[s].role;
      if (r == Role::Melee) front.add(s);
      else if (r == Role::Cavalry) wings.add(s);
      else if (r == Role::Ranged) shooters.add(s);
      else if (r == Role::Warlord) warlord = true;
      else rear.add(s);
    }
    auto place = [&](int slot, float u, float d) {
      if (kUnitStats[slot].role == Role::Warlord) warlord_[a] = static_cast<int16_t>(forms_.size());
      if (kUnitStats[slot].role == Role::Monk) monks_[a] = static_cast<int16_t>(forms_.size());
      Formation f;
      f.army = static_cast<uint8_t>(a);
      f.slot = static_cast<uint8_t>(slot);
      f.start = f.count = fa.Counts[slot];
      deployPoint(static_cast<int>(a), u, d, f.x, f.y);
      forms_.push_back(f);
      armies_[a].start += f.count;
      if (kUnitStats[slot].role != Role::Engineer && kUnitStats[slot].role != Role::Monk) armies_[a].fighters += f.count;
    };
    auto row = [&](const Row& r, float width, float d) {
      for (int i = 0; i < r.n; ++i)
        place(r.slots[i], r.n == 1 ? 0.0f : width * (2.0f * i / (r.n - 1) - 1.0f), d);
    };
    row(front, 0.55f, 190.0f);
    for (int i = 0; i < wings.n; ++i)  // right, left, right ...
      place(wings.slots[i], (i % 2 ? -1.0f : 1.0f) * (0.75f + 0.12f * (i / 2)), 170.0f);
    row(shooters, 0.4f, 110.0f);
    if (warlord) place(kWarlordSlot, 0.25f, 120.0f);
    row(rear, 0.3f, 30.0f);
    armies_[a].count = armies_[a].start;
  }
  int last = 0;
  if (standingSides(&last) <= 1) over_ = true;
}

bool Battle::enemies(int a, int b) const { return armies_[a].side != armies_[b].side; }

bool Battle::standing(int a) const { return !armies_[a].routed && armies_[a].count > 0; }

int Battle::standingSides(int* lastSide) const {
  int sides = 0;
  uint32_t seen = 0;
  for (size_t a = 0; a < armies_.size(); ++a) {
    if (!standing(static_cast<int>(a))) continue;
    uint32_t bit = 1u << (armies_[a].side & 31);
    if (!(seen & bit)) {
      seen |= bit;
      ++sides;
      *lastSide = armies_[a].side;
    }
  }
  return sides;
}

int Battle::pickTarget(int fi) const {
  // The nearest foe; horsemen ride for the nearest shooters (archers, long bows, engines)
  // instead when those stand no more than kHuntReach times as far.
  const Formation& f = forms_[fi];
  const bool hunter = kUnitStats[f.slot].role == Role::Cavalry;
  int best = -1, shooter = -1;
  float bestD = 0, shooterD = 0;
  for (size_t i = 0; i < forms_.size(); ++i) {
    const Formation& t = forms_[i];
    if (t.count <= 0 || t.state == FormState::Fleeing || t.state == FormState::Gone) continue;
    if (!enemies(f.army, t.army) || armies_[t.army].routed) continue;
    float dx = t.x - f.x, dy = t.y - f.y, d = dx * dx + dy * dy;
    if (best < 0 || d < bestD) best = static_cast<int>(i), bestD = d;
    const Role r = kUnitStats[t.slot].role;
    if (hunter && (r == Role::Ranged || r == Role::Engineer) && (shooter < 0 || d < shooterD))
      shooter = static_cast<int>(i), shooterD = d;
  }
  if (shooter >= 0 && shooterD <= kHuntReach * kHuntReach * bestD) return shooter;
  return best;
}

int Battle::nearestChaser(int fi) const {
  // The nearest foe that fights hand to hand and still stands.
  const Formation& f = forms_[fi];
  int best = -1;
  float bestD = 0;
  for (size_t i = 0; i < forms_.size(); ++i) {
    const Formation& t = forms_[i];
    if (t.count <= 0 || t.state == FormState::Fleeing || t.state == FormState::Gone) continue;
    const Role r = kUnitStats[t.slot].role;
    if ((r != Role::Melee && r != Role::Cavalry && r != Role::Warlord) || !enemies(f.army, t.army)) continue;
    float dx = t.x - f.x, dy = t.y - f.y, d = dx * dx + dy * dy;
    if (best < 0 || d < bestD) best = static_cast<int>(i), bestD = d;
  }
  return best;
}

void Battle::fight() {
  const bool retarget = steps_ % kRetarget == 0;
  for (size_t fi = 0; fi < forms_.size(); ++fi) {
    Formation& f = forms_[fi];
    if (f.count <= 0 || f.state == FormState::Fleeing || f.state == FormState::Gone) continue;
    const UnitStats& st = kUnitStats[f.slot];
    const ArmyState& army = armies_[f.army];
    const bool marching = f.ordered && (f.order == OrderKind::Move || f.order == OrderKind::FallBack);
    if (marching) {
      f.state = FormState::Marching;
      continue;
    }
    if (st.role == Role::Monk) {
      f.state = FormState::Holding;
      continue;
    }
    auto standingFoe = [&](int t) {
      return t >= 0 && forms_[t].count > 0 && forms_[t].state != FormState::Fleeing &&
             forms_[t].state != FormState::Gone && !armies_[forms_[t].army].routed;
    };
    bool valid = f.target >= 0 && forms_[f.target].count > 0 && forms_[f.target].state != FormState::Fleeing &&
                 forms_[f.target].state != FormState::Gone;
    bool pinned = false;  // an ordered attack keeps its target
    if (f.ordered && f.order == OrderKind::Attack) {
      if (standingFoe(f.orderTarget)) {
        if (f.target != f.orderTarget) f.charged = false;
        f.target = f.orderTarget;
        valid = pinned = true;
      } else {
        f.ordered = false;  // the target fell or fled: the model's choices again
      }
    }
    if (!pinned && (!valid || retarget)) {
      int t = pickTarget(static_cast<int>(fi));
      if (t != f.target) f.charged = false;
      f.target = static_cast<int16_t>(t);
    }
    if (f.target < 0) {
      f.state = FormState::Holding;
      continue;
    }
    Formation& t = forms_[f.target];
    const UnitStats& ts = kUnitStats[t.slot];
    const float dx = t.x - f.x, dy = t.y - f.y, dist = std::sqrt(dx * dx + dy * dy);
    const bool atCastle = wallSide_ >= 0 && armies_[t.army].side == wallSide_;
    const bool behindWalls = atCastle && !armies_[t.army].sallied;
    const float defence = ts.defence;
    const float lead = army.attackBonus * (0.75f + 0.5f * army.morale / 100.0f) *
                       (warlordAlive(f.army) ? kWarlordLead : 1.0f);
    float blows = 0;
    if (dist <= kContact) {
      float attack = st.attack;
      if (st.role == Role::Ranged) attack = kRangedMelee;
      if (st.role == Role::Cavalry && !f.charged) {
        attack = st.charge;
        f.charged = true;
      }
      if (f.slot == kHelebarderSlot && ts.role == Role::Cavalry) attack *= kAntiCavalry;
      blows = f.count * attack * kBlowRate * lead / (1.0f + defence / 4.0f);
      f.state = FormState::Fighting;
    } else if (st.range > 0 && dist <= st.range) {
      f.state = FormState::Shooting;
      if (st.role == Role::Engineer) {
        // The engines are only manned while other troops of the army stand to guard them.
        if (army.fighters <= 0) {
          f.state = FormState::Holding;
          continue;
        }
        if (f.reload > 0) {
          --f.reload;
        } else {
          f.reload = kEngineReload;
          // Stones do not care for armour. An army brings engines for its first
          // kEngineCrew engineers; the others only fetch and carry.
          blows = std::min(f.count, kEngineCrew) * kEngineBlow * lead;
          if (atCastle) wall_ = std::max(1.0f, wall_ - kWallWear * std::min(f.count, kEngineCrew));
        }
      } else {
        blows = f.count * st.attack * kBlowRate * lead / (1.0f + defence / 4.0f);
      }
    } else {
      f.state = f.ordered && f.order == OrderKind::Hold ? FormState::Holding : FormState::Advancing;
      continue;
    }
    // The walls take part of every blow aimed at the defenders still on them.
    t.pending += blows * (0.85f + 0.3f * rand01()) / ts.toughness / (behindWalls ? wall_ : 1.0f);
  }
}

bool Battle::warlordAlive(int army) const {
  const int f = warlord_[army];
  return f >= 0 && forms_[f].count > 0;
}

void Battle::resolve() {
  std::array<int32_t, kMaxFightArmies> lost{}, fightersLost{};
  std::array<float, kMaxFightArmies> power{};
  for (Formation& f : forms_) {
    f.lostLastStep = 0;
    power[f.army] += f.count * unitPower(f.slot);
    if (f.pending <= 0 || f.count <= 0) {
      f.pending = 0;
      continue;
    }
    f.wounds += f.pending;
    f.pending = 0;
    const int32_t dead = std::min<int32_t>(f.count, static_cast<int32_t>(f.wounds));
    f.wounds -= static_cast<float>(dead);
    f.count -= dead;
    f.lostLastStep = dead;
    // Defenders shot at on their walls without striking back go out, all of them, to
    // meet the foe.
    if (dead > 0 && f.state != FormState::Fighting && f.state != FormState::Shooting) armies_[f.army].sallied = true;
    lost[f.army] += dead;
    if (kUnitStats[f.slot].role != Role::Engineer && kUnitStats[f.slot].role != Role::Monk) fightersLost[f.army] += dead;
    if (f.count == 0) f.wounds = 0;
    if (dead > 0 && f.count == 0 && kUnitStats[f.slot].role == Role::Warlord && !armies_[f.army].warlordFell) {
      armies_[f.army].warlordFell = true;
      armies_[f.army].morale -= kWarlordFall;
    }
  }
  for (size_t a = 0; a < armies_.size(); ++a) {
    ArmyState& s = armies_[a];
    s.count -= lost[a];
    s.fighters -= fightersLost[a];
    if (s.start <= 0) continue;
    if (lost[a] > 0) {
      // Losses shake an army the more, the stronger its foes are beside its own side;
      // a warlord steadies it.
      float own = 0, foes = 0;
      for (size_t b = 0; b < armies_.size(); ++b)
        if (!armies_[b].routed) (enemies(static_cast<int>(a), static_cast<int>(b)) ? foes : own) += power[b];
      const float odds = own > 0 ? std::clamp(foes / own, kOddsMin, kOddsMax) : kOddsMax;
      const float shock = (warlordAlive(static_cast<int>(a)) ? 0.5f : 1.0f) * odds;
      s.morale -= kLossShock * lost[a] / s.start * shock;
    }
    const int32_t monks = monks_[a] >= 0 ? forms_[monks_[a]].count : 0;
    if (monks > 0 && !s.routed) s.morale += std::min(kMonkCalmMax, kMonkCalm * monks);
    s.morale = std::clamp(s.morale, 0.0f, 100.0f);
    if (!s.routed && s.count > 0 && s.morale < kBreakMorale &&
        static_cast<float>(s.start - s.count) >= kBreakLosses * s.start) {
      s.routed = true;
      for (Formation& f : forms_)
        if (f.army == a && f.count > 0) f.state = FormState::Fleeing;
    }
  }
}

void Battle::move() {
  for (Formation& f : forms_) {
    if (f.count <= 0 || f.state == FormState::Gone) continue;
    const UnitStats& st = kUnitStats[f.slot];
    const float stride = st.speed * kStride;
    if (f.state == FormState::Fleeing) {
      // Back to the army's own edge, and off the field.
      float ex = f.x, ey = f.y;
      deployPoint(f.army, 0.0f, -60.0f, ex, ey);
      if (f.army <= 1) ex = f.x;
      else ey = f.y;
      float dx = ex - f.x, dy = ey - f.y, d = std::sqrt(dx * dx + dy * dy);
      if (d <= stride * 1.2f) f.state = FormState::Gone;
      else f.x += dx / d * stride * 1.2f, f.y += dy / d * stride * 1.2f;
      continue;
    }
    if (f.ordered && (f.order == OrderKind::Move || f.order == OrderKind::FallBack)) {
      const float dx = f.orderX - f.x, dy = f.orderY - f.y, d = std::sqrt(dx * dx + dy * dy);
      if (d <= stride) {
        // Arrived: a move is done; a formation that fell back holds there.
        f.x = f.orderX, f.y = f.orderY;
        if (f.order == OrderKind::Move) f.ordered = false;
        else f.order = OrderKind::Hold;
      } else {
        f.x += dx / d * stride, f.y += dy / d * stride;
      }
      continue;
    }
    if (f.ordered && f.order == OrderKind::Hold) continue;
    const bool defender = wallSide_ >= 0 && armies_[f.army].side == wallSide_;
    if (!f.ordered && st.role == Role::Ranged && !defender &&
        (f.state == FormState::Shooting || f.state == FormState::Advancing)) {
      if (keepDistance(f, stride)) continue;
    }
    if (f.state != FormState::Advancing || f.target < 0) continue;
    advance(f, forms_[f.target], stride);
  }
}

void Battle::advance(Formation& f, const Formation& t, float stride) {
  const UnitStats& st = kUnitStats[f.slot];
  // Castle defenders hold the walls until the foe comes close.
  const bool defender = wallSide_ >= 0 && armies_[f.army].side == wallSide_;
  float dx = t.x - f.x, dy = t.y - f.y, d = std::sqrt(dx * dx + dy * dy);
  if (defender && !f.ordered && !armies_[f.army].sallied && st.role != Role::Cavalry && d > 120.0f) {
    f.state = FormState::Holding;
    return;
  }
  const float want = st.range > 0 ? st.range * 0.9f : kContact * 0.8f;
  const float go = std::min(stride, d - want);
  if (go > 0 && d > 0) f.x += dx / d * go, f.y += dy / d * go;
}

bool Battle::keepDistance(Formation& f, float stride) {
  // Shooters step back from foot and horse that come near, as long as the field lets
  // them; cornered, they stand and shoot (and fight when reached). True when it stepped.
  const int c = nearestChaser(static_cast<int>(&f - forms_.data()));
  if (c < 0) return false;
  const Formation& t = forms_[c];
  const float dx = f.x - t.x, dy = f.y - t.y, d = std::sqrt(dx * dx + dy * dy);
  if (d <= kContact || d >= kKeepAway * kUnitStats[f.slot].range) return false;
  const float nx = std::clamp(f.x + dx / d * stride, kFieldMargin, kFieldW - kFieldMargin);
  const float ny = std::clamp(f.y + dy / d * stride, kFieldMargin, kFieldH - kFieldMargin);
  const float gx = nx - t.x, gy = ny - t.y;
  if (gx * gx + gy * gy <= d * d + 1.0f) return false;  // against the edge: no farther away
  f.x = nx, f.y = ny;
  return true;
}

bool Battle::step() {
  for (; nextScheduled_ < scheduled_.size() && scheduled_[nextScheduled_].step <= steps_ && !over_; ++nextScheduled_)
    if (scheduled_[nextScheduled_].step == steps_) command(scheduled_[nextScheduled_]);
  if (over_) return false;
  fight();
  resolve();
  move();
  ++steps_;
  int last = 0;
  if (standingSides(&last) <= 1 || steps_ >= kMaxSteps) over_ = true;
  return !over_;
}

void Battle::finish() {
  while (step()) {
  }
}

void Battle::finish(const std::vector<Order>& orders) {
  schedule(orders);
  finish();
}

void Battle::schedule(std::vector<Order> orders) {
  scheduled_ = std::move(orders);
  nextScheduled_ = 0;
}

const char* stateWord(FormState s) {
  switch (s) {
    case FormState::Advancing: return "advancing";
    case FormState::Fighting: return "fighting";
    case FormState::Shooting: return "shooting";
    case FormState::Holding: return "holding";
    case FormState::Fleeing: return "fleeing";
    case FormState::Gone: return "gone";
    case FormState::Marching: return "marching";
  }
  return "";
}

const char* orderWord(OrderKind k) {
  switch (k) {
    case OrderKind::Deploy: return "deploy";
    case OrderKind::Attack: return "attack";
    case OrderKind::Move: return "move";
    case OrderKind::Hold: return "hold";
    case OrderKind::FallBack: return "fallback";
    case OrderKind::AllAttack: return "all-attack";
    case OrderKind::AllHold: return "all-hold";
    case OrderKind::Retreat: return "retreat";
  }
  return "?";
}

bool Battle::inDeployZone(float x, float y) {
  return x >= kFieldMargin && x <= kFieldW - kFieldMargin && y >= kFieldH - kDeployDepth && y <= kFieldH - kFieldMargin;
}

std::string Battle::command(const Order& o) {
  if (over_) return "the battle is over";
  if (armies_.empty() || armies_[kPlayerArmy].count <= 0) return "the army has no soldiers";
  ArmyState& army = armies_[kPlayerArmy];
  if (army.routed) return "the army has left the field";
  const bool wide = o.kind == OrderKind::AllAttack || o.kind == OrderKind::AllHold || o.kind == OrderKind::Retreat;
  if (wide) {
    for (Formation& f : forms_) {
      if (f.army != kPlayerArmy || f.count <= 0 || f.state == FormState::Fleeing || f.state == FormState::Gone) continue;
      if (o.kind == OrderKind::AllAttack) {
        f.ordered = false;  // the model's choice: the nearest foe
      } else if (o.kind == OrderKind::AllHold) {
        f.ordered = true, f.order = OrderKind::Hold;
      } else {
        f.ordered = false, f.state = FormState::Fleeing;
      }
    }
    if (o.kind == OrderKind::Retreat) {
      army.routed = true;
      retreated_ = true;
      int last = 0;
      if (standingSides(&last) <= 1) over_ = true;
    }
    return {};
  }
  if (o.formation < 0 || o.formation >= static_cast<int>(forms_.size())) return "there is no such formation";
  Formation& f = forms_[o.formation];
  if (f.army != kPlayerArmy) return "only the player's own formations take orders";
  if (f.count <= 0 || f.state == FormState::Gone) return "that formation has fallen";
  if (f.state == FormState::Fleeing) return "that formation has fled";
  const bool onField = o.x >= 0 && o.x <= kFieldW && o.y >= 0 && o.y <= kFieldH;
  switch (o.kind) {
    case OrderKind::Deploy:
      if (!deploying()) return "the battle has begun: formations deploy only before it";
      if (!onField) return "that point is outside the field";
      if (!inDeployZone(o.x, o.y)) return "that point is outside the deployment zone";
      f.x = o.x, f.y = o.y;
      return {};
    case OrderKind::Attack: {
      if (kUnitStats[f.slot].role == Role::Monk) return "monks do not fight";
      if (o.target < 0 || o.target >= static_cast<int>(forms_.size())) return "there is no such target";
      const Formation& t = forms_[o.target];
      if (!enemies(f.army, t.army)) return "that formation is not an enemy";
      if (t.count <= 0 || t.state == FormState::Gone) return "that target has fallen";
      if (t.state == FormState::Fleeing || armies_[t.army].routed) return "that target has fled";
      f.ordered = true, f.order = OrderKind::Attack, f.orderTarget = o.target;
      return {};
    }
    case OrderKind::Move:
      if (!onField) return "that point is outside the field";
      f.ordered = true, f.order = OrderKind::Move, f.orderX = o.x, f.orderY = o.y;
      return {};
    case OrderKind::Hold:
      f.ordered = true, f.order = OrderKind::Hold;
      return {};
    case OrderKind::FallBack: {
      float ex = f.x, ey = f.y;
      deployPoint(f.army, 0.0f, 60.0f, ex, ey);
      if (f.army <= 1) ex = f.x;
      else ey = f.y;
      f.ordered = true, f.order = OrderKind::FallBack, f.orderX = ex, f.orderY = ey;
      return {};
    }
    default: return "that order needs no formation";
  }
}

float Battle::judge(int side) const {
  float s = 0;
  for (const Formation& f : forms_) {
    const ArmyState& a = armies_[f.army];
    if (a.side != side || a.routed || f.count <= 0) continue;
    const UnitStats& st = kUnitStats[f.slot];
    s += f.count * (st.attack + st.defence + 1.0f) * st.toughness * (0.5f + a.morale / 100.0f);
  }
  return s;
}

int Battle::winningSide() const {
  int last = -1;
  const int sides = standingSides(&last);
  if (sides == 1) return last;
  // Undecided (or every army broke at once): the stronger of the sides still there,
  // else the one with the most soldiers left; a tie goes against the player.
  const int enemy = armies_.size() > 1 ? armies_[1].side : -1;
  int best = enemy;
  float bestScore = -1;
  for (int pass = 0; pass < 2 && bestScore <= 0; ++pass) {
    for (size_t a = 0; a < armies_.size(); ++a) {
      const int side = armies_[a].side;
      float score = 0;
      if (pass == 0) {
        score = judge(side);
      } else {
        for (const ArmyState& o : armies_)
          if (o.side == side) score += static_cast<float>(o.count);
      }
      if (score > bestScore || (score == bestScore && side == enemy)) best = side, bestScore = score;
    }
  }
  return best;
}

FightOut Battle::result() const {
  FightOut out;
  out.BattleId = battleId_;
  const int win = winningSide();
  // An army that retreated has lost, whatever its allies do after it.
  out.Outcome = !armies_.empty() && !retreated_ && win == armies_[0].side ? 1 : 0;
  int64_t ours = 0, theirs = 0;
  out.Armies.resize(armies_.size());
  for (size_t a = 0; a < armies_.size(); ++a) {
    out.Armies[a].Reduced = armies_[a].reduced;
    const int64_t dead = armies_[a].start - armies_[a].count;
    (armies_[a].side == armies_[0].side ? ours : theirs) += dead;
  }
  for (const Formation& f : forms_) out.Armies[f.army].Survivors[f.slot] = static_cast<int16_t>(f.count);
  // The results carry 16-bit counts of the dead: more than 32767 is written as 32767.
  out.OurDead = static_cast<int16_t>(std::min<int64_t>(ours, 32767));
  out.EnemyDead = static_cast<int16_t>(std::min<int64_t>(theirs, 32767));
  return out;
}

FightOut resolveBattle(const FightIn& in, uint64_t seed) {
  Battle b(in, seed);
  b.finish();
  return b.result();
}

FightOut resolveBattle(const FightIn& in, uint64_t seed, const std::vector<Order>& orders) {
  Battle b(in, seed);
  b.finish(orders);
  return b.result();
}

}  // namespace fief::battle
