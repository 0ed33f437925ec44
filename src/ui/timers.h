// The hidden timer screen: every named timer with its enabled flag, interval and tick
// handler. The shells fire due timers from their clock (real or virtual), one at a
// time, in the order they fall due.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace fief {

struct Timer {
  std::string Name;
  bool Enabled = false;
  int Interval = 0;        // ms; 0 never fires
  int64_t NextDue = 0;
  std::function<void()> Tick;
  // A steady timer's tick only shows the state and the clock (a tooltip, the time of
  // day): several of its ticks with nothing else happening in between leave what the
  // last one leaves, so a long wait may run only the last.
  bool Steady = false;
};

class TimerSet {
 public:
  Timer& add(const std::string& name, bool enabled, int interval);
  Timer& operator[](const std::string& name);
  Timer* find(const std::string& name);
  const std::vector<Timer>& all() const { return timers_; }

  // Enable/disable; enabling (again) starts a fresh interval from now.
  void enable(const std::string& name, bool on = true);
  void disable(const std::string& name) { enable(name, false); }
  void setInterval(const std::string& name, int ms);
  bool enabled(const std::string& name) const;

  // The clock the timers run on (set by the shell before each firing round).
  void setNow(int64_t now) { now_ = now; }
  int64_t now() const { return now_; }
  // The earliest due time of an enabled timer, or -1 when none is enabled.
  int64_t nextDue() const;
  // Fires the one timer due first at or before `until` (advancing the clock to its due
  // time). Returns false when none is due.
  bool fireNext(int64_t until);
  // After a firing: when the timer that has just ticked is steady and would tick more
  // than once more before the next other timer falls due (or before `until`), moves it on
  // to the last of those ticks.
  void skipSteadyTicks(int64_t until);

 private:
  std::vector<Timer> timers_;
  int64_t now_ = 0;
  std::string lastFired_;
};

}  // namespace fief
