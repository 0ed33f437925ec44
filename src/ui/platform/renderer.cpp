#include "ui/platform/renderer.h"

#include <SDL_image.h>

#include <algorithm>
#include <cstdio>

namespace fief {

namespace {

constexpr uint32_t kInk = 0x2B1D0E;
constexpr uint32_t kHoverInk = 0x5A1A0A;
constexpr uint32_t kDisabledInk = 0x7A7060;

bool endsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

SDL_Rect sdlRect(const Rect& r) { return SDL_Rect{r.x, r.y, r.w, r.h}; }

SDL_Rect intersect(const SDL_Rect& a, const SDL_Rect& b) {
  SDL_Rect out{};
  if (!SDL_IntersectRect(&a, &b, &out)) return SDL_Rect{a.x, a.y, 0, 0};
  return out;
}

}  // namespace

Renderer::Renderer(SDL_Renderer* r, std::string programDir) : r_(r), pictures_(r, programDir), text_(r, programDir) {
  if (!TTF_WasInit()) TTF_Init();
  int flags = IMG_INIT_PNG;
  if ((IMG_Init(flags) & flags) != flags) std::fprintf(stderr, "fiefdom: PNG pictures unavailable: %s\n", IMG_GetError());
  SDL_SetRenderDrawBlendMode(r_, SDL_BLENDMODE_BLEND);
}

bool Renderer::isDialog(const Form& f, int w, int h) {
  const Rect r = formRect(f, w, h);
  return r.w < w || r.h < h;
}

bool Renderer::below(const std::vector<Form*>& forms, const Form* a, const Form* b) {
  for (const Form* f : forms) {
    if (f == a) return true;
    if (f == b) return false;
  }
  return false;
}

// ---------------------------------------------------------------- what is painted with

void Renderer::missing(const std::string& picture) {
  if (record) record->missingPictures.emplace_back(form_, picture);
}

void Renderer::drawPicture(const std::string& name, const SDL_Rect& r, uint8_t alpha, int64_t clipStart) {
  if (!pictures_.draw(name, r, alpha, clipStart)) missing(name);
}

void Renderer::drawSlice(const std::string& name, const SDL_Rect& r, int corner) {
  if (!pictures_.drawSlice(name, r, corner)) missing(name);
}

void Renderer::drawText(const Control& c, const std::string& text, const SDL_Rect& box, int align, bool vcentre,
                        uint32_t colour, bool standIn) {
  if (!record) {
    text_.draw(c.FontSize, c.Title, text, box, align, vcentre, colour, clip_);
    return;
  }
  DrawnText laid{form_, form_->name() + "." + c.Name};
  laid.standIn = standIn;
  if (text_.draw(c.FontSize, c.Title, text, box, align, vcentre, colour, clip_, &laid))
    record->texts.push_back(std::move(laid));
}

// ---------------------------------------------------------------- forms and controls

void Renderer::drawFrame(const std::vector<Form*>& forms, int w, int h, const InputLooks& looks, int fade) {
  animating_ = false;
  pictures_.startFrame();
  SDL_SetRenderDrawColor(r_, 0, 0, 0, 255);
  SDL_RenderClear(r_);
  // A dialog opened from another dialog takes its place: the dialogs below the top-most
  // modal dialog are not drawn (their frames and buttons would show around it, looking
  // like part of it); the full-screen form below them still is.
  const Form* over = nullptr;
  for (Form* f : forms)
    if (f->Modal && !f->Transparent && isDialog(*f, w, h)) over = f;
  for (Form* f : forms) {
    if (over && f != over && !f->Transparent && isDialog(*f, w, h) && below(forms, f, over)) continue;
    drawForm(*f, w, h, looks);
    if (record) record->forms.push_back(f);
  }
  if (fade > 0) {
    SDL_SetRenderDrawColor(r_, 0, 0, 0, static_cast<uint8_t>(std::clamp(fade, 0, 255)));
    SDL_Rect all{0, 0, w, h};
    SDL_RenderFillRect(r_, &all);
  }
  animating_ = animating_ || pictures_.animating();
  text_.endFrame();
}

void Renderer::drawForm(Form& f, int w, int h, const InputLooks& looks) {
  form_ = &f;
  const SDL_Rect fr = sdlRect(formRect(f, w, h));
  std::string bg = f.Background.empty() ? "bg_" + f.name() : f.Background;
  if (f.Transparent) {
    // A shaped form shows only its picture (transparent pixels let the forms below through);
    // with the background "none" it shows nothing of its own.
    if (bg != "none" && pictures_.has(bg)) drawPicture(bg, fr);
  } else if (pictures_.has(bg)) {
    drawPicture(bg, fr);
  } else {
    missing(bg);
    // A plain parchment panel with a dark border in place of the missing background.
    SDL_SetRenderDrawColor(r_, 226, 208, 170, 255);
    SDL_RenderFillRect(r_, &fr);
    SDL_SetRenderDrawColor(r_, 120, 90, 40, 255);
    for (int i = 0; i < 3; ++i) {
      SDL_Rect b{fr.x + i, fr.y + i, fr.w - 2 * i, fr.h - 2 * i};
      SDL_RenderDrawRect(r_, &b);
    }
  }
  for (const Placement& p : layoutForm(f, w, h)) {
    if (p.clip.empty()) continue;
    clip_ = sdlRect(p.clip);
    SDL_RenderSetClipRect(r_, &clip_);
    drawControl(f, *p.c, sdlRect(p.r), clip_, looks);
  }
  SDL_RenderSetClipRect(r_, nullptr);
  form_ = nullptr;
}

void Renderer::drawControl(Form& f, Control& c, const SDL_Rect& r, const SDL_Rect& clipArea, const InputLooks& looks) {
  const bool hover = looks.hoverForm == &f && looks.hoverControl == c.Name;
  const bool pressed = looks.pressedForm == &f && looks.pressedControl == c.Name && hover;
  switch (c.Kind) {
    case ControlKind::Label: {
      uint32_t ink = !c.Enabled ? kDisabledInk : c.ForeColor;
      if (hover && c.Enabled && c.ForeColor == kDefaultColour && f.handles(c.Name, Ev::Click)) ink = kHoverInk;
      // A label with a picture sits on it as on a small panel (the tooltip box).
      if (!c.Picture.empty() && pictures_.has(c.Picture)) drawSlice(c.Picture, r, 8);
      SDL_Rect text = c.Picture.empty() ? r : SDL_Rect{r.x + 6, r.y, r.w - 12, r.h};
      drawText(c, c.Caption, text, c.Align, false, ink);
      break;
    }
    case ControlKind::Button: {
      const char* look = !c.Enabled ? "button_disabled" : pressed ? "button_pressed" : hover ? "button_hover" : "button";
      bool icon = !c.Picture.empty() && pictures_.has(c.Picture);
      if (!c.Picture.empty() && !icon) missing(c.Picture);
      drawSlice(look, r, 12);
      if (icon && !c.Caption.empty() && r.w > 2 * r.h) {
        // A wide button with an icon: the icon on the left, the caption beside it.
        SDL_Rect in{r.x + 3, r.y + 3 + (pressed ? 1 : 0), r.h - 6, r.h - 6};
        drawPicture(c.Picture, in, c.Enabled ? 255 : 110);
        uint32_t ink = !c.Enabled ? kDisabledInk : hover ? kHoverInk : (c.ForeColor == kDefaultColour ? kInk : c.ForeColor);
        drawText(c, c.Caption, SDL_Rect{r.x + r.h, r.y + (pressed ? 1 : 0), r.w - r.h - 6, r.h}, 1, true, ink);
      } else if (icon) {
        SDL_Rect in{r.x + 3, r.y + 3, r.w - 6, r.h - 6};
        if (pressed) in.y += 1;
        drawPicture(c.Picture, in, c.Enabled ? 255 : 110);
      } else {
        uint32_t ink = !c.Enabled ? kDisabledInk : hover ? kHoverInk : (c.ForeColor == kDefaultColour ? kInk : c.ForeColor);
        SDL_Rect in{r.x + 4, r.y + (pressed ? 1 : 0), r.w - 8, r.h};
        if (c.Caption.empty() && !c.Picture.empty()) {
          // An icon button whose icon is missing still says what it does: its name, small.
          Control named = c;
          named.FontSize = 7;
          std::string word = c.Name.size() > 3 && endsWith(c.Name, "Btn") ? c.Name.substr(0, c.Name.size() - 3) : c.Name;
          drawText(named, word, SDL_Rect{r.x + 1, in.y, r.w - 2, r.h}, 1, true, ink, true);
        } else {
          if (c.Align == 2) in.w -= 8;
          drawText(c, c.Caption, in, c.Align, true, ink);
        }
      }
      break;
    }
    case ControlKind::Image:
      if (!c.Picture.empty()) drawPicture(c.Picture, r, c.Enabled ? 255 : 140, c.ClipStart);
      if (!c.Caption.empty()) drawText(c, c.Caption, r, c.Align, true, c.ForeColor);
      break;
    case ControlKind::List:
    case ControlKind::FileList: {
      drawSlice("list_bg", r, 12);
      TTF_Font* fnt = text_.font(c.FontSize, c.Title);
      if (!fnt) break;
      const int line = text_.textHeight(fnt, 1);
      const int rowH = listRowPitch(line);
      const int rows = listRowsShown(r.h, line);
      settleListTop(c, rows);
      const int topRow = c.ListTop;
      SDL_Rect inner{r.x + 6, r.y + kListMargin, r.w - 12, r.h - 2 * kListMargin};
      if (auto bar = listBar(c, Rect{r.x, r.y, r.w, r.h}, rows)) {
        inner.w = bar->track.x - 2 - inner.x;
        const SDL_Rect track{bar->track.x, bar->track.y, bar->track.w, bar->track.h};
        const SDL_Rect thumb{bar->thumb.x + 2, bar->thumb.y, bar->thumb.w - 4, bar->thumb.h};
        SDL_SetRenderDrawColor(r_, 120, 90, 50, 70);
        SDL_RenderFillRect(r_, &track);
        SDL_SetRenderDrawColor(r_, 150, 105, 45, 230);
        SDL_RenderFillRect(r_, &thumb);
      }
      SDL_Rect clip = intersect(clipArea, inner);
      SDL_RenderSetClipRect(r_, &clip);
      for (int i = 0; i < rows && topRow + i < static_cast<int>(c.Items.size()); ++i) {
        int idx = topRow + i;
        SDL_Rect row{inner.x, inner.y + i * rowH, inner.w, rowH};
        if (idx == c.ListIndex) {
          SDL_SetRenderDrawColor(r_, 200, 160, 60, 150);
          SDL_RenderFillRect(r_, &row);
        }
        int tw = 0, th = 0;
        if (!c.Items[idx].empty())
          if (SDL_Texture* t = text_.line(fnt, c.Items[idx], c.Enabled ? c.ForeColor : kDisabledInk, tw, th)) {
            SDL_Rect d{row.x + 2, row.y + 1, tw, th};
            SDL_RenderCopy(r_, t, nullptr, &d);
          }
      }
      SDL_RenderSetClipRect(r_, &clipArea);
      break;
    }
    case ControlKind::CheckBox: {
      int box = std::min(24, r.h);
      SDL_Rect b{r.x, r.y + (r.h - box) / 2, box, box};
      drawPicture(c.Checked ? "check_on" : "check_off", b, c.Enabled ? 255 : 120);
      SDL_Rect t{r.x + box + 6, r.y, r.w - box - 6, r.h};
      uint32_t ink = !c.Enabled ? kDisabledInk : hover ? kHoverInk : c.ForeColor;
      drawText(c, c.Caption, t, 0, true, ink);
      break;
    }
    case ControlKind::TextBox: {
      drawSlice("textbox", r, 8);
      SDL_Rect t{r.x + 6, r.y, r.w - 12, r.h};
      bool focus = looks.focusForm == &f && looks.focusControl == c.Name;
      TTF_Font* fnt = text_.font(c.FontSize, c.Title);
      if (!fnt) break;
      int tw = 0, th = 0;
      if (!c.Caption.empty())
        if (SDL_Texture* tex = text_.line(fnt, c.Caption, c.ForeColor, tw, th)) {
          // Long texts show their end, where the player types.
          int x = tw > t.w ? t.x + t.w - tw : t.x;
          SDL_Rect d{x, t.y + (t.h - th) / 2, tw, th};
          SDL_Rect clip = intersect(clipArea, t);
          SDL_RenderSetClipRect(r_, &clip);
          SDL_RenderCopy(r_, tex, nullptr, &d);
          SDL_RenderSetClipRect(r_, &clipArea);
        }
      if (focus && (pictures_.clock() / 500) % 2 == 0) {
        animating_ = true;
        int cx = std::min(t.x + tw + 1, t.x + t.w - 1);
        SDL_SetRenderDrawColor(r_, 43, 29, 14, 255);
        SDL_RenderDrawLine(r_, cx, r.y + 5, cx, r.y + r.h - 6);
      } else if (focus) {
        animating_ = true;
      }
      break;
    }
    case ControlKind::ProgressBar: {
      drawSlice("progress_bar", r, 6);
      double frac = c.Max > 0 ? std::clamp(static_cast<double>(c.Value) / c.Max, 0.0, 1.0) : 0.0;
      SDL_Rect fill{r.x, r.y, static_cast<int>(r.w * frac), r.h};
      if (fill.w > 0) {
        SDL_Rect clip = intersect(clipArea, fill);
        SDL_RenderSetClipRect(r_, &clip);
        drawSlice("progress_fill", r, 6);
        SDL_RenderSetClipRect(r_, &clipArea);
      }
      break;
    }
    case ControlKind::Panel:
      // A panel's picture is a frame (9-slice).
      if (!c.Picture.empty()) drawSlice(c.Picture, r, 24);
      break;
    case ControlKind::Timer:
      break;
    case ControlKind::Chart:
      drawChart(c, r);
      break;
  }
}

// A line chart: the points spread over the width, the lowest at the bottom and the
// highest at the top (a flat line in the middle when all are equal), drawn two pixels
// thick in the control's colour with a dot on the newest value.
void Renderer::drawChart(const Control& c, const SDL_Rect& r) {
  drawSlice("list_bg", r, 12);
  const SDL_Rect in{r.x + 6, r.y + 6, r.w - 12, r.h - 12};
  if (c.Points.empty() || in.w < 2 || in.h < 2) return;
  const auto [lo, hi] = std::minmax_element(c.Points.begin(), c.Points.end());
  const double span = *hi - *lo;
  const size_t n = c.Points.size();
  std::vector<SDL_Point> pts(n);
  for (size_t i = 0; i < n; ++i) {
    const double fx = n == 1 ? 1.0 : static_cast<double>(i) / static_cast<double>(n - 1);
    const double fy = span > 0 ? (c.Points[i] - *lo) / span : 0.5;
    pts[i] = SDL_Point{in.x + static_cast<int>(fx * (in.w - 1) + 0.5), in.y + in.h - 1 - static_cast<int>(fy * (in.h - 1) + 0.5)};
  }
  // The faint base line of the lowest value.
  SDL_SetRenderDrawColor(r_, 120, 90, 40, 90);
  SDL_RenderDrawLine(r_, in.x, in.y + in.h - 1, in.x + in.w - 1, in.y + in.h - 1);
  const uint32_t ink = c.ForeColor;
  SDL_SetRenderDrawColor(r_, (ink >> 16) & 0xFF, (ink >> 8) & 0xFF, ink & 0xFF, 255);
  if (n > 1) {
    SDL_RenderDrawLines(r_, pts.data(), static_cast<int>(n));
    for (auto& p : pts) p.y -= 1;
    SDL_RenderDrawLines(r_, pts.data(), static_cast<int>(n));
    for (auto& p : pts) p.y += 1;
  }
  const SDL_Rect dot{pts.back().x - 2, pts.back().y - 2, 5, 5};
  SDL_RenderFillRect(r_, &dot);
}

}  // namespace fief
