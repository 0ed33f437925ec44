// The checks of the screenshot tests: what a player would call a fault on a screen drawn
// by the real renderer. On the form checked: a missing picture, a text that does not fit
// its box after word wrap, a text drawn over another control's text or under the
// medallion of a generated dialog background, a control outside its screen or panel;
// and a dialog drawn below the top-most modal dialog that shows around it.
#pragma once

#include <SDL.h>

#include <string>
#include <vector>

#include "ui/platform/frame_record.h"

namespace fief {
class Form;
class SdlShell;
}  // namespace fief

namespace fief::test {

// The problems of the form `check` (of every form when null) in a frame drawn of the open
// forms `forms` on a logical screen of w x h, each once.
std::vector<std::string> screenProblems(const FrameRecord& frame, const std::vector<Form*>& forms, const Form* check,
                                        int w, int h);

// Draws a frame of the shell's open forms and returns it (the caller frees it; null when
// it could not be read), adding the problems of `check` not yet in `problems`.
SDL_Surface* readCheckedFrame(SdlShell& sh, const Form& check, std::vector<std::string>& problems);

}  // namespace fief::test
