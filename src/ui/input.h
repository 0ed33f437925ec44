// The input model both shells share, free of any platform: where forms and controls lie
// on the logical screen, what lies under a point, which forms input can reach, and what
// a press, a release, a key or typed text does to the forms. The SDL shell translates
// its events into these calls by point; the script runner addresses a control by name
// and synthesises the same presses and releases. Either way the same code decides what
// a click toggles, which form a key goes to and whether a release is a click.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/form.h"

namespace fief {

class FormStack;

// A rectangle of the logical screen (or of a form).
struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  bool contains(int px, int py) const { return w > 0 && h > 0 && px >= x && py >= y && px < x + w && py < y + h; }
  bool empty() const { return w <= 0 || h <= 0; }
};
// The common part of two rectangles; an empty rectangle at a's corner when they do not meet.
Rect intersect(const Rect& a, const Rect& b);

// The form's rectangle on a logical screen of w x h: dialogs are centred, full-screen
// forms cover it.
Rect formRect(const Form& f, int w, int h);

// One visible control of a form with its place on the logical screen.
struct Placement {
  Control* c = nullptr;
  Rect r;            // on the logical screen
  Rect clip;         // the area it may be drawn in (and hit in)
  size_t order = 0;  // declaration index
};
// The visible controls of a form in drawing order (bottom first), with their places.
std::vector<Placement> layoutForm(Form& f, int w, int h);

// Whether a control lies on a hidden panel (or on a panel of a hidden panel).
bool panelHidden(const Form& f, const Control& c);

// A list shows its items in rows one line of its text and 2 pixels high, between margins
// of kListMargin pixels above and below, beginning with the item `ListTop`.
inline constexpr int kListMargin = 4;
int listRowPitch(int lineHeight);
// How many rows a list of this height shows (at least one).
int listRowsShown(int height, int lineHeight);
// Brings a newly chosen item into view (once per choice, so that the wheel can scroll away
// from it) and keeps the top row within the items.
void settleListTop(Control& c, int rowsShown);
// The item of the row at a screen height inside the list's rectangle r (-1: none, above
// the first row or below the last item).
int listRowAt(const Control& c, const Rect& r, int y, int lineHeight);
// A list with more items than rows carries a scroll bar kListBarWidth pixels wide along its
// right edge, between the margins: the thumb shows which rows are on view and how many of
// the items they are. A press on the bar above or below the thumb turns a page; a press on
// the bar never chooses an item.
inline constexpr int kListBarWidth = 12;
struct ListBar {
  Rect track, thumb;
};
// The scroll bar of list c placed at r showing rowsShown rows (none when every item fits).
std::optional<ListBar> listBar(const Control& c, const Rect& r, int rowsShown);
// Whether a control is a list (of items or of files).
bool isList(const Control* c);

// What the input side tells the drawing side (hover looks, pressed buttons, focus).
struct InputLooks {
  const Form* hoverForm = nullptr;
  std::string hoverControl;
  const Form* pressedForm = nullptr;
  std::string pressedControl;
  const Form* focusForm = nullptr;
  std::string focusControl;
};

// What a press or release is over: a form (nullptr: nothing takes input there), its
// control (nullptr: the bare form) and, over a list, the row (-1: below the last row).
struct InputTarget {
  Form* form = nullptr;
  Control* control = nullptr;
  int row = -1;
};

class Input {
 public:
  // Two clicks on the same control this close together make a double click.
  static constexpr int64_t kDoubleClickMs = 500;
  // A text box takes names and numbers: at most this many characters.
  static constexpr size_t kTextLimit = 64;

  explicit Input(const FormStack& forms) : forms_(forms) {}

  // What the platform supplies. All optional.
  std::function<int64_t()> clock;  // milliseconds, for double clicks
  // The height of a line of text in a face (title or text) and size; 0 when no text can
  // be drawn. Without it no list row lies under a point.
  std::function<int(int fontSize, bool title)> lineHeight;
  std::function<void(bool on)> textEntry;  // a text box gained (true) or lost the keyboard

  // The logical screen the forms are laid out on (for input by point).
  void setScreen(int w, int h) { w_ = w, h_ = h; }

  // Input reaches the top-most modal form and the forms above it (all of them when none
  // is modal).
  bool reachable(const Form* f) const;
  // Keys go to the top-most form.
  Form* keyForm() const;
  // Whether a control can take the pointer: open, reachable form; visible on a shown
  // panel; enabled; not inert.
  bool takesPointer(const Form& f, const Control& c) const;

  // ---- input by point (logical screen coordinates)
  // The form that takes input at a point and its control (nullptr: the bare form).
  InputTarget hit(int x, int y, Rect* where = nullptr) const;
  // The pointer's position in a form's coordinates.
  EventArgs pointer(const Form& f, int x, int y) const;
  // The item of list c (placed at r) at a screen height (-1: none).
  int listRowAt(const Control& c, const Rect& r, int y) const;
  // The scroll bar of list c (placed at r) when the point lies on it.
  std::optional<ListBar> listBarAt(const Control& c, const Rect& r, int x, int y) const;
  void mouseMove(int x, int y);
  void mouseDown(int x, int y, MouseButton b);
  void mouseUp(int x, int y, MouseButton b);
  void wheel(int x, int y, int rows);
  // The pointer left the screen: nothing is hovered and the top form hears a move over
  // its bare self (a tooltip goes).
  void leave();

  // ---- input by target (the runner names the control; `a` carries the form point)
  void move(const InputTarget& t, const EventArgs& a);
  void press(const InputTarget& t, MouseButton b, EventArgs a);
  // The button comes up. The release goes to what was pressed; it is a click when
  // `over()`, asked after the release's own handler ran, is still the pressed control.
  void release(MouseButton b, EventArgs a, const std::function<InputTarget()>& over);

  // ---- keys and text
  void keyDown(Key k);
  void keyUp(Key k);
  void textInput(const std::string& utf8);
  void backspace();
  // The text box that has the keyboard (form nullptr: none).
  std::pair<Form*, Control*> focus() const;

  // A form closed: nothing of it stays hovered, pressed, focused or owning a key.
  void forget(const Form& f);

  const InputLooks& looks() const { return looks_; }
  // Whether anything shown may have changed since the last call.
  bool takeChanged() { return std::exchange(changed_, false); }

 private:
  bool isOpen(const Form* f) const;
  void setFocus(Form* f, const Control* c);

  const FormStack& forms_;
  int w_ = 0, h_ = 0;
  InputLooks looks_;
  bool changed_ = false;
  std::map<Key, Form*> keyOwner_;  // a key's release goes to the form that saw it pressed
  // The press: where it went (the release and the click go there).
  Form* downForm_ = nullptr;
  std::string downControl_;
  MouseButton downButton_ = MouseButton::Left;
  // The last click, for double clicks.
  const Form* lastClickForm_ = nullptr;
  std::string lastClickControl_;
  int64_t lastClickAt_ = 0;
};

}  // namespace fief
