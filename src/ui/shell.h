// The only door to the platform. Rules and screens ask the shell to show forms, play
// sounds, set the pointer, start programs and read the clock. Two implementations:
// SDL (the real game) and headless (tests, tools, the script runner).
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "campaign/sound_channels.h"

namespace fief {

class Form;

// Thrown to unwind every modal loop when the program ends (the game's End).
struct ProgramEnded : std::exception {
  const char* what() const noexcept override { return "program ended"; }
};

enum class Pointer { Normal, Busy, Hidden };

class Shell {
 public:
  virtual ~Shell() = default;

  // Forms. showModal returns when the form has closed (it runs a nested loop).
  virtual void showModal(Form& f) = 0;
  virtual void show(Form& f) = 0;
  virtual void close(Form& f) = 0;
  // The open forms, bottom first.
  virtual std::vector<Form*> openForms() const = 0;

  // Sound: file is a name under sounds/ ("turn01.wav"); volume in hundredths of a dB.
  virtual void playSound(const std::string& channel, const std::string& file, bool loop = false) = 0;
  virtual void stopSound(const std::string& channel) = 0;
  virtual void setVolume(const std::string& channel, int attenuation) = 0;
  virtual int soundDevices() const = 0;

  virtual void setPointer(Pointer p) = 0;
  // The screen's logical pixels per inch (96 asks for the 1.25 enlargement).
  virtual int logicalDpi() const = 0;
  // The fade layer (end of turn, battle hand-over): alpha 0..255 over the screen.
  virtual void setFade(int alpha) = 0;
  // Let the screen show what changed (during long operations and fades).
  virtual void present() = 0;

  // Start a program of the program folder by its path, without waiting.
  // Returns false (with a message for the player) when it cannot be started.
  virtual bool startProgram(const std::string& path) = 0;
  // Start a program that this one keeps an eye on while waiting for its files (the
  // battle program). Returns an id above 0, or 0 when it cannot be started.
  virtual int startWatchedProgram(const std::string& path) { return startProgram(path) ? 1 : 0; }
  // Whether a watched program still runs (true when the shell cannot tell).
  virtual bool programRunning(int /*id*/) { return true; }
  // End this program: unwinds every modal loop (throws ProgramEnded).
  [[noreturn]] virtual void endProgram() = 0;

  // The game clock in milliseconds and the time of day as "HH:MM:SS".
  virtual int64_t nowMs() const = 0;
  virtual std::string timeOfDay() const = 0;

  // A plain message box with one OK button (used before any form exists).
  virtual void messageBox(const std::string& text) = 0;
};

}  // namespace fief
