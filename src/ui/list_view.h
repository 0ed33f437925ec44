// A list's rows and its scroll bar, one model for the input of both shells, the script
// runner and the renderer: how tall a row is, which rows are in view (Control::TopIndex),
// where the scroll bar and its parts lie, and what a press on them does. A list shows the
// bar only while it holds more rows than it can show.
#pragma once

#include "ui/form.h"
#include "ui/input.h"

namespace fief {

// The bar's width, inside the list's right border.
constexpr int kListBarWidth = 16;

bool isListControl(const Control* c);
// Pixels of one row in the list's face (the text's height and a little room).
int listRowHeight(const Control& c);
// The rows the list has room for (at least one).
int listRowsShown(const Control& c);
// Whether the list holds more rows than it shows: it has a scroll bar.
bool listHasBar(const Control& c);
// The first row in view, kept within the rows the list holds.
int listTop(const Control& c);
// Moves the rows in view by `rows` (negative: up), within the list.
void scrollListBy(Control& c, int rows);
// Brings the chosen row into view.
void keepChosenRowInView(Control& c);

// The parts of the scroll bar, in the list's own coordinates (0, 0 its top left corner).
struct ListBar {
  Rect up, down, track, thumb;
};
ListBar listBar(const Control& c);
// The text area of the rows, left of the bar when there is one.
Rect listRowsArea(const Control& c);

// The row under a point of the list (its own coordinates): -1 over the bar, above the
// first row or below the last.
int listRowAt(const Control& c, int x, int y);

// A left press at a point of the list's bar (its own coordinates): an arrow moves the rows
// one, the track beside the thumb a page. Returns whether the point was on the bar; a
// press on the thumb returns true and sets `onThumb`, the start of a drag.
bool pressListBar(Control& c, int x, int y, bool& onThumb);
// The thumb dragged: `dy` pixels from where the drag began, with `startTop` the first row
// in view then.
void dragListThumb(Control& c, int startTop, int dy);

}  // namespace fief
