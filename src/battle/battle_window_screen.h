// The battle window (BattleFrm of battledata.rz): the battle map with the armies'
// formations as blocks of small soldiers, a panel with each army's soldiers and morale, the
// chosen formation and the commands. The player deploys his formations in his zone, then
// leads them: he chooses one (a click, N for the next, or its number) and orders it to attack a foe
// (right click on it), to march to a point (right click on the field), to hold or to fall
// back, or gives the whole army an order (all attack, all hold, retreat). The window runs
// the same model as the calculation, so watching, skipping and calculating a battle with
// the same orders give the same result.
#pragma once

#include <string>
#include <vector>

#include "battle/battle_model.h"
#include "battle/battle_program.h"
#include "ui/form.h"

namespace fief::battle {

// The session of this program (nullptr when no battle was handed over).
BattleSession*& currentSession();

// Where the window draws a formation: a block of figures, never over another block.
struct BlockBox {
  int l = 0, t = 0, r = 0, b = 0;
  bool meets(const BlockBox& o) const { return l < o.r && o.l < r && t < o.b && o.t < b; }
};

}  // namespace fief::battle

namespace fief {

class BattleFrm : public Form {
 public:
  explicit BattleFrm(Game& g);
  void Form_Load() override;
  void Form_Unload() override;
  void Form_KeyUp(Key k) override;

  static constexpr int kStepMs = 160;  // one step of the battle at the slowest speed
  static constexpr int kSpeeds[] = {1, 2, 4, 8};
  static constexpr int kFormationSlots = kMaxFightArmies * kRosterSize;
  static constexpr int kOrderDots = 7;
  static constexpr int kMaxFigures = 15;  // figures of the largest block
  // The way back is not taken by a press (or Enter, Escape) that comes this soon after it
  // appears where "Finish now" stood: that press was meant for what stood there before.
  static constexpr int kContinueGuardMs = 500;

  // The player's commands (buttons, keys and the mouse).
  void fight();        // ends the deployment: the battle begins
  void stepOnce();     // one tick of the step timer
  void finishNow();    // fights the rest at once
  void faster(int delta);
  void togglePause();
  void returnToCampaign();  // hands the results back and ends the program
  void select(int formation);  // -1: none
  void selectNext();           // the next formation of the player's that stands
  // An order for the chosen formation (or the army); a refused one shows why in the hint.
  void order(battle::OrderKind kind, int target = -1, int x = 0, int y = 0);
  // A press on the field or a formation at a point of the screen.
  void pressAt(int x, int y, MouseButton b, int formation);
  void releaseAt(int x, int y);
  void dragTo(int x, int y);

  // The screen as it stands (called after every step).
  void refresh();
  int speed() const { return kSpeeds[speed_]; }
  bool paused() const { return paused_; }
  bool deploying() const { return deploying_; }
  int selected() const { return selected_; }
  // The screen rectangle of formation i's block (empty when not drawn).
  battle::BlockBox blockOf(int i) const;
  // Field units of a screen point, and back.
  void toField(int x, int y, int& fx, int& fy) const;
  void toScreen(float fx, float fy, int& x, int& y) const;

 private:
  void layout();
  void showEnd();
  void placeBlocks();
  void showOrder();
  void showSelection();
  void hover(int i);
  void tip(const std::string& text);
  void separateLabels();  // formation counts moved off each other and off the blocks
  std::string unitLabel(int slot) const;
  battle::BattleSession* session() const { return battle::currentSession(); }

  int W_ = 1024, H_ = 768, panelH_ = 150;
  int fig_ = 12;  // side of one soldier figure
  int speed_ = 0;
  bool paused_ = false;
  bool deploying_ = false;
  bool endShown_ = false;
  int64_t endShownAt_ = 0;          // when the end of the battle was shown
  int64_t continuePressedAt_ = -1;  // when the way back was last pressed (-1 never)
  bool tooSoonForTheWayBack(int64_t at) const { return endShown_ && at - endShownAt_ < kContinueGuardMs; }
  bool meleeHeard_ = false, arrowsHeard_ = false;
  std::vector<bool> hornHeard_;  // an army's break was sounded
  int hovered_ = -1;   // the formation the hint names
  int selected_ = -1;  // the player's chosen formation
  int dragging_ = -1;  // the formation dragged in the deployment
  int dragX_ = 0, dragY_ = 0, pressX_ = 0, pressY_ = 0;
  int64_t retreatAskedAt_ = -1;  // R pressed once: a second R within two seconds retreats
};

}  // namespace fief
