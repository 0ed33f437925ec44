#include "ui/platform/sdl_shell.h"

#include <SDL_image.h>
#include <SDL_ttf.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "ui/game.h"
#include "ui/platform/app.h"

namespace fief {

namespace {
constexpr int64_t kFrameMs = 16;         // at most about 60 frames a second
constexpr int64_t kFadeStepMs = 4;       // one step of a fade's alpha schedule
constexpr int64_t kTimerResolution = 15; // the shortest timer period, as on the game's first platform
constexpr int64_t kIdleWakeMs = 1000;    // the loop wakes at least this often
}  // namespace

Key keyFromSdl(SDL_Keycode k) {
  switch (k) {
    case SDLK_RETURN: case SDLK_KP_ENTER: return Key::Enter;
    case SDLK_ESCAPE: return Key::Escape;
    case SDLK_F1: return Key::F1;
    case SDLK_F3: return Key::F3;
    case SDLK_F4: return Key::F4;
    case SDLK_F5: return Key::F5;
    case SDLK_F6: return Key::F6;
    case SDLK_F7: return Key::F7;
    case SDLK_F8: return Key::F8;
    case SDLK_F9: return Key::F9;
    case SDLK_F10: return Key::F10;
    case SDLK_F11: return Key::F11;
    case SDLK_UP: return Key::Up;
    case SDLK_DOWN: return Key::Down;
    case SDLK_LEFT: return Key::Left;
    case SDLK_RIGHT: return Key::Right;
    // The keypad's + - /, and the same signs of the main keyboard for keyboards without one.
    case SDLK_KP_PLUS: case SDLK_PLUS: case SDLK_EQUALS: return Key::Add;
    case SDLK_KP_MINUS: case SDLK_MINUS: return Key::Subtract;
    case SDLK_KP_DIVIDE: case SDLK_SLASH: return Key::Divide;
    default: break;
  }
  if (k >= SDLK_a && k <= SDLK_z) return static_cast<Key>(static_cast<int>(Key::A) + (k - SDLK_a));
  if (k >= SDLK_1 && k <= SDLK_9) return static_cast<Key>(static_cast<int>(Key::D1) + (k - SDLK_1));
  if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return static_cast<Key>(static_cast<int>(Key::D1) + (k - SDLK_KP_1));
  return Key::None;
}

bool hasGraphicsCard() {
  // A render node is how a graphics card's driver is reached; none means OpenGL is software.
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator("/dev/dri", ec))
    if (e.path().filename().string().rfind("renderD", 0) == 0) return true;
  return false;
}

bool videoDriverShowsNothing(const char* driver) {
  if (!driver) return true;
  for (const char* none : {"offscreen", "dummy", "evdev"})
    if (std::strcmp(driver, none) == 0) return true;
  return false;
}

bool SdlShell::startVideo(std::string& err) {
  if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
    err = std::string("SDL could not start: ") + SDL_GetError();
    return false;
  }
  // When SDL cannot open the display it falls back to a driver that draws into memory
  // only, and the program would run on with nothing on the screen. Such a driver is
  // taken only when it is asked for (screenshots, tests); otherwise the display is tried
  // again for a while: a freshly started X server refuses a connection made while it
  // resets after its last client left, and one that is still starting refuses them all.
  const char* asked = std::getenv("SDL_VIDEODRIVER");
  const bool anyDriver = opt_.capture || (asked && *asked);
  // With no display named at all there is nothing to wait for.
  const bool named = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
  const int64_t waitMs = named ? opt_.displayWaitMs : 0;
  const Uint64 start = SDL_GetTicks64();
  for (int attempt = 1;; ++attempt) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
      if (anyDriver) {
        err = std::string("SDL could not start: ") + SDL_GetError();
        return false;
      }
    } else if (anyDriver || !videoDriverShowsNothing(SDL_GetCurrentVideoDriver())) {
      if (attempt > 1)
        std::fprintf(stderr, "fiefdom: the display opened at attempt %d, after %d ms\n", attempt,
                     static_cast<int>(SDL_GetTicks64() - start));
      return true;
    } else {
      SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    if (static_cast<int64_t>(SDL_GetTicks64() - start) >= waitMs) break;
    SDL_Delay(50);
  }
  const char* display = std::getenv("DISPLAY");
  err = std::string("no display could be opened (DISPLAY=") + (display ? display : "") + ")";
  return false;
}

