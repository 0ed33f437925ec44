#include "campaign/game.h"

#include <stdexcept>

namespace fief {

const char* const kChannels[8] = {"MusicChanel01", "FaunaChanel01", "EnvChanel01",   "EnvChanel02",
                                  "EnvChanel03",   "EnvChanel04",   "ClickChanel01", "ClickChanel02"};

Game::Game(Shell& sh, std::string programDir) : shell(sh), dir(std::move(programDir)) {
  tables = makeGameTables(1, 0);
}

Game::~Game() = default;

Form& Game::form(const std::string& name) {
  auto it = forms_.find(name);
  if (it != forms_.end()) return *it->second;
  auto f = createForm(name, *this);
  if (!f) throw std::out_of_range("no screen named " + name);
  Form& ref = *f;
  forms_[name] = std::move(f);
  return ref;
}

void Game::unload(const std::string& name) { forms_.erase(name); }

void Game::PlaySound(const std::string& channel, const std::string& file) {
  if (SoundAvailable) shell.playSound(channel, file);
}

void Game::reseed() { rng.seed(static_cast<uint64_t>(shell.nowMs())); }

void Game::setHelper(const std::string& t) {
  if (!formExists("Camp1Frm")) return;
  Form& camp = form("Camp1Frm");
  if (Control* h = camp.find("Helper")) h->Caption = t;
}

bool Game::timedActionRunning() const {
  for (const char* t : {"ArmyTimer", "BattleTimer", "EndTurnTimer"})
    if (timers.enabled(t)) return true;
  return s.FadeMode != 0;
}

}  // namespace fief
