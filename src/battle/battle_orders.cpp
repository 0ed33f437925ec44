#include "battle/battle_orders.h"

#include <fmt/format.h>

#include <algorithm>
#include <cctype>
#include <sstream>

namespace fief::battle {

std::string giveOrder(Battle& b, std::vector<Order>& kept, Order o) {
  o.step = b.steps();
  std::string why = b.command(o);
  if (why.empty()) kept.push_back(o);
  return why;
}

std::string formationName(const Battle& b, int i) {
  const Formation& f = b.formations()[i];
  return fmt::format("{}.{}", f.army, kUnitStats[f.slot].name);
}

namespace {

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

int findFormation(const Battle& b, const std::string& name) {
  const std::string want = lower(name);
  for (size_t i = 0; i < b.formations().size(); ++i)
    if (lower(formationName(b, static_cast<int>(i))) == want) return static_cast<int>(i);
  return -1;
}

bool orderKindOf(const std::string& word, OrderKind& out) {
  for (int k = 0; k < kOrderKinds; ++k)
    if (word == orderWord(static_cast<OrderKind>(k))) {
      out = static_cast<OrderKind>(k);
      return true;
    }
  return false;
}

namespace {

constexpr const char* kHeader = "fiefdom battle replay 1";

}  // namespace

std::string encodeReplay(const Replay& r) {
  std::string out = std::string(kHeader) + "\n";
  out += fmt::format("seed {}\n", r.seed);
  out += "input ";
  for (uint8_t b : r.fightIn) out += fmt::format("{:02x}", b);
  out += "\n";
  for (const Order& o : r.orders)
    out += fmt::format("order {} {} {} {} {} {}\n", o.step, o.formation, orderWord(o.kind), o.target, o.x, o.y);
  out += fmt::format("end {}\n", r.orders.size());
  return out;
}

bool decodeReplay(const std::string& text, Replay& out, std::string& err) {
  std::istringstream in(text);
  std::string line;
  int n = 0;
  auto fail = [&](const std::string& why) {
    err = fmt::format("line {}: {}", n, why);
    return false;
  };
  Replay r;
  if (!std::getline(in, line) || (++n, line != kHeader)) return fail("not a battle replay");
  if (!std::getline(in, line) || (++n, line.rfind("seed ", 0) != 0)) return fail("the seed is missing");
  {
    std::istringstream ls(line.substr(5));
    if (!(ls >> r.seed) || !(ls >> std::ws).eof()) return fail("not a seed");
  }
  if (!std::getline(in, line) || (++n, line.rfind("input ", 0) != 0)) return fail("the hand-over is missing");
  const std::string hex = line.substr(6);
  if (hex.empty() || hex.size() % 2) return fail("the hand-over is cut");
  for (size_t i = 0; i < hex.size(); i += 2) {
    int v = 0;
    for (size_t k = i; k < i + 2; ++k) {
      const char c = hex[k];
      const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
      if (d < 0) return fail("the hand-over is not hexadecimal");
      v = v * 16 + d;
    }
    r.fightIn.push_back(static_cast<uint8_t>(v));
  }
  FightIn fi;
  std::string why;
  if (!decodeFightIn(r.fightIn, fi, why)) return fail("the hand-over is damaged: " + why);
  bool ended = false;
  while (std::getline(in, line)) {
    ++n;
    if (ended) {
      if (!line.empty()) return fail("text after the end");
      continue;
    }
    std::istringstream ls(line);
    std::string word;
    ls >> word;
    if (word == "end") {
      size_t count = 0;
      if (!(ls >> count) || !(ls >> std::ws).eof()) return fail("not an end line");
      if (count != r.orders.size()) return fail(fmt::format("{} orders listed, {} found", count, r.orders.size()));
      ended = true;
      continue;
    }
    if (word != "order") return fail("not an order");
    Order o;
    int formation = 0, target = 0, x = 0, y = 0;
    std::string kind;
    if (!(ls >> o.step >> formation >> kind >> target >> x >> y) || !(ls >> std::ws).eof())
      return fail("not an order");
    if (!orderKindOf(kind, o.kind)) return fail("no such order: " + kind);
    const int most = kMaxFightArmies * kRosterSize;
    if (o.step < 0 || o.step > kMaxSteps) return fail("the step is out of the battle");
    if (!r.orders.empty() && o.step < r.orders.back().step) return fail("the orders are out of step order");
    if (formation < -1 || formation >= most || target < -1 || target >= most) return fail("no such formation");
    if (x < -32768 || x > 32767 || y < -32768 || y > 32767) return fail("the point is out of range");
    o.formation = static_cast<int16_t>(formation);
    o.target = static_cast<int16_t>(target);
    o.x = static_cast<int16_t>(x);
    o.y = static_cast<int16_t>(y);
    r.orders.push_back(o);
  }
  if (!ended) return fail("the end line is missing (the file is cut)");
  out = std::move(r);
  return true;
}

}  // namespace fief::battle
