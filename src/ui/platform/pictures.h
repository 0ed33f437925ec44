// The pictures of the graphics folder drawn with SDL2: found by name, decoded once (or
// taken from the helpers that decoded them ahead) and kept as textures; drawn whole, as
// a frame of an animation strip, or stretched by their corners (9-slice). A missing
// picture draws a neutral placeholder and is logged once; it never stops the game.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace fief {

class Form;
class PicturePreload;

class Pictures {
 public:
  Pictures(SDL_Renderer* r, std::string programDir) : r_(r), dir_(std::move(programDir)) {}
  ~Pictures();
  Pictures(const Pictures&) = delete;
  Pictures& operator=(const Pictures&) = delete;

  // The graphics folder (high or low detail); changing it drops every picture kept.
  void setFolder(const std::string& folder);
  const std::string& folder() const { return folder_; }
  // Pictures decoded ahead are taken from here when first drawn.
  void setPreload(PicturePreload* p) { preload_ = p; }

  // The file of a picture name (names ending in ".rz" are animations of anim/, names ending
  // in ".mbf" battle maps by their path in the program folder).
  static std::string path(const std::string& dir, const std::string& folder, const std::string& name);
  // The picture files a form draws when it opens: its background, its controls' pictures
  // and the looks of its kinds of control.
  static std::vector<std::string> formFiles(const Form& f, const std::string& dir, const std::string& folder);

  // Whether the picture can be drawn (a missing one is logged once).
  bool has(const std::string& name) { return pic(name) != nullptr; }
  // Draws a picture into r, at `alpha`; an animation shows its frame at the clock
  // (clipStart: see Control::ClipStart). False, with a placeholder drawn, when missing.
  bool draw(const std::string& name, const SDL_Rect& r, uint8_t alpha = 255, int64_t clipStart = -1);
  // Draws a picture stretched into r, its corners of `corner` pixels kept whole. False,
  // with a placeholder drawn, when missing.
  bool drawSlice(const std::string& name, const SDL_Rect& r, int corner);

  // The clock the animations run on (ms), and whether an animation was drawn since the
  // last call of startFrame.
  void setClock(int64_t ms) { clock_ = ms; }
  int64_t clock() const { return clock_; }
  void startFrame() { animating_ = false; }
  bool animating() const { return animating_; }

 private:
  struct Pic {
    SDL_Texture* tex = nullptr;
    int w = 0, h = 0;
    int frames = 1;  // animations: square frames side by side
  };
  const Pic* pic(const std::string& name);
  void placeholder(const SDL_Rect& r);

  SDL_Renderer* r_;
  std::string dir_, folder_;
  PicturePreload* preload_ = nullptr;
  std::unordered_map<std::string, Pic> pics_;  // by name; tex null = missing
  int64_t clock_ = 0;
  bool animating_ = false;
};

}  // namespace fief
