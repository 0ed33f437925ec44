// The game's one random generator: uniform draws in [0, 1). "Reseed from the clock"
// uses the game clock, so a run on the virtual clock of the headless shell is
// reproducible. Tests and the script runner can queue the next values to return.
#pragma once

#include <cstdint>
#include <cstddef>
#include <deque>
#include <vector>

namespace fief {

class Rng {
 public:
  explicit Rng(uint64_t seed = 1) { seed_(seed); }
  void seed(uint64_t s) { seed_(s); }
  // The next uniform draw in [0, 1): a queued value first, else the generator.
  double next();
  // Int(r * n + base): a whole number base .. base + n - 1.
  long long draw(double n, double base);
  void queue(const std::vector<double>& values) { forced_.insert(forced_.end(), values.begin(), values.end()); }
  size_t queued() const { return forced_.size(); }
  void clearQueue() { forced_.clear(); }

 private:
  void seed_(uint64_t s);
  uint64_t s_[4]{};
  std::deque<double> forced_;
};

}  // namespace fief
