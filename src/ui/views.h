// What the screens show of the game, by view. A command or a dialog that changed the
// state invalidates the views it touched (Game::invalidate); every screen that shows one
// has subscribed its redraw and draws it again from the state, at once. Nobody names the
// screen that shows a view. The sights the rules report (Decisions::show) reach the
// handlers the subsystems registered for them the same way.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "campaign/decisions.h"

namespace fief {

enum class View : uint8_t {
  Status,      // the status panel: the county's figures, the season, building and order
  County,      // the county on the map: fields, their counters, the building, the order, the castle
  Map,         // the map: its objects, the armies and camps, the rivals' markers
  Animations,  // the map's animations (they start or stop with the MapAnimation option)
  Tooltip,     // the hover text and its tooltip (gone when the Tooltips option is off)
  Everything,  // every view of the campaign screen (after a command, a turn, a load)
};

// The subscribers of every view and the handlers of every sight. A subscription belongs
// to an owner (the screen that draws) and ends with forget(owner). Redraws run in the
// order they subscribed.
class Views {
 public:
  void subscribe(View v, const void* owner, std::function<void()> redraw);
  void onSight(Sight s, const void* owner, std::function<void(int index)> handler);
  void forget(const void* owner);

  void redraw(View v);
  void show(Sight s, int index);

 private:
  struct Entry {
    int key;  // the view or the sight
    bool sight;
    const void* owner;
    std::function<void(int)> run;
  };
  void run(int key, bool sight, int index);
  std::vector<Entry> entries_;
  int running_ = 0;  // redraws under way: a forget meanwhile only empties entries
};

}  // namespace fief
