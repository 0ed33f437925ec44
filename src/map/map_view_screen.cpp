#include "map/map_view.h"

#include <algorithm>

#include "map/camp1_bindings.h"
#include "map/camp1_frm.h"
#include "map/help_line.h"
#include "map/map_pictures.h"
#include "military/battle_handover.h"
#include "rivals/sieges.h"
#include "ui/game.h"

namespace fief {

namespace {
bool held(const GameState& s, int blessing, int holder) { return s.CountyBlessings[blessing] == holder; }

// Village / windmill i (1..3) stands when it is the county's (200); the second village
// and its mill also once rebuilt after the outlaw band was driven from them (their
// countdown ends at 100).
bool villageStands(const GameState& s, int i) {
  const uint8_t v = s.VillageState[i - 1];
  return v == kNone || (i == 2 && v == 100 && s.OutlawBand != kOutlawsInVillage);
}
bool windmillStands(const GameState& s, int i) {
  const uint8_t v = s.WindmillState[i - 1];
  return v == kNone || (i == 2 && v == 100 && outlawSite(s) == 0);
}

// Puts a flag above the right part of an object's picture.
void flagOn(Control& flag, const Control& obj) {
  flag.Left = obj.Left + obj.Width - flag.Width / 2;
  flag.Top = obj.Top - flag.Height / 2;
  flag.Visible = true;
}

// The objects the player's flag can stand on, in the order it falls back to.
const char* const kFlagObjects[4] = {"OutpostImg1", "GChapelImg1", "ObeliskImg1", "DolmenImg1"};

bool campWalking(Game& g, int k) { return g.timers.enabled("ArmyTimer") && g.s.SelectedCamp == k; }
}  // namespace

int playerFlagObject(const GameState& s, std::array<bool, 4>& heldBefore, int& flagOn) {
  const std::array<bool, 4> now{s.OutpostState == kNone, held(s, 4, 1), held(s, 6, 1), held(s, 0, 1)};
  int taken = -1, newly = 0;
  for (int i = 0; i < 4; ++i)
    if (now[i] && !heldBefore[i]) {
      taken = i;
      ++newly;
    }
  // One object newly his (a walk, a mission, a scout): the flag moves onto it. Several at
  // once (a loaded game) or none: it stays where it stood while that is still his, else it
  // goes to the first he holds.
  if (newly == 1) flagOn = taken;
  else if (flagOn < 0 || flagOn > 3 || !now[flagOn]) {
    flagOn = -1;
    for (int i = 0; i < 4 && flagOn < 0; ++i)
      if (now[i]) flagOn = i;
  }
  heldBefore = now;
  return flagOn;
}

// How far a camp stands to the right of each camp before it on the same waypoint: clear
// of the banner and of the status picture on its corner.
constexpr int kSharedWaypointShift = 62;

void refreshCamps(Camp1Frm& f) {
  Game& g = f.game();
  const GameState& s = g.s;
  for (int k = 1; k <= 3; ++k) {
    const std::string n = std::to_string(k);
    Control& camp = f.ctl("ArmyCamp" + n + "Img");
    Control& trooper = f.ctl("Trooper" + n + "Img");
    Control& status = f.ctl("Camp" + n + "StatusImg");
    const bool exists = isSet(s.CampExists[k - 1]);
    camp.Visible = exists;
    if (exists && !campWalking(g, k)) {
      // The banner stands 25 pixels above its waypoint's marker; camps that stand on the
      // same waypoint as a camp before them stand beside it, so that each can be seen and
      // clicked.
      if (Control* m = f.find("WalkTo" + std::to_string(s.CampWaypoint[k - 1]))) {
        int before = 0;
        for (int j = 1; j < k; ++j)
          if (isSet(s.CampExists[j - 1]) && !campWalking(g, j) && s.CampWaypoint[j - 1] == s.CampWaypoint[k - 1])
            ++before;
        // Near the map's right edge the ones that would leave the map stand to the left
        // of the first instead (the outpost stands close to that edge).
        const int mapWidth = f.ctl("MapSurface").Width;
        const int rightSlots = std::max(0, (mapWidth - camp.Width - m->Left) / kSharedWaypointShift);
        const int left = before <= rightSlots ? m->Left + before * kSharedWaypointShift
                                              : m->Left - (before - rightSlots) * kSharedWaypointShift;
        camp.Left = std::max(0, left);
        camp.Top = m->Top - 25;
      }
    }
    trooper.Left = camp.Left;
    trooper.Top = camp.Top + 30;
    trooper.Visible = exists && isSet(s.Advanced.ShowTroopers);
    status.Left = camp.Left + camp.Width - status.Width / 2;
    status.Top = camp.Top - status.Height / 2;
    status.Visible = false;
    if (exists && isSet(s.Advanced.NoMovesMarkerOption)) {
      if (s.CampMovesLeft[k - 1] == 0) {
        status.Picture = campMarkerPicture(true);
        status.Visible = true;
      } else if (s.SelectedCamp == k) {
        status.Picture = campMarkerPicture(false);
        status.Visible = true;
      }
    }
  }
  refreshCampHelp(f);
}

void refreshMap(Camp1Frm& f) {
  Game& g = f.game();
  const GameState& s = g.s;
  const int season = s.Season >= 1 && s.Season <= 4 ? s.Season : 1;
  f.ctl("MapSurface").Picture = mapSurfacePicture(season);

  for (int i = 1; i <= 10; ++i) f.ctl("FieldImg" + std::to_string(i)).Picture = fieldPicture(s.FieldKind[i - 1], season);

  bool built[5];
  for (int i = 0; i < 5; ++i) built[i] = isSet(s.CastleStageBuilt[i]);
  Control& castle = f.ctl("CastleImg");
  castle.Picture = castleStagePicture(built);
  castle.Visible = !castle.Picture.empty();

  f.ctl("RivalCastle1Img").Picture = rivalCastlePicture(s, 1);
  f.ctl("RivalCastle2Img").Picture = rivalCastlePicture(s, 2);

  for (int i = 1; i <= 3; ++i) {
    const std::string n = std::to_string(i);
    f.ctl("ChestImg" + n).Visible = s.ChestState[i - 1] == 1;
    f.ctl("VillageImg" + n).Picture = villagePicture(villageStands(s, i));
    f.ctl("WindmillImg" + n).Picture = windmillPicture(windmillStands(s, i));
    f.ctl("FieldBattleImg" + n).Visible = isSet(s.MapEventFlags[i - 1]);
    f.ctl("RebelionArmyImg" + n).Visible = isSet(s.RebelsActive);
  }
  for (int i = 1; i <= 5; ++i) f.ctl("EnemyCamp" + std::to_string(i) + "Img").Visible = s.EnemyCamp[i - 1].total() > 0;
  // Another lord's men in the first village, while it is not the county's.
  Control& holders = f.ctl("Village1Pic");
  holders.Visible = s.VillageState[0] != kNone;
  holders.Picture = enemyTroopsPicture();
  // The outlaw band, below the burnt village or the burnt mill it holds.
  Control& band = f.ctl("Village2Pic");
  const int site = outlawSite(s);
  band.Visible = site != 0;
  band.Picture = outlawTroopsPicture();
  if (site != 0) {
    const Control& place = f.ctl(site == kOutlawVillageSite ? "VillageImg2" : "WindmillImg2");
    band.Left = place.Left + (place.Width - band.Width) / 2;
    band.Top = place.Top + place.Height + 4;
  }
  f.ctl("PlagueImg").Visible = isSet(s.PlagueActive);

  // The player's one flag stands on the object he took last; the rivals' flags on what
  // each of them holds.
  Control& flag = f.ctl("FlagImg");
  flag.Visible = false;
  if (const int at = playerFlagObject(s, f.PlayerFlagHeld, f.PlayerFlagOn); at >= 0) flagOn(flag, f.ctl(kFlagObjects[at]));
  for (int r = 1; r <= 2; ++r) {
    Control& ef = f.ctl("EFlagImg" + std::to_string(r));
    ef.Visible = false;
    const int holder = r + 1;
    if (held(s, 4, holder)) flagOn(ef, f.ctl("GChapelImg1"));
    else if (held(s, 6, holder)) flagOn(ef, f.ctl("ObeliskImg1"));
    else if (held(s, 0, holder)) flagOn(ef, f.ctl("DolmenImg1"));
  }
  refreshCamps(f);
}

Control* campControl(Game& g, const std::string& name) {
  if (!g.formExists("Camp1Frm")) return nullptr;
  return g.form("Camp1Frm").find(name);
}

void showMapMarker(Game& g, const std::string& name, bool show) {
  if (Control* c = campControl(g, name)) c->Visible = show;
}

void armSelector(Game& g, const std::string& name) {
  if (g.formExists("Camp1Frm")) g.form<Camp1Frm>("Camp1Frm").selectorMarker = name;
  showMapMarker(g, name, true);
  g.timers.enable("SelectorTimer");
}

void redrawSelector(Game& g) {
  if (!g.formExists("Camp1Frm")) return;
  auto& camp = g.form<Camp1Frm>("Camp1Frm");
  if (camp.selectorMarker.empty()) return;
  if (Control* c = camp.find(camp.selectorMarker)) c->Visible = true;
}

void bindMapView(Camp1Frm& f) {
  f.game().views.subscribe(View::Map, &f, [&f] { refreshMap(f); });
  // A click on the bare map cancels a pending order and clears the selections.
  f.chain("MapSurface", Ev::Click, [&f](const EventArgs&) {
    Game& g = f.game();
    g.s.SplitMode = 0;
    for (auto& c : f.controls())
      if (c.Name.rfind("WalkTo", 0) == 0) c.Visible = false;
    f.clearHover();
    f.clearFieldSelection();
  });
  for (const char* strip : {"MenuTop", "MenuBottom"})
    f.chain(strip, Ev::Click, [&f](const EventArgs&) {
      f.clearHover();
      f.clearFieldSelection();
    });
}

}  // namespace fief
