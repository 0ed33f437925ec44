// The campaign screen's commands of diplomacy, the realm and the special units: their
// buttons and keys, and the special units' status pictures in the top strip (each shows
// the turns its mission has left).
#include "map/camp1_bindings.h"
#include "map/camp1_frm.h"
#include "military/agents.h"
#include "ui/game.h"

namespace fief {

namespace {

void openGuard(Game& g) {
  g.PlaySound(kScreenChannel, "specialunits01.wav");
  g.form("GuardFrm").showModal();
}

void openLeader(Game& g, int lord) {
  g.s.LeaderShown = static_cast<uint8_t>(lord);
  g.form("LeaderFrm").showModal();
}

}  // namespace

void bindRealmCommands(Camp1Frm& f) {
  Game& g = f.game();
  f.onClick("DiploBtn", [&g] { g.form("DiploFrm").showModal(); });
  f.onClick("RealmBtn", [&g] { g.form("RealmFrm").showModal(); });
  for (const char* c : {"SpecialBtn", "ScoutStatusImg", "AssassinStatusImg"}) f.onClick(c, [&g] { openGuard(g); });
  Camp1Frm* fp = &f;
  auto clickKey = [fp](Key k, const char* btn) {
    fp->keyActions[k] = [fp, btn] {
      if (fp->ctl(btn).Visible && fp->ctl(btn).Enabled) fp->fire(btn, Ev::Click);
    };
  };
  clickKey(Key::D, "DiploBtn");
  clickKey(Key::R, "RealmBtn");
  clickKey(Key::M, "SpecialBtn");
  f.keyActions[Key::D1] = [&g] { openLeader(g, 1); };
  f.keyActions[Key::D2] = [&g] { openLeader(g, 2); };
  f.keyActions[Key::D3] = [&g] { openLeader(g, 3); };
  g.views.subscribe(View::Map, &f, [fp, &g] {
    const struct { const char* img; Service v; } agents[2] = {{"ScoutStatusImg", Service::Scout},
                                                              {"AssassinStatusImg", Service::Assassin}};
    for (const auto& a : agents) {
      Control& c = fp->ctl(a.img);
      c.Caption = serviceRunning(g.s, a.v) ? std::to_string(serviceCountdown(g.s, a.v) + 1) : "";
      c.FontSize = 14;
      c.Title = true;
      c.Align = 1;
    }
  });
  // A siege given up: its camp leaves the map, which the whole screen then follows.
  g.views.onSight(Sight::SiegeLifted, &f, [fp, &g](int site) {
    fp->ctl(site == 1 ? "SiegeImg2" : "SiegeImg3").Visible = false;
    g.invalidate(View::Everything);
  });
}

}  // namespace fief
