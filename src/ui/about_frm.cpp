// The about screen: the game's name and its credits.
#include "text_names.h"
#include "ui/game.h"

namespace fief {

class AboutFrm : public Form {
 public:
  explicit AboutFrm(Game& g) : Form(g, "AboutFrm") {
    const int W = Width > 0 ? Width : 480;
    Control& t = add(label("TitleLbl", 24, 24, W - 48, 40));
    t.Title = true;
    t.FontSize = 24;
    t.Align = 1;
    Control& c = add(label("CreditsLbl", 32, 84, W - 64, 180));
    c.FontSize = 11;
    c.Align = 1;
    add(button("OkAniBtn", (W - 140) / 2, 290, 140, 38));
    onClick("OkAniBtn", [this] { close(); });
  }
  void Form_Load() override {
    g_.ShowText(ctl("TitleLbl"), txt::captions::GameTitle);
    g_.ShowText(ctl("CreditsLbl"), txt::campaign::AboutCredits);
    g_.ShowText(ctl("OkAniBtn"), txt::captions::Ok);
  }
  void Form_KeyUp(Key k) override {
    if (k == Key::Escape || k == Key::Enter) close();
  }
};
FIEF_REGISTER_FORM(AboutFrm);

}  // namespace fief
