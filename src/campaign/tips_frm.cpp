// The mission screen: the level's objectives, and the ways on (continue, replay, exit
// to the title). It opens at the start of the level and from the campaign screen.
#include "campaign/mission_guidance.h"
#include "campaign/missions.h"
#include "campaign/save_games.h"
#include "text_names.h"
#include "ui/dialogs.h"
#include "ui/game.h"
#include "ui/program_start.h"

namespace fief {

class TipsFrm : public Form {
 public:
  explicit TipsFrm(Game& g) : Form(g, "TipsFrm") {
    Control& title = add(label("TitleLbl", 40, 20, 560, 34));
    title.Title = true;
    title.FontSize = 20;
    title.Align = 1;
    // Each objective line, and under it how far the county is; a click on either shows
    // where to act on it.
    for (int i = 1; i <= 6; ++i) {
      const std::string k = std::to_string(i);
      add(label("TipLbl" + k, 60, 66 + (i - 1) * 46, 520, 22));
      Control& p = add(label("ProgressLbl" + k, 80, 88 + (i - 1) * 46, 500, 20));
      p.FontSize = 10;
      p.ForeColor = kProgressColour;
      for (const std::string& c : {"TipLbl" + k, "ProgressLbl" + k}) onClick(c, [this, i] { act(i); });
    }
    add(label("ChapterLbl", 40, 70, 560, 30)).Visible = false;
    add(label("IntroTextLbl", 40, 110, 560, 240)).Visible = false;
    add(label("Label1", 40, 350, 260, 24));
    add(image("Image1", 560, 400, 48, 48, "btn_close"));
    add(label("CloseLbl", 440, 412, 110, 24)).Align = 2;
    // With every objective met: what that means (ContinueLbl) and the way on (NextLbl).
    add(label("ContinueLbl", 300, 352, 310, 24)).Visible = false;
    Control& next = add(label("NextLbl", 440, 376, 170, 24));
    next.Visible = false;
    next.Align = 2;
    add(image("Image3", 40, 400, 48, 48, "btn_replay")).Visible = false;
    add(label("ReplayLbl", 96, 412, 170, 24)).Visible = false;
    add(image("Image4", 280, 400, 48, 48, "btn_exit")).Visible = false;
    add(label("MenuLbl", 336, 412, 120, 24)).Visible = false;
    onClick("Image1", [this] { close(); });
    onClick("CloseLbl", [this] { close(); });
    onClick("Label1", [this] { showIntro(!ctl("IntroTextLbl").Visible); });
    onClick("Image3", [this] { replay(); });
    onClick("ReplayLbl", [this] { replay(); });
    onClick("Image4", [this] { exitToTitle(); });
    onClick("MenuLbl", [this] { exitToTitle(); });
    onClick("NextLbl", [this] { leave(); });
    onClick("ContinueLbl", [this] { leave(); });
  }

  void Form_Load() override {
    g_.ShowText(ctl("TitleLbl"), txt::captions::MissionObjectives);
    g_.ShowText(ctl("CloseLbl"), txt::captions::TipsClose);
    ctl("ContinueLbl").Caption = "All objectives are met.";
    ctl("ContinueLbl").Align = 2;
    g_.ShowText(ctl("ReplayLbl"), txt::captions::ReplayMission);
    g_.ShowText(ctl("MenuLbl"), txt::captions::ExitTitle);
    g_.ShowText(ctl("Label1"), txt::captions::ReplayMissionIntro);
    g_.ShowText(ctl("NextLbl"), txt::captions::Continue);
    showObjectives();
    // After a defeat the player can only replay or leave.
    const bool defeated = !isSet(g_.s.PlayerInGame);
    if (defeated) {
      Control& first = ctl("TipLbl1");
      g_.ShowText(first, txt::campaign1::DefeatLordFallen);
      first.ForeColor = 0xFF0000;
      for (int i = 2; i <= 6; ++i) ctl("TipLbl" + std::to_string(i)).Caption.clear();
      for (int i = 1; i <= 6; ++i) ctl("ProgressLbl" + std::to_string(i)).Caption.clear();
    }
    ctl("Image1").Visible = ctl("CloseLbl").Visible = !defeated;
    for (const char* n : {"ReplayLbl", "MenuLbl", "Image3", "Image4"}) ctl(n).Visible = defeated;
    // A lost game is not carried on to the next level, whatever was met before the loss.
    if (defeated) ctl("NextLbl").Visible = ctl("ContinueLbl").Visible = false;
  }

