#include "ui/game.h"

#include <stdexcept>

#include "campaign/game_bindings.h"
#include "turn/turn.h"

namespace fief {

Game::Game(Shell& sh, std::string programDir) : Game(sh, sameFolder(programDir)) {}

Game::Game(Shell& sh, Folders where) : Rules(std::move(where)), shell(sh) {
  clock = [this] { return shell.nowMs(); };
  registerTurnEventKinds();
  screens_ = makeScreenDecisions(*this);
  setPlayer(screens_.get());
  bindGameSights(*this);
}

Game::~Game() {
  setPlayer(nullptr);
}

Form& Game::form(const std::string& name) {
  auto it = forms_.find(name);
  if (it != forms_.end()) return *it->second;
  auto f = createForm(name, *this);
  if (!f) throw std::out_of_range("no screen named " + name);
  Form& ref = *f;
  forms_[name] = std::move(f);
  return ref;
}

// An open form is closed through the shell first, so that neither its stack nor its
// input and drawing state keep a pointer to the destroyed form.
void Game::unload(const std::string& name) {
  auto it = forms_.find(name);
  if (it == forms_.end()) return;
  Form& f = *it->second;
  for (Form* open : shell.openForms())
    if (open == &f) {
      shell.close(f);
      break;
    }
  views.forget(&f);
  forms_.erase(it);
}

void Game::PlaySound(const std::string& channel, const std::string& file) {
  if (SoundAvailable) shell.playSound(channel, file);
}

void Game::setHelper(const std::string& t) {
  if (!formExists("Camp1Frm")) return;
  Form& camp = form("Camp1Frm");
  if (Control* h = camp.find("Helper")) h->Caption = t;
}

bool Game::timedActionRunning() const {
  for (const char* t : {"ArmyTimer", "BattleTimer", "EndTurnTimer"})
    if (timers.enabled(t)) return true;
  return s.FadeMode != kNoFade;
}

}  // namespace fief
