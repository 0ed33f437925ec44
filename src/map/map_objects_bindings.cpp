// The map's objects on the campaign screen: a click names the object and describes it in
// the help lines (with the ruins', cave's and allies' third line); the battlefield offers
// to meet the rival armies on their way; the siege sites lay siege or open the siege
// screen. The rivals' armies on the march are drawn along their way, the siege camps
// show while a siege runs or a camp stands there, and the chests' lids open and shut.
#include <algorithm>
#include <map>
#include <memory>

#include "map/camp1_bindings.h"
#include "map/camp1_frm.h"
#include "map/map_pictures.h"
#include "map/map_objects.h"
#include "rivals/rival_lords.h"
#include "rivals/rival_screens.h"
#include "rivals/sieges.h"
#include "text_names.h"
#include "ui/dialogs.h"
#include "ui/game.h"

namespace fief {

namespace {

// The battlefield's question stands on the campaign screen itself, over the middle of the
// map: text 117 of table 1 with `Okanibtn2` (give battle) and `Noanibtn2` (hold back).
// It goes away with either answer, a click on the map, or another screen opening.
void declareBattlefieldQuestion(Camp1Frm& f) {
  const int w = 380, h = 168;
  const int top = f.TopStrip + std::max(0, (f.Height - f.TopStrip - f.BottomStrip - h) / 2);
  Control& p = f.add(panel("BattlefieldPnl", (f.Width - w) / 2, top, w, h));
  p.Picture = "panel";
  p.Visible = false;
  p.Z = 25;
  Control& pic = f.add(image("BattlefieldPicImg", 14, 14, 64, 64, "msg_event"));
  Control& q = f.add(label("BattlefieldQuestionLbl", 90, 12, w - 104, 96));
  q.FontSize = 11;
  Control& ok = f.add(button("Okanibtn2", 60, h - 50, 120, 36));
  Control& no = f.add(button("Noanibtn2", w - 180, h - 50, 120, 36));
  for (Control* c : {&pic, &q, &ok, &no}) {
    c->Panel = "BattlefieldPnl";
    c->Z = 26;
  }
}

void askBattlefield(Camp1Frm& f, bool show) {
  Game& g = f.game();
  if (show) {
    f.ctl("BattlefieldQuestionLbl").Caption = g.text(txt::campaign::GiveBattleQuestion);
    f.ctl("Okanibtn2").Caption = g.text(txt::captions::Accept);
    f.ctl("Noanibtn2").Caption = g.text(txt::captions::Refuse);
    g.PlaySound(kEventChannel, "event01.wav");
  }
  f.ctl("BattlefieldPnl").Visible = show;
}

void describe(Camp1Frm& f, const MapObjectKind& k) {
  Game& g = f.game();
  g.PlaySound(kMapChannel, k.sound);
  f.clearHover();
  f.ctl("Helper").Caption = g.text(txt::campaign1::entry(k.name));
  std::string d = g.text(txt::campaign::entry(k.description));
  for (const TextId t : MapObjectThirdLine(g.s, k.control)) d += " " + g.text(t);
  f.ctl("Helper3").Caption = d;
}

// A siege site: with a siege running, the siege screen; with a camp of the player there
// and the rival in play, the question whether to lay siege.
bool siegeSiteClicked(Camp1Frm& f, int site) {
  Game& g = f.game();
  GameState& s = g.s;
  const int camp = BesiegingCamp(s, site);
  if (SiegeCountdown(s, site) != kNone) {
    if (camp) s.SelectedCamp = static_cast<uint8_t>(camp);
    g.PlaySound(kMapChannel, "army01.wav");
    OpenSiegeScreen(g, site);
    return true;
  }
  if (camp && RivalActive(s, site)) {
    s.SelectedCamp = static_cast<uint8_t>(camp);
    ShowEvent(g, laySiegeEvent(site), txt::campaign::LaySiegeQuestion);
    return true;
  }
  return false;
}

// Where a rival army on the march stands: from its camp towards the village it raids or
// the castle gate it marches on, nearer with every turn of its countdown.
void placeMarchingArmies(Camp1Frm& f, const std::map<std::string, std::pair<int, int>>& home) {
  Game& g = f.game();
  GameState& s = g.s;
  for (int rival = 1; rival <= 2; ++rival)
    for (int a = 0; a < RivalFieldArmies(rival); ++a) {
      const std::string name = "EnemyCamp" + std::to_string(RivalArmyCamp(rival, a) + 1) + "Img";
      Control& c = f.ctl(name);
      auto [hx, hy] = home.at(name);
      double part = 0;
      const Control* to = nullptr;
      const uint8_t state = RivalArmyStateByte(s, rival, a);
      const uint8_t war = RivalWarState(s, rival), attack = RivalAttackState(s, rival);
      if (state == ArmyRaiding && war >= 1 && war <= 5) {
        to = &f.ctl("VillageImg1");
        part = (6 - war) / 6.0;
      } else if (state == ArmyMarching && attack <= 6) {
        to = &f.ctl("CastleImg");
        part = (7 - attack) / 7.0;
      }
      c.Left = hx;
      c.Top = hy;
      if (to) {
        c.Left = hx + static_cast<int>((to->Left + to->Width - hx) * part);
        c.Top = hy + static_cast<int>((to->Top - c.Height / 2 - hy) * part);
      }
    }
}

// The treasure chests lying on the map open and shut their lids while the map's
// animations run (MapAnimation). The lid follows the clock, so a tick shows what any
// earlier one would have left.
constexpr const char* kChestTimer = "ChestLidTimer";
constexpr int kChestLidMs = 600;

void showChestLids(Camp1Frm& f) {
  Game& g = f.game();
  const bool open = g.timers.enabled(kChestTimer) && (g.clock() / kChestLidMs) % 2 == 1;
  for (int i = 1; i <= 3; ++i) f.ctl("ChestImg" + std::to_string(i)).Picture = chestPicture(open);
}

void refreshChestLids(Camp1Frm& f) {
  Game& g = f.game();
  const GameState& s = g.s;
  bool lying = false;
  for (uint8_t c : s.ChestState) lying = lying || c == 1;
  TimerSet& t = g.timers;
  const bool run = lying && isSet(s.Advanced.MapAnimation);
  if (!t.find(kChestTimer)) {
    if (!run) {
      showChestLids(f);
      return;
    }
    Timer& timer = t.add(kChestTimer, false, kChestLidMs);
    timer.Steady = true;
  }
  t[kChestTimer].Tick = [&f] { showChestLids(f); };
  if (run != t.enabled(kChestTimer)) t.enable(kChestTimer, run);
  showChestLids(f);
}

}  // namespace

void bindMapObjects(Camp1Frm& f) {
  // The army images' own places, before any march moves them.
  auto home = std::make_shared<std::map<std::string, std::pair<int, int>>>();
  for (int i = 1; i <= 5; ++i) {
    const Control& c = f.ctl("EnemyCamp" + std::to_string(i) + "Img");
    (*home)[c.Name] = {c.Left, c.Top};
  }
  for (const char* name : {"DolmenImg1", "ADolmenImg1", "CrossImg1", "ChapelImg1", "GChapelImg1", "HutImg1",
                           "ObeliskImg1", "StatueImg1", "TavernImg1", "HBattlefieldImg1", "RuinsImg1", "CaveImg1",
                           "ChestImg1", "ChestImg2", "ChestImg3", "GarryImg", "SiegeImg", "SiegeImg2", "SiegeImg3",
                           "BattlefieldImg1", "VillageImg1", "VillageImg2", "VillageImg3", "WindmillImg1",
                           "WindmillImg2", "WindmillImg3", "OutpostImg1", "AlliesArmyImg1", "AlliesArmyImg2"}) {
    const MapObjectKind* k = MapObjectOf(name);
    const std::string n = name;
    f.chain(n, Ev::Click, [&f, k, n](const EventArgs&) {
      if (n == "SiegeImg2" && siegeSiteClicked(f, 1)) return;
      if (n == "SiegeImg3" && siegeSiteClicked(f, 2)) return;
      describe(f, *k);
      if (n == "BattlefieldImg1" && !f.game().timedActionRunning())
        askBattlefield(f, BattlefieldOffered(f.game().s));
    });
  }
  declareBattlefieldQuestion(f);
  f.onClick("Okanibtn2", [&f] {
    Game& g = f.game();
    askBattlefield(f, false);
    // The armies may have gone on, or a walk begun, since the question was put.
    if (!g.timedActionRunning()) MeetAtBattlefield(g);
  });
  f.onClick("Noanibtn2", [&f] { askBattlefield(f, false); });
  f.chain("MapSurface", Ev::Click, [&f](const EventArgs&) { askBattlefield(f, false); });
  f.coverers.push_back([&f] { askBattlefield(f, false); });
  Views& views = f.game().views;
  views.subscribe(View::Map, &f, [&f, home] {
    const GameState& s = f.game().s;
    f.ctl("SiegeImg").Visible = false;
    for (int site = 1; site <= 2; ++site)
      f.ctl(site == 1 ? "SiegeImg2" : "SiegeImg3").Visible =
          SiegeCountdown(s, site) != kNone || BesiegingCamp(s, site) != 0;
    placeMarchingArmies(f, *home);
    refreshChestLids(f);
  });
  views.subscribe(View::Animations, &f, [&f] { refreshChestLids(f); });
  // A village bought, a windmill built: its picture on the map.
  views.onSight(Sight::VillageBought, &f, [&f](int i) {
    if (Control* c = f.find("VillageImg" + std::to_string(i + 1))) c->Picture = "obj_village";
  });
  views.onSight(Sight::WindmillBuilt, &f, [&f](int i) {
    if (Control* c = f.find("WindmillImg" + std::to_string(i + 1))) c->Picture = "obj_windmill";
  });
}

}  // namespace fief
