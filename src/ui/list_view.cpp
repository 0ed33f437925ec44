#include "ui/list_view.h"

#include <algorithm>
#include <cmath>

namespace fief {

namespace {
// The rows lie inside the list's border: 6 pixels at the sides, 4 above and below.
constexpr int kSide = 6, kEdge = 4;

int maxTop(const Control& c) { return std::max(0, static_cast<int>(c.Items.size()) - listRowsShown(c)); }
}  // namespace

bool isListControl(const Control* c) { return c && (c->Kind == ControlKind::List || c->Kind == ControlKind::FileList); }

int listRowHeight(const Control& c) {
  // The face's pixel size (4/3 pixels a point), its line height a fifth more, and 2 pixels
  // between rows: the height the text face of the game needs at every size.
  const int px = std::max(6, static_cast<int>(std::lround(c.FontSize * 4.0 / 3.0)));
  return px + px / 5 + 2;
}

int listRowsShown(const Control& c) { return std::max(1, (c.Height - 2 * kEdge) / listRowHeight(c)); }

bool listHasBar(const Control& c) { return static_cast<int>(c.Items.size()) > listRowsShown(c); }

int listTop(const Control& c) { return std::clamp(c.TopIndex, 0, maxTop(c)); }

void scrollListBy(Control& c, int rows) {
  // In 64 bits: a wheel or a drag far beyond the list stays within it.
  c.TopIndex = static_cast<int>(std::clamp<long long>(static_cast<long long>(listTop(c)) + rows, 0, maxTop(c)));
}

void keepChosenRowInView(Control& c) {
  const int rows = listRowsShown(c);
  int top = listTop(c);
  if (c.ListIndex >= 0 && c.ListIndex < static_cast<int>(c.Items.size())) {
    if (c.ListIndex < top) top = c.ListIndex;
    if (c.ListIndex >= top + rows) top = c.ListIndex - rows + 1;
  }
  c.TopIndex = std::clamp(top, 0, maxTop(c));
}

ListBar listBar(const Control& c) {
  ListBar b;
  const int x = c.Width - kSide - kListBarWidth, h = c.Height - 2 * kEdge;
  const int arrow = std::min(kListBarWidth, h / 3);
  b.up = Rect{x, kEdge, kListBarWidth, arrow};
  b.down = Rect{x, c.Height - kEdge - arrow, kListBarWidth, arrow};
  b.track = Rect{x, kEdge + arrow, kListBarWidth, std::max(0, h - 2 * arrow)};
  const int n = static_cast<int>(c.Items.size()), rows = listRowsShown(c);
  const int thumbH = n > 0 ? std::clamp(b.track.h * rows / n, std::min(12, b.track.h), b.track.h) : b.track.h;
  const int room = b.track.h - thumbH, most = maxTop(c);
  b.thumb = Rect{x, b.track.y + (most > 0 ? room * listTop(c) / most : 0), kListBarWidth, thumbH};
  return b;
}

Rect listRowsArea(const Control& c) {
  const int bar = listHasBar(c) ? kListBarWidth + 2 : 0;
  return Rect{kSide, kEdge, std::max(0, c.Width - 2 * kSide - bar), std::max(0, c.Height - 2 * kEdge)};
}

int listRowAt(const Control& c, int x, int y) {
  const Rect area = listRowsArea(c);
  if (!area.contains(x, y)) return -1;
  const int row = listTop(c) + (y - area.y) / listRowHeight(c);
  return row < static_cast<int>(c.Items.size()) ? row : -1;
}

bool pressListBar(Control& c, int x, int y, bool& onThumb) {
  onThumb = false;
  if (!listHasBar(c)) return false;
  const ListBar b = listBar(c);
  const int page = std::max(1, listRowsShown(c) - 1);
  if (b.up.contains(x, y)) scrollListBy(c, -1);
  else if (b.down.contains(x, y)) scrollListBy(c, 1);
  else if (b.thumb.contains(x, y)) onThumb = true;
  else if (b.track.contains(x, y)) scrollListBy(c, y < b.thumb.y ? -page : page);
  else return x >= b.up.x && x < b.up.x + b.up.w && y >= 0 && y < c.Height;  // the bar's own margin
  return true;
}

void dragListThumb(Control& c, int startTop, int dy) {
  const ListBar b = listBar(c);
  const int room = b.track.h - b.thumb.h, most = maxTop(c);
  if (room <= 0 || most <= 0) return;
  // The row whose thumb position lies nearest the pointer.
  const long long moved = (static_cast<long long>(dy) * most * 2 + (dy >= 0 ? room : -room)) / (2LL * room);
  c.TopIndex = static_cast<int>(std::clamp<long long>(startTop + moved, 0, most));
}

}  // namespace fief
