// The soak: seeded random play through the script runner. A generator answers the runner's
// requests for its next command from what the runner printed so far: it asks for the open
// forms and the top form's controls, then clicks, picks, types, presses keys, waits,
// saves and loads, ends turns and sets fields to random values within their widths.
// After every turn (once its dialogs are closed) it checks the county's invariants; any command that fails with an
// error other than the ones random input may cause fails the soak, and the sanitizer
// build stops it at the first fault it sees.
//
// Both rival lords are in play from the start, with armies on their way, so that their
// raids and attacks come. Every battle handed to the battle program is answered as the
// program would (survivors drawn from the army sent, either outcome), or now and then
// fails (the program ends without a result, the results are damaged). Now and then the
// game is quick-saved and loaded, and the loaded game must be the one saved. A soak that
// plays fewer turns, battles or round trips than asked for fails: it has not tried what it
// guards.
//
// usage: fiefdom_soak GAME_DIR [--seed N] [--steps N] [--seconds N] [--min-turns N]
//                              [--min-battles N] [--min-round-trips N]
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <streambuf>

#include <deque>

#include "campaign/option_files.h"
#include "military/fight_files.h"
#include "state/save_record.h"
#include "state/state_json.h"
#include "ui/headless/script_runner.h"

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

// The runner's output, kept so that the generator can read the last lines.
class Capture : public std::streambuf {
 public:
  std::string text;
  size_t taken = 0;
  // The lines printed since the last call.
  std::vector<std::string> newLines() {
    std::vector<std::string> lines;
    size_t end;
    while ((end = text.find('\n', taken)) != std::string::npos) {
      lines.push_back(text.substr(taken, end - taken));
      taken = end + 1;
    }
    if (taken > (1u << 20)) {
      text.erase(0, taken);
      taken = 0;
    }
    return lines;
  }

 protected:
  int overflow(int c) override {
    if (c != EOF) text.push_back(static_cast<char>(c));
    return c;
  }
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    text.append(s, static_cast<size_t>(n));
    return n;
  }
};

struct Field {
  const char* path;
  double lo, hi;
  bool real = false;
};

// Fields set at random, each within its width (the stocks and counts over their whole
// range, the values that index tables too). Compositions and the soldiers of the camps are
// left alone: the camps' sums are one of the invariants.
const Field kFields[] = {
    {"Gold", -2147483648.0, 2147483647.0},  {"Wood", -2147483648.0, 2147483647.0},
    {"Stone", -2147483648.0, 2147483647.0}, {"Ore", -2147483648.0, 2147483647.0},
    {"Crops", -2147483648.0, 2147483647.0}, {"Meat", -2147483648.0, 2147483647.0},
    {"People", -2147483648.0, 2147483647.0}, {"Happiness", -32768, 32767},
    {"Health", -32768, 32767},              {"Leadership", -32768, 32767},
    {"Nobility", -32768, 32767},            {"Diplomacy", -32768, 32767},
    {"Religion", -32768, 32767},            {"TaxRate", 0, 255},
    {"Season", 0, 255},                     {"ScienceLevel", 0, 255},
    {"ResearchCountdown", 0, 255},          {"GuardLevel", 0, 255},
    {"BuildingUnderWay", 0, 255},           {"BuildTurnsLeft", 0, 255},
    {"BlacksmithOrder", 0, 255},            {"FieldKind[0]", 0, 255},
    {"FieldKind[9]", 0, 255},               {"SelectedField", 0, 255},
    {"SellGood", 0, 255},                   {"BuyGood", 0, 255},
    {"SellPercent", 0, 255},                {"BuyPercent", 0, 255},
    {"ObjectMissionCountdown", 0, 255},     {"ObjectMissionTarget", 0, 255},
    {"CountyBlessings[2]", 0, 255},         {"VillageState[1]", 0, 255},
    {"BowStock", 0, 32767},                 {"SwordStock", 0, 32767},
    {"RebelForceA", -32768, 32767},         {"RebelsActive", -1, 0},
    {"BuyBaseWood", -2147483648.0, 2147483647.0},
    {"Morale", -1000, 1000, true},
};

