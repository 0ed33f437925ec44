// The screenshot tests' checks catch what a player would call a fault, on a frame the real
// renderer drew: a dialog with text over text, a text too big for its box, text under the
// medallion, a missing picture, a control outside the screen, and a dialog left showing
// around the modal dialog above it; the name an icon button shows in place of its missing
// icon is not held against it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "art/screen_frame.h"
#include "ui/game.h"
#include "screen_checks.h"
#include "ui/platform/sdl_shell.h"

using namespace fief;

namespace {

struct ChecksFixture : ::testing::Test {
  ChecksFixture() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    g.optim = defaultOptim();
    g.optim.DisplayMode = 0;  // 800x600: the dialogs keep their listed size
    std::string err;
    EXPECT_TRUE(sh.attach(g, err)) << err;
  }
  // The problems of `check` in a frame of the open forms.
  std::vector<std::string> problems(const Form& check) {
    std::vector<std::string> found;
    SDL_Surface* s = test::readCheckedFrame(sh, check, found);
    EXPECT_NE(s, nullptr);
    SDL_FreeSurface(s);
    return found;
  }
  SdlShell sh{SdlShell::Options{"test", true}};
  Game g{sh, FIEFDOM_GAME_DIR};
};

bool has(const std::vector<std::string>& found, const std::string& start) {
  return std::any_of(found.begin(), found.end(), [&](const std::string& p) { return p.rfind(start, 0) == 0; });
}

TEST_F(ChecksFixture, FaultsOfADialogAreFoundAndAFaultlessOneHasNone) {
  // The about dialog's generated background, with controls of our own.
  Form f(g, "AboutFrm");
  f.add(label("Fine", 200, 120, 200, 30, "Plain words"));
  sh.show(f);
  EXPECT_EQ(problems(f), std::vector<std::string>{});

  const art::FrameMedallion m = art::frameMedallion(f.Width);
  f.add(label("Under", static_cast<int>(m.cx) - 10, static_cast<int>(m.cy) - 6, 80, 24, "Medal"));
  f.add(label("First", 200, 200, 200, 30, "Some words"));
  f.add(label("Second", 200, 200, 200, 30, "Other words"));
  f.add(label("Long", 200, 250, 40, 16, "A text far too long for so small a box"));
  f.add(label("Out", f.Width - 20, 300, 60, 20, "x"));
  f.add(button("GoneBtn", 300, 300, 30, 30)).Picture = "no_such_picture";
  const std::vector<std::string> found = problems(f);
  for (const char* want : {"text of AboutFrm.Under runs under the medallion",
                           "text of AboutFrm.First overlaps text of AboutFrm.Second", "text overflows AboutFrm.Long (text ",
                           "control Out lies outside its screen", "missing picture no_such_picture"})
    EXPECT_TRUE(has(found, want)) << want;
  // Nothing else: the button's name, drawn small in place of its icon, is not checked.
  EXPECT_EQ(found.size(), 5u);
  for (const std::string& p : found) EXPECT_EQ(p.find("GoneBtn"), std::string::npos) << p;
  sh.close(f);
}

TEST_F(ChecksFixture, ADialogShowingAroundTheModalDialogAboveItIsFound) {
  // A shaped (transparent) dialog stays drawn below a modal one; larger, it shows around it.
  Form below(g, "BelowFrm"), above(g, "AboveFrm");
  below.Width = 500, below.Height = 400, below.Transparent = true, below.Background = "none";
  above.Width = 300, above.Height = 200, above.Background = "panel";
  sh.show(below);
  above.Modal = true;
  sh.show(above);
  above.Modal = true;
  EXPECT_EQ(problems(above), std::vector<std::string>{"dialog BelowFrm shows around dialog AboveFrm"});
  // A form not checked has its problems left aside.
  EXPECT_EQ(problems(below), std::vector<std::string>{});
  sh.close(above);
  sh.close(below);
}

}  // namespace
