// The exit question (MainScreenExit) of ui/dialogs.h.
#include <string>

#include "text_names.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/game.h"

namespace fief {

// The exit confirmation. Kind kExitToTitleQuestion hands over to the title programs; any other
// kind is a plain exit.
class MainScreenExit : public Form {
 public:
  explicit MainScreenExit(Game& g) : Form(g, "MainScreenExit") {
    Control& msg = add(label("MsgLbl", 84, 30, 312, 104));
    msg.Align = 1;
    msg.FontSize = 13;
    add(button("OkAniBtn", 60, 150, 130, 40, "OK"));
    add(button("Noanibtn", 230, 150, 130, 40, "Cancel"));
    onClick("OkAniBtn", [this] { confirm(); });
    onClick("Noanibtn", [this] { close(); });
  }
  void Form_Load() override { g_.ShowText(ctl("MsgLbl"), txt::captions::ExitQuestion); }
  void Form_KeyUp(Key k) override {
    if (k == Key::Escape) close();
    else if (k == Key::Enter) confirm();
  }

  uint8_t kind = kExitQuestion;  // set by whoever asks

 private:
  void confirm() {
    if (kind == kExitToTitleQuestion) {
      for (const char* prog : {"splash.rz", "menudata.rz"})
        if (!g_.shell.startProgram(g_.programPath(prog)))
          g_.shell.messageBox(std::string("The program ") + prog + " could not be started.");
    }
    g_.shell.endProgram();
  }
};
FIEF_REGISTER_FORM(MainScreenExit);

void showExitQuestion(Game& g, EventKind kind) {
  auto& f = g.form<MainScreenExit>("MainScreenExit");
  f.kind = kind;
  f.showModal();
}

int exitQuestionKind(Game& g) {
  if (!g.formExists("MainScreenExit")) return -1;
  auto& f = g.form<MainScreenExit>("MainScreenExit");
  return f.Visible ? f.kind : -1;
}

}  // namespace fief
