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

}  // namespace
}  // namespace fief
