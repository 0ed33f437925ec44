// The screens' context: the rules context (state, tables, texts, generator, log,
// options) with the forms, the shell and the timers on top. Every screen receives it;
// rules receive only the Rules part and reach the player through Rules::player(),
// which the screens answer with their dialogs (ScreenDecisions).
#pragma once

#include <map>
#include <memory>
#include <string>
#include <typeindex>
#include <typeinfo>

#include "campaign/rules.h"
#include "ui/form.h"
#include "ui/shell.h"
#include "ui/timers.h"
#include "ui/views.h"

namespace fief {

struct Game : Rules {
  explicit Game(Shell& sh, std::string programDir = ".");
  Game(Shell& sh, Folders where);
  ~Game() override;

  Shell& shell;
  TimerSet timers;
  // The views the screens show and the handlers of the rules' sights (ui/views.h).
  Views views;

  // The state behind these views changed: the screens that show them redraw them now.
  template <class... V>
  void invalidate(V... v) {
    (views.redraw(v), ...);
  }

  bool ScaleForms = false;

  // Forms are created on first use and live until the program ends.
  Form& form(const std::string& name);
  template <class T>
  T& form(const std::string& name) { return dynamic_cast<T&>(form(name)); }
  bool formExists(const std::string& name) const { return forms_.count(name) != 0; }
  // Forget a form (its next use creates it afresh, as after an unload) and its subscriptions.
  void unload(const std::string& name);

  // Shared procedures of the screens.
  void ShowText(Control& c, TextId t) { c.Caption = texts.text(t); }
  void PlaySound(const std::string& channel, const std::string& file);
  // The campaign screen's help line (Helper), when that screen exists.
  void setHelper(const std::string& text);
  void setHelperText(TextId t) { setHelper(texts.text(t)); }

  // Are the quick keys and restart blocked by a timed action (an army walking, a fade)?
  bool timedActionRunning() const;

  // What a subsystem's screens keep for this game besides their forms (the battle handed
  // to the battle program, the rivals' battles that wait): one value of each type, made
  // on first use and gone with the game.
  template <class T>
  T& screenState() {
    std::shared_ptr<void>& held = screenStates_[std::type_index(typeid(T))];
    if (!held) held = std::make_shared<T>();
    return *static_cast<T*>(held.get());
  }

 private:
  std::map<std::string, std::unique_ptr<Form>> forms_;
  std::unique_ptr<Decisions> screens_;  // the player as the screens ask him
  std::map<std::type_index, std::shared_ptr<void>> screenStates_;
};

// The decision interface answered by the screens' dialogs (defined with them).
std::unique_ptr<Decisions> makeScreenDecisions(Game& g);

}  // namespace fief
