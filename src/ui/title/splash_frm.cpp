// The splash card of splash.rz.
#include <algorithm>

#include "ui/game.h"
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
  // The title and the subtitle stand on the picture's ribbon in the sky (from 4 % to
  // 20 % of the height), clear of the castle below.
  ctl("TitleLbl").Left = ctl("SubtitleLbl").Left = (W - 600) / 2;
  const int ribbonTop = H * 4 / 100, ribbonH = H * 16 / 100, block = 62 + 26;
  ctl("TitleLbl").Top = ribbonTop + std::max(0, (ribbonH - block) / 2) - 4;
  ctl("SubtitleLbl").Top = ctl("TitleLbl").Top + 62;
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
