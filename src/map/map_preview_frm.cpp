// The map preview: the whole county map scaled into one dialog, with a frame around the
// part the campaign screen shows. Opens from PreviewBtn.
#include <algorithm>

#include "campaign/game.h"
#include "map/camp1_frm.h"

namespace fief {

class MapPreviewFrm : public Form {
 public:
  explicit MapPreviewFrm(Game& g) : Form(g, "MapPreviewFrm") {
    const int W = Width > 0 ? Width : 760;
    Control& t = add(label("TitleLbl", 20, 8, W - 40, 30));
    t.Title = true;
    t.FontSize = 16;
    t.Align = 1;
    add(image("MapImg", kLeft, kTop, kMapW, kMapH, "map_preview"));
    // The frame of the current view: an outline drawn around the part of the map on screen.
    Control& frame = add(panel("ViewFrameImg", kLeft, kTop, 10, 10));
    frame.Picture = "view_frame";
    frame.Z = 1;
    add(button("OkAniBtn", W - 160, kTop + kMapH - 38, 130, 36));
    onClick("OkAniBtn", [this] { close(); });
  }

  void Form_Load() override {
    g_.ShowText(ctl("TitleLbl"), 82, 3);
    g_.ShowText(ctl("OkAniBtn"), 24, 3);
    if (!g_.formExists("Camp1Frm")) return;
    auto& camp = g_.form<Camp1Frm>("Camp1Frm");
    const Control& map = camp.ctl("MapSurface");
    if (map.Width <= 0 || map.Height <= 0) return;
    // The visible part of the map (the window over the map), scaled to the preview.
    const double sx = static_cast<double>(kMapW) / map.Width, sy = static_cast<double>(kMapH) / map.Height;
    const int vx = std::clamp(-map.Left, 0, map.Width), vy = std::clamp(-map.Top, 0, map.Height);
    const int vw = std::min(camp.Width, map.Width - vx), vh = std::min(camp.Height, map.Height - vy);
    Control& frame = ctl("ViewFrameImg");
    frame.Left = kLeft + static_cast<int>(vx * sx);
    frame.Top = kTop + static_cast<int>(vy * sy);
    frame.Width = std::max(1, static_cast<int>(vw * sx));
    frame.Height = std::max(1, static_cast<int>(vh * sy));
  }

  void Form_KeyUp(Key k) override {
    if (k == Key::Escape || k == Key::Enter) close();
  }

 private:
  // The preview picture keeps the map's 4:3 shape.
  static constexpr int kLeft = 20, kTop = 44, kMapW = 560, kMapH = 420;
};
FIEF_REGISTER_FORM(MapPreviewFrm);

namespace {
struct Register {
  Register() {
    Camp1Frm::addBinder([](Camp1Frm& f) { f.onClick("PreviewBtn", [&f] { f.game().form("MapPreviewFrm").showModal(); }); });
  }
} reg;
}  // namespace

}  // namespace fief
