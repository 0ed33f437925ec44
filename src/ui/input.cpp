#include "ui/input.h"

#include <algorithm>

#include "ui/form_stack.h"

namespace fief {

Rect intersect(const Rect& a, const Rect& b) {
  if (a.empty() || b.empty()) return Rect{a.x, a.y, 0, 0};
  const int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
  const int x1 = std::min(a.x + a.w, b.x + b.w), y1 = std::min(a.y + a.h, b.y + b.h);
  if (x1 <= x0 || y1 <= y0) return Rect{a.x, a.y, 0, 0};
  return Rect{x0, y0, x1 - x0, y1 - y0};
}

Rect formRect(const Form& f, int w, int h) {
  if (f.Width <= 0 || f.Height <= 0 || (f.Width >= w && f.Height >= h)) return Rect{0, 0, w, h};
  return Rect{(w - f.Width) / 2, (h - f.Height) / 2, f.Width, f.Height};
}

std::vector<Placement> layoutForm(Form& f, int w, int h) {
  const Rect fr = formRect(f, w, h);
  std::vector<Placement> out;
  auto& cs = f.controls();
  // The campaign screen keeps the map's children between its two strips.
  const Control* top = f.find("MenuTop");
  const Control* bottom = f.find("MenuBottom");
  for (size_t i = 0; i < cs.size(); ++i) {
    Control& c = cs[i];
    if (!c.Visible || c.Kind == ControlKind::Timer) continue;
    Rect r{fr.x + c.Left, fr.y + c.Top, c.Width, c.Height};
    Rect clip = fr;
    bool shown = true;
    std::string p = c.Panel;
    for (int depth = 0; !p.empty() && depth < 8; ++depth) {
      const Control* pc = f.find(p);
      if (!pc) break;
      if (!pc->Visible) {
        shown = false;
        break;
      }
      r.x += pc->Left;
      r.y += pc->Top;
      p = pc->Panel;
    }
    if (!shown) continue;
    if (!c.Panel.empty()) {
      // Clipped to its panel's box.
      if (const Control* pc = f.find(c.Panel)) clip = intersect(clip, Rect{r.x - c.Left, r.y - c.Top, pc->Width, pc->Height});
      if (c.Panel == "MapSurface" && top && bottom) {
        int y0 = fr.y + top->Top + top->Height, y1 = fr.y + bottom->Top;
        clip = intersect(clip, Rect{fr.x, y0, fr.w, std::max(0, y1 - y0)});
      }
    }
    out.push_back(Placement{&c, r, clip, i});
  }
  std::stable_sort(out.begin(), out.end(), [](const Placement& a, const Placement& b) { return a.c->Z < b.c->Z; });
  return out;
}

bool panelHidden(const Form& f, const Control& c) {
  std::string p = c.Panel;
  for (int depth = 0; !p.empty() && depth < 8; ++depth) {
    const Control* pc = const_cast<Form&>(f).find(p);
    if (!pc) return false;
    if (!pc->Visible) return true;
    p = pc->Panel;
  }
  return false;
}

// ---------------------------------------------------------------- lists

int listRowPitch(int lineHeight) { return lineHeight + 2; }

int listRowsShown(int height, int lineHeight) { return std::max(1, (height - 2 * kListMargin) / listRowPitch(lineHeight)); }

void settleListTop(Control& c, int rowsShown) {
  if (c.ListIndex != c.ListTopFor && c.ListIndex >= 0) {
    if (c.ListIndex < c.ListTop) c.ListTop = c.ListIndex;
    if (c.ListIndex >= c.ListTop + rowsShown) c.ListTop = c.ListIndex - rowsShown + 1;
  }
  c.ListTopFor = c.ListIndex;
  c.ListTop = std::clamp(c.ListTop, 0, std::max(0, static_cast<int>(c.Items.size()) - rowsShown));
}

int listRowAt(const Control& c, const Rect& r, int y, int lineHeight) {
  const int pitch = listRowPitch(lineHeight);
  const int row = (y - (r.y + kListMargin)) / pitch;
  if (y < r.y + kListMargin || row < 0) return -1;
  const int item = c.ListTop + row;
  return item < static_cast<int>(c.Items.size()) ? item : -1;
}

std::optional<ListBar> listBar(const Control& c, const Rect& r, int rowsShown) {
  const int items = static_cast<int>(c.Items.size());
  if (rowsShown <= 0 || items <= rowsShown) return std::nullopt;
  ListBar b;
  b.track = Rect{r.x + r.w - kListBarWidth - 2, r.y + kListMargin, kListBarWidth, r.h - 2 * kListMargin};
  if (b.track.h <= 0) return std::nullopt;
  const int top = std::clamp(c.ListTop, 0, items - rowsShown);
  const int thumbH = std::min(b.track.h, std::max(16, b.track.h * rowsShown / items));
  const int thumbY = b.track.y + (b.track.h - thumbH) * top / (items - rowsShown);
  b.thumb = Rect{b.track.x, thumbY, b.track.w, thumbH};
  return b;
}

bool isList(const Control* c) { return c && (c->Kind == ControlKind::List || c->Kind == ControlKind::FileList); }

// ---------------------------------------------------------------- reach

bool Input::isOpen(const Form* f) const {
  const auto& fs = forms_.forms();
  return f && std::find(fs.begin(), fs.end(), f) != fs.end();
}

bool Input::reachable(const Form* f) const {
  const auto& fs = forms_.forms();
  auto pos = std::find(fs.begin(), fs.end(), f);
  if (pos == fs.end()) return false;
  auto modal = std::find_if(fs.rbegin(), fs.rend(), [](const Form* x) { return x->Modal; });
  if (modal == fs.rend()) return true;
  return (pos - fs.begin()) >= (fs.rend() - modal - 1);
}

Form* Input::keyForm() const { return forms_.top(); }

bool Input::takesPointer(const Form& f, const Control& c) const {
  return reachable(&f) && c.Visible && !panelHidden(f, c) && c.Enabled && !c.Inert;
}

// ---------------------------------------------------------------- input by point

InputTarget Input::hit(int x, int y, Rect* where) const {
  const auto& fs = forms_.forms();
  for (auto it = fs.rbegin(); it != fs.rend(); ++it) {
    Form* f = *it;
    if (formRect(*f, w_, h_).contains(x, y)) {
      if (!reachable(f)) return {};
      auto placed = layoutForm(*f, w_, h_);
      for (auto p = placed.rbegin(); p != placed.rend(); ++p) {
        if (!p->c->Enabled || p->c->Inert) continue;
        const Rect area = intersect(p->r, p->clip);
        if (area.empty() || !area.contains(x, y)) continue;
        if (where) *where = p->r;
        return {f, p->c};
      }
      return {f, nullptr};
    }
    if (f->Modal) return {};  // nothing below a modal form takes input
  }
  return {};
}

EventArgs Input::pointer(const Form& f, int x, int y) const {
  // Handlers see the pointer in their form's coordinates.
  const Rect fr = formRect(f, w_, h_);
  EventArgs a;
  a.x = x - fr.x;
  a.y = y - fr.y;
  return a;
}

int Input::listRowAt(const Control& c, const Rect& r, int y) const {
  const int line = lineHeight ? lineHeight(c.FontSize, c.Title) : 0;
  return line > 0 ? fief::listRowAt(c, r, y, line) : -1;
}

std::optional<ListBar> Input::listBarAt(const Control& c, const Rect& r, int x, int y) const {
  const int line = lineHeight ? lineHeight(c.FontSize, c.Title) : 0;
  if (line <= 0) return std::nullopt;
  auto bar = listBar(c, r, listRowsShown(r.h, line));
  if (!bar || !bar->track.contains(x, y)) return std::nullopt;
  return bar;
}

void Input::mouseMove(int x, int y) {
  InputTarget t = hit(x, y);
  move(t, t.form ? pointer(*t.form, x, y) : EventArgs{});
}

void Input::mouseDown(int x, int y, MouseButton b) {
  Rect r;
  InputTarget t = hit(x, y, &r);
  if (!t.form) return;
  if (isList(t.control)) {
    if (auto bar = listBarAt(*t.control, r, x, y)) {
      t.row = -1;
      if (b == MouseButton::Left) {
        // A page up or down; the next frame keeps the top row within the items.
        const int rows = listRowsShown(r.h, lineHeight(t.control->FontSize, t.control->Title));
        if (y < bar->thumb.y) t.control->ListTop = std::max(0, t.control->ListTop - rows);
        else if (y >= bar->thumb.y + bar->thumb.h) t.control->ListTop += rows;
        changed_ = true;
      }
    } else {
      t.row = listRowAt(*t.control, r, y);
    }
  }
  press(t, b, pointer(*t.form, x, y));
}

void Input::mouseUp(int x, int y, MouseButton b) {
  EventArgs a = downForm_ ? pointer(*downForm_, x, y) : EventArgs{};
  release(b, a, [this, x, y] {
    Rect r;
    InputTarget t = hit(x, y, &r);
    if (t.form && isList(t.control)) t.row = listBarAt(*t.control, r, x, y) ? -1 : listRowAt(*t.control, r, y);
    return t;
  });
}

void Input::wheel(int x, int y, int rows) {
  InputTarget t = hit(x, y);
  if (t.form && isList(t.control)) {
    // The next frame keeps the top row within the items.
    t.control->ListTop += rows;
    changed_ = true;
  }
}

void Input::leave() {
  changed_ = true;
  looks_.hoverForm = nullptr;
  looks_.hoverControl.clear();
  if (Form* f = keyForm()) f->fire(f->name(), Ev::MouseMove, {});
}

// ---------------------------------------------------------------- input by target

void Input::move(const InputTarget& t, const EventArgs& a) {
  const std::string name = t.control ? t.control->Name : std::string();
  if (t.form != looks_.hoverForm || name != looks_.hoverControl) changed_ = true;
  looks_.hoverForm = t.form;
  looks_.hoverControl = name;
  if (!t.form) return;
  // A move over the bare form reaches the handler bound under the form's own name.
  if (t.form->fire(t.control ? name : t.form->name(), Ev::MouseMove, a)) changed_ = true;
}

void Input::setFocus(Form* f, const Control* c) {
  const bool had = looks_.focusForm != nullptr;
  looks_.focusForm = c ? f : nullptr;
  looks_.focusControl = c ? c->Name : std::string();
  if (c) {
    if (textEntry) textEntry(true);
  } else if (had && textEntry) {
    textEntry(false);
  }
}

void Input::press(const InputTarget& t, MouseButton b, EventArgs a) {
  Form* f = t.form;
  Control* c = t.control;
  if (!f) return;
  changed_ = true;
  // A text box takes the keyboard when pressed; a press anywhere else takes it away.
  if (c && c->Kind == ControlKind::TextBox) setFocus(f, c);
  else if (looks_.focusForm) setFocus(nullptr, nullptr);
  downForm_ = f;
  downControl_ = c ? c->Name : std::string();
  downButton_ = b;
  looks_.pressedForm = f;
  looks_.pressedControl = downControl_;
  looks_.hoverForm = f;
  looks_.hoverControl = downControl_;
  // The left button on a row chooses it.
  if (isList(c) && b == MouseButton::Left && t.row >= 0) c->ListIndex = t.row;
  a.button = b;
  if (c) f->fire(c->Name, Ev::MouseDown, a);
}

void Input::release(MouseButton b, EventArgs a, const std::function<InputTarget()>& over) {
  Form* f = downForm_;
  const std::string name = downControl_;
  downForm_ = nullptr;
  looks_.pressedForm = nullptr;
  changed_ = true;
  if (!f || b != downButton_ || !isOpen(f)) return;
  a.button = b;
  if (!name.empty()) f->fire(name, Ev::MouseUp, a);
  // Only the left button clicks, and only where it was pressed (the release's handler may
  // have closed the form or moved what lay under the pointer).
  if (b != MouseButton::Left || !isOpen(f)) return;
  const InputTarget t = over ? over() : InputTarget{};
  if (t.form != f || (t.control ? t.control->Name : std::string()) != name) return;
  if (!t.control) {
    f->Form_Click();
    return;
  }
  Control* c = t.control;
  if (c->Kind == ControlKind::CheckBox) c->Checked = !c->Checked;
  if (isList(c) && t.row < 0) return;  // below the last row: nothing chosen
  f->fire(name, Ev::Click, a);
  // The second click on the same control within the double-click time is a double click too.
  if (!clock) return;
  const int64_t now = clock();
  if (lastClickForm_ == f && lastClickControl_ == name && now - lastClickAt_ <= kDoubleClickMs && isOpen(f)) {
    lastClickForm_ = nullptr;
    f->fire(name, Ev::DoubleClick, a);
    return;
  }
  lastClickForm_ = f;
  lastClickControl_ = name;
  lastClickAt_ = now;
}

// ---------------------------------------------------------------- keys and text

void Input::keyDown(Key k) {
  // Letters and digits go to the text box that has the keyboard (as typed text).
  if (looks_.focusForm && k >= Key::A) return;
  Form* f = keyForm();
  if (!f) return;
  keyOwner_[k] = f;
  changed_ = true;
  f->Form_KeyDown(k);
}

void Input::keyUp(Key k) {
  auto it = keyOwner_.find(k);
  if (it == keyOwner_.end()) return;
  Form* f = it->second;
  keyOwner_.erase(it);
  // The release reaches the form that saw the press, while it still takes input.
  if (!f->Visible || !reachable(f)) return;
  changed_ = true;
  f->Form_KeyUp(k);
}

std::pair<Form*, Control*> Input::focus() const {
  Form* f = const_cast<Form*>(looks_.focusForm);
  if (!f) return {nullptr, nullptr};
  return {f, f->find(looks_.focusControl)};
}

void Input::textInput(const std::string& utf8) {
  auto [f, c] = focus();
  if (!f || !c || !c->Enabled) return;
  // Names and numbers, not essays: at most kTextLimit characters (not bytes).
  size_t chars = 0;
  for (unsigned char b : c->Caption + utf8) chars += (b & 0xC0) != 0x80;
  if (chars > kTextLimit) return;
  c->Caption += utf8;
  changed_ = true;
  f->fire(c->Name, Ev::Change, {});
}

void Input::backspace() {
  auto [f, c] = focus();
  if (!f || !c || c->Caption.empty()) return;
  // Remove the last UTF-8 character.
  size_t n = c->Caption.size() - 1;
  while (n > 0 && (static_cast<unsigned char>(c->Caption[n]) & 0xC0) == 0x80) --n;
  c->Caption.erase(n);
  changed_ = true;
  f->fire(c->Name, Ev::Change, {});
}

void Input::forget(const Form& f) {
  changed_ = true;
  if (looks_.hoverForm == &f) looks_.hoverForm = nullptr;
  if (looks_.pressedForm == &f) looks_.pressedForm = nullptr;
  if (looks_.focusForm == &f) setFocus(nullptr, nullptr);
  if (downForm_ == &f) downForm_ = nullptr;
  if (lastClickForm_ == &f) lastClickForm_ = nullptr;
  for (auto k = keyOwner_.begin(); k != keyOwner_.end();) k = k->second == &f ? keyOwner_.erase(k) : std::next(k);
}

}  // namespace fief
