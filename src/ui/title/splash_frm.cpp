// The splash card of splash.rz.
#include "campaign/game.h"
#include "ui/title/title_forms.h"

namespace fief {

SplashFrm::SplashFrm(Game& g) : Form(g, "SplashFrm") {
  Background = "splash";
  Control& t = add(label("TitleLbl", 0, 0, 600, 80, "Fiefdom"));
  t.Title = true;
  t.FontSize = 44;
  t.Align = 1;
  Control& s = add(label("SubtitleLbl", 0, 0, 600, 30, "A county chronicle"));
  s.FontSize = 16;
  s.Align = 1;
}

void SplashFrm::Form_Load() {
  int W = 0, H = 0;
  g_.optim.displaySize(W, H);
  ctl("TitleLbl").Left = ctl("SubtitleLbl").Left = (W - 600) / 2;
  ctl("TitleLbl").Top = H * 4 / 10;
  ctl("SubtitleLbl").Top = H * 4 / 10 + 84;
  // Clicks on the words count as clicks on the card.
  for (const char* n : {"TitleLbl", "SubtitleLbl"}) onClick(n, [this] { Form_Click(); });
  TimerSet& t = g_.timers;
  if (!t.find("SplashTimer")) t.add("SplashTimer", false, kShowMs);
  t["SplashTimer"].Tick = [this] { g_.shell.endProgram(); };
  t.setNow(g_.shell.nowMs());
  t.enable("SplashTimer");
}

void SplashFrm::Form_KeyUp(Key) { g_.shell.endProgram(); }
void SplashFrm::Form_Click() { g_.shell.endProgram(); }

FIEF_REGISTER_FORM(SplashFrm);

}  // namespace fief
