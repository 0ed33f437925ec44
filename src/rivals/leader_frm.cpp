// The leader sheet: the morale, the four skills and the status of the player's lord, or
// of a rival lord while the player has a spy at his court.
#include "rivals/realm.h"
#include "text_names.h"
#include "ui/game.h"

namespace fief {

class LeaderFrm : public Form {
 public:
  explicit LeaderFrm(Game& g) : Form(g, "LeaderFrm") {
    Control& t = add(label("TitleLbl", 24, 16, 372, 28));
    t.Title = true;
    t.FontSize = 16;
    t.Align = 1;
    add(image("PortraitImg", 64, 56, 112, 112));
    Control& name = add(label("NameLbl", 190, 58, 206, 48));
    name.Title = true;
    name.FontSize = 14;
    add(label("LordTitleLbl", 190, 108, 206, 40)).FontSize = 11;
    add(label("UnknownLbl", 190, 108, 206, 60)).FontSize = 11;
    struct Row { const char* caption; const char* value; int entry; };
    static const Row kRows[6] = {{"MoralCaptionLbl", "MoralLbl", 11},         {"LeadershipCaptionLbl", "LeadershipLbl", 15},
                                 {"NobilityCaptionLbl", "NobilityLbl", 16},   {"DiploCaptionLbl", "DiploLbl", 17},
                                 {"ReligionCaptionLbl", "ReligionLbl", 18},   {"StatusCaptionLbl", "StatusLbl", 19}};
    for (int i = 0; i < 6; ++i) {
      add(label(kRows[i].caption, 64, 178 + i * 21, 160, 21)).Caption.clear();
      add(label(kRows[i].value, 236, 178 + i * 21, 100, 21)).Align = 2;
      captions_[i] = kRows[i].entry;
    }
    ctl("StatusCaptionLbl").Title = ctl("StatusLbl").Title = true;
    add(button("OkAniBtn", 145, 310, 130, 34));
    onClick("OkAniBtn", [this] { close(); });
  }

  void Form_Load() override {
    g_.ShowText(ctl("TitleLbl"), txt::captions::Leader);
    g_.ShowText(ctl("OkAniBtn"), txt::captions::Ok);
    const char* caps[6] = {"MoralCaptionLbl", "LeadershipCaptionLbl", "NobilityCaptionLbl",
                           "DiploCaptionLbl", "ReligionCaptionLbl",   "StatusCaptionLbl"};
    for (int i = 0; i < 6; ++i) g_.ShowText(ctl(caps[i]), txt::captions::entry(captions_[i]));
  }

  void Form_Activate() override {
    const GameState& s = g_.s;
    const int lord = s.LeaderShown >= 1 && s.LeaderShown <= 3 ? s.LeaderShown : 1;
    const LeaderSheet sh = leaderSheet(s, lord);
    ctl("PortraitImg").Picture = lord == 1 ? "portrait_lord" : lord == 2 ? "rival1" : "rival2";
    g_.ShowText(ctl("NameLbl"), lord == 1 ? txt::levels::LordName : txt::levels::RivalLordNames[lord - 1]);
    if (lord == 1) g_.ShowText(ctl("LordTitleLbl"), txt::campaign::LordTitle);
    else ctl("LordTitleLbl").Caption.clear();
    // A rival's figures stay hidden without a spy at his court.
    ctl("UnknownLbl").Visible = !sh.known;
    if (!sh.known) g_.ShowText(ctl("UnknownLbl"), txt::campaign1::FiguresUnknown);
    const long long values[6] = {sh.morale, sh.leadership, sh.nobility, sh.diplomacy, sh.religion, 0};
    const char* names[6] = {"MoralLbl", "LeadershipLbl", "NobilityLbl", "DiploLbl", "ReligionLbl", "StatusLbl"};
    for (int i = 0; i < 6; ++i) {
      Control& v = ctl(names[i]);
      v.Caption = !sh.known ? "?" : i == 5 ? statusText(sh.status) : std::to_string(values[i]);
    }
  }

  void Form_KeyUp(Key k) override {
    if (k == Key::Escape || k == Key::Enter) close();
  }

 private:
  int captions_[6] = {};
};
FIEF_REGISTER_FORM(LeaderFrm);

}  // namespace fief
