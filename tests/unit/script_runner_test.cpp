// The script runner's error rules for bad input.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
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

// A script and the files it includes, written into a folder of their own; the script runs
// from its file there, as a scenario does.
RunResult runWithIncludes(const std::map<std::string, std::string>& files, const std::string& script) {
  test::TempGameDir game;
  test::TempGameDir scripts;
  namespace fs = std::filesystem;
  for (const auto& [name, text] : files) {
    const fs::path p = fs::path(scripts.path()) / name;
    fs::create_directories(p.parent_path());
    std::ofstream(p) << text;
  }
  const std::string top = (fs::path(scripts.path()) / "top.fs").string();
  std::ofstream(top) << script;
  RunOptions opt;
  opt.gameDir = game.path();
  opt.scriptPath = top;
  std::ifstream in(top);
  std::ostringstream out;
  RunResult r;
  r.status = runScript(in, out, opt);
  r.out = out.str();
  return r;
}

// include FILE runs the file's commands in place of its line, the path taken from the
// including file's folder; a missing file, a cycle and too deep a nesting are errors of the
// include line, and a failure inside an included file names both places.
TEST(ScriptRunner, IncludeRunsASharedSetUp) {
  std::map<std::string, std::string> deep;  // files n0 .. n10, each including the next
  for (int i = 0; i < 10; ++i) deep["n" + std::to_string(i) + ".fsi"] = "include n" + std::to_string(i + 1) + ".fsi\n";
  deep["n10.fsi"] = "set Gold 5\n";
  struct Case {
    const char* name;
    std::map<std::string, std::string> files;
    std::string script;
    const char* want;  // a line the output holds (nullptr: the run passes with no output)
  };
  const Case cases[] = {
      {"runs in place", {{"common/gold.fsi", "set Gold 1234\n"}},
       "include common/gold.fsi\nexpect Gold = 1234\n", nullptr},
      // A nested include is relative to the file that holds it, not to the top script.
      {"nested, relative to the including file",
       {{"common/outer.fsi", "include inner.fsi\nset People 77\n"}, {"common/inner.fsi", "set Gold 9\n"}},
       "include common/outer.fsi\nexpect Gold = 9\nexpect People = 77\n", nullptr},
      // The same file may be included twice one after the other: that is no cycle.
      {"twice in a row", {{"g.fsi", "set Gold 3\n"}}, "include g.fsi\ninclude g.fsi\nexpect Gold = 3\n", nullptr},
      {"missing file", {}, "# set-up\ninclude nowhere.fsi\n", "error: line 2: cannot include nowhere.fsi: no such file"},
      {"a file including itself", {{"self.fsi", "include self.fsi\n"}}, "include self.fsi\n",
       "error: line 1 (self.fsi line 1): include cycle: self.fsi is already being read"},
      {"a cycle through another file", {{"a.fsi", "include b.fsi\n"}, {"b.fsi", "\ninclude a.fsi\n"}},
       "include a.fsi\n", "error: line 1 (a.fsi line 1, b.fsi line 2): include cycle: a.fsi is already being read"},
      {"too deep", deep, "include n0.fsi\n", "includes nest deeper than 8 files: n8.fsi"},
      {"a failed expect inside", {{"e.fsi", "set Gold 1\nexpect Gold = 2\n"}}, "\ninclude e.fsi\n",
       "FAIL line 2 (e.fsi line 2): Gold is 1, expected 2"},
      {"no file named", {}, "include\n", "error: line 1: usage: include FILE"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RunResult r = runWithIncludes(c.files, c.script);
    if (!c.want) {
      EXPECT_EQ(r.status, 0) << r.out;
      EXPECT_EQ(r.out, "");
      continue;
    }
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find(c.want), std::string::npos) << r.out;
  }
}

// After an included file the including script goes on; a set-up that opens a modal screen
// leaves it open for the commands after the include line.
TEST(ScriptRunner, IncludedSetUpLeavesItsScreensOpen) {
  RunResult r = runWithIncludes({{"start.fsi", "start\n"}},
                                "include start.fsi\nexpect-open TipsFrm\nclick TipsFrm.CloseLbl\nexpect-open !TipsFrm\n");
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out, "");
}

}  // namespace
}  // namespace fief