SdlShell::SdlShell(Options opt) : opt_(std::move(opt)) {
  // The window class (X11) and application id (Wayland) name the desktop entry; a class
  // the environment gives is kept.
  setenv("SDL_VIDEO_X11_WMCLASS", kDesktopId, 0);
  setenv("SDL_VIDEO_WAYLAND_WMCLASS", kDesktopId, 0);
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
}

void SdlShell::preload(const Game& g, const Form& f) {
  preload_.start(Pictures::formFiles(f, g.dir, g.optim.graphicsFolder()));
}

SdlShell::~SdlShell() {
  preload_.clear();
  renderer_.reset();
  sound_.reset();
  for (auto& [k, c] : cursors_)
    if (c) SDL_FreeCursor(c);
  if (sdl_) SDL_DestroyRenderer(sdl_);
  if (window_) SDL_DestroyWindow(window_);
  TTF_Quit();
  IMG_Quit();
  SDL_Quit();
}

bool SdlShell::attach(Game& g, std::string& err) {
  game_ = &g;
  // SDL starts here rather than with the shell, so that the pictures preloaded for the
  // first screen decode while the window system starts.
  // Without a session bus named in the environment, SDL's input-method and screen-saver
  // support would have the D-Bus library autolaunch one: a fork and a search of the PATH
  // for dbus-launch at every start (tens of milliseconds before the window opens), and a
  // bus daemon left running where dbus-launch is installed. The game needs neither, so
  // it starts no bus; a bus the desktop gives is used as it is.
  if (!std::getenv("DBUS_SESSION_BUS_ADDRESS")) setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 0);
  if (!SDL_WasInit(SDL_INIT_VIDEO) && !startVideo(err)) return false;
  if (!TTF_WasInit() && TTF_Init() != 0) std::fprintf(stderr, "fiefdom: fonts unavailable: %s\n", TTF_GetError());
  g.optim.displaySize(logicalW_, logicalH_);
  Uint32 flags = SDL_WINDOW_ALLOW_HIGHDPI;
  int ww = logicalW_, wh = logicalH_;
  if (opt_.capture) {
    flags |= SDL_WINDOW_HIDDEN;
  } else if (g.optim.windowed() || opt_.forceWindowed) {
    flags |= SDL_WINDOW_RESIZABLE;
    // The window fits the desktop, keeping the screen's proportions.
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w > 0 && usable.h > 0) {
      double s = std::min({1.0, usable.w * 0.95 / ww, usable.h * 0.95 / wh});
      ww = static_cast<int>(ww * s);
      wh = static_cast<int>(wh * s);
    }
  } else {
    flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  }
  window_ = SDL_CreateWindow(opt_.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, ww, wh, flags);
  if (!window_) {
    err = std::string("no window could be opened: ") + SDL_GetError();
    return false;
  }
  // A graphics card draws through OpenGL. Without one, OpenGL would be a software
  // rasteriser that loads a compiler and builds its shaders on every fresh start (most of
  // the start-up time) and recreates the window for its own visual; SDL's software
  // renderer draws this game's frames as fast, straight into the window. The software
  // renderer must not route the window through OpenGL either.
  if (!opt_.capture && hasGraphicsCard())
    sdl_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
  if (!sdl_) {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    sdl_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  }
  if (!sdl_) {
    err = std::string("no renderer could be created: ") + SDL_GetError();
    return false;
  }
  SDL_RenderSetLogicalSize(sdl_, logicalW_, logicalH_);
  renderer_ = std::make_unique<Renderer>(sdl_, g.dir);
  renderer_->setPreload(&preload_);
  renderer_->setGraphicsFolder(g.optim.graphicsFolder());
  input_.setScreen(logicalW_, logicalH_);
  input_.clock = [this] { return nowMs(); };
  input_.lineHeight = [this](int size, bool title) { return renderer_->text().lineHeight(size, title); };
  input_.textEntry = [](bool on) { on ? SDL_StartTextInput() : SDL_StopTextInput(); };
  SDL_StopTextInput();
  setPointer(Pointer::Normal);
  return true;
}

