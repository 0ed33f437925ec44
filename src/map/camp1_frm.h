// The campaign screen: the hub of the game. It declares every control it holds (menu
// strips, status panel, map surface and what lies on the map); the subsystems bind their
// commands to it, and subscribe their views and sights (ui/views.h), through binders,
// each from its own file, bound in the order of one list (map/camp1_bindings.cpp).
#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/form.h"

namespace fief {

// The pixel layout of the strips for one display mode.
struct CampLayout {
  int TopStrip = 64;      // height of the top menu strip
  int BottomStrip = 96;   // height of the bottom strip (status panel and help lines)
  int ButtonSize = 48;    // the square sub-screen buttons
  int ButtonStep = 52;
  int Margin = 8;         // thickness of the scrolling margins
};
CampLayout campLayout(int width, int height);

class Camp1Frm : public Form {
 public:
  explicit Camp1Frm(Game& g);

  void Form_Load() override;
  void Form_Activate() override;
  void Form_Deactivate() override;
  void Form_KeyUp(Key k) override;
  void Form_KeyDown(Key k) override;
  void Form_Click() override;

  // Redraws every view of the state: status panel, fields, camps, buildings, objects
  // (the county's and the map's views are the subscribers of View::County and View::Map).
  void refreshAll();

  // View state of the map: the direction it scrolls (ScrollDirection, map_scroll.h) and
  // the marker the selector timer redraws.
  uint8_t scrollDirection = 0;
  std::string selectorMarker;
  // The status panel only (after a command changed the county).
  void refreshStatus();
  // Shows the status panel's icons whose figures are shown.
  void syncStatusIcons();
  // The status labels of the shortages in the warning colour while they hold.
  void colourShortages();

  // Key actions on key release, by key (subsystems add theirs).
  std::map<Key, std::function<void()>> keyActions;

  // Steps run when another screen opens over the campaign screen, and when it is the
  // top-most screen again.
  std::vector<std::function<void()>> coverers, uncoverers;

  // Binds h to a control's event and keeps the handler already bound there: h runs
  // first, then the earlier one. Lets several subsystems react to one event.
  void chain(const std::string& control, Ev ev, Handler h);

  // Map geometry: the map picture's size and where the view starts (F3).
  int MapWidth = 2400, MapHeight = 1800;
  int HomeLeft = 0, HomeTop = 0;
  CampLayout layout;
  int TopStrip = 64, BottomStrip = 96;
  // The player's flag: the flag objects he held at the last redraw and the one it stands
  // on (see playerFlagObject).
  std::array<bool, 4> PlayerFlagHeld{};
  int PlayerFlagOn = -1;

  // Hover state: the text under the pointer (the tooltip's text), the tooltip style
  // (2: the wider box for long texts) and the remembered pointer position.
  std::string HoverText;
  std::string HoverControl;  // the control the text belongs to (empty: the bare screen)
  int HoverStyle = 1;
  int PointerX = 0, PointerY = 0;
  // The army whose figures stand beside the help line (0: none).
  int HelpCamp = 0;
  // Forgets the hover state (the tooltip hides on the next tick).
  void clearHover();
  // Hides the field kind buttons (Field1Pic..Field4Pic) of a selected field.
  void clearFieldSelection();
  // Forgets what the pointer and the last commands left on the screen (help lines, the
  // tooltip, the field selection, a pending split order and its waypoint markers), so
  // that nothing of the game before a load stays on view.
  void forgetPointerState();
  // Where a control lies on the screen (map controls are relative to MapSurface).
  void screenRect(const Control& c, int& x, int& y) const;

 private:
  void declareControls();
  void subscribeViews();
  void placeFromLevelMap();
  void installHelpLines();
};

// The status panel text of a number.
std::string numberText(long long v);

}  // namespace fief
