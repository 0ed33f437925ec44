#include "battle/battle_script.h"

#include <fmt/format.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

namespace fief::battle {

namespace {

bool wholeNumber(const std::string& s, int lo, int hi, int& out) {
  size_t used = 0;
  try {
    const long v = std::stol(s, &used);
    if (used != s.size() || v < lo || v > hi) return false;
    out = static_cast<int>(v);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

// One line: returns why it could not apply (empty when it did).
std::string runLine(Battle& b, std::vector<Order>& kept, const std::vector<std::string>& w, std::ostream& out) {
  const std::string& cmd = w[0];
  auto formation = [&](const std::string& name, int& f) {
    f = findFormation(b, name);
    return f >= 0;
  };
  auto point = [&](size_t at, Order& o) {
    int x = 0, y = 0;
    if (w.size() != at + 2 || !wholeNumber(w[at], -32768, 32767, x) || !wholeNumber(w[at + 1], -32768, 32767, y))
      return false;
    o.x = static_cast<int16_t>(x), o.y = static_cast<int16_t>(y);
    return true;
  };
  if (cmd == "deploy") {
    Order o;
    o.kind = OrderKind::Deploy;
    int f = -1;
    if (w.size() < 2 || !formation(w[1], f)) return w.size() < 2 ? "usage: deploy FORMATION X Y" : "no formation " + w[1];
    if (!point(2, o)) return "usage: deploy FORMATION X Y";
    o.formation = static_cast<int16_t>(f);
    return giveOrder(b, kept, o);
  }
  if (cmd == "order") {
    if (w.size() < 3) return "usage: order FORMATION|all attack|move|hold|fallback [TARGET|X Y]";
    Order o;
    if (w[1] == "all") {
      if (w.size() != 3 || (w[2] != "attack" && w[2] != "hold")) return "usage: order all attack|hold";
      o.kind = w[2] == "attack" ? OrderKind::AllAttack : OrderKind::AllHold;
      return giveOrder(b, kept, o);
    }
    int f = -1;
    if (!formation(w[1], f)) return "no formation " + w[1];
    o.formation = static_cast<int16_t>(f);
    const std::string& what = w[2];
    if (what == "attack") {
      int t = -1;
      if (w.size() != 4) return "usage: order FORMATION attack TARGET";
      if (!formation(w[3], t)) return "no formation " + w[3];
      o.kind = OrderKind::Attack, o.target = static_cast<int16_t>(t);
    } else if (what == "move") {
      o.kind = OrderKind::Move;
      if (!point(3, o)) return "usage: order FORMATION move X Y";
    } else if (what == "hold" || what == "fallback") {
      if (w.size() != 3) return "usage: order FORMATION " + what;
      o.kind = what == "hold" ? OrderKind::Hold : OrderKind::FallBack;
    } else {
      return "no such order: " + what;
    }
    return giveOrder(b, kept, o);
  }
  if (cmd == "retreat") {
    if (w.size() != 1) return "usage: retreat";
    Order o;
    o.kind = OrderKind::Retreat;
    return giveOrder(b, kept, o);
  }
  if (cmd == "step") {
    int n = 1;
    if (w.size() > 2 || (w.size() == 2 && !wholeNumber(w[1], 1, kMaxSteps, n))) return "usage: step [N], N 1.." + std::to_string(kMaxSteps);
    for (int i = 0; i < n && b.step(); ++i) {
    }
    return {};
  }
  if (cmd == "finish") {
    if (w.size() != 1) return "usage: finish";
    b.finish();
    return {};
  }
  if (cmd == "state") {
    if (w.size() != 1) return "usage: state";
    out << battleStateJson(b) << "\n";
    return {};
  }
  return "unknown command " + cmd;
}

}  // namespace

void runBattleScript(Battle& b, std::vector<Order>& kept, const std::string& text, std::ostream& out,
                     std::ostream& err) {
  std::istringstream in(text);
  std::string line;
  int n = 0;
  while (std::getline(in, line)) {
    ++n;
    if (const size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    std::istringstream ls(line);
    std::vector<std::string> words;
    for (std::string w; ls >> w;) words.push_back(w);
    if (words.empty()) continue;
    const std::string why = runLine(b, kept, words, out);
    if (!why.empty()) err << "script line " << n << ": " << why << "\n";
  }
}

std::string battleStateJson(const Battle& b) {
  using nlohmann::json;
  json j;
  j["step"] = b.steps();
  j["over"] = b.over();
  j["deploying"] = b.deploying();
  json armies = json::array();
  for (const ArmyState& a : b.armies())
    armies.push_back({{"name", a.name},
                      {"side", a.side},
                      {"soldiers", a.count},
                      {"start", a.start},
                      {"morale", static_cast<int>(a.morale)},
                      {"fled", a.routed}});
  j["armies"] = armies;
  json forms = json::array();
  const auto& fs = b.formations();
  for (size_t i = 0; i < fs.size(); ++i) {
    const Formation& f = fs[i];
    json o{{"name", formationName(b, static_cast<int>(i))},
           {"soldiers", f.count},
           {"x", static_cast<int>(f.x + 0.5f)},
           {"y", static_cast<int>(f.y + 0.5f)},
           {"state", stateWord(f.state)},
           {"order", f.ordered ? orderWord(f.order) : "none"}};
    if (f.target >= 0) o["target"] = formationName(b, f.target);
    forms.push_back(o);
  }
  j["formations"] = forms;
  if (b.over()) {
    const FightOut r = b.result();
    j["result"] = {{"won", r.won()}, {"our_dead", r.OurDead}, {"enemy_dead", r.EnemyDead}};
  }
  return j.dump();
}

}  // namespace fief::battle
