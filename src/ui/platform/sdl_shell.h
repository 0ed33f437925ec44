// The real shell: an SDL2 window and renderer at the logical resolution of the display
// mode, scaled to the window; the real-clock timer loop (it sleeps until the next timer
// or input, and draws only when something changed); SDL's mouse, key and text events
// translated into the input model (ui/input.h), which delivers them to the forms; sound;
// pointers; programs started by path.
#pragma once

#include <SDL.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/platform/picture_preload.h"
#include "ui/platform/renderer.h"
#include "ui/platform/sound.h"
#include "ui/form_stack.h"
#include "ui/input.h"
#include "ui/shell.h"

namespace fief {

struct Game;

class SdlShell : public Shell {
 public:
  struct Options {
    std::string title = "Fiefdom";
    // Screenshot mode: a hidden window exactly the logical size, the software renderer,
    // no sound, no message boxes; a modal form runs `onModal` instead of a loop.
    bool capture = false;
    // Forces the windowed mode (else the display settings decide).
    bool forceWindowed = false;
    // How long attach keeps trying to open a display that refuses the connection.
    int64_t displayWaitMs = 10000;
  };
  explicit SdlShell(Options opt);
  SdlShell() : SdlShell(Options{}) {}
  ~SdlShell() override;

  // Opens the window for the game's display settings (g.optim). False with a message
  // in `err` when no window can be opened.
  bool attach(Game& g, std::string& err);
  // Starts decoding the pictures form `f` draws when it opens, on helper threads (call
  // before attach, with g.optim read, so that they decode while the window opens).
  void preload(const Game& g, const Form& f);

  // Runs the event loop until the program ends (throws ProgramEnded).
  [[noreturn]] void run();
  // One round of the loop: due timers, waiting input, a frame when something changed,
  // then a sleep until the next timer or input (at most `maxWaitMs`).
  void runOnce(int64_t maxWaitMs = 1000);
  // Screenshot mode: lets the next form open after one ended the program.
  void clearEnded() { ended_ = false; }

  // In screenshot mode a modal form does not run a loop: this is called instead, and
  // the form is closed afterwards if it is still open.
  std::function<void(Form&)> onModal;

  void showModal(Form& f) override;
  void show(Form& f) override;
  void close(Form& f) override;
  std::vector<Form*> openForms() const override { return forms_.forms(); }

  void playSound(const std::string& channel, const std::string& file, bool loop) override;
  void stopSound(const std::string& channel) override;
  void setVolume(const std::string& channel, int attenuation) override;
  int soundDevices() const override;

  void setPointer(Pointer p) override;
  int logicalDpi() const override;
  void setFade(int alpha) override;
  void present() override;

  bool startProgram(const std::string& path) override;
  int startWatchedProgram(const std::string& path) override;
  bool programRunning(int id) override;
  [[noreturn]] void endProgram() override;
  bool ended() const { return ended_; }

  int64_t nowMs() const override;
  std::string timeOfDay() const override;
  void messageBox(const std::string& text) override;

  // Drawing: the logical screen size, one frame now, the frame read back as a surface
  // (the caller frees it).
  void logicalSize(int& w, int& h) const;
  void drawNow();
  SDL_Surface* readFrame();
  Renderer& renderer() { return *renderer_; }
  SDL_Window* window() { return window_; }

  // The input model: hit testing, presses, clicks, keys and text (see ui/input.h).
  Input& input() { return input_; }
  // Input as the player gives it (also used by tests): a point on the logical screen.
  void mouseDown(int x, int y, MouseButton b) { input_.mouseDown(x, y, b); noteInput(); }
  void mouseUp(int x, int y, MouseButton b) { input_.mouseUp(x, y, b); noteInput(); }
  void mouseMove(int x, int y) { input_.mouseMove(x, y); noteInput(); }
  void wheel(int x, int y, int rows) { input_.wheel(x, y, rows); noteInput(); }
  void keyDown(Key k) { input_.keyDown(k); noteInput(); }
  void keyUp(Key k) { input_.keyUp(k); noteInput(); }
  void textInput(const std::string& utf8) { input_.textInput(utf8); noteInput(); }
  void backspace() { input_.backspace(); noteInput(); }

  // What lies under a point: the form that takes input there and its control (nullptr
  // for the bare form; form nullptr when input cannot reach any).
  std::pair<Form*, Control*> hit(int x, int y, SDL_Rect* where = nullptr);

 private:
  // Starts SDL's video, refusing a driver that shows nothing unless it was asked for.
  bool startVideo(std::string& err);
  void open(Form& f);
  void loop(const std::function<bool()>& done);
  void handle(const SDL_Event& e);
  void updateLogicalSize();
  // Input that changed what is shown asks for a frame.
  void noteInput() {
    if (input_.takeChanged()) dirty_ = true;
  }
  SDL_Cursor* cursor(Pointer p);
  uint64_t signature() const;
  uint64_t drawnSignature_ = 0;

  Options opt_;
  PicturePreload preload_;  // before the renderer, which takes from it
  Game* game_ = nullptr;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* sdl_ = nullptr;
  std::unique_ptr<Renderer> renderer_;
  mutable std::unique_ptr<Sound> sound_;  // opened on first use (sound())
  Sound* sound() const;
  FormStack forms_;
  Input input_{forms_};
  int logicalW_ = 1024, logicalH_ = 768;
  int fade_ = 0;
  bool dirty_ = true;
  bool ended_ = false;
  int64_t lastFrame_ = -1000;
  int64_t lastStep_ = -1000;  // the last step of a fade
  int64_t stepDue_ = 0;       // when the next step of a fade is due
  Pointer pointer_ = Pointer::Normal;
  std::map<Pointer, SDL_Cursor*> cursors_;
  // Watched programs (the battle program) not yet seen to end. The loop reaps each as
  // soon as it ends, so none lingers as a zombie once the campaign has stopped asking.
  void reapWatched();
  std::vector<int> watched_;
};

// True when a graphics card's render node is present (OpenGL is then not software).
bool hasGraphicsCard();
// True for SDL's video drivers that draw into memory only (no window on any screen).
bool videoDriverShowsNothing(const char* driver);
// The text of a message box broken into lines of at most `width` characters at spaces (a
// longer word keeps its own line): the system's message box draws each line as one, so a
// long message ran off the screen.
std::string wrapForMessageBox(const std::string& text, size_t width = 72);

// The SDL key of a game key (SDLK_UNKNOWN for none) and back.
Key keyFromSdl(SDL_Keycode k);

}  // namespace fief
