#include "military/battle_handover_screens.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>

#include "campaign/events.h"
#include "campaign/game_bindings.h"
#include "campaign/missions.h"
#include "map/map_objects.h"
#include "map/map_view.h"
#include "military/armies.h"
#include "military/military_screens.h"
#include "military/units.h"
#include "text_names.h"
#include "turn/turn.h"
#include "turn/turn_screen.h"
#include "ui/dialogs.h"
#include "ui/game.h"

namespace fief {

namespace {

struct Session {
  bool active = false;
  BattleRequest request;
  CampComp sent{};
  BattleConsequence after;
  BattleFallback failed;
  uint32_t battleId = 0;
  int program = 0;
  int64_t startedAt = 0;
  bool programEnded = false;  // seen ended once without a finished status
  std::array<uint8_t, kSettingCount> lastSettings{};
  // What the results screen shows and applies.
  FightOut out;
  BattlePlunder plunder;
};

Session& session(Game& g) { return g.screenState<Session>(); }

// A new id for every hand-over, never 0, and unlike the ids of earlier runs of the
// campaign (a battle program given up by one of them may still write).
uint32_t newBattleId() {
  static uint32_t next = [] {
    std::random_device dev;
    return dev();
  }();
  ++next;
  if (next == 0) ++next;
  return next;
}

BattleEnvironment environment(Game& g) {
  BattleEnvironment e;
  e.level = g.s.CurrentLevel ? g.s.CurrentLevel : 15;
  e.levelHasOwnMaps = false;
  e.highDetail = g.optim.highDetail();
  e.fadeEffects = !g.optim.fadeEffectsOff();
  e.soundAvailable = g.SoundAvailable;
  e.displayOption = g.optim.DisplayOption;
  e.furtherDisplayOption = g.optim.Option21;
  e.advancedFlag = g.optim.Option22;
  return e;
}

// The status file is read where the player's files are read and written where they go.
std::string statusPath(Game& g) { return g.path(kFightStatusFile); }
std::string statusWritePath(Game& g) { return g.writePath(kFightStatusFile); }

// A message for the player names the exchange files as they lie in the program folder
// ("Fight_out.rz"), not by the folder's whole path.
std::string inProgramFolder(const Game& g, std::string text) {
  namespace fs = std::filesystem;
  for (const std::string& file : {g.path(kFightOutFile), g.writePath(kFightOutFile)}) {
    const std::string prefix = fs::path(file).parent_path().string() + "/";
    for (size_t at = text.find(prefix); at != std::string::npos; at = text.find(prefix, at)) text.erase(at, prefix.size());
  }
  return text;
}

// The campaign screen comes back: no fade, the pointer shown.
void unfade(Game& g) {
  g.shell.setFade(0);
  g.shell.setPointer(Pointer::Normal);
}

// Ends the session: polling stops and the status is acknowledged. A program still running
// may write later; its results carry this battle's id, which no later battle takes.
void endSession(Game& g) {
  Session& ss = session(g);
  g.timers.disable("BattleTimer");
  std::string err;
  writeFightStatus(statusWritePath(g), kFightAcknowledged, err);
  ss.active = false;
  ss.after = nullptr;
  ss.failed = nullptr;
  ss.battleId = 0;
  ss.program = 0;
}

// The battle is called off: nothing was fought; the caller's fallback runs.
void abandon(Game& g, const std::string& why) {
  BattleFallback failed = std::move(session(g).failed);
  endSession(g);
  unfade(g);
  // The fallback runs before the message waits for the player, so that no other battle
  // begins in between.
  if (failed) failed(g);
  ShowMessageBox(g, inProgramFolder(g, why) + " The battle is not fought; your army stands as it was.");
  refreshArmyViews(g);
}

void showResults(Game& g, const FightOut& out);

}  // namespace

bool battleRunning(Game& g) { return session(g).active; }

const FightOut& takenResults(Game& g) { return session(g).out; }

uint32_t runningBattleId(Game& g) { return session(g).active ? session(g).battleId : 0; }

void DropBattle(Game& g) {
  Session& ss = session(g);
  if (!ss.active) return;
  endSession(g);
  if (g.s.FadeMode == kBattleFade) g.s.FadeMode = kNoFade;
  unfade(g);
}

void bindBattleSights(Game& g) {
  // A battle of the game left is not the loaded game's.
  g.views.onSight(Sight::GameLoaded, nullptr, [&g](int) { DropBattle(g); });
}

bool StartBattle(Game& g, const BattleRequest& r, BattleConsequence after, BattleFallback failed) {
  Session& ss = session(g);
  if (ss.active || !campExists(g.s, r.camp)) return false;
  // What the army has achieved counts before it goes into battle.
  EvaluateObjectives(g);
  std::string err;
  // Results of an earlier battle are never read as this one's.
  std::error_code ec;
  std::filesystem::remove(g.writePath(kFightOutFile), ec);
  if (!writeFightStatus(statusWritePath(g), kFightRunning, err)) {
    ShowMessageBox(g, inProgramFolder(g, err));
    return false;
  }
  FightIn in = BuildFightIn(g.s, environment(g), r, g.rng, ss.lastSettings);
  in.BattleId = newBattleId();
  if (!writeFightIn(g.writePath(kFightInFile), in, err)) {
    std::string ignored;
    writeFightStatus(statusWritePath(g), kFightAcknowledged, ignored);
    ShowMessageBox(g, inProgramFolder(g, err));
    return false;
  }
  ss.lastSettings = in.Settings;
  ss.active = true;
  ss.request = r;
  ss.sent = soldiersSent(g.s.CampComposition[r.camp - 1], in.Armies[0].Reduced != 0);
  ss.after = std::move(after);
  ss.failed = std::move(failed);
  ss.battleId = in.BattleId;
  ss.program = 0;
  ss.programEnded = false;
  // The army handed to the battle program, as the state records it.
  g.s.BattleArmy.clear();
  for (int u = 0; u < kUnitCount; ++u) g.s.BattleArmy.set(u, ss.sent.get(u));
  g.s.SelectedCamp = static_cast<uint8_t>(r.camp);
  if (!g.optim.fadeEffectsOff()) {
    // The fade screen darkens the campaign screen and then hands over.
    FadeToBattle(g, LaunchBattleProgram);
  } else {
    LaunchBattleProgram(g);
  }
  return true;
}

void LaunchBattleProgram(Game& g) {
  Session& ss = session(g);
  if (!ss.active) return;
  g.timers["BattleTimer"].Tick = [&g] { BattleTimerTick(g); };
  g.timers.enable("BattleTimer");
  ss.startedAt = g.shell.nowMs();
  ss.program = g.shell.startWatchedProgram(g.programPath("battledata.rz"));
  if (ss.program == 0) abandon(g, "The battle program could not be started.");
}

void BattleTimerTick(Game& g) {
  Session& ss = session(g);
  if (!ss.active) {
    g.timers.disable("BattleTimer");
    return;
  }
  int status = -1;
  std::string err;
  // A status file that cannot be read now may be read on a later tick.
  if (readFightStatus(statusPath(g), status, err) && status == kFightFinished) {
    writeFightStatus(statusWritePath(g), kFightAcknowledged, err);
    FightOut out;
    if (!readFightOut(g.path(kFightOutFile), out, err)) {
      abandon(g, "The battle results could not be read: " + err + ".");
      return;
    }
    if (out.BattleId != ss.battleId) {
      // Another battle's results (a program given up earlier, a file left behind): this
      // battle's program is still to answer.
      std::fprintf(stderr, "fiefdom: %s holds the results of another battle; they are ignored\n", kFightOutFile);
    } else {
      g.timers.disable("BattleTimer");
      showResults(g, out);
      return;
    }
  }
  if (!g.shell.programRunning(ss.program)) {
    // One more tick for a status written just as the program ended.
    if (ss.programEnded) {
      abandon(g, "The battle program ended without a result.");
      return;
    }
    ss.programEnded = true;
  } else if (g.shell.nowMs() - ss.startedAt >= kBattleTimeoutMs) {
    abandon(g, "The battle program gave no result for a long time.");
  }
}

// ---- the results screen

class ResultsFrm : public Form {
 public:
  explicit ResultsFrm(Game& g) : Form(g, "ResultsFrm") {
    Control& t = add(label("TitleLbl", 24, 14, 512, 30));
    t.Title = true;
    t.FontSize = 18;
    t.Align = 1;
    Control& o = add(label("OutcomeLbl", 24, 48, 512, 32));
    o.Title = true;
    o.FontSize = 20;
    o.Align = 1;
    add(label("ArmyNameLbl", 24, 90, 320, 24)).Title = true;
    for (int u = 0; u < kUnitCount; ++u) {
      const int x = 24 + (u / 7) * 164, y = 118 + (u % 7) * 22;
      const std::string n = kUnitNames[u];
      add(label(n + "NameLbl", x, y, 110, 20)).FontSize = 10;
      add(label(n + "Lbl", x + 110, y, 46, 20)).Align = 2;
    }
    add(label("WeDeathCaptionLbl", 360, 90, 120, 22));
    add(label("WeDeathLbl", 480, 90, 56, 22)).Align = 2;
    add(label("EnemyDeathCaptionLbl", 360, 114, 120, 22));
    add(label("EnemyDeathLbl", 480, 114, 56, 22)).Align = 2;
    add(label("PlunderLbl", 360, 150, 176, 24)).Title = true;
    const char* goods[5] = {"Crops", "Meat", "Wood", "Stone", "Ore"};
    for (int i = 0; i < 5; ++i) {
      add(label(std::string(goods[i]) + "CaptionLbl", 376, 176 + i * 22, 100, 20)).FontSize = 10;
      add(label(std::string(goods[i]) + "Lbl", 476, 176 + i * 22, 60, 20)).Align = 2;
    }
    add(button("OkAniBtn", 200, 380, 160, 40));
    onClick("OkAniBtn", [this] { confirm(); });
  }

