// One sequence of a player's input through both shells: the script runner on the
// headless shell, and the SDL shell under the offscreen driver fed with real SDL events
// at the points where the named controls lie. Both end in the same input model, so the
// game state and the open forms must come out the same.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "sdl_game_dir.h"
#include "state/state_json.h"
#include "ui/game.h"
#include "ui/headless/script_runner.h"
#include "ui/platform/sdl_shell.h"
#include "ui/program_start.h"

using namespace fief;
using nlohmann::json;

namespace {

// The sequence, in the runner's words. It closes the mission tips, raises the tax twice
// (a right click on the button does nothing), toggles option check boxes by clicking
// them, answers modal dialogs by key (keys go to the top-most form), types a name into
// a text box, picks a row of a list, and saves the game under that name.
const std::vector<std::string> kSteps = {
    "click TipsFrm.CloseLbl",
    "key Camp1Frm T",
    "click TaxFrm.TaxUp",
    "rclick TaxFrm.TaxUp",
    "click TaxFrm.TaxUp",
    "click TaxFrm.OkAniBtn",
    "click Camp1Frm.MenuBtn",
    "click MenuFrm.OptionsLbl",
    "click MenuFrm.MoreOptionsLbl",
    "click MenuFrm.TrooperOption",
    "click MenuFrm.AutoCalcOption",
    "check MenuFrm.WalkOption 0",
    "click MenuFrm.OkAniBtn",
    "key Camp1Frm Escape",
    "key MainScreenExit Escape",
    "click Camp1Frm.MenuBtn",
    "click MenuFrm.SaveGameLbl",
    "pick SaveGameFrm.FileLst 0",
    "type SaveGameFrm.FileNameTxt Cross",
    "key SaveGameFrm Enter",
    "key MsgFrm Enter",
};

SDL_Keycode sdlKey(Key k) {
  switch (k) {
    case Key::Enter: return SDLK_RETURN;
    case Key::Escape: return SDLK_ESCAPE;
    default: break;
  }
  const std::string n = keyName(k);
  if (n.size() == 1 && n[0] >= 'A' && n[0] <= 'Z') return SDLK_a + (n[0] - 'A');
  if (n.size() == 1 && n[0] >= '1' && n[0] <= '9') return SDLK_1 + (n[0] - '1');
  return n.size() > 1 && n[0] == 'F' ? SDLK_F1 + (std::stoi(n.substr(1)) - 1) : SDLK_UNKNOWN;
}

// The SDL side: each step becomes the SDL events a player's mouse and keyboard give.
class SdlPlayer {
 public:
  SdlPlayer(SdlShell& sh, Game& g) : sh_(sh), g_(g) {}
  json before;  // the state when the first step was sent
  // The state and the open forms once the last step was taken (read there: with no step
  // left, the screenshot mode of the shell closes the modal forms still open).
  json after, open;

  // Sends the next step and lets the shell take its events. False when none is left.
  bool next() {
    if (step_ == 0) before = stateToJson(g_.s);
    if (step_ >= kSteps.size()) return false;
    const bool last = step_ + 1 == kSteps.size();
    const std::vector<std::string> w = splitCommand(kSteps[step_++]);
    const std::string& cmd = w[0];
    if (cmd == "key") {
      const SDL_Keycode k = sdlKey(keyFromName(w[2]));
      push(keyEvent(SDL_KEYDOWN, k));
      push(keyEvent(SDL_KEYUP, k));
    } else {
      auto [f, c] = find(w[1]);
      if (cmd == "check" && c->Checked == (w[2] == "1")) return settle(last);
      int x = 0, y = 0;
      pointOn(*f, *c, cmd == "pick" ? std::stoi(w[2]) : -1, x, y);
      const Uint8 button = cmd == "rclick" ? SDL_BUTTON_RIGHT : SDL_BUTTON_LEFT;
      push(mouseEvent(SDL_MOUSEBUTTONDOWN, button, x, y));
      push(mouseEvent(SDL_MOUSEBUTTONUP, button, x, y));
      if (cmd == "type") {
        for (size_t i = 0; i < c->Caption.size(); ++i) {
          push(keyEvent(SDL_KEYDOWN, SDLK_BACKSPACE));
          push(keyEvent(SDL_KEYUP, SDLK_BACKSPACE));
        }
        for (char ch : w[2]) {
          SDL_Event e{};
          e.type = SDL_TEXTINPUT;
          e.text.text[0] = ch;
          push(e);
        }
      }
    }
    return settle(last);
  }

 private:
  // The shell takes the queued events (a dialog one of them opens takes the next steps,
  // and returns when it has closed).
  bool settle(bool last) {
    while (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) sh_.runOnce(0);
    if (last) {
      after = stateToJson(g_.s);
      open = json::array();
      for (Form* f : sh_.openForms()) open.push_back(f->name());
    }
    return true;
  }

