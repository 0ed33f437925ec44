// The map preview: the whole county map scaled into one dialog, drawn from the game as
// it stands: the season's ground, and over it the fields by kind, the castle, the
// cutters, the map objects and the army camps where the campaign screen shows them, with
// a frame around the part the campaign screen shows. A click on the map moves the
// campaign screen's view there. Opens from PreviewBtn.
#include <algorithm>
#include <cstdlib>

#include "map/camp1_bindings.h"
#include "map/camp1_frm.h"
#include "map/map_pictures.h"
#include "text_names.h"
#include "ui/game.h"

namespace fief {

namespace {
// The campaign screen's map pictures the preview repeats (waypoints, kind buttons and
// status marks are too small to read at this scale).
bool mirrored(const Control& c) {
  if (c.Panel != "MapSurface" || c.Kind != ControlKind::Image) return false;
  for (const char* skip : {"WalkTo", "Trooper", "Camp"})  // "Camp1StatusImg"; the camps are "ArmyCamp1Img"
    if (c.Name.rfind(skip, 0) == 0) return false;
  return !(c.Name.size() == 9 && c.Name.rfind("Field", 0) == 0 && c.Name.compare(6, 3, "Pic") == 0);
}
}  // namespace

class MapPreviewFrm : public Form {
 public:
  explicit MapPreviewFrm(Game& g) : Form(g, "MapPreviewFrm") {
    const int W = Width > 0 ? Width : 760;
    Control& t = add(label("TitleLbl", 24, 16, W - 48, 30));  // inside the frame, as every dialog's
    t.Title = true;
    t.FontSize = 16;
    t.Align = 1;
    add(image("MapImg", kLeft, kTop, kMapW, kMapH, "map_preview_s1"));
    on("MapImg", Ev::Click, [this](const EventArgs& a) { jumpTo(a); });
    if (g.formExists("Camp1Frm"))
      for (const Control& c : g.form("Camp1Frm").controls())
        if (mirrored(c)) {
          Control& m = add(image("Mini" + c.Name, kLeft, kTop, 1, 1));
          m.Visible = false;
          on(m.Name, Ev::Click, [this](const EventArgs& a) { jumpTo(a); });
        }
    // The frame of the current view: an outline drawn around the part of the map on screen.
    Control& frame = add(panel("ViewFrameImg", kLeft, kTop, 10, 10));
    frame.Picture = "view_frame";
    frame.Z = 1;
    Control& hint = add(label("HintLbl", kLeft + kMapW + 14, kTop, W - kLeft - kMapW - 50, 120,
                              "Click the map to look at that place."));
    hint.FontSize = 10;
    add(button("OkAniBtn", W - 160, kTop + kMapH - 38, 130, 36));
    onClick("OkAniBtn", [this] { close(); });
  }

  void Form_Load() override {
    g_.ShowText(ctl("TitleLbl"), txt::captions::MapCounty);
    g_.ShowText(ctl("OkAniBtn"), txt::captions::Close);
    const int season = g_.s.Season >= 1 && g_.s.Season <= 4 ? g_.s.Season : 1;
    ctl("MapImg").Picture = mapPreviewPicture(season);
    if (!g_.formExists("Camp1Frm")) return;
    auto& camp = g_.form<Camp1Frm>("Camp1Frm");
    const Control& map = camp.ctl("MapSurface");
    if (map.Width <= 0 || map.Height <= 0) return;
    const Control& img = ctl("MapImg");
    const double sx = static_cast<double>(img.Width) / map.Width, sy = static_cast<double>(img.Height) / map.Height;
    // What lies on the campaign map, at its place and in its present picture.
    for (const Control& c : camp.controls()) {
      Control* m = find("Mini" + c.Name);
      if (!m) continue;
      m->Visible = c.Visible && !c.Picture.empty();
      m->Picture = c.Picture;
      // The fields by their kind in the season, straight from the state.
      if (c.Name.rfind("FieldImg", 0) == 0) {
        const int i = std::atoi(c.Name.c_str() + 8);
        if (i >= 1 && i <= 10) m->Picture = fieldPicture(g_.s.FieldKind[i - 1], season);
      }
      m->Left = img.Left + static_cast<int>(c.Left * sx);
      m->Top = img.Top + static_cast<int>(c.Top * sy);
      m->Width = std::max(6, static_cast<int>(c.Width * sx));
      m->Height = std::max(6, static_cast<int>(c.Height * sy));
    }
    // The visible part of the map (the window over the map), scaled to the preview.
    const int vx = std::clamp(-map.Left, 0, map.Width), vy = std::clamp(-map.Top, 0, map.Height);
    const int vw = std::min(camp.Width, map.Width - vx), vh = std::min(camp.Height, map.Height - vy);
    Control& frame = ctl("ViewFrameImg");
    frame.Left = img.Left + static_cast<int>(vx * sx);
    frame.Top = img.Top + static_cast<int>(vy * sy);
    frame.Width = std::max(1, static_cast<int>(vw * sx));
    frame.Height = std::max(1, static_cast<int>(vh * sy));
  }

  void Form_KeyUp(Key k) override {
    if (k == Key::Escape || k == Key::Enter) close();
  }

 private:
  // The campaign screen's view is centred on the clicked point of the map as far as the
  // map reaches (the range of the home position), and the preview closes on it.
  void jumpTo(const EventArgs& a) {
    if (a.x < 0 || a.y < 0 || !g_.formExists("Camp1Frm")) return;
    auto& camp = g_.form<Camp1Frm>("Camp1Frm");
    Control& map = camp.ctl("MapSurface");
    const Control& img = ctl("MapImg");
    if (img.Width <= 0 || img.Height <= 0) return;
    const int px = std::clamp(a.x - img.Left, 0, img.Width) * map.Width / img.Width;
    const int py = std::clamp(a.y - img.Top, 0, img.Height) * map.Height / img.Height;
    map.Left = std::clamp(camp.Width / 2 - px, std::min(0, camp.Width - map.Width), 0);
    map.Top = std::clamp(camp.Height / 2 - py, std::min(0, camp.Height - map.Height), 0);
    close();
  }

  // The preview picture keeps the map's 4:3 shape.
  static constexpr int kLeft = 20, kTop = 84, kMapW = 560, kMapH = 420;  // below the medallion
};
FIEF_REGISTER_FORM(MapPreviewFrm);

void bindMapPreview(Camp1Frm& f) {
  f.onClick("PreviewBtn", [&f] { f.game().form("MapPreviewFrm").showModal(); });
}

}  // namespace fief
