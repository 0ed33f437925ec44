// The end-turn command of the campaign screen (EndTurnBtn, Enter), the fade screen
// EndTurnFrm, and the campaign screen's commands of the turn engine (the message screen,
// the garrison's event screen, the turn indicator).
#include <algorithm>
#include <cmath>
#include <utility>

#include "campaign/autosaves.h"
#include "campaign/save_games.h"
#include "map/camp1_bindings.h"
#include "map/camp1_frm.h"
#include "map/map_view.h"
#include "state/arith.h"
#include "turn/turn.h"
#include "turn/turn_screen.h"
#include "ui/dialogs.h"
#include "ui/game.h"

namespace fief {

namespace {

// What follows the turn itself, after the fade or directly.
void afterTurn(Game& g) {
  if (isSet(g.s.ShowMessagesAfterTurn)) g.form("MessagesFrm").showModal();
  RunTipsCheck(g);
}

}  // namespace

std::vector<int> FadeSchedule(double step, bool fall) {
  std::vector<int> alpha;
  if (step <= 0) return alpha;
  long long level = 0;
  while (level < 255) {
    level = std::min(255LL, roundEven(static_cast<double>(level) + step));
    alpha.push_back(static_cast<int>(level));
  }
  if (!fall) return alpha;
  while (level > 0) {
    level = std::max(0LL, roundEven(static_cast<double>(level) - step));
    alpha.push_back(static_cast<int>(level));
  }
  return alpha;
}

void RunTipsCheck(Game&) {}

// The fade screen: on activation it fades the screen out and in (end of turn) or out
// only (battle hand-over), then carries on.
class EndTurnFrm : public Form {
 public:
  // The fade screen shows nothing of its own: the fade layer darkens what lies below.
  explicit EndTurnFrm(Game& g) : Form(g, "EndTurnFrm") {
    Transparent = true;
    Background = "none";
  }

  void Form_Load() override { faded_ = false; }

  // What follows the fade to a battle (FadeToBattle); it runs once.
  std::function<void(Game&)> handOver;

  void Form_Activate() override {
    GameState& s = g_.s;
    const auto mode = static_cast<FadeMode>(s.FadeMode);
    // Once per opening: a dialog of the battle hand-over that closes over this screen
    // activates it again, and must not start a second fade and hand-over.
    if ((mode != kEndTurnFade && mode != kBattleFade) || faded_) return;
    faded_ = true;
    const double step = g_.optim.fastFade() ? 3.0 : 1.2;
    for (int a : FadeSchedule(step, mode == kEndTurnFade)) {
      g_.shell.setFade(a);
      g_.shell.present();
    }
    g_.shell.setPointer(Pointer::Normal);
    if (mode == kBattleFade) {
      if (std::function<void(Game&)> h = std::exchange(handOver, nullptr)) h(g_);
      g_.timers.setInterval("BattleFadeTimer", isSet(s.Advanced.AutoCalcOption) ? 100 : 4000);
      g_.timers.enable("BattleFadeTimer");
      return;
    }
    s.FadeMode = kNoFade;
    close();
    EndTurn(g_);
    afterTurn(g_);
  }

 private:
  bool faded_ = false;
};
FIEF_REGISTER_FORM(EndTurnFrm);

void FadeToBattle(Game& g, std::function<void(Game&)> handOver) {
  g.s.FadeMode = kBattleFade;
  g.shell.setPointer(Pointer::Hidden);
  auto& f = g.form<EndTurnFrm>("EndTurnFrm");
  f.handOver = std::move(handOver);
  f.showModal();
}

void EndTurnCommand(Game& g) {
  if (g.s.FadeMode != kNoFade || g.timers.enabled("ArmyTimer") || g.timers.enabled("BattleTimer")) return;
  // The last turn's battles are fought before another turn begins.
  if (g.battlesWaiting > 0) return;
  if (Control* c = campControl(g, "TurnImg")) c->Picture.clear();
  g.PlaySound(kEventChannel, "turn01.wav");
  if (isSet(g.s.Advanced.AutoSaveOption)) {
    g.setHelper(std::string());
    // Neither a save that fails nor a slot passed over stops the turn; the player is told.
    const AutosaveResult r = WriteAutosaves(g);
    std::string told = r.saved ? std::string() : r.err;
    for (const std::string& skip : r.skipped) told += (told.empty() ? "" : "\n") + skip;
    if (!told.empty()) ShowMessageBox(g, told);
  }
  const bool fade = !g.optim.fadeEffectsOff();
  if (!fade) {
    EndTurn(g);
    afterTurn(g);
  } else {
    // The help line is cleared as the fade begins: the turn runs after it, and the
    // line then tells of the messages the turn logged.
    g.setHelper(std::string());
    g.s.FadeMode = kEndTurnFade;
    g.shell.setPointer(Pointer::Hidden);
    g.form("EndTurnFrm").showModal();
  }
  g.invalidate(View::Everything);
  g.timers.enable("EndTurnTimer");
  if (!fade) g.setHelper(std::string());
}

bool openIfBuilt(Game& g, const std::string& form) {
  if (!g.formExists(form)) {
    const auto names = registeredForms();
    if (std::find(names.begin(), names.end(), form) == names.end()) return false;
  }
  g.form(form).showModal();
  return true;
}

// The campaign screen's commands of the turn engine.
void bindTurnCommands(Camp1Frm& f) {
  Game& g = f.game();
  // The turn indicator at the top of the menu bar.
  // The turn indicator: a small picture at the left end of the end-turn button.
  if (!f.has("TurnImg")) {
    const Control end = f.ctl("EndTurnBtn");
    const int size = std::max(8, end.Height - 12);
    Control& turn = f.add(image("TurnImg", end.Left + 6, end.Top + (end.Height - size) / 2, size, size, "hourglass"));
    turn.Z = end.Z + 1;
  }
  f.onClick("TurnImg", [&g] { EndTurnCommand(g); });
  f.onClick("EndTurnBtn", [&g] { EndTurnCommand(g); });
  f.keyActions[Key::Enter] = [&g] { EndTurnCommand(g); };
  auto messages = [&g] { g.form("MessagesFrm").showModal(); };
  f.onClick("MessagessBtn", messages);
  f.keyActions[Key::F4] = messages;
  // The garrison on the map names and describes itself (bound with the map's objects),
  // then opens its stores.
  f.on("GarryImg", Ev::Click, [&g, describe = f.handlerOf("GarryImg", Ev::Click)](const EventArgs& a) {
    if (describe) describe(a);
    setGarryMode(g, 1);
    g.form("GarryFrm").showModal();
  });
  // The turn's markers on the map: the plague, the rebels and the selector that marks them.
  g.views.onSight(Sight::Plague, &f, [&g](int) { showMapMarker(g, "PlagueImg", isSet(g.s.PlagueActive)); });
  g.views.onSight(Sight::RebelsRise, &f,
                  [&g](int) { showMapMarker(g, "RebelionArmyImg1", isSet(g.s.RebelsActive)); });
  g.views.onSight(Sight::RebelsFollowed, &f, [&g](int) { armSelector(g, "RebelionArmyImg1"); });
}

}  // namespace fief
