// The weather screen: the season's picture and animation.
#include "campaign/game.h"
#include "text_names.h"

namespace fief {

class WeatherFrm : public Form {
 public:
  explicit WeatherFrm(Game& g) : Form(g, "WeatherFrm") {
    Control& t = add(label("TitleLbl", 24, 16, 352, 28));
    t.Title = true;
    t.FontSize = 16;
    t.Align = 1;
    // The season's weather (a transparent animation) moves over its picture, rect for rect.
    add(image("SeasonImg", 100, 50, 200, 200));
    add(image("AnimImg", 100, 50, 200, 200)).Z = 1;
    add(label("SeasonLbl", 24, 254, 352, 24)).Align = 1;
    add(button("OkAniBtn", 130, 286, 140, 40));
    onClick("OkAniBtn", [this] { close(); });
  }
  void Form_Load() override {
    int season = g_.s.Season;
    if (season < 1 || season > 4) season = 1;
    g_.ShowText(ctl("TitleLbl"), txt::captions::Weather);
    g_.ShowText(ctl("SeasonLbl"), 85 + season, 4);
    ctl("SeasonImg").Picture = "season" + std::to_string(season);
    ctl("AnimImg").Picture = "anim/season" + std::to_string(season) + ".rz";
    ctl("OkAniBtn").Caption = g_.text(txt::captions::Ok);
  }
  void Form_KeyUp(Key k) override {
    if (k == Key::Enter || k == Key::Escape) close();
  }
};
FIEF_REGISTER_FORM(WeatherFrm);

}  // namespace fief
