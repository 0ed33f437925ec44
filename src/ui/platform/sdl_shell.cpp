#include "ui/platform/sdl_shell.h"

#include <SDL_image.h>
#include <SDL_ttf.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <ctime>
#include <filesystem>

#include "campaign/game.h"

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

SdlShell::SdlShell(Options opt) : opt_(std::move(opt)) {
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
}

void SdlShell::preload(const Game& g, const Form& f) {
  preload_.start(Renderer::formPictureFiles(f, g.dir, g.optim.graphicsFolder()));
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
  if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
    err = std::string("SDL could not start: ") + SDL_GetError();
    return false;
  }
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
  if (looks_.hoverForm == &f) looks_.hoverForm = nullptr;
  if (looks_.pressedForm == &f) looks_.pressedForm = nullptr;
  if (looks_.focusForm == &f) {
    looks_.focusForm = nullptr;
    SDL_StopTextInput();
  }
  if (downForm_ == &f) downForm_ = nullptr;
  for (auto k = keyOwner_.begin(); k != keyOwner_.end();) k = k->second == &f ? keyOwner_.erase(k) : std::next(k);
  if (renderer_) renderer_->forget(&f);
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
  renderer_->drawFrame(forms_.forms(), logicalW_, logicalH_, looks_, fade_);
  SDL_RenderPresent(sdl_);
  lastFrame_ = nowMs();
  dirty_ = false;
  drawnSignature_ = signature();
}

