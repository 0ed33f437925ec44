// The message screen: both lists of the message log with their counts, three rows of
// each list at a time from the list's scroll position, and the option to open the
// screen after every end of turn.
#include "text_names.h"
#include "ui/form.h"
#include "ui/game.h"

namespace fief {

class MessagesFrm : public Form {
 public:
  static constexpr int kRowsShown = 3;
  static constexpr int kRowHeight = 44;

  explicit MessagesFrm(Game& g) : Form(g, "MessagesFrm") {
    Control& title = add(label("TitleLbl", 20, 14, 600, 32));
    title.Title = true;
    title.FontSize = 20;
    title.Align = 1;
    // Both lists start below the medallion of the screen's top left corner.
    declareList(1, 80);
    declareList(2, 250);
    add(checkBox("MsgOption", 24, 424, 380, 28));
    add(button("OkAniBtn", 496, 420, 120, 40, "OK"));
    onClick("CUpAniBtn", [this] { scroll(1, +1); });
    onClick("CDownAniBtn", [this] { scroll(1, -1); });
    onClick("CUpAniBtn2", [this] { scroll(2, +1); });
    onClick("CDownAniBtn2", [this] { scroll(2, -1); });
    onClick("MsgOption", [this] { g_.s.ShowMessagesAfterTurn = toFlag(ctl("MsgOption").Checked); });
    onClick("OkAniBtn", [this] { close(); });
  }

  // The scroll position of a list (1-based).
  int position(int list) const { return pos_[list - 1]; }

  void Form_Load() override {
    pos_[0] = pos_[1] = 1;
    g_.ShowText(ctl("TitleLbl"), txt::captions::Messages);
    g_.ShowText(ctl("List1Lbl"), txt::campaign1::CountyNews);
    g_.ShowText(ctl("List2Lbl"), txt::campaign1::MissionsVillages);
    g_.ShowText(ctl("MsgOption"), txt::campaign1::ShowMessagesAfter);
    g_.ShowText(ctl("OkAniBtn"), txt::captions::Ok);
  }

  void Form_Activate() override {
    for (int list = 1; list <= 2; ++list) layOut(list);
    ctl("MsgOption").Checked = isSet(g_.s.ShowMessagesAfterTurn);
  }

  void Form_KeyUp(Key k) override {
    if (k == Key::Escape || k == Key::Enter || k == Key::F4) close();
  }

 private:
  static std::string suffix(int list) { return list == 1 ? "" : "2"; }
  static std::string row(int list, const char* what, int i) {
    return std::string(list == 1 ? "Msg" : "Msg2") + what + std::to_string(i);
  }

  void declareList(int list, int top) {
    add(label("List" + std::to_string(list) + "Lbl", 24, top, 300, 24)).Title = true;
    add(label("CountLbl" + suffix(list), 330, top, 80, 24));
    for (int i = 1; i <= 8; ++i) {
      add(image(row(list, "Img", i), 24, top + 30, 24, 24));
      add(label(row(list, "Lbl", i), 56, top + 30, 520, kRowHeight - 4)).FontSize = 11;
    }
    // CUpAniBtn raises the scroll position, so it shows later rows: it is the arrow
    // pointing down, below the one that goes back to earlier rows.
    add(button("CDownAniBtn" + suffix(list), 588, top + 30, 32, 32)).Picture = "scroll_up";
    add(button("CUpAniBtn" + suffix(list), 588, top + 30 + 2 * kRowHeight, 32, 32)).Picture = "scroll_down";
  }

  // Up moves on to later rows while the position is below the count; down goes back.
  void scroll(int list, int dir) {
    const int count = g_.log.count(list);
    int& p = pos_[list - 1];
    if (dir > 0 && p < count) ++p;
    else if (dir < 0 && p >= 2 && p <= count) --p;
    else return;
    layOut(list);
  }

  void layOut(int list) {
    const int count = g_.log.count(list);
    int& p = pos_[list - 1];
    if (p > count) p = count < 1 ? 1 : count;
    ctl("CountLbl" + suffix(list)).Caption = "( " + std::to_string(count) + " )";
    const auto& rows = g_.log.rows[list - 1];
    // The rows follow the list's heading as the screen is laid out (a screen enlarged for
    // the display has enlarged its heading and rows alike).
    const Control& head = ctl("List" + std::to_string(list) + "Lbl");
    const Control& first = ctl(row(list, "Lbl", 1));
    const int top = head.Top + head.Height + head.Height / 4, step = first.Height + first.Height / 10;
    for (int i = 1; i <= 8; ++i) {
      Control& img = ctl(row(list, "Img", i));
      Control& lbl = ctl(row(list, "Lbl", i));
      const bool shown = i <= count && i >= p && i < p + kRowsShown;
      img.Visible = lbl.Visible = shown;
      lbl.Caption = i <= count ? rows[i - 1].text : std::string();
      if (i <= count && !rows[i - 1].detail.empty()) lbl.Caption += "\n" + rows[i - 1].detail;
      img.Picture = i <= count ? "msg_notice" : std::string();
      const int y = top + (i - p) * step;
      img.Top = y;
      lbl.Top = y;
    }
  }

  int pos_[2] = {1, 1};
};
FIEF_REGISTER_FORM(MessagesFrm);

}  // namespace fief
