// Text drawn with SDL2_ttf in the game's two faces (text and title, from the program
// folder's fonts/, else a system face): fonts by size, word wrap, and the lines kept as
// textures while they are in use. Without any font, texts are not drawn (logged once).
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

namespace fief {

struct DrawnText;

class TextPainter {
 public:
  TextPainter(SDL_Renderer* r, std::string programDir) : r_(r), dir_(std::move(programDir)) {}
  ~TextPainter();
  TextPainter(const TextPainter&) = delete;
  TextPainter& operator=(const TextPainter&) = delete;

  // The face at a size in points (nullptr: no font could be opened).
  TTF_Font* font(int size, bool title);
  // The lines a text takes in a box of this width (and the widest line's width), and the
  // height those lines need.
  std::vector<std::string> wrap(TTF_Font* f, const std::string& text, int width, int* widest = nullptr);
  int textHeight(TTF_Font* f, int lines) const;
  // The height of one line in a face and size (0 without a font).
  int lineHeight(int size, bool title) { return textHeight(font(size, title), 1); }

  // A line as a texture in colour rgb (kept while used), with its size.
  SDL_Texture* line(TTF_Font* f, const std::string& text, uint32_t rgb, int& w, int& h);
  // Sets a text word-wrapped in a box: align 0 left, 1 centred, 2 right; vcentre centres
  // it in height. The caller has clipped drawing to `clip`. False when nothing was set (no
  // text, no room, no font); else, when `laid` is given, its size and ink are written there.
  bool draw(int size, bool title, const std::string& text, const SDL_Rect& box, int align, bool vcentre,
            uint32_t rgb, const SDL_Rect& clip, DrawnText* laid = nullptr);

  // Drops the lines not used recently (called once a frame).
  void endFrame();

 private:
  SDL_Renderer* r_;
  std::string dir_;
  std::map<std::pair<int, bool>, TTF_Font*> fonts_;
  bool fontWarned_ = false;
  struct Line {
    SDL_Texture* tex = nullptr;
    int w = 0, h = 0;
    uint64_t used = 0;
  };
  std::unordered_map<std::string, Line> lines_;
  uint64_t frame_ = 0;
};

}  // namespace fief
