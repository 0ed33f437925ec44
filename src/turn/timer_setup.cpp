// The timer screen's timers with their first state and interval, and the ticks of the
// timers that belong to no particular screen.
#include "campaign/game.h"
#include "campaign/program_start.h"

namespace fief {

void setupTimers(Game& g) {
  TimerSet& t = g.timers;
  t.setNow(g.shell.nowMs());
  struct Def { const char* name; bool enabled; int interval; };
  const Def defs[] = {
      {"EndTurnTimer", false, 100},  {"TimeTimer", true, 1000},        {"RandomizeTimer", false, 10},
      {"MusicTimer", false, 13000},  {"BattleFadeTimer", false, 4000}, {"SelectorTimer", false, 1000},
      {"SelectorTimer2", false, 1000}, {"TooltipsTimer", false, 10},   {"WorkingTimer", false, 8000},
      {"BattleTimer", false, 4000},  {"LoadingTimer", false, 100},     {"MapTimer", false, 1},
      {"ArmyTimer", false, 1},       {"SplitUpTimer", false, 0},       {"SplitDownTimer", false, 0},
      {"SoldiersUpTimer", false, 30}, {"SoldiersDownTimer", false, 30}, {"TradeUpTimer", false, 30},
      {"TradeDownTimer", false, 30}, {"MenuFadeTimer", false, 10},
  };
  for (const auto& d : defs)
    if (!t.find(d.name)) t.add(d.name, d.enabled, d.interval);

  t["LoadingTimer"].Tick = [&g] {
    g.timers.disable("LoadingTimer");
    if (g.formExists("LoadingFrm")) {
      Control& bar = g.form("LoadingFrm").ctl("LoadingBar");
      bar.Value = std::min(bar.Max, bar.Value + 10);
    }
    CampaignStart(g);
  };
  t["TimeTimer"].Tick = [&g] {
    g.timers.setInterval("TimeTimer", 30000);
    std::string now = g.shell.timeOfDay();
    if (g.formExists("Camp1Frm")) {
      if (Control* c = g.form("Camp1Frm").find("TimeLbl")) c->Caption = now.substr(0, now.size() - 3);
    }
  };
  t["RandomizeTimer"].Tick = [&g] { g.reseed(); };
  t["MusicTimer"].Tick = [&g] {
    g.timers.disable("MusicTimer");
    if (!g.SoundAvailable) return;
    if (isSet(g.s.Advanced.Music)) g.shell.playSound(kMusicChannel, "music01.wav", true);
    g.shell.playSound(kFaunaChannel, "fauna0" + std::to_string(std::clamp<int>(g.s.Season, 1, 4)) + ".wav");
  };
  t["SelectorTimer2"].Tick = [&g] { g.timers.disable("SelectorTimer2"); };
}

}  // namespace fief
