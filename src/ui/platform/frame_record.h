// What a frame drew, written by the renderer when asked, so that the screenshot tests can
// check a screen as a player would see it: the forms in the order drawn, each picture that
// was missing, and each text with the box it was set in, the room its lines need and where
// their ink lies.
#pragma once

#include <SDL.h>

#include <string>
#include <utility>
#include <vector>

namespace fief {

class Form;

struct DrawnText {
  const Form* form = nullptr;
  std::string owner;            // "Form.Control"
  SDL_Rect box{};               // the box the text was set in
  int width = 0, height = 0;    // its widest line and the height of all its lines
  std::vector<SDL_Rect> ink;    // each line's ink (capitals to half the descenders), inside the control's clip
  bool standIn = false;         // a button's name set small where its icon is missing
};

struct FrameRecord {
  std::vector<const Form*> forms;                                 // bottom first
  std::vector<std::pair<const Form*, std::string>> missingPictures; // by the form drawing them
  std::vector<DrawnText> texts;
};

}  // namespace fief
