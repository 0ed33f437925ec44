// Synthesised sound effects and the background music, written as 16-bit PCM wave files.
#include <cmath>

#include "art.h"

namespace art {
namespace {

constexpr int SR = 22050;
using Buf = std::vector<float>;

Buf make(double secs) { return Buf(static_cast<size_t>(secs * SR), 0.0f); }

std::vector<uint8_t> wav(const std::vector<Buf>& ch) {
  size_t n = ch[0].size();
  unsigned nch = ch.size();
  float peak = 1e-6f;
  for (auto& c : ch)
    for (float v : c) peak = std::max(peak, std::abs(v));
  float g = 0.85f / peak;
  std::vector<uint8_t> b;
  auto u16 = [&](unsigned v) { b.push_back(v & 255); b.push_back(v >> 8 & 255); };
  auto u32 = [&](unsigned v) { u16(v & 0xffff); u16(v >> 16); };
  auto tag = [&](const char* t) { for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(t[i])); };
  unsigned data = n * nch * 2;
  tag("RIFF"); u32(36 + data); tag("WAVE");
  tag("fmt "); u32(16); u16(1); u16(nch); u32(SR); u32(SR * nch * 2); u16(nch * 2); u16(16);
  tag("data"); u32(data);
  for (size_t i = 0; i < n; ++i)
    for (auto& c : ch) {
      int v = static_cast<int>(std::lround(std::clamp(c[i] * g, -1.0f, 1.0f) * 32767));
      u16(static_cast<uint16_t>(static_cast<int16_t>(v)));
    }
  return b;
}

double env(double t, double a, double d) { return t < a ? t / a : std::exp(-(t - a) / d); }

// Adds a sum of partials (ratio, amplitude) with exponential decay: bells, anvils, coins.
void partials(Buf& b, double at, double f, const std::vector<std::pair<double, double>>& ps, double amp, double decay,
              double attack = 0.002) {
  size_t s = at * SR;
  size_t len = std::min(b.size() - std::min(b.size(), s), static_cast<size_t>(decay * 7 * SR));
  for (size_t i = 0; i < len; ++i) {
    double t = double(i) / SR, v = 0;
    int k = 0;
    for (auto [r, a] : ps) v += a * std::sin(2 * M_PI * f * r * t) * std::exp(-t / (decay / (1 + 0.5 * k++)));
    b[s + i] += amp * v * std::min(1.0, t / attack);
  }
}
void bell(Buf& b, double at, double f, double amp, double decay) {
  partials(b, at, f, {{0.5, 0.6}, {1, 1}, {1.19, 0.5}, {1.5, 0.4}, {2, 0.45}, {2.51, 0.3}, {3.01, 0.2}}, amp, decay);
}
void metal(Buf& b, double at, double f, double amp, double decay) {
  partials(b, at, f, {{1, 1}, {2.76, 0.7}, {5.4, 0.5}, {8.93, 0.35}, {13.3, 0.2}}, amp, decay, 0.0005);
}
// Tone with a waveform: 0 sine, 1 saw (soft), 2 square-ish; frequency glide from f0 to f1.
void tone(Buf& b, double at, double dur, double f0, double f1, double amp, int wave, double a = 0.01,
          double rel = 0.05, double vib = 0) {
  size_t s = at * SR, n = dur * SR;
  double ph = 0;
  for (size_t i = 0; i < n && s + i < b.size(); ++i) {
    double t = double(i) / SR, f = f0 + (f1 - f0) * t / dur;
    f *= 1 + vib * std::sin(2 * M_PI * 5.5 * t);
    ph += 2 * M_PI * f / SR;
    double v = std::sin(ph);
    if (wave == 1) v = v + 0.5 * std::sin(2 * ph) + 0.33 * std::sin(3 * ph) + 0.25 * std::sin(4 * ph) + 0.2 * std::sin(5 * ph);
    if (wave == 2) v = v + 0.33 * std::sin(3 * ph) + 0.2 * std::sin(5 * ph);
    double e = std::min(1.0, t / a) * std::min(1.0, (dur - t) / rel);
    b[s + i] += amp * v * e;
  }
}
// Filtered noise burst: centre frequency (band pass by two one-pole filters), envelope.
void noise(Buf& b, Rng& r, double at, double dur, double lo, double hi, double amp, double a, double d) {
  size_t s = at * SR, n = dur * SR;
  double al = 1 - std::exp(-2 * M_PI * hi / SR), ah = 1 - std::exp(-2 * M_PI * lo / SR);
  double y1 = 0, y2 = 0;
  for (size_t i = 0; i < n && s + i < b.size(); ++i) {
    double t = double(i) / SR, x = r.range(-1, 1);
    y1 += al * (x - y1);
    y2 += ah * (y1 - y2);
    b[s + i] += amp * (y1 - y2) * env(t, a, d) * std::min(1.0, (dur - t) / 0.02);
  }
}
void pluck(Buf& b, Rng& r, double at, double f, double amp, double dur = 1.6, double damp = 0.996, bool wrap = false) {
  size_t s = at * SR, n = dur * SR;
  size_t L = std::max<size_t>(2, static_cast<size_t>(SR / f));
  std::vector<double> line(L);
  double prev = 0;
  for (auto& v : line) v = prev = 0.5 * prev + 0.5 * r.range(-1, 1);
  size_t p = 0;
  for (size_t i = 0; i < n; ++i) {
    size_t q = (p + 1) % L;
    double out = line[p];
    line[p] = damp * 0.5 * (line[p] + line[q]);
    p = q;
    size_t k = s + i;
    if (k >= b.size()) {
      if (!wrap) break;
      k %= b.size();  // the music's notes ring on over the loop point into the start
    }
    b[k] += amp * out * std::min(1.0, (dur - double(i) / SR) / 0.1);
  }
}
void echo(Buf& b, double delay, double g, int passes = 1) {
  size_t d = delay * SR;
  for (int p = 0; p < passes; ++p)
    for (size_t i = d; i < b.size(); ++i) b[i] += g * b[i - d];
}
void hoof(Buf& b, Rng& r, double at, double amp) {
  noise(b, r, at, 0.06, 300, 2500, amp, 0.001, 0.015);
  tone(b, at, 0.05, 180, 90, amp * 0.6, 0, 0.001, 0.03);
}
void crowd(Buf& b, Rng& r, double at, double dur, double amp, int voices) {
  for (int v = 0; v < voices; ++v) {
    double st = at + r.range(0, dur * 0.6), d = r.range(0.3, 0.9);
    double f = r.range(110, 260);
    tone(b, st, d, f, f * r.range(0.8, 1.25), amp * r.range(0.3, 0.8), 1, 0.05, 0.15, 0.02);
  }
  noise(b, r, at, dur, 250, 1400, amp * 1.5, 0.2, dur);
}
void chirp(Buf& b, double at, double f0, double f1, double dur, double amp) { tone(b, at, dur, f0, f1, amp, 0, 0.005, 0.02); }

struct Sfx {
  const char* name;
  double secs;
  std::function<void(Buf&, Rng&)> make;
};

std::vector<Sfx> effects() {
  return {
      {"turn01", 2.6, [](Buf& b, Rng&) { bell(b, 0, 220, 1, 0.9); bell(b, 0.9, 165, 0.8, 0.9); }},
      {"click01", 0.08, [](Buf& b, Rng& r) { noise(b, r, 0, 0.06, 800, 4000, 1, 0.001, 0.01); tone(b, 0, 0.03, 900, 600, 0.3, 0); }},
      {"click02", 0.08, [](Buf& b, Rng& r) { noise(b, r, 0, 0.05, 1500, 6000, 1, 0.001, 0.008); tone(b, 0, 0.03, 1400, 1100, 0.3, 0); }},
      {"rollover01", 0.1, [](Buf& b, Rng&) { tone(b, 0, 0.07, 1250, 1500, 0.6, 0, 0.003, 0.05); }},
      {"message", 1.2, [](Buf& b, Rng& r) {
         for (int i = 0; i < 5; ++i) noise(b, r, i * 0.07, 0.06, 2500, 8000, 0.25, 0.01, 0.03);
         bell(b, 0.35, 880, 0.5, 0.35); bell(b, 0.5, 1320, 0.4, 0.35); }},
      {"fauna01", 2.0, [](Buf& b, Rng& r) {
         for (int i = 0; i < 9; ++i) { double t = 0.1 + i * 0.19 + r.range(0, 0.05); chirp(b, t, r.range(2600, 3400), r.range(3600, 4400), 0.07, 0.5); } }},
      {"fauna02", 2.0, [](Buf& b, Rng&) { for (int i = 0; i < 2; ++i) { tone(b, 0.1 + i * 0.8, 0.22, 720, 700, 0.8, 0, 0.02, 0.08); tone(b, 0.36 + i * 0.8, 0.32, 580, 560, 0.8, 0, 0.02, 0.12); } }},
      {"fauna03", 2.2, [](Buf& b, Rng&) { tone(b, 0.1, 0.35, 380, 360, 0.8, 0, 0.05, 0.15, 0.01); tone(b, 0.7, 0.2, 380, 370, 0.6, 0, 0.05, 0.1); tone(b, 1.0, 0.6, 390, 350, 0.8, 0, 0.05, 0.3, 0.01); echo(b, 0.23, 0.3); }},
      {"fauna04", 2.8, [](Buf& b, Rng&) { tone(b, 0.1, 2.3, 420, 620, 0.5, 1, 0.4, 0.9, 0.008); echo(b, 0.31, 0.35, 2); }},
      {"event01", 1.8, [](Buf& b, Rng&) { tone(b, 0, 0.45, 293.7, 293.7, 0.6, 1, 0.04, 0.1, 0.004); tone(b, 0.45, 1.0, 440, 440, 0.6, 1, 0.04, 0.4, 0.006); echo(b, 0.18, 0.25); }},
      {"victory", 3.2, [](Buf& b, Rng& r) {
         double n[] = {261.6, 329.6, 392, 523.3};
         for (int i = 0; i < 4; ++i) tone(b, i * 0.22, i == 3 ? 1.8 : 0.22, n[i], n[i], 0.5, 1, 0.02, i == 3 ? 0.8 : 0.05, 0.005);
         tone(b, 0.66, 1.8, 392, 392, 0.35, 1, 0.02, 0.8); tone(b, 0.66, 1.8, 329.6, 329.6, 0.35, 1, 0.02, 0.8);
         for (int i = 0; i < 6; ++i) noise(b, r, i * 0.22, 0.25, 60, 400, 0.7, 0.002, 0.08);
         echo(b, 0.2, 0.25); }},
      {"defeat", 3.5, [](Buf& b, Rng& r) {
         double n[] = {293.7, 261.6, 233.1, 220};
         for (int i = 0; i < 4; ++i) tone(b, i * 0.6, i == 3 ? 1.6 : 0.6, n[i], n[i] * (i == 3 ? 0.97 : 1), 0.5, 1, 0.08, 0.3, 0.004);
         for (int i = 0; i < 4; ++i) noise(b, r, i * 0.6, 0.5, 40, 250, 0.8, 0.003, 0.2); }},
      {"plain01", 3.0, [](Buf& b, Rng& r) { noise(b, r, 0, 3.0, 200, 900, 0.8, 1.2, 2.0); chirp(b, 1.2, 3000, 3800, 0.08, 0.3); chirp(b, 1.4, 3100, 3900, 0.08, 0.3); }},
      {"crops01", 1.6, [](Buf& b, Rng& r) { for (int i = 0; i < 14; ++i) noise(b, r, r.range(0, 1.3), 0.2, 2000, 7000, 0.4, 0.03, 0.08); }},
      {"cattle01", 1.8, [](Buf& b, Rng&) { tone(b, 0.05, 1.4, 150, 118, 0.7, 1, 0.2, 0.4, 0.01); tone(b, 0.05, 1.4, 300, 236, 0.2, 0, 0.2, 0.4); }},
      {"tax01", 1.4, [](Buf& b, Rng& r) { for (int i = 0; i < 12; ++i) metal(b, r.range(0, 0.8), r.range(2400, 3800), 0.35, 0.12); }},
      {"fire01", 2.0, [](Buf& b, Rng& r) { noise(b, r, 0, 2.0, 80, 700, 0.6, 0.3, 3); for (int i = 0; i < 40; ++i) noise(b, r, r.range(0, 1.9), 0.02, 1500, 6000, r.range(0.3, 1), 0.001, 0.005); }},
      {"blacksmith01", 2.0, [](Buf& b, Rng&) { for (int i = 0; i < 3; ++i) metal(b, 0.05 + i * 0.55, 1180 - i * 20, 0.8, 0.35); }},
      {"armoury01", 1.4, [](Buf& b, Rng& r) { for (int i = 0; i < 10; ++i) { noise(b, r, r.range(0, 1.0), 0.08, 3000, 9000, 0.5, 0.002, 0.03); metal(b, r.range(0, 1.0), r.range(1800, 3000), 0.15, 0.06); } }},
      {"army01", 2.4, [](Buf& b, Rng& r) { for (int i = 0; i < 8; ++i) { noise(b, r, i * 0.28, 0.2, 50, 300, 1, 0.002, 0.07); if (i % 2) noise(b, r, i * 0.28 + 0.14, 0.1, 1500, 5000, 0.3, 0.002, 0.03); } }},
      {"people01", 2.2, [](Buf& b, Rng& r) { crowd(b, r, 0, 2.2, 0.25, 14); }},
      {"mob01", 2.6, [](Buf& b, Rng& r) { crowd(b, r, 0, 2.6, 0.45, 26); for (int i = 0; i < 4; ++i) { double f = r.range(250, 380); tone(b, r.range(0.2, 1.8), 0.35, f, f * 1.3, 0.5, 1, 0.03, 0.1, 0.03); } }},
      {"alarm01", 2.4, [](Buf& b, Rng&) { for (int i = 0; i < 10; ++i) bell(b, i * 0.22, 620, 0.5, 0.25); }},
      {"science01", 1.8, [](Buf& b, Rng& r) { for (int i = 0; i < 16; ++i) { double f = r.range(500, 1200); chirp(b, r.range(0, 1.5), f, f * 1.8, 0.05, 0.35); } }},
      {"specialunits01", 1.6, [](Buf& b, Rng& r) { pluck(b, r, 0, 146.8, 0.7); pluck(b, r, 0.25, 174.6, 0.6); pluck(b, r, 0.5, 220, 0.6); noise(b, r, 0.6, 0.6, 400, 3000, 0.4, 0.3, 0.2); }},
      {"woodcutter01", 1.6, [](Buf& b, Rng& r) { for (int i = 0; i < 3; ++i) { tone(b, 0.05 + i * 0.5, 0.12, 140, 80, 1, 0, 0.001, 0.08); noise(b, r, 0.05 + i * 0.5, 0.1, 500, 3000, 0.6, 0.001, 0.03); } }},
      {"stonecutter01", 1.4, [](Buf& b, Rng& r) { for (int i = 0; i < 5; ++i) { noise(b, r, 0.05 + i * 0.25, 0.07, 2000, 8000, 0.8, 0.0005, 0.015); metal(b, 0.05 + i * 0.25, 2900, 0.2, 0.03); } }},
      {"orecutter01", 1.6, [](Buf& b, Rng& r) { for (int i = 0; i < 3; ++i) { metal(b, 0.05 + i * 0.45, 1900, 0.6, 0.12); tone(b, 0.05 + i * 0.45, 0.1, 120, 70, 0.6, 0, 0.001, 0.06); noise(b, r, 0.06 + i * 0.45, 0.3, 200, 2000, 0.3, 0.01, 0.1); } }},
      {"armymapwalk01", 1.6, [](Buf& b, Rng& r) { for (int i = 0; i < 8; ++i) hoof(b, r, 0.05 + i * 0.18 + (i % 2) * 0.03, 0.8); }},
      {"dolmen01", 3.0, [](Buf& b, Rng&) { tone(b, 0, 3, 110, 110, 0.4, 0, 0.8, 1.2); tone(b, 0, 3, 165, 165, 0.3, 0, 0.8, 1.2); tone(b, 0.5, 2.5, 1320, 1330, 0.08, 0, 0.5, 1.0, 0.01); echo(b, 0.29, 0.4, 2); }},
      {"cross01", 2.5, [](Buf& b, Rng&) { bell(b, 0, 440, 1, 0.8); }},
      {"chapel01", 2.6, [](Buf& b, Rng&) { for (double f : {196.0, 246.9, 293.7, 392.0}) tone(b, 0, 2.4, f, f, 0.25, 2, 0.15, 0.8); echo(b, 0.21, 0.35, 2); }},
      {"gchapel01", 3.0, [](Buf& b, Rng&) { for (double f : {220.0, 277.2, 329.6, 440.0}) tone(b, 0, 2.8, f, f, 0.22, 1, 0.5, 1.0, 0.006); echo(b, 0.27, 0.4, 2); }},
      {"hut01", 1.8, [](Buf& b, Rng& r) { tone(b, 0.05, 0.9, 95, 140, 0.5, 1, 0.05, 0.2, 0.05); noise(b, r, 0.8, 1.0, 300, 1200, 0.3, 0.3, 0.5); }},
      {"obelisk01", 3.0, [](Buf& b, Rng&) { partials(b, 0, 523.3, {{1, 1}, {2.32, 0.5}, {4.25, 0.3}, {6.63, 0.2}}, 0.8, 0.9); partials(b, 0.4, 784, {{1, 1}, {2.32, 0.4}}, 0.4, 0.8); echo(b, 0.33, 0.4, 2); }},
      {"statue01", 2.0, [](Buf& b, Rng& r) { noise(b, r, 0, 1.8, 60, 500, 0.9, 0.3, 1.0); }},
      {"tavern01", 2.8, [](Buf& b, Rng& r) { crowd(b, r, 0, 2.8, 0.2, 14); metal(b, 0.6, 2100, 0.3, 0.08); metal(b, 0.62, 2350, 0.3, 0.08); pluck(b, r, 0.2, 293.7, 0.5); pluck(b, r, 0.5, 370, 0.5); pluck(b, r, 0.8, 440, 0.5); }},
      {"battlefield01", 2.6, [](Buf& b, Rng& r) { for (int i = 0; i < 10; ++i) metal(b, r.range(0, 1.6), r.range(900, 2000), 0.25, 0.1); tone(b, 1.0, 1.4, 196, 196, 0.35, 1, 0.1, 0.5, 0.005); echo(b, 0.25, 0.3); }},
      {"ruins01", 3.0, [](Buf& b, Rng& r) { noise(b, r, 0, 3, 300, 700, 0.8, 1.0, 2.0); tone(b, 0.3, 2.5, 330, 250, 0.12, 0, 0.8, 1.0, 0.02); }},
      {"cave01", 2.6, [](Buf& b, Rng& r) { for (int i = 0; i < 4; ++i) { double f = r.range(900, 1400); chirp(b, 0.1 + i * 0.5, f, f * 1.6, 0.03, 0.7); } echo(b, 0.19, 0.45, 3); }},
      {"treasure01", 2.0, [](Buf& b, Rng& r) { tone(b, 0, 0.4, 90, 130, 0.4, 1, 0.05, 0.1, 0.05); for (int i = 0; i < 6; ++i) bell(b, 0.4 + i * 0.09, 1046.5 * std::pow(2.0, (i * 2) / 12.0), 0.25, 0.25); for (int i = 0; i < 8; ++i) metal(b, r.range(0.4, 1.2), r.range(2600, 3800), 0.2, 0.1); }},
      {"trade01", 1.6, [](Buf& b, Rng& r) { for (int i = 0; i < 8; ++i) metal(b, r.range(0, 0.6), r.range(2400, 3600), 0.3, 0.1); metal(b, 0.8, 1600, 0.5, 0.2); }},
      {"siege01", 2.4, [](Buf& b, Rng& r) { tone(b, 0, 0.5, 120, 90, 0.4, 1, 0.05, 0.1, 0.05); noise(b, r, 0.5, 0.2, 200, 3000, 0.5, 0.01, 0.1); noise(b, r, 1.1, 1.2, 30, 250, 1, 0.002, 0.35); }},
      // The battle window: blades meeting, a flight of arrows, the horn of a breaking army.
      {"clash01", 1.4, [](Buf& b, Rng& r) { for (int i = 0; i < 6; ++i) { double t = 0.02 + i * 0.2 + r.range(0, 0.06); metal(b, t, r.range(1700, 2600), 0.45, 0.09); noise(b, r, t, 0.08, 1500, 7000, 0.5, 0.0005, 0.02); } noise(b, r, 0, 1.4, 80, 600, 0.35, 0.2, 0.8); }},
      {"arrows01", 1.2, [](Buf& b, Rng& r) { for (int i = 0; i < 9; ++i) { double t = r.range(0, 0.5); noise(b, r, t, 0.35, 2500, 9000, 0.35, 0.12, 0.1); tone(b, t + 0.4, 0.03, 300, 160, 0.25, 0, 0.001, 0.02); } }},
      {"horn01", 2.6, [](Buf& b, Rng&) { tone(b, 0.05, 0.7, 138, 146.8, 0.45, 1, 0.12, 0.15, 0.004); tone(b, 0.8, 1.6, 146.8, 146.8, 0.5, 1, 0.1, 0.6, 0.006); tone(b, 0.8, 1.6, 220, 220, 0.12, 0, 0.15, 0.6); echo(b, 0.23, 0.3); }},
      {"windmill01", 3.0, [](Buf& b, Rng& r) { for (int i = 0; i < 3; ++i) { noise(b, r, i * 0.95, 0.8, 200, 900, 0.5, 0.35, 0.3); tone(b, i * 0.95 + 0.5, 0.4, 110, 150, 0.3, 1, 0.05, 0.1, 0.05); } }},
  };
}

// Music: a modal loop in D dorian; plucked lute arpeggios, a recorder melody and a drone.
std::vector<Buf> music() {
  const double beat = 0.75;  // 80 beats a minute
  const int bars = 24;
  const double len = bars * 4 * beat;  // 72 s
  size_t N = len * SR;
  Buf L(N, 0), R(N, 0), lute(N, 0), mel(N, 0), dr(N, 0);
  Rng r(2024);
  auto hz = [](int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); };
  // chords as MIDI notes (root position triads around D3)
  const int chords[8][3] = {{50, 53, 57}, {48, 52, 55}, {50, 53, 57}, {45, 48, 52},
                            {41, 45, 48}, {48, 52, 55}, {43, 47, 50}, {50, 53, 57}};
  const int pattern[8] = {0, 1, 2, 1, 0, 2, 1, 2};
  for (int bar = 0; bar < bars; ++bar) {
    const int* ch = chords[bar % 8];
    for (int e = 0; e < 8; ++e) {
      double t = (bar * 4 + e * 0.5) * beat;
      int note = ch[pattern[e]] + (e >= 4 && pattern[e] == 0 ? 12 : 0);
      pluck(lute, r, t, hz(note), e == 0 ? 0.55 : 0.4, 1.6, 0.995, true);
    }
    if (bar % 2 == 0) pluck(lute, r, bar * 4 * beat, hz(ch[0] - 12), 0.5, 2.5, 0.997, true);
  }
  // melody: phrases over bars 8..23, stepping through the mode, resting on chord tones
  const int scale[] = {62, 64, 65, 67, 69, 71, 72, 74, 76};
  int idx = 4;
  for (int bar = 8; bar < bars; ++bar) {
    const int* ch = chords[bar % 8];
    int beats[] = {2, 1, 1};
    if (bar % 4 == 3) beats[0] = 4, beats[1] = 0, beats[2] = 0;
    double t = bar * 4 * beat;
    for (int k = 0; k < 3; ++k) {
      if (!beats[k]) continue;
      if (k == 0) {  // strong beat: nearest chord tone
        int best = idx, bd = 99;
        for (int i = 0; i < 9; ++i)
          for (int c = 0; c < 3; ++c)
            if ((scale[i] - ch[c]) % 12 == 0 && std::abs(i - idx) < bd) bd = std::abs(i - idx), best = i;
        idx = best;
      } else {
        idx = std::clamp(idx + (r.uni() < 0.5 ? -1 : 1), 0, 8);
      }
      double d = beats[k] * beat;
      size_t s = t * SR, n = d * SR;
      double f = hz(scale[idx]), ph = 0;
      for (size_t i = 0; i < n; ++i) {
        double tt = double(i) / SR;
        ph += 2 * M_PI * f * (1 + 0.004 * std::sin(2 * M_PI * 5 * tt) * std::min(1.0, tt * 2)) / SR;
        double v = std::sin(ph) + 0.25 * std::sin(2 * ph) + 0.08 * std::sin(3 * ph);
        double e = std::min(1.0, tt / 0.04) * std::min(1.0, (d - tt) / 0.08);
        mel[(s + i) % N] += 0.16 * v * e;
      }
      t += d;
    }
  }
  // drone on D and A with a slow swell that repeats a whole number of times in the loop
  // whole numbers of cycles in the loop, so that the end joins the start without a click
  const double fD = std::round(73.42 * len) / len, fA = std::round(110.0 * len) / len;
  for (size_t i = 0; i < N; ++i) {
    double t = double(i) / SR;
    double sw = 0.75 + 0.25 * std::sin(2 * M_PI * t * 6 / len);
    double v = 0;
    for (int h = 1; h <= 4; ++h) v += std::sin(2 * M_PI * fD * h * t) / (h * h) + 0.6 * std::sin(2 * M_PI * fA * h * t) / (h * h);
    dr[i] = 0.07 * sw * v;
  }
  // circular room echo
  auto room = [&](Buf& b, double d, double g) {
    size_t k = d * SR;
    for (int p = 0; p < 2; ++p)
      for (size_t i = 0; i < N; ++i) b[i] += g * b[(i + N - k) % N] * (p == 0 ? 1 : 0.0);
  };
  room(lute, 0.173, 0.25);
  room(mel, 0.241, 0.3);
  for (size_t i = 0; i < N; ++i) {
    L[i] = 0.75 * lute[i] + 0.4 * mel[i] + dr[i];
    R[i] = 0.45 * lute[i] + 0.7 * mel[i] + dr[i];
  }
  return {L, R};
}

}  // namespace

void soundJobs(const Config&, std::vector<Job>& jobs) {
  jobs.push_back([](Output& o) { o.bytes("sounds", "sounds/music01.wav", wav(music())); });
  for (auto& fx : effects())
    jobs.push_back([fx](Output& o) {
      Buf b = make(fx.secs);
      Rng r(seedOf(fx.name));
      fx.make(b, r);
      o.bytes("sounds", std::string("sounds/") + fx.name + ".wav", wav({b}));
    });
}

}  // namespace art
