// The map information (F11 on the campaign screen): the chapter the map belongs to, the
// county and its lord, and what the land is like as the chapter opens.
#include "campaign/save_games.h"
#include "text_names.h"
#include "ui/game.h"

namespace fief {

class AboutMapFrm : public Form {
 public:
  explicit AboutMapFrm(Game& g) : Form(g, "AboutMapFrm") {
    const int W = Width > 0 ? Width : 480;
    Control& t = add(label("TitleLbl", 24, 20, W - 48, 36));
    t.Title = true;
    t.FontSize = 20;
    t.Align = 1;
    Control& chapter = add(label("ChapterLbl", 32, 64, W - 64, 24));
    chapter.Title = true;
    chapter.FontSize = 13;
    chapter.Align = 1;
    Control& county = add(label("CountyLbl", 32, 92, W - 64, 20));
    county.FontSize = 11;
    county.Align = 1;
    add(label("DescriptionLbl", 40, 124, W - 80, 160)).FontSize = 11;
    add(button("OkAniBtn", (W - 140) / 2, 298, 140, 38));
    onClick("OkAniBtn", [this] { close(); });
  }

  void Form_Load() override {
    g_.ShowText(ctl("TitleLbl"), txt::captions::MapInformation);
    g_.ShowText(ctl("OkAniBtn"), txt::captions::Ok);
  }

  // The map as it is now: a load may have brought another level's game.
  void Form_Activate() override {
    const int level = g_.s.CurrentLevel;
    const bool known = level >= 1 && level <= kLastLevel;
    ctl("ChapterLbl").Caption = known ? g_.text(txt::levels::LevelTitles[level]) : std::string();
    ctl("DescriptionLbl").Caption = known ? g_.text(txt::levels::LevelIntros[level]) : std::string();
    ctl("CountyLbl").Caption = g_.text(txt::levels::CountyName) + " - " + g_.text(txt::levels::LordName);
  }

  void Form_KeyUp(Key k) override {
    if (k == Key::Escape || k == Key::Enter || k == Key::F11) close();
  }
};
FIEF_REGISTER_FORM(AboutMapFrm);

}  // namespace fief
