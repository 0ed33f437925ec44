#include "ui/timers.h"

#include <stdexcept>

namespace fief {

Timer& TimerSet::add(const std::string& name, bool enabled, int interval) {
  timers_.push_back(Timer{name, false, interval, 0, {}});
  if (enabled) enable(name);
  return timers_.back();
}

Timer* TimerSet::find(const std::string& name) {
  for (auto& t : timers_)
    if (t.Name == name) return &t;
  return nullptr;
}

Timer& TimerSet::operator[](const std::string& name) {
  Timer* t = find(name);
  if (!t) throw std::out_of_range("no timer " + name);
  return *t;
}

void TimerSet::enable(const std::string& name, bool on) {
  Timer& t = (*this)[name];
  t.Enabled = on;
  if (on) t.NextDue = now_ + t.Interval;
}

void TimerSet::setInterval(const std::string& name, int ms) {
  Timer& t = (*this)[name];
  t.Interval = ms;
  if (t.Enabled) t.NextDue = now_ + ms;
}

bool TimerSet::enabled(const std::string& name) const {
  for (auto& t : timers_)
    if (t.Name == name) return t.Enabled;
  return false;
}

int64_t TimerSet::nextDue() const {
  int64_t best = -1;
  for (const auto& t : timers_)
    if (t.Enabled && t.Interval > 0 && (best < 0 || t.NextDue < best)) best = t.NextDue;
  return best;
}

bool TimerSet::fireNext(int64_t until) {
  Timer* due = nullptr;
  for (auto& t : timers_)
    if (t.Enabled && t.Interval > 0 && t.NextDue <= until && (!due || t.NextDue < due->NextDue)) due = &t;
  if (!due) return false;
  if (due->NextDue > now_) now_ = due->NextDue;
  due->NextDue = now_ + due->Interval;
  lastFired_ = due->Name;
  if (due->Tick) due->Tick();
  return true;
}

void TimerSet::skipSteadyTicks(int64_t until) {
  int64_t horizon = until;
  for (const auto& t : timers_)
    if (t.Enabled && t.Interval > 0 && !t.Steady && t.NextDue < horizon) horizon = t.NextDue;
  // Only the timer that has just ticked: its interval is the one its next ticks keep.
  Timer* t = find(lastFired_);
  if (t && t->Enabled && t->Interval > 0 && t->Steady && t->NextDue < horizon)
    t->NextDue += (horizon - t->NextDue) / t->Interval * t->Interval;
}

}  // namespace fief
