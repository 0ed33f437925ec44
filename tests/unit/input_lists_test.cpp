// The rows of a list belong to the input model: it finds the item under the pointer from
// the list's top row and the height of a line of its text, scrolls by the wheel, brings a
// newly chosen item into view and starts a reopened form's lists at their first row.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/game.h"
#include "ui/headless/headless_shell.h"
#include "ui/input.h"

using namespace fief;

namespace {

// A 400 x 300 dialog centred on an 800 x 600 screen, its list of ten items at (210, 160),
// 150 x 100: rows of 18 pixels (lines of 16) from y = 164, five of them on view.
struct ListFixture : ::testing::Test {
  HeadlessShell shell;
  Game g{shell, FIEFDOM_GAME_DIR};
  Form form{g, "ListProbeFrm"};
  Control* list = nullptr;
  std::vector<std::string> clicks;
  static constexpr int kRowsY = 164, kPitch = 18, kX = 250;

  ListFixture() {
    form.Width = 400;
    form.Height = 300;
    Control& l = form.add(listBox("Lst", 10, 10, 150, 100));
    for (char c = 'a'; c < 'k'; ++c) l.Items.push_back(std::string(1, c));
    form.on("Lst", Ev::Click, [this](const EventArgs&) { clicks.push_back(list->Items[list->ListIndex]); });
    shell.input().setScreen(800, 600);
    shell.input().lineHeight = [](int, bool) { return 16; };
    shell.show(form);
    list = form.find("Lst");
  }
  void click(int y) {
    shell.input().mouseDown(kX, y, MouseButton::Left);
    shell.input().mouseUp(kX, y, MouseButton::Left);
  }
  // What the drawing side does each frame.
  void draw() { settleListTop(*list, listRowsShown(list->Height, 16)); }
};

TEST_F(ListFixture, TheItemUnderThePointerComesFromTheTopRow) {
  struct Case {
    int top, y, want;
  } cases[] = {
      {0, kRowsY - 2, -1},                  // above the first row
      {0, kRowsY, 0},                       // the first row's first line of pixels
      {0, kRowsY + 2 * kPitch + 9, 2},      // the third row
      {4, kRowsY + 2 * kPitch + 9, 6},      // the same row, scrolled by four
      {8, kRowsY + 3 * kPitch + 1, -1},     // below the last item
  };
  const Rect r{210, 160, 150, 100};
  for (const Case& c : cases) {
    list->ListTop = c.top;
    EXPECT_EQ(shell.input().listRowAt(*list, r, c.y), c.want) << c.top << " " << c.y;
    EXPECT_EQ(listRowAt(*list, r, c.y, 16), c.want);
  }
}

TEST_F(ListFixture, AClickChoosesTheRowAndTheWheelScrollsByRows) {
  click(kRowsY + 2 * kPitch + 9);
  EXPECT_EQ(list->ListIndex, 2);
  shell.input().wheel(kX, kRowsY + 10, 3);
  EXPECT_EQ(list->ListTop, 3);
  click(kRowsY + 9);
  EXPECT_EQ(list->ListIndex, 3);
  EXPECT_EQ(clicks, (std::vector<std::string>{"c", "d"}));
  // Below the last item nothing is chosen and nothing is clicked.
  list->ListTop = 8;
  click(kRowsY + 4 * kPitch + 9);
  EXPECT_EQ(list->ListIndex, 3);
  EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(ListFixture, WithoutALineHeightNoRowLiesUnderThePointer) {
  shell.input().lineHeight = nullptr;
  click(kRowsY + 9);
  EXPECT_EQ(list->ListIndex, -1);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(ListFixture, ANewlyChosenItemIsBroughtIntoViewOnceAndTheTopStaysWithinTheItems) {
  list->ListIndex = 7;  // below the five rows on view
  draw();
  EXPECT_EQ(list->ListTop, 3);
  shell.input().wheel(kX, kRowsY + 10, -3);  // scrolled away from it: it stays away
  draw();
  EXPECT_EQ(list->ListTop, 0);
  list->ListIndex = 1;  // already on view
  draw();
  EXPECT_EQ(list->ListTop, 0);
  shell.input().wheel(kX, kRowsY + 10, 20);  // past the end: the last five items
  draw();
  EXPECT_EQ(list->ListTop, 5);
  list->ListIndex = 2;  // above the view
  draw();
  EXPECT_EQ(list->ListTop, 2);
  shell.input().wheel(kX, kRowsY + 10, -9);
  draw();
  EXPECT_EQ(list->ListTop, 0);
}

TEST_F(ListFixture, AReopenedFormsListsStartAtTheirFirstRow) {
  shell.input().wheel(kX, kRowsY + 10, 4);
  draw();
  ASSERT_EQ(list->ListTop, 4);
  shell.close(form);
  shell.show(form);
  EXPECT_EQ(list->ListTop, 0);
  click(kRowsY + 9);
  EXPECT_EQ(list->ListIndex, 0);
}

}  // namespace

TEST_F(ListFixture, TheScrollBarTurnsPagesAndChoosesNothing) {
  // The bar runs down the list's right edge (x 346..357), between the margins (y 164..255);
  // five rows of ten items make its thumb half the track.
  const Rect r{210, 160, 150, 100};
  auto bar = listBar(*list, r, 5);
  ASSERT_TRUE(bar);
  EXPECT_EQ(bar->track.x, 346);
  EXPECT_EQ(bar->thumb.h, 46);
  EXPECT_EQ(bar->thumb.y, 164);
  auto press = [&](int y) {
    shell.input().mouseDown(350, y, MouseButton::Left);
    shell.input().mouseUp(350, y, MouseButton::Left);
    draw();
  };
  press(240);  // below the thumb: a page down
  EXPECT_EQ(list->ListTop, 5);
  EXPECT_EQ(listBar(*list, r, 5)->thumb.y, 164 + 46);
  press(240);  // on the thumb: nothing moves
  EXPECT_EQ(list->ListTop, 5);
  press(170);  // above it: a page up
  EXPECT_EQ(list->ListTop, 0);
  EXPECT_EQ(list->ListIndex, -1);
  EXPECT_TRUE(clicks.empty());
  // A list whose items all fit has no bar: the same point chooses its row.
  list->Items.resize(5);
  EXPECT_FALSE(listBar(*list, r, 5));
  press(kRowsY + 9);
  EXPECT_EQ(list->ListIndex, 0);
}