  void Form_Load() override {
    Session& ss = session(g_);
    const GameState& s = g_.s;
    const bool won = ss.out.won();
    g_.ShowText(ctl("TitleLbl"), txt::captions::BattleResults);
    g_.ShowText(ctl("OutcomeLbl"), won ? txt::campaign1::Victory : txt::campaign1::Defeat);
    ctl("OutcomeLbl").ForeColor = won ? kMetColour : kWarningColour;
    const int camp = ss.request.camp;
    g_.ShowText(ctl("ArmyNameLbl"), txt::campaign1::ArmyNames[camp >= 1 && camp <= 3 ? camp : 4]);
    const CampComp& c = s.CampComposition[std::clamp(camp, 1, 3) - 1];
    for (int u = 0; u < kUnitCount; ++u) {
      const std::string n = kUnitNames[u];
      ctl(n + "NameLbl").Caption = g_.text(txt::campaign1::UnitNames[typeNumber(static_cast<Unit>(u))]);
      ctl(n + "Lbl").Caption = std::to_string(c.get(u));
    }
    g_.ShowText(ctl("WeDeathCaptionLbl"), txt::campaign1::OurDead);
    g_.ShowText(ctl("EnemyDeathCaptionLbl"), txt::campaign1::EnemyDead);
    ctl("WeDeathLbl").Caption = std::to_string(ss.out.OurDead);
    ctl("EnemyDeathLbl").Caption = std::to_string(ss.out.EnemyDead);
    g_.ShowText(ctl("PlunderLbl"), txt::campaign1::Plunder);
    const int amounts[5] = {ss.plunder.crops, ss.plunder.meat, ss.plunder.wood, ss.plunder.stone, ss.plunder.ore};
    const char* goods[5] = {"Crops", "Meat", "Wood", "Stone", "Ore"};
    const TextId captions[5] = {txt::captions::Crops, txt::captions::Meat, txt::captions::Wood, txt::captions::Stone,
                                txt::captions::Ore};
    for (int i = 0; i < 5; ++i) {
      g_.ShowText(ctl(std::string(goods[i]) + "CaptionLbl"), captions[i]);
      ctl(std::string(goods[i]) + "Lbl").Caption = won ? "+" + std::to_string(amounts[i]) : "-";
    }
    ctl("PlunderLbl").Visible = true;
    g_.ShowText(ctl("OkAniBtn"), txt::captions::Ok);
    g_.PlaySound(kEventChannel, won ? "victory.wav" : "defeat.wav");
  }

