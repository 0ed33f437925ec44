// The weather screen: the season's picture and animation.
#include "text_names.h"
#include "ui/dialog_frm.h"
#include "ui/game.h"

namespace fief {

class WeatherFrm : public DialogFrm {
 public:
  explicit WeatherFrm(Game& g) : DialogFrm(g, "WeatherFrm", txt::captions::Weather) {
    // The season's weather (a transparent animation) moves over its picture, inside the
    // picture's gold rule (5 of its 256 pixels), so that no flake falls across the frame.
    add(image("SeasonImg", 100, 50, 200, 200));
    add(image("AnimImg", 106, 56, 188, 188)).Z = 1;
    add(label("SeasonLbl", 24, 254, 352, 24)).Align = 1;
    addOk(286);
  }
  void Dialog_Load() override {
    int season = g_.s.Season;
    if (season < 1 || season > 4) season = 1;
    g_.ShowText(ctl("SeasonLbl"), txt::campaign1::SeasonNames[season]);
    ctl("SeasonImg").Picture = "season" + std::to_string(season);
    ctl("AnimImg").Picture = "anim/season" + std::to_string(season) + ".rz";
  }
};
FIEF_REGISTER_FORM(WeatherFrm);

}  // namespace fief