SDL_Surface* SdlShell::readFrame() {
  if (!sdl_) return nullptr;
  renderer_->setClock(nowMs());
  renderer_->drawFrame(forms_.forms(), logicalW_, logicalH_, looks_, fade_);
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
        looks_.hoverForm = nullptr;
        looks_.hoverControl.clear();
        if (Form* f = inputForm()) f->fire(f->name(), Ev::MouseMove, {});
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
      Key k = keyFromSdl(e.key.keysym.sym);
      bool typing = looks_.focusForm && k >= Key::A;  // letters and digits go to the text box
      if (k != Key::None && !typing) keyDown(k);
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

bool SdlShell::reachable(const Form* f) const {
  auto pos = std::find(forms_.forms().begin(), forms_.forms().end(), f);
  if (pos == forms_.forms().end()) return false;
  auto modal = std::find_if(forms_.forms().rbegin(), forms_.forms().rend(), [](Form* x) { return x->Modal; });
  if (modal == forms_.forms().rend()) return true;
  return (pos - forms_.forms().begin()) >= (forms_.forms().rend() - modal - 1);
}

Form* SdlShell::inputForm() const { return forms_.forms().empty() ? nullptr : forms_.forms().back(); }

std::pair<Form*, Control*> SdlShell::hit(int x, int y, SDL_Rect* where) {
  SDL_Point pt{x, y};
  for (auto it = forms_.forms().rbegin(); it != forms_.forms().rend(); ++it) {
    Form* f = *it;
    SDL_Rect fr = Renderer::formRect(*f, logicalW_, logicalH_);
    if (SDL_PointInRect(&pt, &fr)) {
      if (!reachable(f)) return {nullptr, nullptr};
      auto placed = renderer_->layout(*f, logicalW_, logicalH_);
      for (auto p = placed.rbegin(); p != placed.rend(); ++p) {
        SDL_Rect area{};
        if (!p->c->Enabled || p->c->Inert || !SDL_IntersectRect(&p->r, &p->clip, &area) || !SDL_PointInRect(&pt, &area))
          continue;
        if (where) *where = p->r;
        return {f, p->c};
      }
      return {f, nullptr};
    }
    if (f->Modal) return {nullptr, nullptr};  // nothing below a modal form takes input
  }
  return {nullptr, nullptr};
}

void SdlShell::mouseMove(int x, int y) {
  auto [f, c] = hit(x, y);
  std::string name = c ? c->Name : std::string();
  if (f != looks_.hoverForm || name != looks_.hoverControl) dirty_ = true;
  looks_.hoverForm = f;
  looks_.hoverControl = name;
  if (!f) return;
  // A move over the bare form reaches the handler bound under the form's own name.
  if (f->fire(c ? c->Name : f->name(), Ev::MouseMove, pointer(*f, x, y))) dirty_ = true;
}

void SdlShell::mouseDown(int x, int y, MouseButton b) {
  SDL_Rect r{};
  auto [f, c] = hit(x, y, &r);
  if (!f) return;
  dirty_ = true;
  if (c && c->Kind == ControlKind::TextBox) {
    looks_.focusForm = f;
    looks_.focusControl = c->Name;
    SDL_StartTextInput();
  } else if (looks_.focusForm) {
    looks_.focusForm = nullptr;
    SDL_StopTextInput();
  }
  downForm_ = f;
  downControl_ = c ? c->Name : std::string();
  downButton_ = b;
  looks_.pressedForm = f;
  looks_.pressedControl = downControl_;
  looks_.hoverForm = f;
  looks_.hoverControl = downControl_;
  if (c && (c->Kind == ControlKind::List || c->Kind == ControlKind::FileList) && b == MouseButton::Left) {
    int row = renderer_->listRowAt(f, *c, r, y);
    if (row >= 0) c->ListIndex = row;
  }
  EventArgs a = pointer(*f, x, y);
  a.button = b;
  if (c) f->fire(c->Name, Ev::MouseDown, a);
}

EventArgs SdlShell::pointer(const Form& f, int x, int y) const {
  // Handlers see the pointer in their form's coordinates.
  const SDL_Rect fr = Renderer::formRect(f, logicalW_, logicalH_);
  EventArgs a;
  a.x = x - fr.x;
  a.y = y - fr.y;
  return a;
}

void SdlShell::mouseUp(int x, int y, MouseButton b) {
  Form* f = downForm_;
  std::string name = downControl_;
  downForm_ = nullptr;
  looks_.pressedForm = nullptr;
  dirty_ = true;
  if (!f || b != downButton_ || std::find(forms_.forms().begin(), forms_.forms().end(), f) == forms_.forms().end()) return;
  EventArgs a = pointer(*f, x, y);
  a.button = b;
  if (!name.empty()) f->fire(name, Ev::MouseUp, a);
  if (b != MouseButton::Left || std::find(forms_.forms().begin(), forms_.forms().end(), f) == forms_.forms().end()) return;
  SDL_Rect r{};
  auto [hf, hc] = hit(x, y, &r);
  if (hf != f || (hc ? hc->Name : std::string()) != name) return;  // released elsewhere: no click
  if (!hc) {
    f->Form_Click();
    return;
  }
  if (hc->Kind == ControlKind::CheckBox) hc->Checked = !hc->Checked;
  if ((hc->Kind == ControlKind::List || hc->Kind == ControlKind::FileList) && renderer_->listRowAt(f, *hc, r, y) < 0)
    return;
  f->fire(name, Ev::Click, a);
}

void SdlShell::wheel(int x, int y, int rows) {
  auto [f, c] = hit(x, y);
  if (f && c && (c->Kind == ControlKind::List || c->Kind == ControlKind::FileList)) {
    renderer_->scrollList(f, c->Name, rows);
    dirty_ = true;
  }
}

void SdlShell::keyDown(Key k) {
  Form* f = inputForm();
  if (!f) return;
  keyOwner_[k] = f;
  dirty_ = true;
  f->Form_KeyDown(k);
}

void SdlShell::keyUp(Key k) {
  auto it = keyOwner_.find(k);
  if (it == keyOwner_.end()) return;
  Form* f = it->second;
  keyOwner_.erase(it);
  // The release reaches the form that saw the press, while it still takes input.
  if (!f->Visible || !reachable(f)) return;
  dirty_ = true;
  f->Form_KeyUp(k);
}

void SdlShell::textInput(const std::string& utf8) {
  Form* f = const_cast<Form*>(looks_.focusForm);
  if (!f) return;
  Control* c = f->find(looks_.focusControl);
  if (!c || !c->Enabled) return;
  // Names and numbers, not essays: at most 64 characters (not bytes).
  size_t chars = 0;
  for (unsigned char b : c->Caption + utf8) chars += (b & 0xC0) != 0x80;
  if (chars > 64) return;
  c->Caption += utf8;
  dirty_ = true;
  f->fire(c->Name, Ev::Change, {});
}

void SdlShell::backspace() {
  Form* f = const_cast<Form*>(looks_.focusForm);
  if (!f) return;
  Control* c = f->find(looks_.focusControl);
  if (!c || c->Caption.empty()) return;
  // Remove the last UTF-8 character.
  size_t n = c->Caption.size() - 1;
  while (n > 0 && (static_cast<unsigned char>(c->Caption[n]) & 0xC0) == 0x80) --n;
  c->Caption.erase(n);
  dirty_ = true;
  f->fire(c->Name, Ev::Change, {});
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
  return static_cast<int>(pid);
}

bool SdlShell::programRunning(int id) {
  if (id <= 0) return false;
  int status = 0;
  const pid_t r = waitpid(static_cast<pid_t>(id), &status, WNOHANG);
  return r == 0;
}

void SdlShell::endProgram() {
  ended_ = true;
  throw ProgramEnded();
}

int64_t SdlShell::nowMs() const { return static_cast<int64_t>(SDL_GetTicks64()); }

std::string SdlShell::timeOfDay() const {
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  char buf[16];
  std::strftime(buf, sizeof buf, "%H:%M:%S", &tm);
  return buf;
}

void SdlShell::messageBox(const std::string& text) {
  std::fprintf(stderr, "fiefdom: %s\n", text.c_str());
  if (opt_.capture) return;
  // A full-screen window would hide the box: leave full screen while it is shown.
  bool full = window_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP;
  if (full) SDL_SetWindowFullscreen(window_, 0);
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, opt_.title.c_str(), text.c_str(), window_);
  if (full) SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
  dirty_ = true;
}

}  // namespace fief
