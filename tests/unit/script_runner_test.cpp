// The script runner's error rules for bad input.
#include <gtest/gtest.h>

#include <sstream>

#include "test_support.h"
#include "ui/headless/script_runner.h"

namespace fief {
namespace {

struct RunResult {
  int status = 0;
  std::string out;
};

RunResult runScriptText(const std::string& script) {
  test::TempGameDir dir;
  RunOptions opt;
  opt.gameDir = dir.path();
  std::istringstream in(script);
  std::ostringstream out;
  RunResult r;
  r.status = runScript(in, out, opt);
  r.out = out.str();
  return r;
}

TEST(ScriptRunner, BadArgumentsAreErrorsOfTheirLine) {
  struct Case {
    const char* script;
    const char* error;
  };
  const Case cases[] = {
      {"rng 0.5 nan\n", "error: line 1: rng values lie in [0, 1)"},
      {"rng 1\n", "error: line 1: rng values lie in [0, 1)"},
      {"# a comment\nwait -5\n", "error: line 2: the clock only runs forward"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    RunResult r = runScriptText(c.script);
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find(c.error), std::string::npos) << r.out;
  }
}

// Input goes through the same model as on the SDL shell: a click on a check box toggles
// it, a text box takes what a keyboard types into it, a disabled control or a form behind
// a modal one takes no pointer.
TEST(ScriptRunner, InputActsAsAPlayersMouseAndKeyboard) {
  const std::string options =
      "start\nclick TipsFrm.CloseLbl\nclick Camp1Frm.MenuBtn\nclick MenuFrm.OptionsLbl\nclick MenuFrm.MoreOptionsLbl\n";
  const std::string save = "start\nclick TipsFrm.CloseLbl\nclick Camp1Frm.MenuBtn\nclick MenuFrm.SaveGameLbl\n";
  const std::string a70(70, 'a'), a64(64, 'a');
  struct Case {
    std::string script;
    const char* error;  // nullptr: the script runs without failing
  };
  const Case cases[] = {
      {options + "expect-screen MenuFrm.TrooperOption checked = true\nclick MenuFrm.TrooperOption\n"
                 "expect-screen MenuFrm.TrooperOption checked = false\nexpect Advanced.ShowTroopers = 0\n"
                 "click MenuFrm.TrooperOption\nexpect Advanced.ShowTroopers = -1\n",
       nullptr},
      // Checking a box that is checked already clicks nothing.
      {options + "check MenuFrm.TrooperOption 1\nexpect-screen MenuFrm.TrooperOption checked = true\n", nullptr},
      {save + "type SaveGameFrm.FileNameTxt " + a70 + "\nexpect-screen SaveGameFrm.FileNameTxt text = " + a64 + "\n",
       nullptr},
      // While the text box has the keyboard a letter types itself; Enter still reaches the form.
      {save + "type SaveGameFrm.FileNameTxt Ab\nkey SaveGameFrm C\nexpect-screen SaveGameFrm.FileNameTxt text = Abc\n"
              "key SaveGameFrm Enter\nexpect-query file \"Save Game/Abc.s15\" = {\"exists\": true, \"size\": 792}\n",
       nullptr},
      {options + "click Camp1Frm.EndTurnBtn\n", "error: line 6: Camp1Frm is behind the modal form MenuFrm"},
      {"start\nclick TipsFrm.CloseLbl\nmove Camp1Frm.TopMargin\nwait 3000\nmove Camp1Frm.TopMargin\n",
       "error: line 5: Camp1Frm.TopMargin is disabled"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    RunResult r = runScriptText(c.script);
    if (!c.error) {
      EXPECT_EQ(r.status, 0) << r.out;
      continue;
    }
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find(c.error), std::string::npos) << r.out;
  }
}

}  // namespace
}  // namespace fief
