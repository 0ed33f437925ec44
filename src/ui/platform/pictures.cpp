#include "ui/platform/pictures.h"

#include <SDL_image.h>

#include <algorithm>
#include <cstdio>
#include <sys/stat.h>

#include "ui/clips.h"
#include "ui/form.h"
#include "ui/platform/picture_preload.h"

namespace fief {

namespace {

bool fileExists(const std::string& p) {
  struct stat st {};
  return stat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool endsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

Pictures::~Pictures() {
  for (auto& [n, p] : pics_)
    if (p.tex) SDL_DestroyTexture(p.tex);
}

void Pictures::setFolder(const std::string& folder) {
  if (folder == folder_) return;
  folder_ = folder;
  for (auto& [n, p] : pics_)
    if (p.tex) SDL_DestroyTexture(p.tex);
  pics_.clear();
}

std::string Pictures::path(const std::string& dir, const std::string& folder, const std::string& name) {
  if (endsWith(name, ".rz")) return name.find('/') != std::string::npos ? dir + "/" + name : dir + "/anim/" + name;
  // Battle maps are named by their path in the program folder (level15/field1.mbf).
  if (endsWith(name, ".mbf")) return dir + "/" + name;
  return dir + "/" + folder + "/" + name + ".png";
}

std::vector<std::string> Pictures::formFiles(const Form& f, const std::string& dir, const std::string& folder) {
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
    std::string p = path(dir, folder, n);
    if (std::find(paths.begin(), paths.end(), p) == paths.end()) paths.push_back(p);
  }
  return paths;
}

const Pictures::Pic* Pictures::pic(const std::string& name) {
  auto it = pics_.find(name);
  if (it != pics_.end()) return it->second.tex ? &it->second : nullptr;
  Pic p;
  const std::string file = path(dir_, folder_, name);
  bool opaque = false;
  SDL_Surface* s = nullptr;
  // A picture decoded ahead is taken from its helper; any other is decoded now.
  if (!(preload_ && preload_->take(file, s, opaque)) && fileExists(file) && (s = IMG_Load(file.c_str())))
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
                 file.c_str());
  }
  auto [ins, ok] = pics_.emplace(name, p);
  return ins->second.tex ? &ins->second : nullptr;
}

void Pictures::placeholder(const SDL_Rect& r) {
  SDL_SetRenderDrawColor(r_, 150, 140, 120, 110);
  SDL_RenderFillRect(r_, &r);
  SDL_SetRenderDrawColor(r_, 90, 80, 60, 200);
  SDL_RenderDrawRect(r_, &r);
}

bool Pictures::draw(const std::string& name, const SDL_Rect& r, uint8_t alpha, int64_t clipStart) {
  const Pic* p = pic(name);
  if (!p) {
    placeholder(r);
    return false;
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
  return true;
}

bool Pictures::drawSlice(const std::string& name, const SDL_Rect& r, int c) {
  const Pic* p = pic(name);
  if (!p) {
    placeholder(r);
    return false;
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
  return true;
}

}  // namespace fief
