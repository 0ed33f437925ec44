#include "ui/form.h"

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "ui/game.h"

namespace fief {

extern const char* const kFormsJson;  // data/screens/forms.json, embedded by the build

const char* kindName(ControlKind k) {
  switch (k) {
    case ControlKind::Label: return "label";
    case ControlKind::Button: return "button";
    case ControlKind::Image: return "image";
    case ControlKind::List: return "list";
    case ControlKind::FileList: return "filelist";
    case ControlKind::CheckBox: return "checkbox";
    case ControlKind::TextBox: return "textbox";
    case ControlKind::ProgressBar: return "progressbar";
    case ControlKind::Chart: return "chart";
    case ControlKind::Panel: return "panel";
    case ControlKind::Timer: return "timer";
  }
  return "control";
}

namespace {
const std::pair<const char*, Key> kKeyNames[] = {
    {"Enter", Key::Enter}, {"Escape", Key::Escape}, {"F1", Key::F1}, {"F3", Key::F3}, {"F4", Key::F4}, {"F5", Key::F5},
    {"F6", Key::F6}, {"F7", Key::F7}, {"F8", Key::F8}, {"F9", Key::F9}, {"F10", Key::F10}, {"F11", Key::F11},
    {"Up", Key::Up}, {"Down", Key::Down}, {"Left", Key::Left}, {"Right", Key::Right}, {"Add", Key::Add},
    {"Subtract", Key::Subtract}, {"Divide", Key::Divide}};
}

Key keyFromName(const std::string& n) {
  for (auto& [name, k] : kKeyNames)
    if (n == name) return k;
  if (n.size() == 1 && n[0] >= 'A' && n[0] <= 'Z') return static_cast<Key>(static_cast<int>(Key::A) + (n[0] - 'A'));
  if (n.size() == 1 && n[0] >= '1' && n[0] <= '9') return static_cast<Key>(static_cast<int>(Key::D1) + (n[0] - '1'));
  return Key::None;
}

std::string keyName(Key k) {
  for (auto& [name, key] : kKeyNames)
    if (k == key) return name;
  int v = static_cast<int>(k);
  if (v >= static_cast<int>(Key::A) && v <= static_cast<int>(Key::Z)) return std::string(1, static_cast<char>('A' + v - static_cast<int>(Key::A)));
  if (v >= static_cast<int>(Key::D1) && v <= static_cast<int>(Key::D9)) return std::string(1, static_cast<char>('1' + v - static_cast<int>(Key::D1)));
  return "None";
}

Form::Form(Game& g, std::string name) : g_(g), name_(std::move(name)) { formSize(name_, Width, Height); }

Control& Form::add(Control c) {
  if (index_.count(c.Name)) throw std::logic_error(name_ + ": control " + c.Name + " declared twice");
  index_[c.Name] = controls_.size();
  controls_.push_back(std::move(c));
  return controls_.back();
}

Control* Form::find(const std::string& n) {
  auto it = index_.find(n);
  return it == index_.end() ? nullptr : &controls_[it->second];
}

Control& Form::ctl(const std::string& n) {
  Control* c = find(n);
  if (!c) throw std::out_of_range(name_ + " has no control " + n);
  return *c;
}

const Control& Form::ctl(const std::string& n) const { return const_cast<Form*>(this)->ctl(n); }

void Form::on(const std::string& control, Ev ev, Handler h) { handlers_[{control, ev}] = std::move(h); }

std::vector<std::pair<std::string, Ev>> Form::boundEvents() const {
  std::vector<std::pair<std::string, Ev>> out;
  for (const auto& [key, h] : handlers_) out.push_back(key);
  return out;
}

void Form::onClick(const std::string& control, std::function<void()> f) {
  on(control, Ev::Click, [f = std::move(f)](const EventArgs&) { f(); });
}

bool Form::handles(const std::string& control, Ev ev) const { return handlers_.count({control, ev}) != 0; }

Handler Form::handlerOf(const std::string& control, Ev ev) const {
  auto it = handlers_.find({control, ev});
  return it == handlers_.end() ? Handler{} : it->second;
}

bool Form::fire(const std::string& control, Ev ev, const EventArgs& a) {
  auto it = handlers_.find({control, ev});
  if (it == handlers_.end()) return false;
  Handler h = it->second;  // the handler may rebind or close the form
  h(a);
  return true;
}

void Form::close() { g_.shell.close(*this); }
void Form::showModal() { g_.shell.showModal(*this); }
void Form::show() { g_.shell.show(*this); }

namespace {
std::map<std::string, FormFactory>& registry() {
  static std::map<std::string, FormFactory> r;
  return r;
}
}  // namespace

void registerForm(const std::string& name, FormFactory f) { registry()[name] = std::move(f); }

std::unique_ptr<Form> createForm(const std::string& name, Game& g) {
  auto it = registry().find(name);
  if (it == registry().end()) return nullptr;
  return it->second(g);
}

std::vector<std::string> registeredForms() {
  std::vector<std::string> v;
  for (auto& [n, f] : registry()) v.push_back(n);
  return v;
}

void SetUpScreen(Game& g, Form& f) {
  // Full-screen forms (0 x 0 in forms.json) lay themselves out for the display instead.
  int listedW = 0, listedH = 0;
  formSize(f.name(), listedW, listedH);
  if (!g.ScaleForms || f.Enlarged || f.Width == 0 || listedW == 0) return;
  f.Enlarged = true;
  auto up = [](int& v) { v = static_cast<int>(v * 1.25); };
  up(f.Left), up(f.Top), up(f.Width), up(f.Height);
  for (auto& c : f.controls()) {
    up(c.Left), up(c.Top), up(c.Width), up(c.Height);
    c.FontSize = static_cast<int>(c.FontSize * 1.25);
  }
}

void formSize(const std::string& form, int& w, int& h) {
  static const nlohmann::json sizes = nlohmann::json::parse(kFormsJson)["forms"];
  w = h = 0;
  if (sizes.contains(form)) {
    w = sizes[form][0].get<int>();
    h = sizes[form][1].get<int>();
  }
}

static Control make(ControlKind k, const std::string& n, int l, int t, int w, int h) {
  Control c;
  c.Name = n;
  c.Kind = k;
  c.Left = l;
  c.Top = t;
  c.Width = w;
  c.Height = h;
  return c;
}
Control label(const std::string& n, int l, int t, int w, int h, const std::string& caption) {
  Control c = make(ControlKind::Label, n, l, t, w, h);
  c.Caption = caption;
  return c;
}
Control button(const std::string& n, int l, int t, int w, int h, const std::string& caption) {
  Control c = make(ControlKind::Button, n, l, t, w, h);
  c.Caption = caption;
  c.Align = 1;
  return c;
}
Control image(const std::string& n, int l, int t, int w, int h, const std::string& picture) {
  Control c = make(ControlKind::Image, n, l, t, w, h);
  c.Picture = picture;
  return c;
}
Control listBox(const std::string& n, int l, int t, int w, int h) { return make(ControlKind::List, n, l, t, w, h); }
Control fileList(const std::string& n, int l, int t, int w, int h) { return make(ControlKind::FileList, n, l, t, w, h); }
Control checkBox(const std::string& n, int l, int t, int w, int h, const std::string& caption) {
  Control c = make(ControlKind::CheckBox, n, l, t, w, h);
  c.Caption = caption;
  return c;
}
Control textBox(const std::string& n, int l, int t, int w, int h) { return make(ControlKind::TextBox, n, l, t, w, h); }
Control progressBar(const std::string& n, int l, int t, int w, int h) { return make(ControlKind::ProgressBar, n, l, t, w, h); }
Control chart(const std::string& n, int l, int t, int w, int h) { return make(ControlKind::Chart, n, l, t, w, h); }
Control panel(const std::string& n, int l, int t, int w, int h) { return make(ControlKind::Panel, n, l, t, w, h); }

}  // namespace fief
