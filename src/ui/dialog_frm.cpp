#include "ui/dialog_frm.h"

namespace fief {

DialogFrm::DialogFrm(Game& g, std::string name, TextId title, CloseKeys keys)
    : Form(g, std::move(name)), title_(title), keys_(keys) {
  Control& t = add(label("TitleLbl", 24, 16, Width - 48, 28));
  t.Title = true;
  t.FontSize = 16;
  t.Align = 1;
}

Control& DialogFrm::addOk(int top, int left, int width, TextId caption) {
  okCaption_ = caption;
  Control& ok = add(button("OkAniBtn", left >= 0 ? left : (Width - width) / 2, top, width, 40));
  onClick("OkAniBtn", [this] { close(); });
  return ok;
}

void DialogFrm::captions(std::initializer_list<std::pair<const char*, TextId>> texts) {
  for (const auto& [control, text] : texts) captions_.emplace_back(control, text);
}

void DialogFrm::Form_Load() {
  g_.ShowText(ctl("TitleLbl"), title_);
  if (Control* ok = find("OkAniBtn")) ok->Caption = g_.text(okCaption_);
  for (const auto& [control, text] : captions_) g_.ShowText(ctl(control), text);
  Dialog_Load();
}

void DialogFrm::Form_KeyUp(Key k) {
  const Control* ok = find("OkAniBtn");
  if (!ok || !ok->Visible) return;
  if (k == Key::Escape ? keys_ != CloseKeys::None : k == Key::Enter && keys_ == CloseKeys::EnterAndEscape) close();
}

}  // namespace fief