// ---------------------------------------------------------------- forms

void SdlShell::open(Form& f) {
  if (forms_.open(game_, f)) dirty_ = true;
}

void SdlShell::showModal(Form& f) {
  f.Modal = true;
  open(f);
  if (!f.Visible) return;
  if (opt_.capture) {
    if (onModal) onModal(f);
    if (f.Visible) close(f);
    return;
  }
  loop([&f] { return !f.Visible; });
}

void SdlShell::show(Form& f) {
  f.Modal = false;
  open(f);
}

void SdlShell::close(Form& f) {
  dirty_ = true;
  input_.forget(f);
  input_.takeChanged();
  forms_.close(f, !ended_);
}

// ---------------------------------------------------------------- the loop

void SdlShell::run() {
  loop([this] {
    if (forms_.forms().empty()) endProgram();
    return false;
  });
  ended_ = true;
  throw ProgramEnded();
}

void SdlShell::loop(const std::function<bool()>& done) {
  while (!done()) {
    if (ended_) throw ProgramEnded();
    runOnce();
  }
}

void SdlShell::runOnce(int64_t maxWaitMs) {
  int64_t now = nowMs();
  updateLogicalSize();
  if (game_) {
    TimerSet& t = game_->timers;
    t.setNow(now);
    // Each due timer fires once (a late timer does not fire its missed ticks).
    int guard = 0;
    bool fired = false;
    while (t.fireNext(now) && ++guard < 64) fired = true;
    // A tick that changed nothing on the screen (a tooltip check, the clock) draws nothing.
    if (fired && signature() != drawnSignature_) dirty_ = true;
    if (ended_) throw ProgramEnded();
    for (const Timer& tm : t.all())
      if (tm.Enabled && tm.Interval > 0 && tm.Interval < kTimerResolution && tm.NextDue < now + kTimerResolution)
        if (Timer* m = t.find(tm.Name)) m->NextDue = now + kTimerResolution;
  }
  if (!watched_.empty()) reapWatched();
  SDL_Event e;
  while (SDL_PollEvent(&e)) handle(e);
  now = nowMs();
  bool animFrame = renderer_ && renderer_->animating() && now - lastFrame_ >= 100;
  if ((dirty_ || animFrame) && now - lastFrame_ >= kFrameMs) drawNow();

  int64_t timeout = std::min(kIdleWakeMs, maxWaitMs);
  if (game_) {
    int64_t due = game_->timers.nextDue();
    if (due >= 0) timeout = std::min(timeout, due - now);
  }
  if (dirty_) timeout = std::min(timeout, lastFrame_ + kFrameMs - now);
  if (renderer_ && renderer_->animating()) timeout = std::min(timeout, lastFrame_ + 100 - now);
  if (timeout > 0 && SDL_WaitEventTimeout(&e, static_cast<int>(timeout))) handle(e);
}

void SdlShell::updateLogicalSize() {
  if (!game_ || !sdl_) return;
  int w = 0, h = 0;
  game_->optim.displaySize(w, h);
  if (w > 0 && h > 0 && (w != logicalW_ || h != logicalH_)) {
    logicalW_ = w;
    logicalH_ = h;
    SDL_RenderSetLogicalSize(sdl_, w, h);
    input_.setScreen(w, h);
    if (opt_.capture) SDL_SetWindowSize(window_, w, h);
    dirty_ = true;
  }
  renderer_->setGraphicsFolder(game_->optim.graphicsFolder());
}

void SdlShell::logicalSize(int& w, int& h) const {
  w = logicalW_;
  h = logicalH_;
}

