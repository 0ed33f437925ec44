// Drawing of forms with SDL2: pictures by name from the graphics folder (cached
// textures), the form backgrounds, every kind of control, text in the game's two faces,
// the fade layer. The places of forms and controls come from the input model's layout
// (ui/input.h), so that what is drawn and what is clicked are the same rectangles. A missing picture draws a neutral placeholder
// and is logged once; it never stops the game.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/form.h"
#include "ui/input.h"

namespace fief {

// One visible control of a form with its place on the logical screen.
struct PlacedControl {
  Control* c = nullptr;
  SDL_Rect r{};      // on the logical screen
  SDL_Rect clip{};   // the area it may be drawn in (and hit in)
  size_t order = 0;  // declaration index
};

class Renderer {
 public:
  Renderer(SDL_Renderer* r, std::string programDir);
  ~Renderer();
  Renderer(const Renderer&) = delete;
  Renderer& operator=(const Renderer&) = delete;

  void setGraphicsFolder(const std::string& folder);
  // Pictures decoded ahead are taken from here when first drawn.
  void setPreload(class PicturePreload* p) { preload_ = p; }

  // The file of a picture name (names ending in ".rz" are animations of anim/, names ending
  // in ".mbf" battle maps by their path in the program folder).
  static std::string picturePath(const std::string& dir, const std::string& folder, const std::string& name);
  // The picture files a form draws when it opens: its background, its controls' pictures
  // and the looks of its kinds of control.
  static std::vector<std::string> formPictureFiles(const Form& f, const std::string& dir, const std::string& folder);
  const std::string& graphicsFolder() const { return folder_; }

  // The form's rectangle on a logical screen of w x h: dialogs are centred, full-screen
  // forms cover it.
  static SDL_Rect formRect(const Form& f, int w, int h);
  // A form smaller than the screen (a dialog), and whether `a` lies below `b` in `forms`.
  static bool isDialog(const Form& f, int w, int h);
  static bool below(const std::vector<Form*>& forms, const Form* a, const Form* b);
  // The visible controls of a form in drawing order (bottom first), with their places.
  std::vector<PlacedControl> layout(Form& f, int w, int h) const;

  // Draws the open forms bottom to top, then the fade layer.
  void drawFrame(const std::vector<Form*>& forms, int w, int h, const InputLooks& looks, int fade);
  void drawForm(Form& f, int w, int h, const InputLooks& looks);

  // A picture of the graphics folder (nullptr when missing; logged once). Names ending
  // in ".rz" are animations of anim/ (PNG strips of square frames).
  SDL_Texture* picture(const std::string& name);
  bool pictureExists(const std::string& name);

  // Text: the lines a text takes in a box of this width, and the box height they need.
  TTF_Font* font(int size, bool title);
  std::vector<std::string> wrap(TTF_Font* f, const std::string& text, int width, int* widest = nullptr);
  int textHeight(TTF_Font* f, int lines) const;

  // True when the last frame held an animation (the shell redraws it at 10 frames a second).
  bool animating() const { return animating_; }
  // The clock the animations run on (ms).
  void setClock(int64_t ms) { clock_ = ms; }

  // Checking mode (screenshot tests): problems found while drawing are collected here.
  std::vector<std::string>* problems = nullptr;
  const Form* checkOnly = nullptr;  // when set, only this form is checked

  // Drops cached text pictures that were not used recently (called once a frame).
  void trimTextCache();

 private:
  struct Pic {
    SDL_Texture* tex = nullptr;
    int w = 0, h = 0;
    int frames = 1;  // animations: square frames side by side
  };
  const Pic* pic(const std::string& name);
  // clipStart: see Control::ClipStart.
  void drawPicture(const std::string& name, const SDL_Rect& r, uint8_t alpha = 255, int64_t clipStart = -1);
  void drawSlice(const std::string& name, const SDL_Rect& r, int corner);
  void placeholder(const SDL_Rect& r);
  void drawText(const Control& c, const std::string& text, const SDL_Rect& box, int align, bool vcentre,
                uint32_t colour, const std::string& owner);
  void drawControl(Form& f, const PlacedControl& p, const InputLooks& looks);
  void drawChart(const Control& c, const SDL_Rect& r);
  void problem(const std::string& what);
  void checkInk(const Form& f, const SDL_Rect& formRect);
  SDL_Texture* lineTexture(TTF_Font* f, const std::string& line, uint32_t colour, int& w, int& h);

  SDL_Renderer* r_;
  std::string dir_, folder_;
  class PicturePreload* preload_ = nullptr;
  std::unordered_map<std::string, Pic> pics_;  // by name; tex null = missing
  std::map<std::pair<int, bool>, TTF_Font*> fonts_;
  bool fontWarned_ = false;
  struct Line {
    SDL_Texture* tex = nullptr;
    int w = 0, h = 0;
    uint64_t used = 0;
  };
  std::unordered_map<std::string, Line> lines_;
  uint64_t frame_ = 0;
  bool animating_ = false;
  bool checking_ = false;
  // Checking mode: where the texts of the form being drawn put their ink.
  struct Ink {
    SDL_Rect r;
    std::string owner;
  };
  std::vector<Ink> inks_;
  SDL_Rect clip_{};
  int64_t clock_ = 0;
};

}  // namespace fief
