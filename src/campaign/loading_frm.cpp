// The loading screen: establishes the program folder's settings, reads the option and
// text files, and arms the loading timer that runs the campaign start.
#include "campaign/files.h"
#include "ui/game.h"
#include "ui/program_start.h"

namespace fief {

class LoadingFrm : public Form {
 public:
  explicit LoadingFrm(Game& g) : Form(g, "LoadingFrm") {
    add(image("TitleImg", 0, 0, 800, 600, "bg_LoadingFrm"));
    Control& bar = add(progressBar("LoadingBar", 200, 520, 400, 18));
    bar.Max = 100;
    bar.Value = 0;
    add(label("LoadingLbl", 200, 490, 400, 24, "Loading..."));
  }

  void Form_Load() override {
    Game& g = g_;
    g.ScaleForms = g.shell.logicalDpi() == 96;
    g.SoundAvailable = g.shell.soundDevices() > 0;

    // No usable folder for the player's files: the shipped option files are read below.
    if (!g.folders.problem.empty()) g.shell.messageBox(g.folders.problem);
    std::string err;
    std::vector<uint8_t> bytes;
    OptimSettings o = defaultOptim();
    if (!readFile(g.path("Optim.rz"), bytes, err) || !decodeOptim(bytes, o, err)) {
      g.shell.messageBox("The display settings (Optim.rz) could not be read: " + err + ". The game uses its defaults.");
      o = defaultOptim();
    }
    g.optim = o;
    long difficulty = 1;
    if (!readNumberFile(g.path("Options.rz"), difficulty, err) || difficulty < 1 || difficulty > 3) {
      g.shell.messageBox("The difficulty (Options.rz) could not be read; the game is played at difficulty 1.");
      difficulty = 1;
    }
    g.s.Difficulty = static_cast<uint8_t>(difficulty);
    if (g.optim.soundOff()) g.SoundAvailable = false;
    layOut();

    if (!g.texts.load(g.dir, err)) {
      g.shell.messageBox("The game's texts could not be read: " + err);
      g.shell.endProgram();
    }
    ctl("LoadingBar").Value = 40;
    // The music starts with the program: MusicTimer plays it on its one tick, honouring
    // the in-game music switch and volume (read here already, so that a long stay on the
    // load screen before the campaign screen opens still gets the player's options).
    readAdvancedSettingsQuietly(g);
    g.timers.enable("MusicTimer");
    g.timers.enable("LoadingTimer");
  }

  void Form_Unload() override { UnlockCheck(g_); }

 private:
  // The picture fills the display; the bar and its caption sit low in the middle.
  void layOut() {
    int w = 800, h = 600;
    g_.optim.displaySize(w, h);
    Control& pic = ctl("TitleImg");
    pic.Width = w;
    pic.Height = h;
    Control& bar = ctl("LoadingBar");
    bar.Width = w / 2;
    bar.Left = (w - bar.Width) / 2;
    bar.Top = h - h / 8;
    Control& cap = ctl("LoadingLbl");
    cap.Width = bar.Width;
    cap.Left = bar.Left;
    cap.Top = bar.Top - 30;
    cap.Align = 1;
  }
};
FIEF_REGISTER_FORM(LoadingFrm);

void runProgramStart(Game& g) {
  setupTimers(g);
  g.form("LoadingFrm").show();
}

}  // namespace fief
