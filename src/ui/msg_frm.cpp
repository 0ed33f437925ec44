// The message box and event dialog.
#include <map>

#include "campaign/stat_changes.h"
#include "text_names.h"
#include "ui/dialogs.h"
#include "ui/game.h"
#include "ui/view_fields.h"

namespace fief {

namespace {
// The pictures of the event kinds that show their own; the others show the notice's or the
// question's.
const std::map<EventKind, std::string>& eventPictures() {
  static const std::map<EventKind, std::string> p = {{warOnRivalEvent(1), "rival1"},
                                                     {warOnRivalEvent(2), "rival2"},
                                                     {kGiftThanksEvent, "diplo4res"}};
  return p;
}
}  // namespace

class MsgFrm : public Form {
 public:
  explicit MsgFrm(Game& g) : Form(g, "MsgFrm") {
    add(image("PictureImg", 24, 96, 96, 96));
    Control& msg = add(label("MsgLbl", 136, 36, 320, 186));
    msg.FontSize = 12;
    // What each answer changes (and the strength of a force to be fought), below the text and the picture.
    add(label("EffectsLbl", 40, 226, 416, 58)).FontSize = 10;
    add(button("OkAniBtn", 96, 292, 128, 40, "OK"));
    add(button("Noanibtn", 256, 292, 128, 40, "Cancel"));
    onClick("OkAniBtn", [this] { answer(true); });
    onClick("Noanibtn", [this] { answer(false); });
  }

  // Set up by the callers before showing.
  uint8_t kind = kNoticeEvent;  // the EventKind shown (kNoticeEvent: a plain notice)
  std::string text;
  bool hideOk = false;
  EventQuestion* question = nullptr;  // an event's question; none for a plain notice

  void Form_Load() override {
    if (kind == kLostBattleEvent && g_.SoundAvailable) g_.PlaySound(kEventChannel, "defeat.wav");
    else if (kind != kNoticeEvent) g_.PlaySound(kEventChannel, "event01.wav");
    ctl("MsgLbl").Caption = text;
    showEffects();
    const auto pic = eventPictures().find(static_cast<EventKind>(kind));
    ctl("PictureImg").Picture = pic != eventPictures().end() ? pic->second : kind == kNoticeEvent ? "msg_notice" : "msg_event";
    const EventRule* k = eventRule(static_cast<EventKind>(kind));
    const bool choice = question ? question->choice : k && k->choice;
    Control& ok = ctl("OkAniBtn");
    Control& no = ctl("Noanibtn");
    // A decision reads Accept / Refuse, as its text tells the player; a notice OK / Close.
    ok.Caption = g_.text(choice ? txt::captions::Accept : txt::captions::Ok);
    no.Caption = g_.text(choice ? txt::captions::Refuse : txt::captions::Close);
    ok.Visible = !hideOk;
    // A notice has one button: OK, or the other button alone when OK is hidden.
    no.Visible = choice || hideOk;
    if (!choice && !hideOk) ok.Left = (Width - ok.Width) / 2;
    else ok.Left = 96;
  }

  std::string changesText(TextId answer, const StatChanges& changes) {
    std::string line = g_.text(answer) + ":";
    for (size_t i = 0; i < changes.size(); ++i) {
      const int a = changes[i].amount;
      line += (i ? ", " : " ") + g_.text(statName(changes[i].stat)) + " " + (a > 0 ? "+" : "") + std::to_string(a);
    }
    return line;
  }

  void showEffects() {
    std::string text;
    const EventRule* rule = question ? eventRule(static_cast<EventKind>(kind)) : nullptr;
    if (rule) {
      if (rule->note)
        for (TextId t : rule->note(g_)) text += (text.empty() ? "" : " ") + g_.text(t);
      for (auto [answer, changes] : {std::pair{txt::captions::Accept, &rule->acceptChanges},
                                     std::pair{txt::captions::Refuse, &rule->refuseChanges}}) {
        if (changes->empty()) continue;
        text += (text.empty() ? "" : "\n") + changesText(answer, *changes);
      }
    }
    ctl("EffectsLbl").Caption = text;
  }

  void Form_KeyUp(Key k) override {
    if (k == Key::Enter && ctl("OkAniBtn").Visible) answer(true);
    else if (k == Key::Escape) answer(!ctl("Noanibtn").Visible);
  }

 private:
  void answer(bool accepted) {
    EventQuestion* q = question;
    question = nullptr;
    close();
    kind = kNoticeEvent;
    if (q) accepted ? q->accept() : q->refuse();
  }
};
FIEF_REGISTER_FORM(MsgFrm);

void ShowMessageBox(Game& g, const std::string& text, bool hideOk) {
  auto& f = g.form<MsgFrm>("MsgFrm");
  f.kind = kNoticeEvent;
  f.text = text;
  f.hideOk = hideOk;
  f.question = nullptr;
  f.showModal();
}

void showEventQuestion(Game& g, EventQuestion& q) {
  auto& f = g.form<MsgFrm>("MsgFrm");
  f.kind = q.kind;
  f.text = g.text(txt::campaign::entry(q.entry));
  f.hideOk = false;
  f.question = &q;
  f.showModal();
  f.question = nullptr;
}

int exitQuestionKind(Game& g);  // exit_question_frm.cpp: -1 while the exit question is not open

int dialogKind(Game& g) {
  const int exitKind = exitQuestionKind(g);
  if (exitKind >= 0) return exitKind;
  return g.formExists("MsgFrm") ? g.form<MsgFrm>("MsgFrm").kind : kNoticeEvent;
}

namespace {
const bool kMsgKindField = [] {
  ViewField f;
  f.get = [](Game& g) -> nlohmann::json { return dialogKind(g); };
  f.set = byteViewField([](Game& g, bool) -> uint8_t* { return &g.form<MsgFrm>("MsgFrm").kind; }, 0).set;
  registerViewField("MsgKind", std::move(f));
  return true;
}();
}  // namespace

void ShowEvent(Game& g, EventKind kind, int entry) { RaiseEvent(g, kind, entry); }
void ShowEvent(Game& g, EventKind kind, TextId text) { RaiseEvent(g, kind, text.entry); }

void registerScreenEventKind(EventKind kind, bool choice, std::function<void(Game&)> accept,
                             std::function<void(Game&)> refuse) {
  auto onGame = [](std::function<void(Game&)> f) -> std::function<void(Rules&)> {
    if (!f) return nullptr;
    return [f = std::move(f)](Rules& r) {
      if (Game* g = dynamic_cast<Game*>(&r)) f(*g);
    };
  };
  registerEventKind(kind, EventRule{choice, onGame(std::move(accept)), onGame(std::move(refuse))});
}

}  // namespace fief