// Both rivals in play, rich, and at war: rival 1's host marches on the castle, his raiders
// on the village; rival 2's army is on its way too.
const char* const kRivalsInPlay[] = {
    "set Rival1.Active -1",      "set Rival2.Active -1",        "set Rival1.Gold 50000",
    "set Rival2.Gold 50000",     "set Rival1.Morale 40",        "set Rival2.Morale 40",
    "set Rival1.Values[5] -1",   "set Rival2.Values[5] -1",     "set EnemyCamp[1][1] 300",
    "set EnemyCamp[1][2] 100",   "set Rival1.Values[6] 8",      "set Rival1.Bytes[1] 3",
    "set Rival1AttackState 3",   "set Rival1WarState 3",        "set EnemyCamp[4][2] 200",
    "set Rival2WarState 4",
};

const char* const kKeys[] = {"Enter", "Escape", "F3", "F6", "F7", "Up", "Down", "Left", "Right",
                             "Add", "Subtract", "Divide", "A", "S", "1", "2"};
const char* const kNames[] = {"A", "Save one", "QuickSave", "AutoSave", "Save and Exit", "\xc3\xa9t\xc3\xa9", ""};

class Soak : public std::streambuf {
 public:
  Soak(uint64_t seed, long steps, std::chrono::steady_clock::time_point deadline, Capture& out)
      : rnd_(seed), steps_(steps), deadline_(deadline), out_(out) {}

  long turns = 0;
  long commands = 0;
  long actions = 0;
  long battles = 0;     // battles answered with results
  long roundTrips = 0;  // quick saves loaded back and compared
  std::vector<std::string> failures;