  std::pair<Form*, Control*> find(const std::string& spec) {
    const auto dot = spec.find('.');
    const std::string fn = spec.substr(0, dot);
    for (Form* f : sh_.openForms())
      if (f->name() == fn) return {f, &f->ctl(spec.substr(dot + 1))};
    ADD_FAILURE() << fn << " is not open for " << spec;
    throw std::runtime_error(fn + " is not open");
  }

  // A point of the logical screen where the pointer finds the control (on a list, over
  // the given row): its centre when nothing lies over it there, else the first such point.
  void pointOn(Form& f, Control& c, int row, int& x, int& y) {
    sh_.drawNow();  // a list keeps the row it shows at the top from the last frame
    int w = 0, h = 0;
    sh_.logicalSize(w, h);
    for (const Placement& p : layoutForm(f, w, h)) {
      if (p.c != &c) continue;
      const Rect area = intersect(p.r, p.clip);
      auto finds = [&](int px, int py) {
        const InputTarget t = sh_.input().hit(px, py);
        if (t.form != &f || t.control != &c) return false;
        return row < 0 || sh_.input().listRowAt(c, p.r, py) == row;
      };
      x = area.x + area.w / 2;
      y = area.y + area.h / 2;
      if (finds(x, y)) return;
      for (y = area.y; y < area.y + area.h; ++y)
        for (x = area.x; x < area.x + area.w; ++x)
          if (finds(x, y)) return;
    }
    ADD_FAILURE() << "no point of the screen finds " << f.name() << "." << c.Name << " row " << row;
  }

  static SDL_Event keyEvent(Uint32 type, SDL_Keycode k) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = k;
    return e;
  }
  static SDL_Event mouseEvent(Uint32 type, Uint8 button, int x, int y) {
    SDL_Event e{};
    e.type = type;
    e.button.button = button;
    e.button.x = x;
    e.button.y = y;
    return e;
  }
  static void push(SDL_Event e) { ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError(); }

  SdlShell& sh_;
  Game& g_;
  size_t step_ = 0;
};

TEST(CrossShell, OneSequenceOfInputGivesTheSameStateAndFormsInBothShells) {
  // The SDL shell, with the program start of the runner's `start`.
  test::SdlGameDir sdlDir(0);
  SdlShell sh(SdlShell::Options{"Fiefdom", true});
  Game g(sh, sdlDir.path.string());
  g.optim = defaultOptim();
  g.optim.DisplayMode = 0;
  std::string err;
  ASSERT_TRUE(sh.attach(g, err)) << err;
  SdlPlayer player(sh, g);
  sh.onModal = [&](Form& f) {
    while (f.Visible && player.next()) {
    }
  };
  g.rng.seed(5);
  runProgramStart(g);
  for (int i = 0; i < 500 && !(g.formExists("Camp1Frm") && g.form("Camp1Frm").Visible); ++i) sh.runOnce(10);
  ASSERT_TRUE(g.formExists("Camp1Frm"));
  while (player.next()) {
  }
  ASSERT_TRUE(player.open.is_array()) << "the sequence did not run to its end";

  // The runner, on the same program folder and display.
  test::SdlGameDir runDir(0);
  std::stringstream script, out;
  script << "seed 5\nstart\n";
  for (const auto& s : kSteps) script << s << "\n";
  script << "state\nopen\n";
  RunOptions opt;
  opt.gameDir = runDir.path.string();
  opt.dpi = sh.logicalDpi();
  EXPECT_EQ(runScript(script, out, opt), 0) << out.str();
  std::vector<std::string> lines;
  for (std::string l; std::getline(out, l);) lines.push_back(l);
  ASSERT_GE(lines.size(), 2u) << out.str();

  EXPECT_EQ(json::parse(lines[lines.size() - 1]), player.open);
  const json runState = json::parse(lines[lines.size() - 2]);
  const json& sdlState = player.after;
  EXPECT_EQ(json::diff(runState, sdlState), json::array()) << "runner -> SDL";
  // The sequence did what it says: the tax went up twice, the check boxes toggled, the
  // game was saved under the typed name.
  EXPECT_EQ(sdlState["TaxRate"], std::min(100, player.before["TaxRate"].get<int>() + 20));
  EXPECT_NE(sdlState["Advanced"]["ShowTroopers"], player.before["Advanced"]["ShowTroopers"]);
  EXPECT_NE(sdlState["Advanced"]["AutoCalcOption"], player.before["Advanced"]["AutoCalcOption"]);
  EXPECT_TRUE(std::filesystem::exists(runDir.path / "Save Game" / ("Cross" + g.s.SaveExtension)));
  EXPECT_TRUE(std::filesystem::exists(sdlDir.path / "Save Game" / ("Cross" + g.s.SaveExtension)));
}

}  // namespace
