// Scrolling of the campaign map: the margins along the window edges start it, the map
// timer moves the map one step per tick until it reaches the edge of its range, and the
// keypad changes the speed. Pure rules over the map's position, testable on their own.
#pragma once

#include <cstdint>
#include <string>

namespace fief {

struct Game;
class Camp1Frm;

// Scroll directions (the campaign screen's scrollDirection, ScrollDirection to the script runner).
enum ScrollDir : uint8_t { kScrollNone = 0, kScrollUp = 1, kScrollDown = 2, kScrollLeft = 3, kScrollRight = 4 };

// The period of the map timer while scrolling, in milliseconds.
constexpr int kMapTimerMs = 15;

// The map's position and the room it scrolls in (the form's inner area).
struct MapView {
  int Left = 0, Top = 0;        // the map picture's position; negative = scrolled
  int MapWidth = 0, MapHeight = 0;
  int InnerWidth = 0, InnerHeight = 0;
};

// Pixels per tick: Fix(speed x 10).
int scrollStep(float speed);

// Would the margin of this direction start scrolling from here?
bool marginStarts(const MapView& v, uint8_t dir);

// The stop test of the tick, made before the move.
bool scrollLimitReached(const MapView& v, uint8_t dir);

enum class TickResult { Idle, Stopped, Moved };
// One tick: the stop test, else the move by one step.
TickResult scrollTick(MapView& v, uint8_t dir, float speed);

// The keypad's speed changes (0.5 .. 2.0 in steps of 0.5).
float fasterSpeed(float s);
float slowerSpeed(float s);

// The names of the margins by direction (1..4).
const char* marginName(uint8_t dir);

// Binds the scrolling commands to the campaign screen (margins, keys, the map timer).
void bindScrolling(Camp1Frm& f);
// Stops scrolling (the pointer left the margins, an arrow key, the screen lost the focus).
void stopScrolling(Game& g);
// Centres the campaign map on a control of the map (scrolling stops).
void showOnMap(Game& g, const std::string& control);

}  // namespace fief
