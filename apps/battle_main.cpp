// battledata.rz: the battle program. The campaign writes Fight_in.rz and the status 1 and
// starts it. With the auto-calculation code 505 the battle is fought at once, without a
// window; otherwise the battle window shows it. Either way it ends with Fight_out.rz and
// the status 2 — closing the window fights the rest at once — or, on any error, with a
// message on stderr, a non-zero exit and nothing written.
//
// Options: --seed N fights with that seed instead of the hand-over's own (for tests);
// --script FILE plays the battle without a window from the commands of FILE and hands
// the results back as usual; --replay FILE fights a kept battle (Fight_replay.rz) again,
// in the window or with --script, and hands nothing back.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "battle/battle_program.h"
#include "battle/battle_script.h"
#include "battle/battle_window_screen.h"
#include "campaign/files.h"
#include "ui/game.h"
#include "ui/platform/app.h"
#include "ui/platform/sdl_shell.h"

namespace {

int fail(const std::string& why) {
  std::fprintf(stderr, "battledata.rz: %s\n", why.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace fief;
  using namespace fief::battle;
  uint64_t seed = 0;
  bool seeded = false;
  std::string script, replay;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--seed" && i + 1 < argc) {
      char* end = nullptr;
      seed = std::strtoull(argv[++i], &end, 10);
      if (!end || *end) return fail(std::string("not a seed: ") + argv[i]);
      seeded = true;
    } else if (a == "--script" && i + 1 < argc) {
      script = argv[++i];
    } else if (a == "--replay" && i + 1 < argc) {
      replay = argv[++i];
    } else {
      return fail("unknown option " + a);
    }
  }
  const Folders where = gameFolders();
  if (!where.problem.empty()) std::fprintf(stderr, "battledata.rz: %s\n", where.problem.c_str());
  HandOver hand;
  std::vector<Order> replayed;
  std::string err;
  if (!replay.empty()) {
    if (!loadReplay(where, replay, hand, replayed, err)) return fail(err);
  } else {
    if (!loadHandOver(where, hand, err, seeded ? &seed : nullptr)) return fail(err);
    if (hand.calculate() && script.empty()) {
      if (calculateBattle(where, hand, err) != 0) return fail(err);
      return 0;
    }
  }

  BattleSession session(std::move(hand));
  if (!replay.empty()) session.replay(replayed);
  if (!script.empty()) {
    std::vector<uint8_t> text;
    if (!readFile(script, text, err)) return fail(err);
    runBattleScript(*session.battle, session.kept, std::string(text.begin(), text.end()), std::cout, std::cerr);
    if (!session.finishAndHandBack(where)) return fail(session.error);
    if (!session.error.empty()) std::fprintf(stderr, "battledata.rz: %s\n", session.error.c_str());
    if (session.replaying) std::cout << battleStateJson(*session.battle) << "\n";
    return 0;
  }
  currentSession() = &session;
  SdlShell shell(SdlShell::Options{"Fiefdom - battle"});
  Game g(shell, where);
  readDisplaySettings(g);
  // The game's unit names for the window; without the texts it names them as the model does.
  if (std::string why; !g.texts.load(where.program, why))
    std::fprintf(stderr, "battledata.rz: %s; units keep their short names\n", why.c_str());
  shell.preload(g, g.form("BattleFrm"));
  if (!shell.attach(g, err)) {
    // No window: the battle is still fought, at once, so the campaign gets its result.
    std::fprintf(stderr, "battledata.rz: %s; the battle is calculated instead\n", err.c_str());
  } else {
    g.SoundAvailable = shell.soundDevices() > 0 && !g.optim.soundOff();
    try {
      g.form("BattleFrm").show();
      shell.run();
    } catch (const ProgramEnded&) {
      // The player returned to the campaign or closed the window.
    } catch (const std::exception& e) {
      std::fprintf(stderr, "battledata.rz: the battle window stopped: %s\n", e.what());
    }
  }
  if (!session.finishAndHandBack(where)) return fail(session.error);
  if (!session.error.empty()) std::fprintf(stderr, "battledata.rz: %s\n", session.error.c_str());
  if (session.replaying) std::cout << battleStateJson(*session.battle) << "\n";
  return 0;
}
