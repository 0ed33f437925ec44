// The headless shell: forms open and close without drawing, timers run on a virtual
// clock that only the caller advances, sounds and started programs are recorded.
// A modal loop asks `pump` for the next input (one script command) until its form
// closes; when the input runs out the program ends. Input reaches the forms through the
// same input model as on the SDL shell (ui/input.h), addressed by control.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/form_stack.h"
#include "ui/input.h"
#include "ui/shell.h"

namespace fief {

struct Game;

class HeadlessShell : public Shell {
 public:
  HeadlessShell();
  void attach(Game& g) { game_ = &g; }

  std::function<bool()> pump;  // runs one input; false when the input is exhausted
  bool spawnPrograms = false;  // really start programs (else only record them)

  void showModal(Form& f) override;
  void show(Form& f) override;
  void close(Form& f) override;
  std::vector<Form*> openForms() const override { return forms_.forms(); }
  Input& input() { return input_; }

  void playSound(const std::string& channel, const std::string& file, bool loop) override;
  void stopSound(const std::string& channel) override;
  void setVolume(const std::string& channel, int attenuation) override;
  int soundDevices() const override { return soundDevices_; }
  void setSoundDevices(int n) { soundDevices_ = n; }

  void setPointer(Pointer p) override { pointer_ = p; }
  Pointer pointer() const { return pointer_; }
  int logicalDpi() const override { return dpi_; }
  void setLogicalDpi(int dpi) { dpi_ = dpi; }
  void setFade(int alpha) override { fade_ = alpha; }
  int fade() const { return fade_; }
  void present() override {}

  bool startProgram(const std::string& path) override;
  // Recorded programs run until the script ends them (`end-programs`); spawned ones
  // until they exit.
  int startWatchedProgram(const std::string& path) override;
  bool programRunning(int id) override;
  void endRecordedPrograms() { recordedEnded_ = true; }
  // Waits in real time (the virtual clock stands) until every spawned watched program has
  // ended, at most timeoutMs; false when one still runs.
  bool waitSpawnedPrograms(int64_t timeoutMs);
  [[noreturn]] void endProgram() override;
  bool ended() const { return ended_; }

  int64_t nowMs() const override { return clock_; }
  std::string timeOfDay() const override;
  // The virtual clock stops here: far beyond any game, and far enough below the end of
  // int64_t that a timer's next due time (the clock plus an int interval) never overflows.
  static constexpr int64_t kClockLimit = int64_t{1} << 62;
  // Advance the virtual clock by ms (at most to kClockLimit), firing the timers that fall
  // due, in order. Repeated ticks of a steady timer (see Timer::Steady) with nothing else
  // due in between are jumped over: only the last of them runs.
  void wait(int64_t ms);

  void messageBox(const std::string& text) override { boxes_.push_back(text); }

  // Recorded output.
  std::vector<std::pair<std::string, std::string>> takeSounds() { return std::exchange(sounds_, {}); }
  std::vector<std::string> takeBoxes() { return std::exchange(boxes_, {}); }
  const std::vector<std::string>& programs() const { return programs_; }
  int volume(const std::string& channel) const;

 private:
  Game* game_ = nullptr;
  FormStack forms_;
  Input input_{forms_};
  int64_t clock_ = 0;
  int soundDevices_ = 0;
  int dpi_ = 120;
  int fade_ = 0;
  Pointer pointer_ = Pointer::Normal;
  bool ended_ = false;
  std::vector<std::pair<std::string, std::string>> sounds_;
  std::vector<std::pair<std::string, int>> volumes_;
  std::vector<std::string> boxes_;
  std::vector<std::string> programs_;
  bool recordedEnded_ = false;
  std::vector<int> spawned_;  // watched programs started for real
  std::vector<int> reaped_;   // those of them seen to end
};

}  // namespace fief
