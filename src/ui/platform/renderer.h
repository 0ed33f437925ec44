// Drawing of forms with SDL2: the form backgrounds and every kind of control, painted
// with the pictures (ui/platform/pictures.h) and the text (ui/platform/text_painter.h),
// then the fade layer. The places of forms and controls come from the input model's
// layout (ui/input.h), so that what is drawn and what is clicked are the same rectangles.
// On request a frame is also written down (frame_record.h) for the screenshot tests.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/input.h"
#include "ui/platform/frame_record.h"
#include "ui/platform/pictures.h"
#include "ui/platform/text_painter.h"

namespace fief {

class Renderer {
 public:
  Renderer(SDL_Renderer* r, std::string programDir);
  Renderer(const Renderer&) = delete;
  Renderer& operator=(const Renderer&) = delete;

  void setGraphicsFolder(const std::string& folder) { pictures_.setFolder(folder); }
  // Pictures decoded ahead are taken from here when first drawn.
  void setPreload(PicturePreload* p) { pictures_.setPreload(p); }

  // A form smaller than the screen (a dialog), and whether `a` lies below `b` in `forms`.
  static bool isDialog(const Form& f, int w, int h);
  static bool below(const std::vector<Form*>& forms, const Form* a, const Form* b);

  // Draws the open forms bottom to top, then the fade layer.
  void drawFrame(const std::vector<Form*>& forms, int w, int h, const InputLooks& looks, int fade);

  // True when the last frame held an animation (the shell redraws it at 10 frames a second).
  bool animating() const { return animating_; }
  // The clock the animations run on (ms).
  void setClock(int64_t ms) { pictures_.setClock(ms); }

  Pictures& pictures() { return pictures_; }
  TextPainter& text() { return text_; }

  // When set, the frames drawn are written down here.
  FrameRecord* record = nullptr;

 private:
  void drawForm(Form& f, int w, int h, const InputLooks& looks);
  void drawControl(Form& f, Control& c, const SDL_Rect& r, const SDL_Rect& clip, const InputLooks& looks);
  void drawChart(const Control& c, const SDL_Rect& r);
  void drawPicture(const std::string& name, const SDL_Rect& r, uint8_t alpha = 255, int64_t clipStart = -1);
  void drawSlice(const std::string& name, const SDL_Rect& r, int corner);
  void drawText(const Control& c, const std::string& text, const SDL_Rect& box, int align, bool vcentre,
                uint32_t colour, bool standIn = false);
  void missing(const std::string& picture);

  SDL_Renderer* r_;
  Pictures pictures_;
  TextPainter text_;
  bool animating_ = false;
  // The form being drawn and the area its current control may be drawn in.
  const Form* form_ = nullptr;
  SDL_Rect clip_{};
};

}  // namespace fief
