// The campaign screen: the hub of the game. It declares every control it holds (menu
// strips, status panel, map surface and what lies on the map); the subsystems bind their
// commands and refresh steps to it through binders, each from its own file.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/form.h"

namespace fief {

class Camp1Frm : public Form {
 public:
  explicit Camp1Frm(Game& g);

  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyUp(Key k) override;
  void Form_KeyDown(Key k) override;

  // Redraws every view of the state: status panel, fields, camps, buildings, objects.
  void refreshAll();
  // The status panel only (after a command changed the county).
  void refreshStatus();

  // Key actions on key release, by key (subsystems add theirs).
  std::map<Key, std::function<void()>> keyActions;

  // Binders add handlers and refresh steps when the screen is built.
  using Binder = std::function<void(Camp1Frm&)>;
  static void addBinder(Binder b);
  std::vector<std::function<void()>> refreshers;

  // Map geometry: the map picture's size and where the view starts (F3).
  int MapWidth = 2400, MapHeight = 1800;
  int HomeLeft = 0, HomeTop = 0;
  // The strips' heights for the current display mode.
  int TopStrip = 64, BottomStrip = 96;

 private:
  void declareControls();
  void placeFromLevelMap();
};

// The status panel text of a number.
std::string numberText(long long v);

}  // namespace fief
