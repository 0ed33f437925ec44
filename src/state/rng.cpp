#include "state/rng.h"

#include <cmath>

namespace fief {

namespace {
uint64_t splitmix(uint64_t& x) {
  uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}
uint64_t rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
}  // namespace

void Rng::seed_(uint64_t s) {
  for (auto& w : s_) w = splitmix(s);
}

double Rng::next() {
  if (!forced_.empty()) {
    double v = forced_.front();
    forced_.pop_front();
    return v;
  }
  // xoshiro256**
  const uint64_t result = rotl(s_[1] * 5, 7) * 9;
  const uint64_t t = s_[1] << 17;
  s_[2] ^= s_[0];
  s_[3] ^= s_[1];
  s_[1] ^= s_[2];
  s_[0] ^= s_[3];
  s_[2] ^= t;
  s_[3] = rotl(s_[3], 45);
  return static_cast<double>(result >> 11) * 0x1.0p-53;
}

long long Rng::draw(double n, double base) { return static_cast<long long>(std::floor(next() * n + base)); }

}  // namespace fief
