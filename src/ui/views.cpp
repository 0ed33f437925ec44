#include "ui/views.h"

#include <algorithm>
#include <utility>

namespace fief {

void Views::subscribe(View v, const void* owner, std::function<void()> redraw) {
  entries_.push_back({static_cast<int>(v), false, owner, [r = std::move(redraw)](int) { r(); }});
}

void Views::onSight(Sight s, const void* owner, std::function<void(int)> handler) {
  entries_.push_back({static_cast<int>(s), true, owner, std::move(handler)});
}

void Views::forget(const void* owner) {
  for (Entry& e : entries_)
    if (e.owner == owner) e.run = nullptr;
  if (running_ == 0)
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(), [](const Entry& e) { return !e.run; }),
                   entries_.end());
}

void Views::redraw(View v) { run(static_cast<int>(v), false, 0); }

void Views::show(Sight s, int index) { run(static_cast<int>(s), true, index); }

// By position, not iterator: a redraw may subscribe (the screen it opens is built).
void Views::run(int key, bool sight, int index) {
  struct Running {
    int& n;
    explicit Running(int& c) : n(c) { ++n; }
    ~Running() { --n; }
  } guard(running_);
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].key != key || entries_[i].sight != sight || !entries_[i].run) continue;
    auto f = entries_[i].run;  // the entry may move while it runs
    f(index);
  }
}

}  // namespace fief
