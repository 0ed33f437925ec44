// The siege screen: the camp besieging a rival castle, the season and the turns left
// until the storm. It can send the camp marching (the siege goes on while another camp
// holds the site) or lift the siege.
#include "map/army_walk.h"
#include "rivals/rival_lords.h"
#include "rivals/rival_screens.h"
#include "rivals/sieges.h"
#include "text_names.h"
#include "ui/game.h"

namespace fief {

class SiegeFrm : public Form {
 public:
  explicit SiegeFrm(Game& g) : Form(g, "SiegeFrm") {
    Control& t = add(label("TitleLbl", 24, 14, 432, 30));
    t.Title = true;
    t.FontSize = 16;
    t.Align = 1;
    add(image("SiegePic", 24, 60, 96, 96, "obj_siege"));
    add(label("CastleLbl", 140, 60, 316, 22));
    add(label("ArmyCaptionLbl", 140, 92, 200, 22));
    add(label("RegrutedLbl", 340, 92, 116, 22));
    add(label("SeasonCaptionLbl", 140, 124, 200, 22));
    add(label("SeasonLbl", 340, 124, 116, 22));
    add(label("CountdownCaptionLbl", 140, 156, 200, 22));
    add(label("CountdownLbl", 340, 156, 116, 22));
    add(label("Helper", 24, 230, 432, 20)).FontSize = 10;
    add(button("Okanibtn2", 24, 290, 136, 40));
    add(button("Okanibtn3", 172, 290, 136, 40));
    add(button("OkAniBtn", 320, 290, 136, 40));
    onClick("OkAniBtn", [this] { close(); });
    // March out: the screen closes and the besieging camp is selected for walking as by
    // the right button on its banner, so the waypoints it can go to are offered (or the
    // help line says it has no moves left). The siege goes on until it is lifted.
    onClick("Okanibtn2", [this] {
      const int camp = BesiegingCamp(g_.s, site);
      if (camp == 0) return;
      close();
      SelectForWalking(g_, camp);
    });
    onClick("Okanibtn3", [this] {
      LiftSiegeOnMap(g_, site);
      close();
    });
  }

  int site = 1;  // the site being viewed

  void Form_Load() override {
    const GameState& s = g_.s;
    g_.ShowText(ctl("TitleLbl"), txt::captions::Siege);
    // Whose castle: the rival lords' names (table 5, 20 and 21).
    ctl("CastleLbl").Caption = g_.text(txt::levels::RivalLordNames[site]);
    ctl("ArmyCaptionLbl").Caption = g_.text(txt::campaign1::BesiegingArmy);
    const int camp = BesiegingCamp(s, site);
    ctl("RegrutedLbl").Caption = camp ? std::to_string(s.ArmyCampSoldiers[camp - 1]) : "0";
    ctl("SeasonCaptionLbl").Caption = g_.text(txt::captions::Season);
    ctl("SeasonLbl").Caption = s.Season >= 1 && s.Season <= 4 ? g_.text(txt::campaign1::SeasonNames[s.Season]) : "";
    ctl("CountdownCaptionLbl").Caption = g_.text(txt::campaign1::TurnsLeft);
    const uint8_t left = SiegeCountdown(s, site);
    ctl("CountdownLbl").Caption = left == kNone ? "-" : std::to_string(left);
    ctl("Helper").Caption.clear();
    ctl("OkAniBtn").Caption = g_.text(txt::captions::Ok);
    ctl("Okanibtn2").Caption = g_.text(txt::captions::MarchOut);
    ctl("Okanibtn3").Caption = g_.text(txt::captions::LiftSiege);
    ctl("Okanibtn2").Enabled = camp != 0;
  }

  void Form_KeyUp(Key k) override {
    if (k == Key::Escape || k == Key::Enter) close();
  }
};
FIEF_REGISTER_FORM(SiegeFrm);

void OpenSiegeScreen(Game& g, int site) {
  auto& f = g.form<SiegeFrm>("SiegeFrm");
  f.site = site;
  f.showModal();
}

}  // namespace fief
