// The common frame of the county's dialog screens: a title centred along the top
// (TitleLbl, in the title face), an OK button (OkAniBtn, by default centred) that closes
// the dialog, and the keys that close it. A screen declares its own controls between the
// title and the OK button, shows its figures in Dialog_Load, and may bind OkAniBtn to
// something else (ordering, accepting) after addOk. The dialog's picture is its
// background (bg_<name>, generated with the screen's medallion in the top left corner:
// docs/assets.md), so a dialog declares no picture control of its own for it; the title
// stays clear of the medallion.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "text_names.h"
#include "ui/game.h"

namespace fief {

class DialogFrm : public Form {
 public:
  // Which keys close the dialog while its OK button is on view.
  enum class CloseKeys { EnterAndEscape, Escape, None };

  // Shows the title, the OK button's caption and the declared captions, then the
  // screen's own Dialog_Load.
  void Form_Load() final;
  void Form_KeyUp(Key k) override;

 protected:
  // Declares the title (the form's width less a margin of 24 on each side).
  DialogFrm(Game& g, std::string name, TextId title, CloseKeys keys = CloseKeys::EnterAndEscape);

  // Declares the OK button at `top`, centred unless `left` is given, bound to close().
  Control& addOk(int top, int left = -1, int width = 140, TextId caption = txt::captions::Ok);
  // The texts controls show, declared with them: shown as the dialog loads.
  void captions(std::initializer_list<std::pair<const char*, TextId>> texts);
  // The screen's own load handler.
  virtual void Dialog_Load() {}

  TextId title_;

 private:
  TextId okCaption_ = txt::captions::Ok;
  CloseKeys keys_;
  std::vector<std::pair<std::string, TextId>> captions_;
};

}  // namespace fief
