// The end of the level: before the hand-over, what the level took and what it brought
// (turns, battles, soldiers) and the chronicle's charts, with one button to go on. It
// reads only the game in memory, so no missing file can keep the player from leaving.
#include "campaign/chronicle_charts.h"
#include "map/camp1_frm.h"
#include "text_names.h"
#include "ui/game.h"

namespace fief {

namespace {
struct Row {
  const char* name;
  const char* caption;
  uint32_t PlayRecord::*count;
};
const Row kRows[] = {
    {"TurnsLbl", "Turns taken", &PlayRecord::turns},
    {"WonLbl", "Battles won", &PlayRecord::battlesWon},
    {"LostLbl", "Battles lost", &PlayRecord::battlesLost},
    {"RaisedLbl", "Soldiers raised", &PlayRecord::soldiersRaised},
    {"FallenLbl", "Soldiers fallen", &PlayRecord::soldiersLost},
};
}  // namespace

class SummaryFrm : public Form {
 public:
  explicit SummaryFrm(Game& g) : Form(g, "SummaryFrm") {
    Control& t = add(label("TitleLbl", 100, 16, 560, 30, "The level is won"));
    t.Title = true;
    t.FontSize = 18;
    t.Align = 1;
    add(label("LevelLbl", 100, 50, 560, 22)).Align = 1;
    int y = 86;
    for (const Row& r : kRows) {
      const std::string n = r.name;
      add(label(n.substr(0, n.size() - 3) + "CaptionLbl", 200, y, 240, 22, r.caption));
      add(label(n, 440, y, 120, 22)).Align = 2;
      y += 24;
    }
    Control& note = add(label("NoteLbl", 100, y + 2, 560, 20));
    note.FontSize = 10;
    note.Align = 1;
    Control& h = add(label("ChronicleLbl", 28, 234, 300, 22));
    h.Title = true;
    addChronicleCharts(*this, 28, 258, 143);
    add(button("GoOnBtn", 305, 424, 150, 36, "Go on"));
    onClick("GoOnBtn", [this] { close(); });
  }

  void Form_Load() override {
    const int L = g_.s.CurrentLevel;
    ctl("LevelLbl").Caption = L >= 1 && L <= 18 ? g_.text(txt::levels::LevelTitles[L]) : std::string();
    for (const Row& r : kRows) ctl(r.name).Caption = numberText(g_.play.*r.count);
    ctl("NoteLbl").Caption = g_.play.whole ? std::string()
                                           : "Battles and soldiers are counted from the last load of this game on.";
    g_.ShowText(ctl("ChronicleLbl"), txt::levels::Chronicle);
    showChronicleTitles(g_, *this);
    showChronicleCharts(g_, *this);
  }

  void Form_KeyUp(Key k) override {
    if (k == Key::Enter || k == Key::Escape) close();
  }
};
FIEF_REGISTER_FORM(SummaryFrm);

}  // namespace fief
