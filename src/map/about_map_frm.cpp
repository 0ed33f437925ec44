// The map information (F11 on the campaign screen): the chapter the map belongs to, the
// county and its lord, and what the land is like as the chapter opens.
#include "campaign/save_games.h"
#include "text_names.h"
#include "ui/dialog_frm.h"

namespace fief {

class AboutMapFrm : public DialogFrm {
 public:
  explicit AboutMapFrm(Game& g) : DialogFrm(g, "AboutMapFrm", txt::captions::MapInformation) {
    const int W = Width > 0 ? Width : 480;
    Control& chapter = add(label("ChapterLbl", 32, 64, W - 64, 24));
    chapter.Title = true;
    chapter.FontSize = 13;
    chapter.Align = 1;
    Control& county = add(label("CountyLbl", 32, 92, W - 64, 20));
    county.FontSize = 11;
    county.Align = 1;
    add(label("DescriptionLbl", 40, 124, W - 80, 160)).FontSize = 11;
    addOk(298);
  }

  // The map as it is now: a load may have brought another level's game.
  void Form_Activate() override {
    const int level = g_.s.CurrentLevel;
    const bool known = level >= 1 && level <= kLastLevel;
    ctl("ChapterLbl").Caption = known ? g_.text(txt::levels::LevelTitles[level]) : std::string();
    ctl("DescriptionLbl").Caption = known ? g_.text(txt::levels::LevelIntros[level]) : std::string();
    ctl("CountyLbl").Caption = g_.text(txt::levels::CountyName) + " - " + g_.text(txt::levels::LordName);
  }

  // Enter and Escape close it as every dialog; F11 too, the key that opened it.
  void Form_KeyUp(Key k) override {
    if (k == Key::F11) close();
    else DialogFrm::Form_KeyUp(k);
  }
};
FIEF_REGISTER_FORM(AboutMapFrm);

}  // namespace fief