  void Form_KeyUp(Key k) override {
    if ((k == Key::Escape || k == Key::Enter) && ctl("CloseLbl").Visible) close();
  }

 private:
  static constexpr uint32_t kProgressColour = 0x5A4630;

  // Back from a screen opened from here: the progress shows what changed there.
  void Form_Activate() override {
    if (isSet(g_.s.PlayerInGame) && !ctl("IntroTextLbl").Visible) showObjectives();
  }

  // The summary of the level, then the hand-over.
  void leave() {
    if (!isSet(g_.s.PlayerInGame)) return;
    g_.form("SummaryFrm").showModal();
    LeaveLevel(g_);
  }

  void act(int objective) {
    if (!isSet(g_.s.PlayerInGame)) return;
    if (actOnObjective(g_, objective)) close();
  }

  void showObjectives() {
    EvaluateObjectives(g_);
    const int L = g_.s.CurrentLevel;
    for (int i = 0; i < 6; ++i) {
      int entry = L >= 1 && L <= 16 ? 36 + 6 * (L - 1) + i : L == 17 ? (i < 5 ? 132 + i : 136) : (i == 0 ? 137 : 136);
      Control& tip = ctl("TipLbl" + std::to_string(i + 1));
      g_.ShowText(tip, txt::levels::entry(entry));
      tip.ForeColor = g_.s.ObjectiveMet[i] ? kMetColour : kDefaultColour;
      ctl("ProgressLbl" + std::to_string(i + 1)).Caption = objectiveProgressText(g_, i + 1);
    }
    const bool all = isSet(g_.s.AllObjectivesMet);
    ctl("NextLbl").Visible = all;
    ctl("ContinueLbl").Visible = all;
  }

  // Replay the mission: the campaign's first save is loaded again (not while an army
  // walks or a turn is being processed).
  void replay() {
    g_.PlaySound(kClickChannel2, "click01.wav");
    if (g_.timedActionRunning()) return;
    std::string err;
    if (!ReadSave(g_, "FirstSave", err)) {
      ShowMessageBox(g_, "The mission cannot be replayed: " + err);
      return;
    }
    if (g_.s.LevelBeforeLoad != g_.s.CurrentLevel) ShowMessageBox(g_, g_.text(txt::campaign::GameLoadedOtherLevel), true);
    close();
  }

  void exitToTitle() {
    for (const char* prog : {"splash.rz", "menudata.rz"})
      if (!g_.shell.startProgram(g_.programPath(prog)))
        g_.shell.messageBox(std::string("The program ") + prog + " could not be started.");
    g_.shell.endProgram();
  }

  void showIntro(bool intro) {
    const int L = g_.s.CurrentLevel;
    ctl("ChapterLbl").Visible = intro;
    ctl("IntroTextLbl").Visible = intro;
    for (int i = 1; i <= 6; ++i) {
      ctl("TipLbl" + std::to_string(i)).Visible = !intro;
      ctl("ProgressLbl" + std::to_string(i)).Visible = !intro;
    }
    // The level comes from a saved game: only the campaign's levels have an intro text.
    if (intro && L >= 1 && L <= kLastLevel) {
      g_.ShowText(ctl("ChapterLbl"), txt::levels::LevelTitles[L]);
      g_.ShowText(ctl("IntroTextLbl"), txt::levels::LevelIntros[L]);
    }
  }
};
FIEF_REGISTER_FORM(TipsFrm);

}  // namespace fief