  void Form_KeyUp(Key k) override {
    if (k == Key::Enter || k == Key::Escape) confirm();
  }

 private:
  void confirm() {
    Session& ss = session(g_);
    close();
    const bool won = ss.out.won();
    BattleConsequence after = std::move(ss.after);
    ss.after = nullptr;
    ss.failed = nullptr;
    ss.active = false;
    ss.battleId = 0;
    if (after) after(g_, won);
    refreshArmyViews(g_);
    // The mission screen shows what the battle changed of the objectives, once the last
    // of the battles that wait has been fought (and unless a defeat has put it on view).
    if (!battleRunning(g_) && g_.battlesWaiting == 0 && !g_.form("TipsFrm").Visible) g_.form("TipsFrm").showModal();
  }
};
FIEF_REGISTER_FORM(ResultsFrm);

namespace {
void showResults(Game& g, const FightOut& out) {
  Session& ss = session(g);
  std::string err;
  // The camp is touched only by results that fit the army sent.
  if (!checkResults(out, ss.sent, err)) {
    abandon(g, "The battle results could not be read: " + err + ".");
    return;
  }
  unfade(g);
  ss.out = out;
  ss.plunder = ApplyBattleResults(g.s, ss.request.camp, ss.sent, out, g.rng);
  g.play.battleFought(out.won(), ss.plunder.fallen);
  // The status panel below the results shows the stores with the plunder in them.
  g.invalidate(View::Status);
  g.form("ResultsFrm").showModal();
}
}  // namespace

// ---- the battles of the map's sites

bool StartSiteBattle(Game& g, int site, int camp) {
  static const std::map<int, const char*> kMaps = {
      {1, "field2"}, {2, "field3"}, {3, "field4"}, {4, "village1"}, {13, "ruins1"}, {kVillageHoldersSite, "village1"},
      {kOutlawVillageSite, "village1"}, {kOutlawMillSite, "field1"}};
  auto it = kMaps.find(site);
  if (it == kMaps.end() || !campExists(g.s, camp)) return false;
  if (site >= kVillageHoldersSite && !holdersAt(g.s, site)) return false;  // nobody holds the place any more
  BattleRequest r;
  r.mapName = it->second;
  r.camp = camp;
  r.enemyId = static_cast<uint8_t>(site);
  r.enemy = siteEnemy(g.s, site);
  // An encounter's force stands in the first opponent slot while its battle is fought.
  if (site >= kVillageHoldersSite) g.s.OpponentArmySlots[0] = r.enemy;
  r.enemyMorale = 50;
  return StartBattle(g, r, [site](Game& game, bool won) {
    if (won) siteWon(game.s, site);
  });
}

namespace {
const bool kRegistered = [] {
  registerScreenEventKind(kGiveBattleEvent, true, [](Game& g) { StartSiteBattle(g, g.s.BattleSite, g.s.SelectedCamp); });
  // The question says what the army would meet: the same guess at the force's strength
  // that the ruins' description gives.
  setEventNote(kGiveBattleEvent, [](const Rules& r) -> std::vector<TextId> {
    const long soldiers = siteEnemy(r.s, r.s.BattleSite).total();
    if (soldiers <= 0) return {};
    return {txt::campaign1::entry(ForceEstimateText(soldiers))};
  });
  return true;
}();
}  // namespace

}  // namespace fief