void SdlShell::drawNow() {
  if (!renderer_) return;
  updateLogicalSize();
  renderer_->setClock(nowMs());
  renderer_->drawFrame(forms_.forms(), logicalW_, logicalH_, input_.looks(), fade_);
  SDL_RenderPresent(sdl_);
  lastFrame_ = nowMs();
  dirty_ = false;
  drawnSignature_ = signature();
}

SDL_Surface* SdlShell::readFrame() {
  if (!sdl_) return nullptr;
  renderer_->setClock(nowMs());
  renderer_->drawFrame(forms_.forms(), logicalW_, logicalH_, input_.looks(), fade_);
  int w = 0, h = 0;
  SDL_GetRendererOutputSize(sdl_, &w, &h);
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
  if (s && SDL_RenderReadPixels(sdl_, nullptr, SDL_PIXELFORMAT_ARGB8888, s->pixels, s->pitch) != 0) {
    SDL_FreeSurface(s);
    s = nullptr;
  }
  SDL_RenderPresent(sdl_);
  return s;
}

void SdlShell::present() {
  if (!renderer_) return;
  // A fade steps its alpha on a clock of its own, one step every few milliseconds (the
  // end-of-turn fade takes under two seconds however slow a frame is to draw), and the
  // screen shows the newest step at the frame rate. Input given meanwhile is dropped:
  // no command is accepted during a fade.
  int64_t now = nowMs();
  if (now - lastStep_ > 100) stepDue_ = now;  // a new fade starts its step clock
  stepDue_ += kFadeStepMs;
  if (stepDue_ > now && !opt_.capture) SDL_Delay(static_cast<Uint32>(stepDue_ - now));
  lastStep_ = nowMs();
  SDL_PumpEvents();
  SDL_FlushEvents(SDL_KEYDOWN, SDL_MOUSEWHEEL);
  if (opt_.capture || nowMs() - lastFrame_ >= kFrameMs) drawNow();
}

void SdlShell::setFade(int alpha) {
  int a = std::clamp(alpha, 0, 255);
  if (a != fade_) dirty_ = true;
  fade_ = a;
}

uint64_t SdlShell::signature() const {
  // A cheap fingerprint of everything drawn: the open forms and their controls.
  uint64_t h = 1469598103934665603ull;
  auto mix = [&h](uint64_t v) { h = (h ^ v) * 1099511628211ull; };
  std::hash<std::string> hs;
  mix(static_cast<uint64_t>(fade_));
  for (const Form* f : forms_.forms()) {
    mix(reinterpret_cast<uintptr_t>(f));
    mix(hs(f->Background));
    for (const Control& c : f->controls()) {
      mix(static_cast<uint64_t>(c.Visible) | static_cast<uint64_t>(c.Enabled) << 1 | static_cast<uint64_t>(c.Checked) << 2);
      mix(static_cast<uint64_t>(static_cast<uint32_t>(c.Left)) << 32 | static_cast<uint32_t>(c.Top));
      mix(static_cast<uint64_t>(static_cast<uint32_t>(c.Width)) << 32 | static_cast<uint32_t>(c.Height));
      mix(hs(c.Caption));
      mix(hs(c.Picture));
      mix(static_cast<uint64_t>(c.ForeColor) << 32 | static_cast<uint32_t>(c.Z));
      mix(static_cast<uint64_t>(static_cast<uint32_t>(c.ListIndex)) << 32 | static_cast<uint32_t>(c.Value));
      mix(c.Items.size());
    }
  }
  return h;
}

// ---------------------------------------------------------------- input

