// The timer screen's timers with their first state and interval, and the ticks of the
// timers that belong to no particular screen.
#include "map/map_view.h"
#include "turn/turn.h"
#include "turn/turn_screen.h"
#include "ui/game.h"
#include "ui/program_start.h"

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
  // Their ticks only show the hover state and the time of day.
  t["TooltipsTimer"].Steady = true;
  t["TimeTimer"].Steady = true;

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
    if (Control* c = campControl(g, "TimeLbl")) c->Caption = now.substr(0, now.size() - 3);
  };
  t["RandomizeTimer"].Tick = [&g] { g.reseed(); };
  t["MusicTimer"].Tick = [&g] {
    g.timers.disable("MusicTimer");
    if (!g.SoundAvailable) return;
    g.shell.setVolume(kMusicChannel, g.s.Advanced.MusicAttenuation);
    if (isSet(g.s.Advanced.Music)) g.shell.playSound(kMusicChannel, "music01.wav", true);
    g.shell.playSound(kFaunaChannel, "fauna0" + std::to_string(std::clamp<int>(g.s.Season, 1, 4)) + ".wav");
  };
  t["SelectorTimer2"].Tick = [&g] { g.timers.disable("SelectorTimer2"); };
  // After the end of turn: the campaign screen's pointer and its turn indicator.
  t["EndTurnTimer"].Tick = [&g] {
    g.shell.setPointer(Pointer::Normal);
    if (Control* c = campControl(g, "TurnImg")) c->Picture = "hourglass";
    g.timers.disable("EndTurnTimer");
  };
  // The battle hand-over's fade is over: the fade screen closes.
  t["BattleFadeTimer"].Tick = [&g] {
    g.timers.disable("BattleFadeTimer");
    g.s.FadeMode = kNoFade;
    if (g.formExists("EndTurnFrm")) g.form("EndTurnFrm").close();
  };
  // Redraws the marker remembered by the command that armed the timer.
  t["SelectorTimer"].Tick = [&g] {
    g.timers.disable("SelectorTimer");
    redrawSelector(g);
  };
  // The press-and-hold amount buttons of the event screen GarryFrm.
  t["TradeUpTimer"].Tick = [&g] { GarryTradeTick(g, +1); };
  t["TradeDownTimer"].Tick = [&g] { GarryTradeTick(g, -1); };
}

}  // namespace fief
