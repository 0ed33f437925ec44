// The science screen: the cost of the next level of science and what it brings; start
// the research or cancel the one running (its cost comes back).
#include "county/county_rules.h"
#include "text_names.h"
#include "ui/dialog_frm.h"
#include "ui/game.h"

namespace fief {

class ScienceFrm : public DialogFrm {
 public:
  explicit ScienceFrm(Game& g) : DialogFrm(g, "ScienceFrm", txt::captions::Science, CloseKeys::Escape) {
    add(label("LevelCaptionLbl", 40, 52, 200, 22));
    add(label("LevelLbl", 250, 52, 100, 22));
    add(label("CostCaptionLbl", 40, 86, 400, 22)).Title = true;
    add(label("GoldCaptionLbl", 60, 112, 180, 22));
    add(label("GoldLbl", 250, 112, 120, 22));
    add(label("OreCaptionLbl", 60, 138, 180, 22));
    add(label("OreLbl", 250, 138, 120, 22));
    add(label("GainsCaptionLbl", 40, 172, 400, 22)).Title = true;
    add(label("PeopleCaptionLbl", 60, 198, 180, 22));
    add(label("PeopleLbl", 250, 198, 120, 22));
    add(label("CropsCaptionLbl", 60, 224, 180, 22));
    add(label("CropsLbl", 250, 224, 120, 22));
    add(label("MeatCaptionLbl", 60, 250, 180, 22));
    add(label("MeatLbl", 250, 250, 120, 22));
    add(label("StatusLbl", 40, 280, 400, 22));
    add(label("Helper", 24, 306, 432, 20)).FontSize = 10;
    addOk(330, 30, 130);
    add(button("CancelAniBtn", 175, 330, 130, 40));
    add(button("Noanibtn", 320, 330, 130, 40));
    onClick("OkAniBtn", [this] {
      switch (StartResearch(g_)) {
        case ResearchResult::Started:
        case ResearchResult::AlreadyRunning:
          close();
          g_.invalidate(View::Status);
          break;
        case ResearchResult::TooExpensive: g_.ShowText(ctl("Helper"), txt::campaign1::NotEnoughGoods); break;
      }
    });
    onClick("CancelAniBtn", [this] {
      if (!CancelResearch(g_)) return;
      showStatus();
      g_.ShowText(ctl("Helper"), txt::campaign1::ResearchHalted);
      g_.invalidate(View::Status);
    });
    onClick("Noanibtn", [this] { close(); });
    captions({{"LevelCaptionLbl", txt::captions::ScienceLevel},
              {"CostCaptionLbl", txt::captions::CostResearch},
              {"GainsCaptionLbl", txt::captions::Gains},
              {"GoldCaptionLbl", txt::captions::Gold},
              {"OreCaptionLbl", txt::captions::Ore},
              {"PeopleCaptionLbl", txt::captions::People},
              {"CropsCaptionLbl", txt::captions::Crops},
              {"MeatCaptionLbl", txt::captions::Meat},
              {"CancelAniBtn", txt::captions::Cancel},
              {"Noanibtn", txt::captions::Close}});
  }

  void Dialog_Load() override {
    ctl("Helper").Caption.clear();
  }

  void Form_Activate() override {
    GameState& s = g_.s;
    const long L = s.ScienceLevel;
    s.ResearchLevelShown = static_cast<int32_t>(L);
    const ResearchCost c = researchCost(s, L);
    ctl("LevelLbl").Caption = std::to_string(L);
    ctl("GoldLbl").Caption = std::to_string(c.gold);
    ctl("OreLbl").Caption = std::to_string(c.ore);
    ctl("PeopleLbl").Caption = "+" + std::to_string(75 * L);
    ctl("CropsLbl").Caption = "+" + std::to_string(250 * L);
    ctl("MeatLbl").Caption = "+" + std::to_string(13 * L);
    showStatus();
  }

 private:
  void showStatus() {
    const bool running = g_.s.ResearchCountdown != kNone;
    std::string status = g_.text(running ? txt::campaign1::ResearchUnderWay : txt::campaign1::NoResearchUnderWay);
    // The ends of turn until the research completes, said as such.
    if (running) status += " - " + g_.text(txt::campaign1::TurnsLeft) + ": " + std::to_string(g_.s.ResearchCountdown + 1);
    ctl("StatusLbl").Caption = status;
    ctl("CancelAniBtn").Visible = running;
    // The button says what it does: it starts the research, or with one under way only
    // closes the screen.
    g_.ShowText(ctl("OkAniBtn"), running ? txt::captions::Ok : txt::campaign::StartResearch);
  }
};
FIEF_REGISTER_FORM(ScienceFrm);

}  // namespace fief
