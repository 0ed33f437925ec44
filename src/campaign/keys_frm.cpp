// Keys at a glance: every key of the campaign screen and of the battle window, from the
// one list of keys (key_help.h). Opened by F1 on the campaign screen and from the menu.
#include "campaign/key_help.h"
#include "text_names.h"
#include "ui/game.h"

namespace fief {

class KeysFrm : public Form {
 public:
  explicit KeysFrm(Game& g) : Form(g, "KeysFrm") {
    Control& t = add(label("TitleLbl", 100, 16, 440, 30, "Keys at a glance"));
    t.Title = true;
    t.FontSize = 18;
    t.Align = 1;
    struct Column {
      KeyWindow window;
      const char* heading;
      const char* name;
      int left;
    };
    const Column columns[] = {{KeyWindow::Campaign, "Campaign map", "Campaign", 48},
                              {KeyWindow::Battle, "Battle window", "Battle", 352}};
    for (const Column& c : columns) {
      Control& h = add(label(std::string(c.name) + "Lbl", c.left, 84, 256, 22, c.heading));
      h.Title = true;
      // The battle's few rows have room for two lines each; the campaign's many end above
      // the frame's flourish in the lower left corner.
      const int step = c.window == KeyWindow::Battle ? 36 : 17;
      int row = 0;
      for (const KeyHelpRow& r : keyHelp()) {
        if (r.window != c.window) continue;
        const int y = 108 + row * step;
        const std::string n = c.name + std::to_string(++row);
        Control& k = add(label(n + "KeyLbl", c.left, y, 84, step, r.keyText));
        k.FontSize = 10;
        k.Title = true;
        add(label(n + "WhatLbl", c.left + 88, y, 196, step, r.what)).FontSize = 10;
      }
    }
    add(button("OkAniBtn", 420, 526, 150, 36));
    onClick("OkAniBtn", [this] { close(); });
  }

  void Form_Load() override { g_.ShowText(ctl("OkAniBtn"), txt::captions::Ok); }
  void Form_KeyUp(Key k) override {
    if (k == Key::Enter || k == Key::Escape || k == Key::F1) close();
  }
};
FIEF_REGISTER_FORM(KeysFrm);

}  // namespace fief