 protected:
  int underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (!next(line_)) return traits_type::eof();
    line_ += '\n';
    setg(line_.data(), line_.data(), line_.data() + line_.size());
    return traits_type::to_int_type(*gptr());
  }

 private:
  enum class Want {
    Start, Open, Screen, Act, Turn, Counter, Programs, BattleArmy, State, Messages,
    TripState, TripSave, TripSaveOpen, TripSaveBox, TripSaved, TripLoad, TripLoadOpen, TripLoadBox, TripLoadState,
    TripLoaded
  };

  int pick(int n) { return static_cast<int>(rnd_() % static_cast<unsigned>(n)); }

  void failure(const std::string& what) {
    if (failures.size() < 20) failures.push_back(what);
  }

  // Reads what the last command printed: errors, and the answer to a query.
  std::vector<std::string> answers() {
    std::vector<std::string> rest;
    for (auto& l : out_.newLines()) {
      if (l.rfind("error: ", 0) == 0) {
        if (l.find("the program has ended") != std::string::npos) ended_ = true;
        else failure(l + "   (after: " + last_ + ")");
      } else if (l.rfind("FAIL", 0) == 0) {
        failure(l);
      } else {
        rest.push_back(l);
      }
    }
    return rest;
  }

  bool next(std::string& cmd) {
    std::vector<std::string> got = answers();
    if (ended_ || steps_ <= 0 || std::chrono::steady_clock::now() > deadline_) return false;
    if (!queued_.empty()) {
      cmd = queued_.front();
      queued_.pop_front();
    } else {
      cmd = command(got);
    }
    last_ = cmd;
    if (std::getenv("SOAK_TRACE")) {
      for (auto& l : got) std::cerr << "  < " << l.substr(0, 120) << "\n";
      std::cerr << cmd << "\n";
    }
    ++commands;
    return true;
  }

  std::string command(const std::vector<std::string>& got) {
    json answer = got.empty() ? json() : json::parse(got.back(), nullptr, false);
    switch (want_) {
      case Want::Start:
        want_ = Want::Open;
        for (const char* c : kRivalsInPlay) queued_.push_back(c);
        return "start";
      case Want::Open:
        want_ = Want::Screen;
        return "open";
      case Want::Screen:
        if (!answer.is_array() || answer.empty()) {
          ended_ = true;  // nothing open: the program has ended
          return "programs";
        }
        top_ = answer.back().get<std::string>();
        // A turn is over when the campaign screen is on top again (its dialogs are closed).
        if (turnPending_ && top_ == "Camp1Frm") {
          turnPending_ = false;
          ++turns;
          want_ = Want::State;
          return "state";
        }
        want_ = Want::Act;
        return "screen " + top_;
      case Want::Act:
        controls_ = answer.is_object() ? answer : json::object();
        want_ = Want::Turn;
        --steps_;
        ++actions;
        {
          std::string a = action();
          endTurnAsked_ = a == "key Camp1Frm Enter" || a == "click Camp1Frm.EndTurnBtn";
          return a;
        }
      case Want::Turn:
        want_ = Want::Counter;
        return "get TurnCounter";
      case Want::Counter:
        // Only a turn counter moved by an end of turn: a load (F7) moves it too, to whatever
        // the save holds.
        // A counter moved otherwise (a load, the level replayed after a defeat) leaves no
        // turn of the game on view to check.
        if (turnChanged(answer)) turnPending_ = endTurnAsked_;
        endTurnAsked_ = false;
        want_ = Want::Programs;
        return "programs";
      case Want::Programs:
        // A battle program started since the last look: answer it.
        if (answer.is_object() && answer.contains("started") && answer["started"].size() > answered_) {
          answered_ = answer["started"].size();
          want_ = Want::BattleArmy;
          return "get BattleArmy";
        }
        want_ = Want::Screen;
        if (top_ == "Camp1Frm" && pick(30) == 0) want_ = Want::TripState;
        return "open";
      case Want::BattleArmy: {
        answerBattle(answer);
        want_ = Want::Open;
        std::string c = queued_.front();
        queued_.pop_front();
        return c;
      }
      case Want::TripState:
        // A round trip starts only from the campaign screen itself.
        want_ = Want::Screen;
        if (!answer.is_array() || answer.empty() || answer.back() != "Camp1Frm") return "open";
        want_ = Want::TripSave;
        return "state";
      case Want::TripSave:
        savedState_ = answer;
        want_ = Want::TripSaveOpen;
        return "key Camp1Frm F6";
      case Want::TripSaveOpen:
        want_ = Want::TripSaveBox;
        return "open";
      case Want::TripSaveBox:
        if (!answer.is_array() || answer.empty() || answer.back() != "MsgFrm") {
          want_ = Want::Screen;  // refused without a word (a battle or a walk under way)
          return "open";
        }
        want_ = Want::TripSaved;
        return "screen MsgFrm";
      case Want::TripSaved: {
        const bool saved = answer.is_object() && answer.contains("MsgLbl") &&
                           answer["MsgLbl"].value("text", "") == "The game has been saved.";
        want_ = saved ? Want::TripLoad : Want::Open;
        return "click MsgFrm.OkAniBtn";
      }
      case Want::TripLoad:
        want_ = Want::TripLoadOpen;
        return "key Camp1Frm F7";
      case Want::TripLoadOpen:
        want_ = Want::TripLoadBox;
        return "open";
      case Want::TripLoadBox:
        want_ = Want::TripLoaded;
        if (answer.is_array() && !answer.empty() && answer.back() == "MsgFrm") {
          want_ = Want::TripLoadState;
          return "click MsgFrm.OkAniBtn";
        }
        return "state";
      case Want::TripLoadState:
        want_ = Want::TripLoaded;
        return "state";
      case Want::TripLoaded:
        if (answer.is_object()) compareRoundTrip(answer);
        want_ = Want::Screen;
        return "open";
      case Want::State:
        if (answer.is_object()) checkState(answer);
        want_ = Want::Messages;
        return "messages";
      case Want::Messages:
        if (answer.is_object())
          for (const char* l : {"list1", "list2"})
            if (answer[l].size() > 8) failure(std::string("more than 8 messages in ") + l + ": " + answer[l].dump());
        want_ = Want::Act;
        return "screen " + top_;
    }
    return "open";
  }

  std::string action() {
    std::vector<std::string> usable, lists, boxes;
    for (auto& [name, c] : controls_.items()) {
      if (!c.value("visible", false) || !c.value("enabled", false) || c.value("inert", false)) continue;
      const std::string kind = c.value("kind", "");
      if (kind == "list" || kind == "filelist") {
        if (c.contains("items") && !c["items"].empty()) lists.push_back(name);
      } else if (kind == "textbox") {
        boxes.push_back(name);
      } else if (kind != "progressbar") {
        usable.push_back(name);
      }
    }
    const bool onMap = top_ == "Camp1Frm";
    const int roll = pick(100);
    if (roll < 50 && !usable.empty()) return "click " + top_ + "." + usable[pick(static_cast<int>(usable.size()))];
    if (roll < 53 && !usable.empty()) return "rclick " + top_ + "." + usable[pick(static_cast<int>(usable.size()))];
    if (roll < 58 && !lists.empty()) {
      const std::string l = lists[pick(static_cast<int>(lists.size()))];
      return "pick " + top_ + "." + l + " " + std::to_string(pick(static_cast<int>(controls_[l]["items"].size())));
    }
    if (roll < 63 && !boxes.empty())
      return "type " + top_ + "." + boxes[pick(static_cast<int>(boxes.size()))] + " \"" + kNames[pick(7)] + "\"";
    if (roll < 75) return std::string("key ") + top_ + " " + kKeys[pick(static_cast<int>(std::size(kKeys)))];
    if (roll < 80) return "wait " + std::to_string(pick(4) == 0 ? pick(100000) : pick(2000));
    if (roll < 92 && onMap) {
      const Field& f = kFields[pick(static_cast<int>(std::size(kFields)))];
      std::uniform_real_distribution<double> d(f.lo, f.hi);
      double v = d(rnd_);
      // The edges of the width are what breaks arithmetic: take them often.
      if (pick(3) == 0) v = pick(2) ? f.lo : f.hi;
      char buf[64];
      if (f.real) std::snprintf(buf, sizeof buf, "%.3f", v);
      else std::snprintf(buf, sizeof buf, "%.0f", std::floor(v));
      return std::string("set ") + f.path + " " + buf;
    }
    if (onMap) return "key Camp1Frm Enter";
    return "wait 100";
  }

 public:
  // After a turn: the state and the message lists.
  void checkState(const json& s) {
    auto fail = [&](const std::string& what) { failure("turn " + std::to_string(s.value("TurnCounter", 0)) + ": " + what); };
    for (const char* k : {"Gold", "Wood", "Stone", "Ore", "Crops", "Meat", "People", "IdlePeople"})
      if (s[k].get<long long>() < 0) fail(std::string(k) + " is negative");
    for (const char* k : {"Happiness", "Health", "Leadership", "Nobility", "Diplomacy", "Religion"}) {
      const long long v = s[k].get<long long>();
      if (v < 0 || v > 100) fail(std::string(k) + " is " + std::to_string(v));
    }
    const double m = s["Morale"].get<double>();
    if (!(m >= -100 && m <= 100)) fail("Morale is " + std::to_string(m));
    const long long season = s["Season"].get<long long>(), turn = s["TurnCounter"].get<long long>();
    if (season < 1 || season > 4) fail("Season is " + std::to_string(season));
    if (turn < 2 || turn > 200) fail("TurnCounter is " + std::to_string(turn));
    long long work = 0;
    for (const char* k : {"OreCutterPeople", "StoneCutterPeople", "WoodCutterPeople", "PasturePeople", "CropFieldPeople"})
      work += s[k].get<long long>();
    if (work + s["IdlePeople"].get<long long>() != s["People"].get<long long>())
      fail("the people do not add up: " + std::to_string(work) + " at work, " + s["IdlePeople"].dump() + " idle, " +
           s["People"].dump() + " people");
    for (int k = 0; k < 3; ++k) {
      if (s["CampExists"][k].get<int>() == 0) continue;
      long long sum = 0;
      for (auto& n : s["CampComposition"][k]) sum += n.get<long long>();
      if (sum != s["ArmyCampSoldiers"][k].get<long long>())
        fail("camp " + std::to_string(k + 1) + " holds " + s["ArmyCampSoldiers"][k].dump() + " soldiers, its composition " +
             std::to_string(sum));
    }
  }

  // A battle program was started: the army sent is BattleArmy (composition order). The
  // answer is what a battle program would write, or one of the ways a battle fails.
  void answerBattle(const json& sent) {
    const int way = pick(10);
    if (way == 0) {
      queued_.push_back("end-programs");  // the program ends without a result
      queued_.push_back("wait 3000");
      return;
    }
    if (way == 1) {
      queued_.push_back("put-hex Fight_out.rz 0100 01");  // damaged results
      queued_.push_back("put fight_status.rz 2");
      queued_.push_back("wait 3000");
      return;
    }
    std::array<int16_t, fief::kUnitCount> byUnit{};
    if (sent.is_array() && sent.size() == fief::kUnitCount)
      for (int u = 0; u < fief::kUnitCount; ++u) {
        const long long n = sent[u].is_number_integer() ? sent[u].get<long long>() : 0;
        byUnit[u] = static_cast<int16_t>(n > 0 ? pick(static_cast<int>(std::min<long long>(n, 32767)) + 1) : 0);
      }
    const fief::RosterCounts ours = fief::toRosterOrder(byUnit);
    std::string cmd = "fight-out " + std::to_string(pick(2)) + " " + std::to_string(pick(500)) + " " +
                      std::to_string(pick(500)) + " ";
    for (int i = 0; i < fief::kRosterSize; ++i) cmd += (i ? "," : "") + std::to_string(ours[i]);
    cmd += " ";
    for (int i = 0; i < fief::kRosterSize; ++i) cmd += (i ? "," : "") + std::to_string(pick(300));
    if (way == 2) queued_.push_back("fight-out --id 0 1 0 0 " + std::string("0,0,0,0,0,0,0,0,0,0,0,0,0,0"));  // stale
    if (way == 2) queued_.push_back("put fight_status.rz 2");
    if (way == 2) queued_.push_back("wait 2000");
    queued_.push_back(cmd);
    queued_.push_back("put fight_status.rz 2");
    queued_.push_back("wait 3000");
    ++battles;
  }

  // The game loaded from the quick save is the one saved: its saved fields are those of the
  // state before the save, as a save record keeps them.
  void compareRoundTrip(const json& loaded) {
    if (!savedState_.is_object()) return;
    fief::GameState before, after;
    std::string err;
    for (auto& [k, v] : savedState_.items()) fief::setField(before, k, v, err);
    for (auto& [k, v] : loaded.items()) fief::setField(after, k, v, err);
    fief::GameState kept = after;
    if (!fief::decodeSave(fief::encodeSave(before), kept, err)) {
      failure("the state before the quick save does not make a save record: " + err);
      return;
    }
    const json want = fief::savedStateToJson(kept), got = fief::savedStateToJson(after);
    if (want != got) {
      for (auto& [k, v] : want.items())
        if (got[k] != v) {
          failure("quick save and load: " + k + " was " + v.dump() + ", loaded " + got[k].dump());
          break;
        }
      return;
    }
    ++roundTrips;
  }

  // The answer of "get TurnCounter": whether a turn has passed since the last one.
  bool turnChanged(const json& v) {
    if (!v.is_number()) return false;
    const long long t = v.get<long long>();
    const bool changed = lastTurn_ >= 0 && t != lastTurn_;
    lastTurn_ = t;
    return changed;
  }

 private:
  std::mt19937_64 rnd_;
  long steps_;
  std::chrono::steady_clock::time_point deadline_;
  Capture& out_;
  std::string line_, last_, top_;
  json controls_;
  Want want_ = Want::Start;
  bool ended_ = false;
  long long lastTurn_ = -1;
  bool turnPending_ = false;
  bool endTurnAsked_ = false;
  std::deque<std::string> queued_;  // commands to send before asking the state machine
  size_t answered_ = 0;             // battle programs answered so far
  json savedState_;                 // the state just before a round trip's quick save
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: fiefdom_soak GAME_DIR [--seed N] [--steps N] [--seconds N]\n";
    return 2;
  }
  const fs::path game = argv[1];
  uint64_t seed = 1;
  long steps = 20000;
  double seconds = 60;
  long minTurns = 0, minBattles = 0, minRoundTrips = 0;
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string a = argv[i];
    if (a == "--seed") seed = std::stoull(argv[i + 1]);
    else if (a == "--steps") steps = std::stol(argv[i + 1]);
    else if (a == "--seconds") seconds = std::stod(argv[i + 1]);
    else if (a == "--min-turns") minTurns = std::stol(argv[i + 1]);
    else if (a == "--min-battles") minBattles = std::stol(argv[i + 1]);
    else if (a == "--min-round-trips") minRoundTrips = std::stol(argv[i + 1]);
    else {
      std::cerr << "soak: unknown option " << a << "\n";
      return 2;
    }
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(static_cast<long>(seconds * 1000));
  long sessions = 0, turns = 0, commands = 0, battles = 0, roundTrips = 0;
  std::vector<std::string> failures;
  // One program run after another (a run ends when the player leaves), until the steps
  // or the time are used up.
  while (steps > 0 && std::chrono::steady_clock::now() < deadline && failures.empty()) {
    char tmpl[] = "/tmp/fiefdom-soak-XXXXXX";
    const std::string dir = mkdtemp(tmpl);
    for (const char* d : {"localizations", "level15"})
      if (fs::exists(game / d)) fs::copy(game / d, fs::path(dir) / d, fs::copy_options::recursive);
    std::string err;
    if (!fief::initOptionFiles(dir, err)) {
      std::cerr << "soak: " << err << "\n";
      return 2;
    }
    Capture cap;
    std::ostream out(&cap);
    Soak soak(seed + static_cast<uint64_t>(sessions), steps, deadline, cap);
    std::istream in(&soak);
    fief::RunOptions opt;
    opt.gameDir = dir;
    fief::runScript(in, out, opt);
    steps -= soak.actions + 1;
    commands += soak.commands;
    turns += soak.turns;
    battles += soak.battles;
    roundTrips += soak.roundTrips;
    failures.insert(failures.end(), soak.failures.begin(), soak.failures.end());
    ++sessions;
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  // A soak that never got to what it guards has not passed.
  if (failures.empty() && turns < minTurns) failures.push_back(std::to_string(turns) + " turns played, fewer than " + std::to_string(minTurns));
  if (failures.empty() && battles < minBattles)
    failures.push_back(std::to_string(battles) + " battles answered, fewer than " + std::to_string(minBattles));
  if (failures.empty() && roundTrips < minRoundTrips)
    failures.push_back(std::to_string(roundTrips) + " saves loaded back, fewer than " + std::to_string(minRoundTrips));
  for (const auto& f : failures) std::cout << "soak: " << f << "\n";
  std::cout << "soak: " << sessions << " runs, " << commands << " commands, " << turns << " turns, " << battles
            << " battles, " << roundTrips << " round trips\n";
  std::cout << (failures.empty() ? "1 passed, 0 failed" : "0 passed, 1 failed") << "\n";
  return failures.empty() ? 0 : 1;
}
