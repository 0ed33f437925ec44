#include "ui/platform/text_painter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sys/stat.h>

#include "ui/platform/frame_record.h"

namespace fief {

namespace {

SDL_Color colour(uint32_t rgb, uint8_t a = 255) {
  return SDL_Color{static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb), a};
}

bool fileExists(const std::string& p) {
  struct stat st {};
  return stat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

TextPainter::~TextPainter() {
  for (auto& [k, l] : lines_)
    if (l.tex) SDL_DestroyTexture(l.tex);
  for (auto& [k, f] : fonts_)
    if (f) TTF_CloseFont(f);
}

TTF_Font* TextPainter::font(int size, bool title) {
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

std::vector<std::string> TextPainter::wrap(TTF_Font* f, const std::string& text, int width, int* widest) {
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

int TextPainter::textHeight(TTF_Font* f, int lines) const {
  if (!f || lines <= 0) return 0;
  return TTF_FontHeight(f) + (lines - 1) * TTF_FontLineSkip(f);
}

SDL_Texture* TextPainter::line(TTF_Font* f, const std::string& text, uint32_t rgb, int& w, int& h) {
  char head[48];
  std::snprintf(head, sizeof head, "%p|%06x|", static_cast<void*>(f), rgb & 0xFFFFFF);
  std::string key = head + text;
  auto it = lines_.find(key);
  if (it == lines_.end()) {
    Line l;
    if (SDL_Surface* s = TTF_RenderUTF8_Blended(f, text.c_str(), colour(rgb))) {
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

bool TextPainter::draw(int size, bool title, const std::string& text, const SDL_Rect& box, int align, bool vcentre,
                       uint32_t rgb, const SDL_Rect& clip, DrawnText* laid) {
  if (text.empty() || box.w <= 0) return false;
  TTF_Font* f = font(size, title);
  if (!f) return false;
  int widest = 0;
  auto lines = wrap(f, text, box.w, &widest);
  int need = textHeight(f, static_cast<int>(lines.size()));
  if (laid) {
    laid->box = box;
    laid->width = widest;
    laid->height = need;
  }
  int y = vcentre ? box.y + (box.h - need) / 2 : box.y;
  for (const auto& l : lines) {
    int w = 0, h = 0;
    if (!l.empty())
      if (SDL_Texture* t = line(f, l, rgb, w, h)) {
        int x = align == 1 ? box.x + (box.w - w) / 2 : align == 2 ? box.x + box.w - w : box.x;
        SDL_Rect d{x, y, w, h};
        SDL_RenderCopy(r_, t, nullptr, &d);
        if (laid) {
          // The ink of the line: from the top of the capitals to half way down the
          // descenders, where it shows (inside the clip of its control).
          const int asc = TTF_FontAscent(f), cap = asc * 7 / 10, desc = -TTF_FontDescent(f);
          SDL_Rect ink{x, y + asc - cap, w, cap + desc / 2};
          SDL_Rect shown{};
          if (SDL_IntersectRect(&ink, &clip, &shown)) laid->ink.push_back(shown);
        }
      }
    y += TTF_FontLineSkip(f);
  }
  return true;
}

void TextPainter::endFrame() {
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

}  // namespace fief
