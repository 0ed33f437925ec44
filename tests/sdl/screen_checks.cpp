#include "screen_checks.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "art/screen_frame.h"
#include "ui/form.h"
#include "ui/input.h"
#include "ui/platform/renderer.h"
#include "ui/platform/sdl_shell.h"

namespace fief::test {

namespace {

SDL_Rect sdlRect(const Rect& r) { return SDL_Rect{r.x, r.y, r.w, r.h}; }

class Problems {
 public:
  explicit Problems(std::vector<std::string>& into) : into_(into) {}
  void add(const std::string& what) {
    if (std::find(into_.begin(), into_.end(), what) == into_.end()) into_.push_back(what);
  }

 private:
  std::vector<std::string>& into_;
};

// A control must lie inside its container (its panel, else the form); a surface larger
// than the form is a scrolled view and exempt.
void checkPlaces(Form& f, int w, int h, Problems& out) {
  const Rect fr = formRect(f, w, h);
  for (const Placement& p : layoutForm(f, w, h)) {
    const Control& c = *p.c;
    int cw = fr.w, ch = fr.h;
    if (!c.Panel.empty())
      if (const Control* pc = f.find(c.Panel)) cw = pc->Width, ch = pc->Height;
    const bool surface = c.Width > fr.w || c.Height > fr.h;
    if (!surface && (c.Left < 0 || c.Top < 0 || c.Left + c.Width > cw || c.Top + c.Height > ch))
      out.add("control " + c.Name + " lies outside its " + (c.Panel.empty() ? "screen" : "panel " + c.Panel));
  }
}

// The medallion of a generated dialog background, on the screen; none for a form with
// a picture of its own. The art tool draws the background at the size the screen list
// gives the form, with the medallion in its top left corner; the picture is stretched
// over the form.
struct Medallion {
  double cx = 0, cy = 0, r = 0;
  // Whether a rectangle reaches into the circle: its nearest point to the centre.
  bool covers(const SDL_Rect& q) const {
    const double nx = std::clamp(cx, static_cast<double>(q.x), static_cast<double>(q.x + q.w));
    const double ny = std::clamp(cy, static_cast<double>(q.y), static_cast<double>(q.y + q.h));
    return (nx - cx) * (nx - cx) + (ny - cy) * (ny - cy) < r * r;
  }
};
std::optional<Medallion> medallionOf(const Form& f, const SDL_Rect& fr) {
  int listedW = 0, listedH = 0;
  formSize(f.name(), listedW, listedH);
  if (listedW <= 0 || !f.Background.empty() || f.Transparent) return std::nullopt;
  const art::FrameMedallion m = art::frameMedallion(listedW);
  const double k = static_cast<double>(fr.w) / listedW;
  return Medallion{fr.x + m.cx * k, fr.y + m.cy * k, m.r * k};
}

// Every text in its box; no two controls' texts sharing ink (a line drawn over another
// cannot be read); none under the medallion.
void checkTexts(const std::vector<const DrawnText*>& texts, const std::optional<Medallion>& medallion,
                Problems& out) {
  struct Ink {
    SDL_Rect r;
    const std::string* owner;
  };
  std::vector<Ink> inks;
  for (const DrawnText* t : texts) {
    if (t->width > t->box.w || t->height > t->box.h + 2) {
      char buf[96];
      std::snprintf(buf, sizeof buf, " (text %dx%d in a box of %dx%d)", t->width, t->height, t->box.w, t->box.h);
      out.add("text overflows " + t->owner + buf);
    }
    for (const SDL_Rect& r : t->ink) inks.push_back(Ink{r, &t->owner});
  }
  for (size_t i = 0; i < inks.size(); ++i)
    for (size_t j = i + 1; j < inks.size(); ++j) {
      if (*inks[i].owner == *inks[j].owner) continue;
      SDL_Rect both{};
      if (SDL_IntersectRect(&inks[i].r, &inks[j].r, &both) && both.w >= 2 && both.h >= 2)
        out.add("text of " + *inks[i].owner + " overlaps text of " + *inks[j].owner);
    }
  if (!medallion) return;
  for (const Ink& t : inks)
    if (medallion->covers(t.r)) out.add("text of " + *t.owner + " runs under the medallion");
}

// No framed control (a button, a list, a box to type in, a tick box, a bar, a chart)
// under the medallion either: the medallion hides its corner.
void checkFramesClearOfMedallion(Form& f, int w, int h, const Medallion& m, Problems& out) {
  for (const Placement& p : layoutForm(f, w, h)) {
    switch (p.c->Kind) {
      case ControlKind::Button: case ControlKind::List: case ControlKind::FileList: case ControlKind::TextBox:
      case ControlKind::CheckBox: case ControlKind::ProgressBar: case ControlKind::Chart:
        if (m.covers(sdlRect(p.r))) out.add("control " + p.c->Name + " lies under the medallion");
        break;
      default:
        break;
    }
  }
}

}  // namespace

std::vector<std::string> screenProblems(const FrameRecord& frame, const std::vector<Form*>& forms, const Form* check,
                                        int w, int h) {
  std::vector<std::string> found;
  Problems out(found);
  for (const Form* drawn : frame.forms) {
    if (check && drawn != check) continue;
    Form& f = const_cast<Form&>(*drawn);
    checkPlaces(f, w, h, out);
    for (const auto& [of, picture] : frame.missingPictures)
      if (of == drawn) out.add("missing picture " + picture);
    std::vector<const DrawnText*> texts;
    for (const DrawnText& t : frame.texts)
      if (t.form == drawn && !t.standIn) texts.push_back(&t);
    const std::optional<Medallion> medallion = medallionOf(f, sdlRect(formRect(f, w, h)));
    checkTexts(texts, medallion, out);
    if (medallion) checkFramesClearOfMedallion(f, w, h, *medallion, out);
  }
  // No dialog drawn below the top-most modal dialog may show beside it.
  const Form* over = nullptr;
  for (Form* f : forms)
    if (f->Modal && !f->Transparent && Renderer::isDialog(*f, w, h)) over = f;
  if (over && (!check || check == over)) {
    const SDL_Rect top = sdlRect(formRect(*over, w, h));
    for (const Form* f : frame.forms) {
      if (f == over || !Renderer::below(forms, f, over) || !Renderer::isDialog(*f, w, h)) continue;
      const SDL_Rect r = sdlRect(formRect(*f, w, h));
      SDL_Rect both{};
      if (!SDL_IntersectRect(&r, &top, &both) || both.w != r.w || both.h != r.h)
        out.add("dialog " + f->name() + " shows around dialog " + over->name());
    }
  }
  return found;
}

SDL_Surface* readCheckedFrame(SdlShell& sh, const Form& check, std::vector<std::string>& problems) {
  FrameRecord frame;
  sh.renderer().record = &frame;
  SDL_Surface* s = sh.readFrame();
  sh.renderer().record = nullptr;
  int w = 0, h = 0;
  sh.logicalSize(w, h);
  Problems out(problems);
  for (const std::string& p : screenProblems(frame, sh.openForms(), &check, w, h)) out.add(p);
  return s;
}

}  // namespace fief::test