void SdlShell::handle(const SDL_Event& e) {
  switch (e.type) {
    case SDL_QUIT:
      // The window's close button ends the program at once, as Alt+F4 always did.
      ended_ = true;
      throw ProgramEnded();
    case SDL_WINDOWEVENT:
      dirty_ = true;
      // The pointer left the window: it is over nothing, so no control keeps its hover
      // look, and the top form hears a move over its bare self (a tooltip goes).
      if (e.window.event == SDL_WINDOWEVENT_LEAVE) {
        input_.leave();
        noteInput();
      }
      break;
    case SDL_MOUSEMOTION:
      mouseMove(e.motion.x, e.motion.y);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      if (e.button.button != SDL_BUTTON_LEFT && e.button.button != SDL_BUTTON_RIGHT) break;
      MouseButton b = e.button.button == SDL_BUTTON_LEFT ? MouseButton::Left : MouseButton::Right;
      if (e.type == SDL_MOUSEBUTTONDOWN) mouseDown(e.button.x, e.button.y, b);
      else mouseUp(e.button.x, e.button.y, b);
      break;
    }
    case SDL_MOUSEWHEEL: {
      int x = 0, y = 0;
      SDL_GetMouseState(&x, &y);
      float lx = 0, ly = 0;
      SDL_RenderWindowToLogical(sdl_, x, y, &lx, &ly);
      wheel(static_cast<int>(lx), static_cast<int>(ly), e.wheel.y > 0 ? -3 : e.wheel.y < 0 ? 3 : 0);
      break;
    }
    case SDL_KEYDOWN: {
      if (e.key.keysym.sym == SDLK_BACKSPACE) {
        backspace();
        break;
      }
      if (e.key.repeat) break;
      // Letters and digits typed into a text box arrive as text input; the model skips their keys.
      Key k = keyFromSdl(e.key.keysym.sym);
      if (k != Key::None) keyDown(k);
      break;
    }
    case SDL_KEYUP: {
      Key k = keyFromSdl(e.key.keysym.sym);
      if (k != Key::None) keyUp(k);
      break;
    }
    case SDL_TEXTINPUT:
      textInput(e.text.text);
      break;
    default:
      break;
  }
}

std::pair<Form*, Control*> SdlShell::hit(int x, int y, SDL_Rect* where) {
  Rect r;
  const InputTarget t = input_.hit(x, y, &r);
  if (where && t.control) *where = SDL_Rect{r.x, r.y, r.w, r.h};
  return {t.form, t.control};
}

// ---------------------------------------------------------------- sound, pointer, display

// The sound device opens when the program first asks for sound, not before its first
// frame: connecting to a sound server can take longer than drawing the first screen, and
// the title menu plays nothing.
Sound* SdlShell::sound() const {
  if (!sound_ && game_ && !opt_.capture) sound_ = std::make_unique<Sound>(game_->dir);
  return sound_.get();
}
void SdlShell::playSound(const std::string& channel, const std::string& file, bool loop) {
  if (Sound* s = sound()) s->play(channel, file, loop);
}
void SdlShell::stopSound(const std::string& channel) {
  if (sound_) sound_->stop(channel);  // nothing plays before the device opens
}
void SdlShell::setVolume(const std::string& channel, int attenuation) {
  if (Sound* s = sound()) s->setVolume(channel, attenuation);
}
int SdlShell::soundDevices() const {
  const Sound* s = sound();
  return s ? s->devices() : 0;
}

SDL_Cursor* SdlShell::cursor(Pointer p) {
  bool system = game_ && game_->optim.systemPointers();
  Pointer key = p;
  auto slot = static_cast<Pointer>(static_cast<int>(key) + (system ? 10 : 0));
  auto it = cursors_.find(slot);
  if (it != cursors_.end()) return it->second;
  SDL_Cursor* c = nullptr;
  if (!system && game_) {
    const bool busy = p == Pointer::Busy;
    for (const char* ext : {".ico", ".png"}) {
      std::string path = game_->dir + "/pointers/" + (busy ? "loading01" : "normal01") + ext;
      if (SDL_Surface* s = IMG_Load(path.c_str())) {
        c = SDL_CreateColorCursor(s, busy ? s->w / 2 : 0, busy ? s->h / 2 : 0);
        SDL_FreeSurface(s);
        if (c) break;
      }
    }
  }
  if (!c) c = SDL_CreateSystemCursor(p == Pointer::Busy ? SDL_SYSTEM_CURSOR_WAIT : SDL_SYSTEM_CURSOR_ARROW);
  cursors_[slot] = c;
  return c;
}

void SdlShell::setPointer(Pointer p) {
  pointer_ = p;
  if (p == Pointer::Hidden) {
    SDL_ShowCursor(SDL_DISABLE);
    return;
  }
  SDL_ShowCursor(SDL_ENABLE);
  if (SDL_Cursor* c = cursor(p)) SDL_SetCursor(c);
}

