// The story cards of introdata.rz and outrodata.rz.
#include "campaign/files.h"
#include "campaign/save_games.h"
#include "text_names.h"
#include "ui/game.h"
#include "ui/title/title_forms.h"

namespace fief {

std::vector<StoryFrm::Card> StoryFrm::introCards() {
  return {
      {"story1", "The Empty Seat",
       "The old count is dead, and his seat by the fire stands empty. His county is poor, its fields half sown, its "
       "walls a single keep on a windy hill. The king has sent you to hold it."},
      {"story1", "Two Neighbours",
       "To the east and to the west two lords watch the border stones. They are quiet for now. Feed your people, "
       "raise your walls and your banners, and the county will be yours to keep."},
  };
}

std::vector<StoryFrm::Card> StoryFrm::levelIntroCards(Game& g) {
  // The level the campaign goes on with is the one the hand-over wrote; without it, or
  // without the texts, the campaign's opening is told.
  long level = 0;
  std::string err;
  if (!readNumberFile(g.path("levelinfo.rz"), level, err) || level < 1 || level > kLastLevel) return introCards();
  if (g.texts.text(txt::levels::LevelTitles[1]).empty() && !g.texts.load(g.dir, err)) return introCards();
  const int L = static_cast<int>(level);
  return {{"story1", g.text(txt::levels::LevelTitles[L]), g.text(txt::levels::LevelIntros[L])}};
}

std::vector<StoryFrm::Card> StoryFrm::outroCards() {
  return {
      {"story2", "The Long Winter Ends",
       "The last snow melts from the castle roofs. The granaries are full, the roads are safe, and travellers speak "
       "of the county with respect."},
      {"story3", "Lord of the County",
       "Your banner flies over the highest tower. The rivals have sent gifts and kind words, and the people sing "
       "your name at the harvest feast. The chronicle of your rule is written."},
  };
}

StoryFrm::StoryFrm(Game& g) : Form(g, "StoryFrm") {
  add(panel("CardPnl", 0, 0, 640, 260)).Picture = "panel";
  Control& t = add(label("TitleLbl", 40, 28, 560, 44));
  t.Panel = "CardPnl";
  t.Title = true;
  t.FontSize = 24;
  t.Align = 1;
  Control& x = add(label("TextLbl", 40, 80, 560, 130));
  x.Panel = "CardPnl";
  x.FontSize = 13;
  Control& h = add(label("HintLbl", 40, 214, 560, 24, "Click to continue"));
  h.Panel = "CardPnl";
  h.FontSize = 10;
  h.Align = 2;
  h.ForeColor = 0x6A5A40;
  for (const char* n : {"CardPnl", "TitleLbl", "TextLbl", "HintLbl"}) onClick(n, [this] { advance(); });
}

void StoryFrm::Form_Load() {
  int W = 0, H = 0;
  g_.optim.displaySize(W, H);
  Control& p = ctl("CardPnl");
  p.Left = (W - p.Width) / 2;
  p.Top = H - p.Height - H / 12;
  if (cards.empty()) cards = introCards();
  current = 0;
  showCard();
}

void StoryFrm::showCard() {
  const Card& c = cards[current];
  Background = c.picture;
  ctl("TitleLbl").Caption = c.title;
  ctl("TextLbl").Caption = c.text;
  ctl("HintLbl").Caption = current + 1 < cards.size() ? "Click to continue" : "Click to go to the title menu";
}

void StoryFrm::advance() {
  if (current + 1 < cards.size()) {
    ++current;
    showCard();
    return;
  }
  if (!g_.shell.startProgram(g_.programPath(next)))
    g_.shell.messageBox("The title menu (" + next + ") is missing from the game folder or cannot be started.");
  g_.shell.endProgram();
}

void StoryFrm::Form_KeyUp(Key k) {
  if (k == Key::Escape) current = cards.size() - 1;  // skip the story
  advance();
}

void StoryFrm::Form_Click() { advance(); }

FIEF_REGISTER_FORM(StoryFrm);

}  // namespace fief
