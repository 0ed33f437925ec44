#include "map/army_walk.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>
#include <utility>

#include "campaign/game_bindings.h"
#include "campaign/message_log.h"
#include "map/camp1_bindings.h"
#include "map/camp1_frm.h"
#include "map/map_pictures.h"
#include "map/map_view.h"
#include "military/agents.h"
#include "military/armies.h"
#include "military/battle_handover.h"
#include "military/military_screens.h"
#include "text_names.h"
#include "ui/dialogs.h"
#include "ui/game.h"

namespace fief {

namespace {
std::string campImg(int k) { return "ArmyCamp" + std::to_string(k) + "Img"; }
std::string marker(int n) { return "WalkTo" + std::to_string(n); }

Camp1Frm* campScreen(Game& g) { return g.formExists("Camp1Frm") ? &g.form<Camp1Frm>("Camp1Frm") : nullptr; }

// Moves v towards target by at most step.
int approach(int v, int target, int step) {
  if (v < target) return std::min(target, v + step);
  if (v > target) return std::max(target, v - step);
  return v;
}

void armyTimerTick(Game& g) {
  Camp1Frm* f = campScreen(g);
  const int k = g.s.SelectedCamp;
  if (!g.timers.enabled("ArmyTimer")) return;
  if (!f || k < 1 || k > 3) {
    g.timers.disable("ArmyTimer");
    return;
  }
  Control& camp = f->ctl(campImg(k));
  Control& walker = f->ctl("WalkingImg");
  const Control* m = f->find(marker(g.s.CampWaypoint[k - 1]));
  const int tx = m ? m->Left : camp.Left, ty = m ? m->Top - 25 : camp.Top;
  camp.Left = approach(camp.Left, tx, kStepPixels);
  camp.Top = approach(camp.Top, ty, kStepPixels);
  walker.Left = camp.Left;
  walker.Top = camp.Top + 16;
  // The camp's troop figure and status picture go along with it.
  refreshCamps(*f);
  if (camp.Left != tx || camp.Top != ty) return;
  // Arrived: the timer stops, the walking figure goes and the step is counted.
  g.timers.disable("ArmyTimer");
  walker.Visible = false;
  StepFinished(g.s);
  // The whole map follows what the step changed: the flag on an object taken on the way,
  // the siege camp of a site the camp has reached.
  f->refreshAll();
}

void openCamp(Game& g, int k) {
  if (g.timedActionRunning()) return;
  g.PlaySound(kScreenChannel, "army01.wav");
  // The camp's own screen puts the offered roads away for good, and with them a split
  // order still waiting for its waypoint.
  hideWaypointMarkers(g);
  g.s.SplitMode = 0;
  OpenArmyCamp(g, k);
}
}  // namespace

const WaypointGraph& levelGraph(Game& g) {
  static std::string dir;
  static WaypointGraph graph;
  if (dir != g.dir || graph.empty()) {
    dir = g.dir;
    std::ifstream in(g.path("level15/map.json"));
    std::stringstream ss;
    ss << in.rdbuf();
    std::string err;
    parseWaypointGraph(ss.str(), graph, err);
  }
  return graph;
}

void hideWaypointMarkers(Game& g) {
  if (Camp1Frm* f = campScreen(g)) {
    for (auto& c : f->controls())
      if (c.Name.rfind("WalkTo", 0) == 0) c.Visible = false;
    // A tooltip of a marker that is gone goes with it.
    f->clearHover();
  }
}

namespace {
// Shows the markers of the waypoints the camp may walk to.
void offerWaypoints(Camp1Frm& f, Game& g, int k) {
  hideWaypointMarkers(g);
  for (int n : offeredWaypoints(g.s, levelGraph(g), k))
    if (Control* m = f.find(marker(n))) {
      m->Visible = true;
      if (Control* ring = f.find(offerRingName(n))) ring->Visible = true;
    }
}

bool markersShown(Camp1Frm& f) {
  for (auto& c : f.controls())
    if (c.Visible && c.Name.rfind("WalkTo", 0) == 0) return true;
  return false;
}

// Whether the camp may be offered its roads now.
bool mayWalkNow(Game& g, int k) {
  const GameState& s = g.s;
  return k >= 1 && k <= 3 && campExists(s, k) && s.CastleGarrisonCamp != k && s.CampMovesLeft[k - 1] > 0 &&
         !g.timedActionRunning();
}

// The offer put away while another screen covers the campaign screen.
struct PutAwayOffer {
  int camp = 0;
  int waypoint = 0;
  int turn = 0;
};
}  // namespace

void SelectForWalking(Game& g, int k) {
  Camp1Frm* f = campScreen(g);
  if (!f || g.timedActionRunning()) return;
  const int before = g.s.SelectedCamp;
  const int r = SelectCampForWalking(g.s, k);
  // The garrison is moved from the castle screen: the right button on it does nothing.
  if (r == 25) g.setHelperText(txt::campaign1::NoMovesLeft);
  if (r != kDone) return;
  // Selecting another camp gives up a split order pending for the one selected before.
  if (k != before) g.s.SplitMode = 0;
  g.PlaySound(kMapChannel, "rollover01.wav");
  f->ctl(campImg(k)).Z = 6;
  for (int j = 1; j <= 3; ++j)
    if (j != k) f->ctl(campImg(j)).Z = 5;
  offerWaypoints(*f, g, k);
  refreshCamps(*f);
}

void MoveOrderTo(Game& g, int n) {
  GameState& s = g.s;
  if (g.timedActionRunning()) return;
  if (int site = blockedSite(s, n)) {
    hideWaypointMarkers(g);
    s.BattleSite = static_cast<uint8_t>(site);
    ShowEvent(g, kGiveBattleEvent, txt::campaign::GiveBattleQuestion);
    return;
  }
  // A split order is pending: the split is settled first. Confirmed, the army that
  // leaves is the selected camp and marches; cancelled, the click is spent.
  if (s.SplitMode == 1) SettlePendingSplit(g);
  if (s.SplitMode == 2) {
    s.SplitMode = 0;
    return;
  }
  if (s.SplitMode != 0) return;
  const int from = s.CampWaypoint[s.SelectedCamp >= 1 && s.SelectedCamp <= 3 ? s.SelectedCamp - 1 : 0];
  const MoveOrder o = OrderMove(s, levelGraph(g), n);
  if (o.refusal) g.setHelperText(txt::campaign1::entry(o.refusal));
  if (o.scoutRecalled) AddMessage(g, 2, kScoutCalledHomeMessage);
  if (!o.walk) return;
  hideWaypointMarkers(g);
  StartStep(g, s.SelectedCamp, from, n);
}

void StartStep(Game& g, int k, int from, int to) {
  GameState& s = g.s;
  s.SelectedCamp = static_cast<uint8_t>(k);
  s.WalkDirection = stepFacing(levelGraph(g), from, to);
  g.PlaySound(kMapChannel, "armymapwalk01.wav");
  // The timer runs before the map is redrawn, so that the walking camp is left where it
  // stands rather than put on its new waypoint.
  g.timers["ArmyTimer"].Tick = [&g] { armyTimerTick(g); };
  g.timers.setInterval("ArmyTimer", kArmyTimerMs);
  g.timers.enable("ArmyTimer");
  if (Camp1Frm* f = campScreen(g)) {
    Control& walker = f->ctl("WalkingImg");
    const Control& camp = f->ctl(campImg(k));
    walker.Picture = walkerPicture(k, s.WalkDirection);
    walker.Left = camp.Left;
    walker.Top = camp.Top + 16;
    walker.Visible = true;
    // Objects taken on the way show their new holder at once.
    refreshMap(*f);
  }
}

void AttackHolders(Game& g, int site) {
  GameState& s = g.s;
  if (g.timedActionRunning()) return;
  if (!holdersAt(s, site)) return;
  const int k = s.SelectedCamp;
  if (k < 1 || k > 3 || !campExists(s, k) || s.CastleGarrisonCamp == k) {
    g.setHelperText(site == kVillageHoldersSite ? txt::campaign::AnotherLordsMen : txt::campaign::OutlawsHoldPlace);
    return;
  }
  hideWaypointMarkers(g);
  s.BattleSite = static_cast<uint8_t>(site);
  ShowEvent(g, kGiveBattleEvent, txt::campaign::GiveBattleQuestion);
}

void MarchOutOfCastle(Game& g, int k) {
  GameState& s = g.s;
  if (k < 1 || k > 3 || s.CastleGarrisonCamp != k || g.timedActionRunning()) return;
  s.CastleGarrisonCamp = 0;
  const int from = s.CampWaypoint[k - 1];
  s.CampWaypoint[k - 1] = kCastleWaypoint;
  StartStep(g, k, from, kCastleWaypoint);
}

void refreshArmyViews(Game& g) {
  if (Camp1Frm* f = campScreen(g)) {
    // Markers on offer stay offered (worked out afresh) while the selected camp may walk.
    const bool offered = markersShown(*f);
    hideWaypointMarkers(g);
    if (offered && mayWalkNow(g, g.s.SelectedCamp)) offerWaypoints(*f, g, g.s.SelectedCamp);
    refreshMap(*f);
    f->refreshStatus();
  }
}

void bindArmyWalkSights(Game& g) {
  // A walk step of the game left is not the loaded game's.
  g.views.onSight(Sight::GameLoaded, nullptr, [&g](int) {
    g.timers.disable("ArmyTimer");
    if (Control* w = campControl(g, "WalkingImg")) w->Visible = false;
  });
}

void bindArmyWalks(Camp1Frm& f) {
  Game& g = f.game();
  f.onClick("ArmyBtn", [&g] { OpenRecruiting(g, LevyPlace::Castle); });
  f.keyActions[Key::A] = [&g] { OpenRecruiting(g, LevyPlace::Castle); };
  f.chain("OutpostImg1", Ev::Click, [&g](const EventArgs&) {
    if (g.s.OutpostState == kNone) OpenRecruiting(g, LevyPlace::Outpost);
  });
  f.onClick("CastleImg", [&g] {
    if (!g.timedActionRunning()) g.form("CastleFrm").showModal();
  });
  for (int k = 1; k <= 3; ++k) {
    f.on(campImg(k), Ev::MouseDown, [&g, k](const EventArgs& a) {
      if (a.button == MouseButton::Right) SelectForWalking(g, k);
      else openCamp(g, k);
    });
    f.onClick("Camp" + std::to_string(k) + "StatusImg", [&g, k] { openCamp(g, k); });
  }
  for (int n = 1; n <= 54; ++n)
    if (f.has(marker(n))) f.onClick(marker(n), [&g, n] { MoveOrderTo(g, n); });
  // The men holding a village or mill, and the place itself while they hold it.
  f.onClick("Village1Pic", [&g] { AttackHolders(g, kVillageHoldersSite); });
  f.onClick("Village2Pic", [&g] { AttackHolders(g, outlawSite(g.s)); });
  f.chain("VillageImg1", Ev::Click, [&g](const EventArgs&) { AttackHolders(g, kVillageHoldersSite); });
  f.chain("VillageImg2", Ev::Click, [&g](const EventArgs&) { AttackHolders(g, kOutlawVillageSite); });
  f.chain("WindmillImg2", Ev::Click, [&g](const EventArgs&) { AttackHolders(g, kOutlawMillSite); });
  // While another screen is open over the map the offered markers are put away; when
  // the player comes back to the map they are offered again, as long as the same camp is
  // selected, stands where it stood, may still walk, and the turn has not ended.
  auto away = std::make_shared<PutAwayOffer>();
  f.coverers.push_back([&f, &g, away] {
    if (!markersShown(f)) return;
    const int k = g.s.SelectedCamp;
    *away = PutAwayOffer{k, k >= 1 && k <= 3 ? g.s.CampWaypoint[k - 1] : 0, g.s.TurnCounter};
    hideWaypointMarkers(g);
  });
  f.uncoverers.push_back([&f, &g, away] {
    const PutAwayOffer o = std::exchange(*away, PutAwayOffer{});
    if (o.camp < 1 || o.camp > 3 || g.s.SelectedCamp != o.camp || g.s.TurnCounter != o.turn) return;
    if (g.s.CampWaypoint[o.camp - 1] != o.waypoint || !mayWalkNow(g, o.camp)) return;
    offerWaypoints(f, g, o.camp);
  });
}

}  // namespace fief
