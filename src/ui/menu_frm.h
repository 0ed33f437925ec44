// The in-game menu: save, load, options and the ways out of the program. Three panels,
// one visible at a time: the main menu, the options (music, sound, display) and the
// advanced options (the switches of the in-game options record).
#pragma once

#include "campaign/option_files.h"
#include "ui/form.h"

namespace fief {

// Volume steps: 350 hundredths of a decibel per step, the bar 30 pixels per step.
constexpr int kVolumeStep = 350;
constexpr int kVolumeBarStep = 30;

// The options' rules, usable without the screen.
void musicUp(Game& g);
void musicDown(Game& g);
void soundsUp(Game& g);
void soundsDown(Game& g);
void setMusicSwitch(Game& g, bool on);
// Applies the volumes of the options to the sound channels.
void applyVolumes(Game& g);
// Stores the options record in Advanced.rz (with no sound device: full volumes).
bool storeAdvanced(Game& g, std::string& err);

// Told when the menu refuses to save, load or leave during a battle or a walk.
inline constexpr const char* kBusyMessage =
    "A battle is being fought or an army is on the march: wait until it is over.";

class MenuFrm : public Form {
 public:
  explicit MenuFrm(Game& g);
  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyUp(Key k) override;

  // Shows one panel (MainMenuFrm, OptionsFrm, AdvancedFrm) and hides the others.
  void showPanel(const std::string& panel);
  // The display settings chosen here; stored in Optim.rz by the advanced panel's OK and
  // used from the next start on.
  OptimSettings pendingOptim;

 private:
  void declareControls();
  void bindCommands();
  void setBoxes();
  void setBars();
  void okAdvanced();
  // True (and the player told why) while a battle or an army's walk is under way.
  bool busy();
  void saveAndExit();
  void exitWithQuestion(EventKind kind);
  bool optimRead_ = false;
};

}  // namespace fief
