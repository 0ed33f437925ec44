// The form model every screen is built on. A form holds named controls with the
// properties the game uses; handlers are bound by control and event and named as the
// game names them (EndTurnBtn_Click). The renderer, the headless runner and the tests
// all see the same names and geometry. No drawing and no platform here.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace fief {

struct Game;

enum class ControlKind { Label, Button, Image, List, FileList, CheckBox, TextBox, ProgressBar, Panel, Timer, Chart };
const char* kindName(ControlKind k);

// DoubleClick follows the second of two clicks on one control within a short time.
enum class Ev { Click, MouseDown, MouseUp, MouseMove, Change, DoubleClick };
enum class MouseButton { Left, Right };

// Keys the game reacts to, by the names the script runner uses.
enum class Key {
  None, Enter, Escape, F1, F3, F4, F5, F6, F7, F8, F9, F10, F11, Up, Down, Left, Right, Add, Subtract, Divide,
  A, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S, T, U, V, W, X, Y, Z,
  D1, D2, D3, D4, D5, D6, D7, D8, D9
};
Key keyFromName(const std::string& name);
std::string keyName(Key k);

struct EventArgs {
  MouseButton button = MouseButton::Left;
  Key key = Key::None;
  // Pointer position in form coordinates when the shell knows it (-1: unknown).
  int x = -1, y = -1;
};

constexpr uint32_t kDefaultColour = 0x2B1A0E;  // dark iron-gall ink
constexpr uint32_t kWarningColour = 0xC00000;  // shortage red
constexpr uint32_t kMetColour = 0x009632;      // objective met green

struct Control {
  std::string Name;
  ControlKind Kind = ControlKind::Label;
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool Visible = true, Enabled = true;
  std::string Caption;        // text of labels, buttons, text boxes, check boxes
  std::string Picture;        // picture name (graphics folder) of images and buttons
  uint32_t ForeColor = kDefaultColour;
  int FontSize = 12;
  bool Title = false;         // drawn in the title face
  int Align = 0;              // 0 left, 1 centre, 2 right
  std::vector<std::string> Items;  // lists
  int ListIndex = -1;
  // Lists: the item on view in the top row (the wheel scrolls it), and the chosen item it
  // was last brought to show (a newly chosen item is scrolled into view when drawn).
  int ListTop = 0;
  int ListTopFor = -2;
  bool Checked = false;       // check boxes
  int Value = 0, Max = 100;   // progress bars
  std::vector<double> Points; // line charts: the values from left to right
  std::string Path, Pattern;  // file lists: folder and pattern
  bool Hold = false;          // press-and-hold button (repeats while held)
  std::string Panel;          // name of the panel this control belongs to (hidden with it)
  int Z = 0;                  // drawing order (higher on top)
  bool Inert = false;         // drawn only: the pointer passes through it (a tooltip)
  // Images showing a clip of anim/: the clock time (ms) its playback began. The clip then
  // plays once from its first frame and holds its last; -1 loops it on the shared clock.
  int64_t ClipStart = -1;
};

using Handler = std::function<void(const EventArgs&)>;

class Form {
 public:
  Form(Game& g, std::string name);
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return name_; }
  Game& game() { return g_; }

  // Controls, in declaration order.
  Control& add(Control c);
  Control& ctl(const std::string& name);
  const Control& ctl(const std::string& name) const;
  Control* find(const std::string& name);
  bool has(const std::string& name) const { return index_.count(name) != 0; }
  std::vector<Control>& controls() { return controls_; }
  const std::vector<Control>& controls() const { return controls_; }
  Control& operator[](const std::string& name) { return ctl(name); }

  // Handlers.
  void on(const std::string& control, Ev ev, Handler h);
  void onClick(const std::string& control, std::function<void()> f);
  bool handles(const std::string& control, Ev ev) const;
  // The (control, event) pairs that have a handler, in name order.
  std::vector<std::pair<std::string, Ev>> boundEvents() const;
  // The handler bound to a control's event (empty when none), so a screen can chain to it.
  Handler handlerOf(const std::string& control, Ev ev) const;
  // Delivers an event to a control's handler. Returns false when no handler is bound.
  bool fire(const std::string& control, Ev ev, const EventArgs& a = {});

  // Life cycle, called by the shell.
  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  // Another form was opened over this one (it comes back with Form_Activate).
  virtual void Form_Deactivate() {}
  virtual void Form_Unload() {}
  virtual void Form_KeyUp(Key) {}
  virtual void Form_KeyDown(Key) {}
  virtual void Form_Click() {}

  // Geometry and look of the form itself.
  int Left = 0, Top = 0, Width = 0, Height = 0;  // Width/Height 0: full screen
  std::string Background;                         // picture name; empty = bg_<name>, "none" = no picture
  bool Transparent = false;                       // shaped: only the picture's outline
  bool Loaded = false;
  bool Visible = false;
  bool Modal = false;
  bool CloseRequested = false;
  bool Enlarged = false;  // SetUpScreen has enlarged it

  // Close this form (the modal loop that shows it returns).
  void close();
  // Show modally / modelessly through the shell.
  void showModal();
  void show();

 protected:
  Game& g_;

 private:
  std::string name_;
  std::vector<Control> controls_;
  std::map<std::string, size_t> index_;
  std::map<std::pair<std::string, Ev>, Handler> handlers_;
};

// Forms are created on first use by name, like the game's screens.
using FormFactory = std::function<std::unique_ptr<Form>(Game&)>;
void registerForm(const std::string& name, FormFactory f);
std::unique_ptr<Form> createForm(const std::string& name, Game& g);
std::vector<std::string> registeredForms();

struct FormRegistration {
  FormRegistration(const std::string& name, FormFactory f) { registerForm(name, std::move(f)); }
};
#define FIEF_REGISTER_FORM(Type) \
  static ::fief::FormRegistration reg_##Type(#Type, [](::fief::Game& g) { return std::make_unique<Type>(g); })

// Control builders for the declaration blocks of the screens.
Control label(const std::string& name, int l, int t, int w, int h, const std::string& caption = {});
Control button(const std::string& name, int l, int t, int w, int h, const std::string& caption = {});
Control image(const std::string& name, int l, int t, int w, int h, const std::string& picture = {});
Control listBox(const std::string& name, int l, int t, int w, int h);
Control fileList(const std::string& name, int l, int t, int w, int h);
Control checkBox(const std::string& name, int l, int t, int w, int h, const std::string& caption = {});
Control textBox(const std::string& name, int l, int t, int w, int h);
Control progressBar(const std::string& name, int l, int t, int w, int h);
Control panel(const std::string& name, int l, int t, int w, int h);
Control chart(const std::string& name, int l, int t, int w, int h);  // a small line chart of Points

// The per-screen set-up, run by the shells before a screen's load handler: when the
// display asks for it (Game::ScaleForms), a dialog and its controls are enlarged by 1.25
// (position, size and font). Full-screen forms lay themselves out for the display.
void SetUpScreen(Game& g, Form& f);

// The size of a form from data/screens/forms.json (0 x 0 for full-screen forms).
void formSize(const std::string& form, int& w, int& h);

}  // namespace fief
