// Every registered form, opened over a started campaign: each handler it binds names a
// control it declares, every text it reads while it opens is an entry of its table with a
// text, and every picture it names (its background, its controls' pictures, the looks of
// its kinds of control) is a file of the program folder in both picture sizes. Pictures
// the generated set does not have yet are listed in tests/sdl/known_issues.txt.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "campaign/initial_state.h"
#include "screenshot_support.h"
#include "sdl_game_dir.h"
#include "ui/game.h"
#include "ui/platform/renderer.h"
#include "ui/platform/sdl_shell.h"
#include "ui/program_start.h"

namespace fs = std::filesystem;
using namespace fief;

namespace {

// The faults of one opened form, each line prefixed with the form's name.
std::vector<std::string> formFaults(Game& g, Form& f, const std::set<std::pair<int, int>>& read) {
  std::vector<std::string> out;
  const std::string name = f.name();
  for (const auto& [control, ev] : f.boundEvents())
    // A handler under the form's own name is the bare screen's (the pointer over no control).
    if (control != name && !f.has(control)) out.push_back(name + ": a handler of undeclared control " + control);
  for (const auto& [table, entry] : read)
    // The objective slots a level does not use (levels.txt 36..137) stay empty by design.
    if (g.texts.text(table, entry).empty() && !(table == 5 && entry >= 36 && entry <= 137))
      out.push_back(name + ": empty text " + std::to_string(entry) + " of table " + std::to_string(table));
  // A dialog's title stands inside its gold frame (at most 14 pixels wide around a dialog).
  if (f.Width > 0 && f.Height > 0)
    if (const Control* title = f.find("TitleLbl"); title && title->Visible && title->Panel.empty() && title->Top < 14)
      out.push_back(name + ": its title lies on the frame (top " + std::to_string(title->Top) + ")");
  for (const char* folder : {"graphics/high", "graphics/low"})
    for (const std::string& file : Pictures::formFiles(f, g.dir, folder))
      if (!fs::exists(file)) {
        // Named as the screens name it: a picture of the graphics folder without its ending.
        fs::path p = fs::relative(file, fs::path(g.dir) / folder);
        if (p.extension() == ".png") p.replace_extension();
        else p = fs::relative(file, g.dir);
        out.push_back(name + ": missing picture " + p.string() + " (" + folder + ")");
      }
  return out;
}

TEST(Forms, EveryFormNamesWhatExists) {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  test::SdlGameDir dir;
  SdlShell sh(SdlShell::Options{"Fiefdom", true});
  Game g(sh, dir.path.string());
  std::string err;
  ASSERT_TRUE(sh.attach(g, err)) << err;
  ASSERT_TRUE(g.texts.load(g.dir, err)) << err;
  setupTimers(g);
  g.s.Difficulty = 1;
  g.rng.seed(7);
  InitialState(g);

  std::vector<std::string> faults;
  std::set<std::pair<int, int>> read;
  g.texts.readLog = &read;
  std::set<std::string> checked;
  std::set<std::string> ended;  // forms that end the program as they open (the title programs' hand-overs)
  // A form is checked once, when it is first open (a form may open others while it loads).
  auto check = [&](Form& f) {
    if (checked.insert(f.name()).second) {
      auto more = formFaults(g, f, read);
      faults.insert(faults.end(), more.begin(), more.end());
    }
    read.clear();
  };
  sh.onModal = check;
  Form& camp = g.form("Camp1Frm");
  sh.show(camp);
  check(camp);
  for (const auto& name : registeredForms()) {
    if (checked.count(name) || name == "TimerFrm") continue;
    read.clear();
    try {
      Form& f = g.form(name);
      sh.showModal(f);
      check(f);
    } catch (const ProgramEnded&) {
      sh.clearEnded();
      ended.insert(name);
    } catch (const std::exception& e) {
      faults.push_back(name + ": could not be opened: " + e.what());
    }
    while (!sh.openForms().empty() && sh.openForms().back() != &camp) sh.close(*sh.openForms().back());
    if (sh.openForms().empty()) sh.show(camp);
  }
  g.texts.readLog = nullptr;
  // Every form was opened (or ended the program opening) but the timers' form, which never shows.
  for (const auto& name : registeredForms())
    if (name != "TimerFrm") EXPECT_TRUE(checked.count(name) || ended.count(name)) << name << " was not opened";

  const int fresh = test::reportProblems(faults, "FAULT: ");
  EXPECT_EQ(fresh, 0) << "forms naming what does not exist (see the lines above)";
}

}  // namespace