int SdlShell::logicalDpi() const {
  // 96 (enlarge the dialogs by 1.25) when the largest dialog still fits the screen
  // enlarged, else 120: the game runs on every display.
  int maxW = 0, maxH = 0;
  for (const auto& name : registeredForms()) {
    int w = 0, h = 0;
    formSize(name, w, h);
    maxW = std::max(maxW, w);
    maxH = std::max(maxH, h);
  }
  return maxW * 5 / 4 <= logicalW_ && maxH * 5 / 4 <= logicalH_ ? 96 : 120;
}

// ---------------------------------------------------------------- programs, clock, messages

bool SdlShell::startProgram(const std::string& path) {
  if (access(path.c_str(), X_OK) != 0) return false;
  // Detached: the child starts a new session and the grandchild runs the program, so
  // that it outlives this one and leaves no zombie behind.
  pid_t pid = fork();
  if (pid < 0) return false;
  if (pid == 0) {
    setsid();
    pid_t g = fork();
    if (g == 0) {
      execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    _exit(g < 0 ? 1 : 0);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int SdlShell::startWatchedProgram(const std::string& path) {
  if (access(path.c_str(), X_OK) != 0) return 0;
  // A direct child, so that waitpid tells when it has ended.
  pid_t pid = fork();
  if (pid < 0) return 0;
  if (pid == 0) {
    execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  watched_.push_back(static_cast<int>(pid));
  return static_cast<int>(pid);
}

void SdlShell::reapWatched() {
  for (auto it = watched_.begin(); it != watched_.end();) {
    int status = 0;
    if (waitpid(static_cast<pid_t>(*it), &status, WNOHANG) != 0) {
      it = watched_.erase(it);
      // The program's window took the keyboard; with its window gone the campaign takes
      // it back (without a window manager nobody else gives it back).
      if (window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_SHOWN)) {
        SDL_RaiseWindow(window_);
        SDL_SetWindowInputFocus(window_);
      }
    } else {
      ++it;
    }
  }
}

bool SdlShell::programRunning(int id) {
  if (id <= 0) return false;
  reapWatched();
  return std::find(watched_.begin(), watched_.end(), id) != watched_.end();
}

void SdlShell::endProgram() {
  ended_ = true;
  throw ProgramEnded();
}

int64_t SdlShell::nowMs() const { return static_cast<int64_t>(SDL_GetTicks64()); }

std::string SdlShell::timeOfDay() const {
  // A fixed time of day for pictures that must come out the same on every run (the
  // screenshot tests compare them byte for byte).
  if (const char* fixed = std::getenv("FIEFDOM_TIME_OF_DAY"); fixed && *fixed) return fixed;
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  char buf[16];
  std::strftime(buf, sizeof buf, "%H:%M:%S", &tm);
  return buf;
}

std::string wrapForMessageBox(const std::string& text, size_t width) {
  std::string out;
  size_t lineStart = 0;  // where the current line begins in `out`
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '\n') {
      out += '\n';
      lineStart = out.size();
      ++i;
      continue;
    }
    if (text[i] == ' ') {
      ++i;
      continue;
    }
    size_t end = text.find_first_of(" \n", i);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(i, end - i);
    if (out.size() > lineStart) {
      if (out.size() - lineStart + 1 + word.size() > width) {
        out += '\n';
        lineStart = out.size();
      } else {
        out += ' ';
      }
    }
    out += word;
    i = end;
  }
  return out;
}

void SdlShell::messageBox(const std::string& text) {
  std::fprintf(stderr, "fiefdom: %s\n", text.c_str());
  if (opt_.capture) return;
  // A full-screen window would hide the box: leave full screen while it is shown.
  bool full = window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP;
  if (full) SDL_SetWindowFullscreen(window_, 0);
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, opt_.title.c_str(), wrapForMessageBox(text).c_str(), window_);
  if (full) SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
  dirty_ = true;
}

}  // namespace fief
