// A list's rows and scroll bar: which rows are in view, the row under a point, and what a
// press on each part of the bar and a drag of its thumb do.
#include <gtest/gtest.h>

#include <string>

#include "ui/list_view.h"

namespace fief {
namespace {

// The load screen's list: 260 x 176 in the 12-point face, eight rows of 21 pixels.
Control listOf(int items, int top = 0) {
  Control c = fileList("FileLst", 24, 56, 260, 176);
  for (int i = 0; i < items; ++i) c.Items.push_back("Save " + std::to_string(i));
  c.TopIndex = top;
  return c;
}

TEST(ListView, RowsInViewAndTheBar) {
  EXPECT_EQ(listRowHeight(listOf(0)), 21);
  EXPECT_EQ(listRowsShown(listOf(0)), 8);
  const struct {
    int items, top;
    bool bar;
    int shownTop;
  } cases[] = {
      {0, 0, false, 0},  {8, 0, false, 0},  {8, 3, false, 0},   // all rows fit: no bar, nothing to scroll
      {9, 0, true, 0},   {9, 5, true, 1},   {30, 22, true, 22},  // the last page ends at the last row
      {30, 40, true, 22}, {30, -4, true, 0},                       // a top out of the list is kept within it
  };
  for (const auto& c : cases) {
    const Control l = listOf(c.items, c.top);
    EXPECT_EQ(listHasBar(l), c.bar) << c.items << " rows";
    EXPECT_EQ(listTop(l), c.shownTop) << c.items << " rows from " << c.top;
  }
  // The rows give the bar its room.
  EXPECT_EQ(listRowsArea(listOf(8)).w, 260 - 12);
  EXPECT_EQ(listRowsArea(listOf(9)).w, 260 - 12 - kListBarWidth - 2);
}

TEST(ListView, TheRowUnderAPoint) {
  const Control l = listOf(12, 2);
  const struct {
    int x, y, row;
  } cases[] = {
      {20, 4, 2},   {20, 24, 2},  {20, 25, 3},  // the first row in view is the third
      {20, 3, -1},                              // above the rows
      {245, 30, -1},                            // on the bar
      {20, 4 + 7 * 21, 9},                      // the last row in view
  };
  for (const auto& c : cases) EXPECT_EQ(listRowAt(l, c.x, c.y), c.row) << c.x << "," << c.y;
  EXPECT_EQ(listRowAt(listOf(3), 20, 4 + 3 * 21), -1) << "below the last row";
}

TEST(ListView, PressesOnTheBar) {
  const ListBar b = listBar(listOf(30));
  EXPECT_EQ(b.up.y, 4);
  EXPECT_EQ(b.down.y + b.down.h, 176 - 4);
  const struct {
    const char* part;
    int top, x, y, after;
    bool thumb;
  } cases[] = {
      {"up arrow at the top", 0, b.up.x + 4, b.up.y + 4, 0, false},
      {"up arrow", 5, b.up.x + 4, b.up.y + 4, 4, false},
      {"down arrow", 5, b.down.x + 4, b.down.y + 4, 6, false},
      {"down arrow at the end", 22, b.down.x + 4, b.down.y + 4, 22, false},
      {"track below the thumb", 0, b.track.x + 4, b.track.y + b.track.h - 2, 7, false},
      {"track above the thumb", 22, b.track.x + 4, b.track.y + 2, 15, false},
      {"thumb", 0, b.thumb.x + 4, b.thumb.y + 2, 0, true},
  };
  for (const auto& c : cases) {
    Control l = listOf(30, c.top);
    bool thumb = false;
    EXPECT_TRUE(pressListBar(l, c.x, c.y, thumb)) << c.part;
    EXPECT_EQ(listTop(l), c.after) << c.part;
    EXPECT_EQ(thumb, c.thumb) << c.part;
  }
  Control rows = listOf(30);
  bool thumb = false;
  EXPECT_FALSE(pressListBar(rows, 20, 30, thumb)) << "a row is no part of the bar";
  Control fits = listOf(8);
  EXPECT_FALSE(pressListBar(fits, b.down.x + 4, b.down.y + 4, thumb)) << "a list that fits has no bar";
}

TEST(ListView, DraggingTheThumbAndKeepingTheChosenRowInView) {
  Control l = listOf(30);
  const ListBar b = listBar(l);
  const int room = b.track.h - b.thumb.h;
  dragListThumb(l, 0, room);
  EXPECT_EQ(listTop(l), 22) << "down the whole track: the last page";
  dragListThumb(l, 22, -room / 2);
  EXPECT_EQ(listTop(l), 11) << "half way back";
  dragListThumb(l, 0, 100000);
  EXPECT_EQ(listTop(l), 22) << "beyond the track";
  dragListThumb(l, 22, -100000);
  EXPECT_EQ(listTop(l), 0);
  // The thumb follows the rows.
  l.TopIndex = 22;
  EXPECT_EQ(listBar(l).thumb.y + listBar(l).thumb.h, b.track.y + b.track.h);

  scrollListBy(l, 1000);
  EXPECT_EQ(l.TopIndex, 22);
  l.ListIndex = 3;
  keepChosenRowInView(l);
  EXPECT_EQ(l.TopIndex, 3);
  l.ListIndex = 29;
  keepChosenRowInView(l);
  EXPECT_EQ(l.TopIndex, 22);
}

}  // namespace
}  // namespace fief
