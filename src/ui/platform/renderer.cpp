#include "ui/platform/renderer.h"

#include "ui/clips.h"
#include "ui/list_view.h"
#include "ui/platform/picture_preload.h"

#include <SDL_image.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sys/stat.h>

namespace fief {

namespace {

constexpr uint32_t kInk = 0x2B1D0E;
constexpr uint32_t kHoverInk = 0x5A1A0A;
constexpr uint32_t kDisabledInk = 0x7A7060;

SDL_Color colour(uint32_t rgb, uint8_t a = 255) {
  return SDL_Color{static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb), a};
}

bool fileExists(const std::string& p) {
  struct stat st {};
  return stat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool endsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

SDL_Rect intersect(const SDL_Rect& a, const SDL_Rect& b) {
  SDL_Rect out{};
  if (!SDL_IntersectRect(&a, &b, &out)) return SDL_Rect{a.x, a.y, 0, 0};
  return out;
}


}  // namespace

Renderer::Renderer(SDL_Renderer* r, std::string programDir) : r_(r), dir_(std::move(programDir)) {
  if (!TTF_WasInit()) TTF_Init();
  int flags = IMG_INIT_PNG;
  if ((IMG_Init(flags) & flags) != flags) std::fprintf(stderr, "fiefdom: PNG pictures unavailable: %s\n", IMG_GetError());
  SDL_SetRenderDrawBlendMode(r_, SDL_BLENDMODE_BLEND);
}

Renderer::~Renderer() {
  for (auto& [n, p] : pics_)
    if (p.tex) SDL_DestroyTexture(p.tex);
  for (auto& [k, l] : lines_)
    if (l.tex) SDL_DestroyTexture(l.tex);
  for (auto& [k, f] : fonts_)
    if (f) TTF_CloseFont(f);
}

void Renderer::setGraphicsFolder(const std::string& folder) {
  if (folder == folder_) return;
  folder_ = folder;
  for (auto& [n, p] : pics_)
    if (p.tex) SDL_DestroyTexture(p.tex);
  pics_.clear();
}

void Renderer::problem(const std::string& what) {
  if (checking_ && problems && std::find(problems->begin(), problems->end(), what) == problems->end()) problems->push_back(what);
}

// ---------------------------------------------------------------- pictures

std::string Renderer::picturePath(const std::string& dir, const std::string& folder, const std::string& name) {
  if (endsWith(name, ".rz")) return name.find('/') != std::string::npos ? dir + "/" + name : dir + "/anim/" + name;
  // Battle maps are named by their path in the program folder (level15/field1.mbf).
  if (endsWith(name, ".mbf")) return dir + "/" + name;
  return dir + "/" + folder + "/" + name + ".png";
}

std::vector<std::string> Renderer::formPictureFiles(const Form& f, const std::string& dir, const std::string& folder) {
  std::vector<std::string> names;
  const std::string bg = f.Background.empty() ? "bg_" + f.name() : f.Background;
  if (bg != "none") names.push_back(bg);
  for (const Control& c : f.controls()) {
    if (!c.Picture.empty()) names.push_back(c.Picture);
    switch (c.Kind) {
      case ControlKind::Button: names.insert(names.end(), {"button", "button_disabled"}); break;
      case ControlKind::List: case ControlKind::FileList: names.push_back("list_bg"); break;
      case ControlKind::CheckBox: names.insert(names.end(), {"check_on", "check_off"}); break;
      case ControlKind::TextBox: names.push_back("textbox"); break;
      case ControlKind::ProgressBar: names.insert(names.end(), {"progress_bar", "progress_fill"}); break;
      default: break;
    }
  }
  std::vector<std::string> paths;
  for (const std::string& n : names) {
    std::string p = picturePath(dir, folder, n);
    if (std::find(paths.begin(), paths.end(), p) == paths.end()) paths.push_back(p);
  }
  return paths;
}

const Renderer::Pic* Renderer::pic(const std::string& name) {
  auto it = pics_.find(name);
  if (it != pics_.end()) return it->second.tex ? &it->second : nullptr;
  Pic p;
  const std::string path = picturePath(dir_, folder_, name);
  bool opaque = false;
  SDL_Surface* s = nullptr;
  // A picture decoded ahead is taken from its helper; any other is decoded now.
  if (!(preload_ && preload_->take(path, s, opaque)) && fileExists(path) && (s = IMG_Load(path.c_str())))
    opaque = surfaceIsOpaque(s);
  if (s) {
    p.tex = SDL_CreateTextureFromSurface(r_, s);
    SDL_FreeSurface(s);
  }
  if (p.tex) {
    SDL_QueryTexture(p.tex, nullptr, nullptr, &p.w, &p.h);
    // Opaque pictures (backgrounds, the map) are copied without blending: much cheaper.
    SDL_SetTextureBlendMode(p.tex, opaque ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    if (endsWith(name, ".rz") && p.h > 0) {
      p.frames = std::max(1, p.w / p.h);
      p.w = p.h;
    }
  } else {
    std::fprintf(stderr, "fiefdom: picture '%s' is missing or damaged (%s); a placeholder is drawn\n", name.c_str(),
                 path.c_str());
  }
  auto [ins, ok] = pics_.emplace(name, p);
  return ins->second.tex ? &ins->second : nullptr;
}

SDL_Texture* Renderer::picture(const std::string& name) {
  const Pic* p = pic(name);
  return p ? p->tex : nullptr;
}

bool Renderer::pictureExists(const std::string& name) { return pic(name) != nullptr; }

void Renderer::placeholder(const SDL_Rect& r) {
  SDL_SetRenderDrawColor(r_, 150, 140, 120, 110);
  SDL_RenderFillRect(r_, &r);
  SDL_SetRenderDrawColor(r_, 90, 80, 60, 200);
  SDL_RenderDrawRect(r_, &r);
}

void Renderer::drawPicture(const std::string& name, const SDL_Rect& r, uint8_t alpha, int64_t clipStart) {
  const Pic* p = pic(name);
  if (!p) {
    problem("missing picture " + name);
    placeholder(r);
    return;
  }
  SDL_Rect src{0, 0, p->w, p->h};
  if (p->frames > 1) {
    animating_ = true;
    const int64_t frame = clipStart < 0 ? (clock_ / kClipFrameMs) % p->frames
                                        : std::clamp<int64_t>((clock_ - clipStart) / kClipFrameMs, 0, p->frames - 1);
    src.x = static_cast<int>(frame) * p->w;
  }
  SDL_BlendMode mode = SDL_BLENDMODE_BLEND;
  if (alpha != 255) {
    SDL_GetTextureBlendMode(p->tex, &mode);
    SDL_SetTextureBlendMode(p->tex, SDL_BLENDMODE_BLEND);
    SDL_SetTextureAlphaMod(p->tex, alpha);
  }
  SDL_RenderCopy(r_, p->tex, &src, &r);
  if (alpha != 255) {
    SDL_SetTextureAlphaMod(p->tex, 255);
    SDL_SetTextureBlendMode(p->tex, mode);
  }
}

void Renderer::drawSlice(const std::string& name, const SDL_Rect& r, int c) {
  const Pic* p = pic(name);
  if (!p) {
    problem("missing picture " + name);
    placeholder(r);
    return;
  }
  c = std::min({c, r.w / 2, r.h / 2, p->w / 2, p->h / 2});
  const int sx[4] = {0, c, p->w - c, p->w}, sy[4] = {0, c, p->h - c, p->h};
  const int dx[4] = {r.x, r.x + c, r.x + r.w - c, r.x + r.w}, dy[4] = {r.y, r.y + c, r.y + r.h - c, r.y + r.h};
  for (int j = 0; j < 3; ++j)
    for (int i = 0; i < 3; ++i) {
      SDL_Rect s{sx[i], sy[j], sx[i + 1] - sx[i], sy[j + 1] - sy[j]};
      SDL_Rect d{dx[i], dy[j], dx[i + 1] - dx[i], dy[j + 1] - dy[j]};
      if (s.w > 0 && s.h > 0 && d.w > 0 && d.h > 0) SDL_RenderCopy(r_, p->tex, &s, &d);
    }
}

// ---------------------------------------------------------------- text

TTF_Font* Renderer::font(int size, bool title) {
  // Font sizes are points; the layout's logical pixels take 4/3 pixels per point.
  int px = std::max(6, static_cast<int>(std::lround(size * 4.0 / 3.0)));
  auto key = std::make_pair(px, title);
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second;
  TTF_Font* f = nullptr;
  for (const std::string& path : {dir_ + (title ? "/fonts/title.ttf" : "/fonts/text.ttf"), dir_ + "/fonts/text.ttf",
                                  std::string("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf")}) {
    if (!fileExists(path)) continue;
    f = TTF_OpenFont(path.c_str(), px);
    if (f) break;
  }
  if (!f && !fontWarned_) {
    fontWarned_ = true;
    std::fprintf(stderr, "fiefdom: no font could be opened (fonts/text.ttf); texts are not drawn\n");
  }
  fonts_[key] = f;
  return f;
}

std::vector<std::string> Renderer::wrap(TTF_Font* f, const std::string& text, int width, int* widest) {
  std::vector<std::string> out;
  int most = 0;
  auto measure = [&](const std::string& s) {
    int w = 0, h = 0;
    if (f && !s.empty()) TTF_SizeUTF8(f, s.c_str(), &w, &h);
    return w;
  };
  size_t start = 0;
  while (start <= text.size()) {
    size_t nl = text.find('\n', start);
    std::string para = text.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
    if (!para.empty() && para.back() == '\r') para.pop_back();
    // Greedy word wrap of one paragraph.
    std::string line;
    size_t i = 0;
    while (i < para.size()) {
      size_t sp = para.find(' ', i);
      std::string word = para.substr(i, sp == std::string::npos ? std::string::npos : sp - i);
      i = sp == std::string::npos ? para.size() : sp + 1;
      std::string candidate = line.empty() ? word : line + " " + word;
      if (!line.empty() && measure(candidate) > width) {
        most = std::max(most, measure(line));
        out.push_back(line);
        line = word;
      } else {
        line = candidate;
      }
    }
    most = std::max(most, measure(line));
    out.push_back(line);
    if (nl == std::string::npos) break;
    start = nl + 1;
  }
  while (!out.empty() && out.back().empty()) out.pop_back();
  if (widest) *widest = most;
  return out;
}

int Renderer::textHeight(TTF_Font* f, int lines) const {
  if (!f || lines <= 0) return 0;
  return TTF_FontHeight(f) + (lines - 1) * TTF_FontLineSkip(f);
}

SDL_Texture* Renderer::lineTexture(TTF_Font* f, const std::string& line, uint32_t rgb, int& w, int& h) {
  char head[48];
  std::snprintf(head, sizeof head, "%p|%06x|", static_cast<void*>(f), rgb & 0xFFFFFF);
  std::string key = head + line;
  auto it = lines_.find(key);
  if (it == lines_.end()) {
    Line l;
    if (SDL_Surface* s = TTF_RenderUTF8_Blended(f, line.c_str(), colour(rgb))) {
      l.tex = SDL_CreateTextureFromSurface(r_, s);
      l.w = s->w;
      l.h = s->h;
      SDL_FreeSurface(s);
    }
    it = lines_.emplace(key, l).first;
  }
  it->second.used = frame_;
  w = it->second.w;
  h = it->second.h;
  return it->second.tex;
}

void Renderer::drawText(const Control& c, const std::string& text, const SDL_Rect& box, int align, bool vcentre,
                        uint32_t rgb, const std::string& owner) {
  if (text.empty() || box.w <= 0) return;
  TTF_Font* f = font(c.FontSize, c.Title);
  if (!f) return;
  int widest = 0;
  auto lines = wrap(f, text, box.w, &widest);
  int need = textHeight(f, static_cast<int>(lines.size()));
  if (widest > box.w || need > box.h + 2) {
    char buf[96];
    std::snprintf(buf, sizeof buf, " (text %dx%d in a box of %dx%d)", widest, need, box.w, box.h);
    problem("text overflows " + owner + buf);
  }
  int y = vcentre ? box.y + (box.h - need) / 2 : box.y;
  for (const auto& line : lines) {
    int w = 0, h = 0;
    if (!line.empty())
      if (SDL_Texture* t = lineTexture(f, line, rgb, w, h)) {
        int x = align == 1 ? box.x + (box.w - w) / 2 : align == 2 ? box.x + box.w - w : box.x;
        SDL_Rect d{x, y, w, h};
        SDL_RenderCopy(r_, t, nullptr, &d);
        if (checking_) {
          // The ink of the line: from the top of the capitals to half way down the
          // descenders, where it shows (inside the clip of its control).
          const int asc = TTF_FontAscent(f), cap = asc * 7 / 10, desc = -TTF_FontDescent(f);
          SDL_Rect ink{x, y + asc - cap, w, cap + desc / 2};
          SDL_Rect shown{};
          if (SDL_IntersectRect(&ink, &clip_, &shown)) inks_.push_back(Ink{shown, owner});
        }
      }
    y += TTF_FontLineSkip(f);
  }
}

void Renderer::trimTextCache() {
  ++frame_;
  if (lines_.size() < 2000) return;
  for (auto it = lines_.begin(); it != lines_.end();) {
    if (frame_ - it->second.used > 120) {
      if (it->second.tex) SDL_DestroyTexture(it->second.tex);
      it = lines_.erase(it);
    } else {
      ++it;
    }
  }
}

// ---------------------------------------------------------------- geometry

bool Renderer::isDialog(const Form& f, int w, int h) {
  const SDL_Rect r = formRect(f, w, h);
  return r.w < w || r.h < h;
}

bool Renderer::below(const std::vector<Form*>& forms, const Form* a, const Form* b) {
  for (const Form* f : forms) {
    if (f == a) return true;
    if (f == b) return false;
  }
  return false;
}

namespace {
SDL_Rect sdlRect(const Rect& r) { return SDL_Rect{r.x, r.y, r.w, r.h}; }
}  // namespace

SDL_Rect Renderer::formRect(const Form& f, int w, int h) { return sdlRect(fief::formRect(f, w, h)); }

std::vector<PlacedControl> Renderer::layout(Form& f, int w, int h) const {
  std::vector<PlacedControl> out;
  for (const Placement& p : layoutForm(f, w, h)) out.push_back(PlacedControl{p.c, sdlRect(p.r), sdlRect(p.clip), p.order});
  return out;
}

// ---------------------------------------------------------------- forms and controls

void Renderer::drawFrame(const std::vector<Form*>& forms, int w, int h, const InputLooks& looks, int fade) {
  animating_ = false;
  SDL_SetRenderDrawColor(r_, 0, 0, 0, 255);
  SDL_RenderClear(r_);
  // A dialog opened from another dialog takes its place: the dialogs below the top-most
  // modal dialog are not drawn (their frames and buttons would show around it, looking
  // like part of it); the full-screen form below them still is.
  const Form* over = nullptr;
  for (Form* f : forms)
    if (f->Modal && !f->Transparent && isDialog(*f, w, h)) over = f;
  std::vector<const Form*> drawn;
  for (Form* f : forms) {
    if (over && f != over && !f->Transparent && isDialog(*f, w, h) && below(forms, f, over)) continue;
    drawForm(*f, w, h, looks);
    drawn.push_back(f);
  }
  // Checking: no dialog drawn below the top-most modal dialog may show beside it.
  if (over && problems && (!checkOnly || checkOnly == over)) {
    checking_ = true;
    const SDL_Rect top = formRect(*over, w, h);
    for (const Form* f : drawn) {
      if (f == over || !below(forms, f, over) || !isDialog(*f, w, h)) continue;
      const SDL_Rect r = formRect(*f, w, h);
      SDL_Rect both{};
      if (!SDL_IntersectRect(&r, &top, &both) || both.w != r.w || both.h != r.h)
        problem("dialog " + f->name() + " shows around dialog " + over->name());
    }
    checking_ = false;
  }
  if (fade > 0) {
    SDL_SetRenderDrawColor(r_, 0, 0, 0, static_cast<uint8_t>(std::clamp(fade, 0, 255)));
    SDL_Rect all{0, 0, w, h};
    SDL_RenderFillRect(r_, &all);
  }
  trimTextCache();
}

void Renderer::drawForm(Form& f, int w, int h, const InputLooks& looks) {
  checking_ = problems && (!checkOnly || checkOnly == &f);
  const SDL_Rect fr = formRect(f, w, h);
  std::string bg = f.Background.empty() ? "bg_" + f.name() : f.Background;
  if (f.Transparent) {
    // A shaped form shows only its picture (transparent pixels let the forms below through);
    // with the background "none" it shows nothing of its own.
    if (bg != "none" && pic(bg)) drawPicture(bg, fr);
  } else if (pic(bg)) {
    drawPicture(bg, fr);
  } else {
    problem("missing picture " + bg);
    // A plain parchment panel with a dark border in place of the missing background.
    SDL_SetRenderDrawColor(r_, 226, 208, 170, 255);
    SDL_RenderFillRect(r_, &fr);
    SDL_SetRenderDrawColor(r_, 120, 90, 40, 255);
    for (int i = 0; i < 3; ++i) {
      SDL_Rect b{fr.x + i, fr.y + i, fr.w - 2 * i, fr.h - 2 * i};
      SDL_RenderDrawRect(r_, &b);
    }
  }
  for (const PlacedControl& p : layout(f, w, h)) {
    const Control& c = *p.c;
    // A control must lie inside its container (its panel, else the form); a surface
    // larger than the form is a scrolled view and exempt.
    if (checking_ && c.Kind != ControlKind::Timer) {
      int cw = fr.w, ch = fr.h;
      if (!c.Panel.empty())
        if (const Control* pc = f.find(c.Panel)) cw = pc->Width, ch = pc->Height;
      bool surface = c.Width > fr.w || c.Height > fr.h;
      if (!surface && (c.Left < 0 || c.Top < 0 || c.Left + c.Width > cw || c.Top + c.Height > ch))
        problem("control " + c.Name + " lies outside its " + (c.Panel.empty() ? "screen" : "panel " + c.Panel));
    }
    if (p.clip.w <= 0 || p.clip.h <= 0) continue;
    SDL_RenderSetClipRect(r_, &p.clip);
    clip_ = p.clip;
    drawControl(f, p, looks);
  }
  SDL_RenderSetClipRect(r_, nullptr);
  if (checking_) checkInk(f, fr);
  inks_.clear();
  checking_ = false;
}

void Renderer::checkInk(const Form& f, const SDL_Rect& fr) {
  // No two texts of a screen may share ink: a line drawn over another cannot be read.
  for (size_t i = 0; i < inks_.size(); ++i)
    for (size_t j = i + 1; j < inks_.size(); ++j) {
      if (inks_[i].owner == inks_[j].owner) continue;
      SDL_Rect both{};
      if (SDL_IntersectRect(&inks_[i].r, &inks_[j].r, &both) && both.w >= 2 && both.h >= 2)
        problem("text of " + inks_[i].owner + " overlaps text of " + inks_[j].owner);
    }
  // A dialog's generated background carries the screen's medallion in its top left
  // corner (a circle of radius 26, 32 or 46 set into a border of 11, 14 or 22 pixels,
  // by the picture's width); no text may run under it.
  int listedW = 0, listedH = 0;
  formSize(f.name(), listedW, listedH);
  if (listedW <= 0 || !f.Background.empty() || f.Transparent) return;
  const bool big = listedW >= 1000;
  const double bw = big ? 22 : (listedW >= 600 ? 14 : 11), rad = big ? 46 : (listedW >= 600 ? 32 : 26);
  const double k = static_cast<double>(fr.w) / listedW;
  const double cx = fr.x + (bw + rad * 0.8) * k, cy = fr.y + (bw + rad * 0.8) * k, r = rad * k;
  for (const Ink& t : inks_) {
    // The nearest point of the line's ink to the medallion's centre.
    const double nx = std::clamp(cx, static_cast<double>(t.r.x), static_cast<double>(t.r.x + t.r.w));
    const double ny = std::clamp(cy, static_cast<double>(t.r.y), static_cast<double>(t.r.y + t.r.h));
    if ((nx - cx) * (nx - cx) + (ny - cy) * (ny - cy) < r * r) problem("text of " + t.owner + " runs under the medallion");
  }
}

void Renderer::drawControl(Form& f, const PlacedControl& p, const InputLooks& looks) {
  const Control& c = *p.c;
  const SDL_Rect& r = p.r;
  const std::string owner = f.name() + "." + c.Name;
  const bool hover = looks.hoverForm == &f && looks.hoverControl == c.Name;
  const bool pressed = looks.pressedForm == &f && looks.pressedControl == c.Name && hover;
  switch (c.Kind) {
    case ControlKind::Label: {
      uint32_t ink = !c.Enabled ? kDisabledInk : c.ForeColor;
      if (hover && c.Enabled && c.ForeColor == kDefaultColour && f.handles(c.Name, Ev::Click)) ink = kHoverInk;
      // A label with a picture sits on it as on a small panel (the tooltip box).
      if (!c.Picture.empty() && pic(c.Picture)) drawSlice(c.Picture, r, 8);
      SDL_Rect text = c.Picture.empty() ? r : SDL_Rect{r.x + 6, r.y, r.w - 12, r.h};
      drawText(c, c.Caption, text, c.Align, false, ink, owner);
      break;
    }
    case ControlKind::Button: {
      const char* look = !c.Enabled ? "button_disabled" : pressed ? "button_pressed" : hover ? "button_hover" : "button";
      bool icon = !c.Picture.empty() && pic(c.Picture);
      if (!c.Picture.empty() && !icon) problem("missing picture " + c.Picture);
      drawSlice(look, r, 12);
      if (icon && !c.Caption.empty() && r.w > 2 * r.h) {
        // A wide button with an icon: the icon on the left, the caption beside it.
        SDL_Rect in{r.x + 3, r.y + 3 + (pressed ? 1 : 0), r.h - 6, r.h - 6};
        drawPicture(c.Picture, in, c.Enabled ? 255 : 110);
        uint32_t ink = !c.Enabled ? kDisabledInk : hover ? kHoverInk : (c.ForeColor == kDefaultColour ? kInk : c.ForeColor);
        drawText(c, c.Caption, SDL_Rect{r.x + r.h, r.y + (pressed ? 1 : 0), r.w - r.h - 6, r.h}, 1, true, ink, owner);
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
          bool was = checking_;
          checking_ = false;
          drawText(named, word, SDL_Rect{r.x + 1, in.y, r.w - 2, r.h}, 1, true, ink, owner);
          checking_ = was;
        } else {
          if (c.Align == 2) in.w -= 8;
          drawText(c, c.Caption, in, c.Align, true, ink, owner);
        }
      }
      break;
    }
    case ControlKind::Image:
      if (!c.Picture.empty()) drawPicture(c.Picture, r, c.Enabled ? 255 : 140, c.ClipStart);
      if (!c.Caption.empty()) drawText(c, c.Caption, r, c.Align, true, c.ForeColor, owner);
      break;
    case ControlKind::List:
    case ControlKind::FileList: {
      drawSlice("list_bg", r, 12);
      TTF_Font* fnt = font(c.FontSize, c.Title);
      if (!fnt) break;
      // Rows and scroll bar as the input model has them (ui/list_view.h).
      const int rowH = listRowHeight(c);
      const int rows = listRowsShown(c);
      const int topRow = listTop(c);
      const Rect a = listRowsArea(c);
      SDL_Rect inner{r.x + a.x, r.y + a.y, a.w, a.h};
      SDL_Rect clip = intersect(p.clip, inner);
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
          if (SDL_Texture* t = lineTexture(fnt, c.Items[idx], c.Enabled ? c.ForeColor : kDisabledInk, tw, th)) {
            SDL_Rect d{row.x + 2, row.y + 1, tw, th};
            SDL_RenderCopy(r_, t, nullptr, &d);
          }
      }
      SDL_RenderSetClipRect(r_, &p.clip);
      if (listHasBar(c)) {
        const ListBar b = listBar(c);
        auto at = [&](const Rect& part) { return SDL_Rect{r.x + part.x, r.y + part.y, part.w, part.h}; };
        drawSlice("scroll_track", at(b.track), 6);
        drawSlice("scroll_thumb", at(b.thumb), 6);
        drawPicture("scroll_up", at(b.up), c.Enabled ? 255 : 140);
        drawPicture("scroll_down", at(b.down), c.Enabled ? 255 : 140);
      }
      break;
    }
    case ControlKind::CheckBox: {
      int box = std::min(24, r.h);
      SDL_Rect b{r.x, r.y + (r.h - box) / 2, box, box};
      drawPicture(c.Checked ? "check_on" : "check_off", b, c.Enabled ? 255 : 120);
      SDL_Rect t{r.x + box + 6, r.y, r.w - box - 6, r.h};
      uint32_t ink = !c.Enabled ? kDisabledInk : hover ? kHoverInk : c.ForeColor;
      drawText(c, c.Caption, t, 0, true, ink, owner);
      break;
    }
    case ControlKind::TextBox: {
      drawSlice("textbox", r, 8);
      SDL_Rect t{r.x + 6, r.y, r.w - 12, r.h};
      bool focus = looks.focusForm == &f && looks.focusControl == c.Name;
      TTF_Font* fnt = font(c.FontSize, c.Title);
      if (!fnt) break;
      int tw = 0, th = 0;
      if (!c.Caption.empty())
        if (SDL_Texture* tex = lineTexture(fnt, c.Caption, c.ForeColor, tw, th)) {
          // Long texts show their end, where the player types.
          int x = tw > t.w ? t.x + t.w - tw : t.x;
          SDL_Rect d{x, t.y + (t.h - th) / 2, tw, th};
          SDL_Rect clip = intersect(p.clip, t);
          SDL_RenderSetClipRect(r_, &clip);
          SDL_RenderCopy(r_, tex, nullptr, &d);
          SDL_RenderSetClipRect(r_, &p.clip);
        }
      if (focus && (clock_ / 500) % 2 == 0) {
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
        SDL_Rect clip = intersect(p.clip, fill);
        SDL_RenderSetClipRect(r_, &clip);
        drawSlice("progress_fill", r, 6);
        SDL_RenderSetClipRect(r_, &p.clip);
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
