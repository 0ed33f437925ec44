// The title menu of menudata.rz.
#include <algorithm>
#include <filesystem>

#include "campaign/files.h"
#include "ui/game.h"
#include "ui/title/title_forms.h"

namespace fief {

namespace {
const char* const kDifficulty[3] = {"Squire - a gentle county", "Knight - a fair fight", "Lord - a hard land"};
}

TitleFrm::TitleFrm(Game& g) : Form(g, "TitleFrm") {
  Background = "title_menu";
  Control& t = add(label("TitleLbl", 0, 0, 600, 80, "Fiefdom"));
  t.Title = true;
  t.FontSize = 44;
  t.Align = 1;
  Control& sub = add(label("SubtitleLbl", 0, 0, 600, 30, "Rule the county, outlast the rivals"));
  sub.FontSize = 15;
  sub.Align = 1;
  add(panel("MenuPnl", 0, 0, 360, 250)).Picture = "panel";
  add(button("NewBtn", 50, 30, 260, 44, "New Campaign")).Panel = "MenuPnl";
  add(button("ContinueBtn", 50, 100, 260, 44, "Continue")).Panel = "MenuPnl";
  add(button("QuitBtn", 50, 170, 260, 44, "Quit")).Panel = "MenuPnl";
  Control& dp = add(panel("DifficultyPnl", 0, 0, 360, 330));
  dp.Picture = "panel";
  dp.Visible = false;
  Control& dl = add(label("DifficultyLbl", 30, 24, 300, 30, "Choose your difficulty"));
  dl.Panel = "DifficultyPnl";
  dl.Title = true;
  dl.FontSize = 16;
  dl.Align = 1;
  for (int d = 1; d <= 3; ++d) {
    Control& b = add(button("Difficulty" + std::to_string(d) + "Btn", 30, 16 + d * 58, 300, 44, kDifficulty[d - 1]));
    b.Panel = "DifficultyPnl";
    onClick(b.Name, [this, d] { newCampaign(d); });
  }
  add(button("BackBtn", 30, 264, 300, 44, "Back")).Panel = "DifficultyPnl";
  Control& st = add(label("StatusLbl", 0, 0, 600, 48));
  st.Align = 1;
  st.FontSize = 12;
  st.ForeColor = kWarningColour;
  onClick("NewBtn", [this] { showDifficulty(true); });
  onClick("BackBtn", [this] { showDifficulty(false); });
  onClick("ContinueBtn", [this] { continueCampaign(); });
  onClick("QuitBtn", [this] { g_.shell.endProgram(); });
}

void TitleFrm::layout() {
  int W = 0, H = 0;
  g_.optim.displaySize(W, H);
  auto centre = [&](const std::string& n, int top) {
    Control& c = ctl(n);
    c.Left = (W - c.Width) / 2;
    c.Top = top;
  };
  // The title and the subtitle stand in the sky above the castle's pennant; on a short
  // screen the two move up together rather than let the pennant cross the subtitle.
  const int sub = std::min(H / 10 + 84, H * TitleFrm::kPennantTopPercent / 100 - ctl("SubtitleLbl").Height - 6);
  centre("TitleLbl", sub - ctl("TitleLbl").Height);
  centre("SubtitleLbl", sub);
  // The menu sits below the castle of the picture.
  centre("MenuPnl", H * 55 / 100);
  centre("DifficultyPnl", std::min(H * 45 / 100, H - 340));
  centre("StatusLbl", H - 80);
}

void TitleFrm::Form_Load() {
  layout();
  showDifficulty(false);
  ctl("ContinueBtn").Enabled = hasSaves();
  // No usable folder for the player's files: the game runs from its shipped settings.
  if (!g_.folders.problem.empty()) g_.shell.messageBox(g_.folders.problem);
}

void TitleFrm::Form_KeyUp(Key k) {
  const bool choosing = ctl("DifficultyPnl").Visible;
  if (k == Key::Escape) {
    if (choosing) showDifficulty(false);
    else g_.shell.endProgram();
  } else if (choosing && k >= Key::D1 && k <= Key::D3) {
    newCampaign(static_cast<int>(k) - static_cast<int>(Key::D1) + 1);
  } else if (!choosing && (k == Key::N || k == Key::Enter)) {
    showDifficulty(true);
  } else if (!choosing && k == Key::C && ctl("ContinueBtn").Enabled) {
    continueCampaign();
  }
}

bool TitleFrm::hasSaves() const {
  std::error_code ec;
  for (auto& e : std::filesystem::directory_iterator(g_.path("Save Game"), ec))
    if (e.is_regular_file(ec) && e.path().extension() == ".s15") return true;
  return false;
}

// Without a usable folder for the player's files (he was told when the menu opened) the
// campaign still starts, from the shipped settings, though the choice cannot be handed on.
bool TitleFrm::playsFromShippedFiles() const { return !g_.folders.problem.empty(); }

void TitleFrm::showDifficulty(bool on) {
  ctl("MenuPnl").Visible = !on;
  ctl("DifficultyPnl").Visible = on;
}

void TitleFrm::newCampaign(int difficulty) {
  std::string err;
  if (!writeNumberFile(g_.writePath("Options.rz"), difficulty, err) && !playsFromShippedFiles()) {
    ctl("StatusLbl").Caption = "The difficulty could not be written: " + err;
    return;
  }
  launch(0);
}

void TitleFrm::continueCampaign() {
  if (!hasSaves()) return;
  launch(1);
}

void TitleFrm::launch(long loadRequest) {
  std::string err;
  if (!writeNumberFile(g_.writePath("LGame.rz"), loadRequest, err) && !playsFromShippedFiles()) {
    ctl("StatusLbl").Caption = "The start request could not be written: " + err;
    return;
  }
  if (!g_.shell.startProgram(g_.programPath("fiefdom"))) {
    const std::string text = "The campaign program (fiefdom) is missing from the game folder or cannot be started.";
    ctl("StatusLbl").Caption = text;
    g_.shell.messageBox(text);
    return;
  }
  g_.shell.endProgram();
}

FIEF_REGISTER_FORM(TitleFrm);

}  // namespace fief
