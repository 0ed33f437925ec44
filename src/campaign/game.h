// The context every rule and screen receives: the state, the game tables, the text
// tables, the random generator, the message log, the options, the timers, the forms
// and the shell.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "campaign/chronicle.h"
#include "campaign/game_tables.h"
#include "campaign/option_files.h"
#include "campaign/texts.h"
#include "state/game_state.h"
#include "state/rng.h"
#include "turn/message_log.h"
#include "ui/form.h"
#include "ui/shell.h"
#include "ui/timers.h"

namespace fief {

struct Game {
  explicit Game(Shell& sh, std::string programDir = ".");
  ~Game();

  Shell& shell;
  std::string dir;  // the program folder, without a trailing separator

  GameState s;
  GameTables tables;
  TextTables texts;
  Rng rng;
  MessageLog log;
  Chronicle chronicle;  // the county's figures turn by turn (realm overview)
  OptimSettings optim;
  TimerSet timers;

  bool SoundAvailable = false;
  bool ScaleForms = false;

  // A path inside the program folder ("Save Game/QuickSave.s15").
  std::string path(const std::string& relative) const { return dir + "/" + relative; }

  // Forms are created on first use and live until the program ends.
  Form& form(const std::string& name);
  template <class T>
  T& form(const std::string& name) { return dynamic_cast<T&>(form(name)); }
  bool formExists(const std::string& name) const { return forms_.count(name) != 0; }
  // Forget a form (its next use creates it afresh, as after an unload).
  void unload(const std::string& name);

  // Shared procedures of the screens.
  std::string text(int table, int entry) const { return texts.text(table, entry); }
  void ShowText(Control& c, int entry, int table) { c.Caption = texts.text(table, entry); }
  void PlaySound(const std::string& channel, const std::string& file);
  void reseed();  // reseed the generator from the game clock
  // The campaign screen's help line (Helper), when that screen exists.
  void setHelper(const std::string& text);
  void setHelperText(int table, int entry) { setHelper(texts.text(table, entry)); }

  // Are the quick keys and restart blocked by a timed action (an army walking, a fade)?
  bool timedActionRunning() const;

 private:
  std::map<std::string, std::unique_ptr<Form>> forms_;
};

}  // namespace fief
