// The animation screen: the turn's queued animations (an assassin's or a scout's result,
// a death in the county), one after another, each with two lines of text. Each clip plays
// once; its end, a click or Esc shows the next one, or closes the screen when none is left.
#include "text_names.h"
#include "ui/clips.h"
#include "ui/game.h"

namespace fief {

class MovieFrm : public Form {
 public:
  explicit MovieFrm(Game& g) : Form(g, "MovieFrm") {
    add(image("WeatherAnim", 160, 40, 160, 160));
    Control& movie = add(label("MovieLbl", 40, 214, 400, 28));
    movie.Title = true;
    movie.FontSize = 15;
    movie.Align = 1;
    Control& msg = add(label("MsgLbl", 40, 248, 400, 90));
    msg.Align = 1;
    for (const char* c : {"WeatherAnim", "MovieLbl", "MsgLbl"}) onClick(c, [this] { showNext(); });
    // The end of a clip: the screen's timer, set to the clip's length as each clip starts.
    TimerSet& t = g_.timers;
    if (!t.find(kTimer)) t.add(kTimer, false, 0);
    t[kTimer].Tick = [&g] {
      g.timers.disable(kTimer);
      if (g.formExists("MovieFrm") && g.form("MovieFrm").Visible) g.form<MovieFrm>("MovieFrm").clipEnded();
    };
  }
  ~MovieFrm() override { g_.timers.disable(kTimer); }

  // Busy while the screen loads; the normal pointer while it waits for the clip or a click.
  void Form_Load() override { g_.shell.setPointer(Pointer::Busy); }
  void Form_Unload() override {
    g_.timers.disable(kTimer);
    g_.shell.setPointer(Pointer::Normal);
  }

  void Form_Activate() override {
    g_.shell.setPointer(Pointer::Normal);
    // With animations switched off nothing plays and the queue waits for the next time.
    if (!isSet(g_.s.Advanced.AnimatedSprites)) {
      close();
      return;
    }
    if (ctl("WeatherAnim").Picture.empty()) showNext();
  }

  void Form_Click() override { showNext(); }
  void Form_KeyUp(Key k) override {
    if (k == Key::Escape) showNext();
  }

  // The clip on view has played to its end.
  void clipEnded() { showNext(); }

 private:
  static constexpr const char* kTimer = "MovieTimer";

  void play(const char* clip, int movieText, int msgText) {
    Control& anim = ctl("WeatherAnim");
    anim.Picture = std::string("anim/") + clip;
    anim.ClipStart = g_.shell.nowMs();
    if (movieText < 0) ctl("MovieLbl").Caption.clear();
    else g_.ShowText(ctl("MovieLbl"), txt::campaign1::entry(movieText));
    g_.ShowText(ctl("MsgLbl"), txt::campaign::entry(msgText));
    // A clip that cannot be read has no known end: the screen then waits for a click or Esc.
    const int frames = clipFrames(g_.path(anim.Picture));
    // The clip's end counts from now: the timers' own clock may still stand where the
    // shell last fired them, before the long end of turn that opened this screen.
    g_.timers.setNow(anim.ClipStart);
    g_.timers.setInterval(kTimer, clipLengthMs(frames));
    g_.timers.enable(kTimer, frames > 0);
  }

  void showNext() {
    auto& flags = g_.s.TurnAnimationFlags;
    if (flags[0] == 1 || flags[0] == 2) {
      play(flags[0] == 1 ? "assassin_ok.rz" : "assassin_failed.rz", 117, flags[0] == 1 ? 83 : 84);
      flags[0] = 0;
    } else if (flags[1] == 1 || flags[1] == 2) {
      play(flags[1] == 1 ? "scout_ok.rz" : "scout_failed.rz", 116, flags[1] == 1 ? 85 : 86);
      flags[1] = 0;
    } else if (flags[2] == 1) {
      play("death.rz", -1, 98);
      flags[2] = 0;
    } else {
      g_.timers.disable(kTimer);
      ctl("WeatherAnim").Picture.clear();
      close();
    }
  }
};
FIEF_REGISTER_FORM(MovieFrm);

}  // namespace fief
