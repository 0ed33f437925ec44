// The watched battle (BattleFrm of battledata.rz): the battle map with the armies'
// formations moving, fighting and falling one step of the battle model at a time, a panel
// with each army's soldiers and morale, speed controls and a button that fights the rest
// at once. The window runs the same model as the calculation, so watching, skipping and
// calculating give the same result.
#pragma once

#include <memory>
#include <string>

#include "battle/battle_model.h"
#include "battle/battle_program.h"
#include "ui/form.h"

namespace fief::battle {

// The battle the window shows, owned by the battle program.
struct BattleSession {
  HandOver hand;
  std::unique_ptr<Battle> battle;
  bool handedBack = false;
  std::string error;  // why the results could not be handed back

  explicit BattleSession(HandOver h) : hand(std::move(h)), battle(std::make_unique<Battle>(hand.in, hand.seed)) {}
  // Fights what is left at once and hands the results back (once). False with `error`.
  bool finishAndHandBack(const Folders& where);
};

// The session of this program (nullptr when no battle was handed over).
BattleSession*& currentSession();

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
  // The way back is not taken by a press (or Enter, Escape) that comes this soon after it
  // appears where "Finish now" stood: that press was meant for what stood there before.
  static constexpr int kContinueGuardMs = 500;

  // The player's commands (buttons and keys).
  void stepOnce();     // one tick of the step timer
  void finishNow();    // fights the rest at once
  void faster(int delta);
  void togglePause();
  void returnToCampaign();  // hands the results back and ends the program

  // The screen as it stands (called after every step).
  void refresh();
  int speed() const { return kSpeeds[speed_]; }
  bool paused() const { return paused_; }

 private:
  void layout();
  void showEnd();
  void place(int i, const battle::Formation& f);
  void hover(int i);
  void separateLabels();  // formation labels moved off each other and off the banners
  battle::BattleSession* session() const { return battle::currentSession(); }

  int W_ = 1024, H_ = 768, panelH_ = 150;
  int unit_ = 40;  // side of a formation's picture
  int speed_ = 0;
  bool paused_ = false;
  bool endShown_ = false;
  int64_t endShownAt_ = 0;          // when the end of the battle was shown
  int64_t continuePressedAt_ = -1;  // when the way back was last pressed (-1 never)
  bool tooSoonForTheWayBack(int64_t at) const { return endShown_ && at - endShownAt_ < kContinueGuardMs; }
  bool meleeHeard_ = false;
  int hovered_ = -1;  // the formation the hint names
};

}  // namespace fief
