#include "ui/menu_frm.h"

#include <algorithm>

#include "campaign/files.h"
#include "campaign/save_games.h"
#include "text_names.h"
#include "ui/dialogs.h"
#include "ui/game.h"

namespace fief {

namespace {

constexpr uint32_t kHighlightColour = 0x8B1A1A;  // a label under the pointer

// The switches of the advanced panel and the options record fields they set.
struct Switch {
  const char* control;
  Flag AdvancedSettings::*field;
  TextId caption;
};
const Switch kSwitches[] = {
    {"MapAnimOption", &AdvancedSettings::MapAnimation, txt::captions::MapAnimationOption},
    {"DeleteMsgOption", &AdvancedSettings::DeleteMessagesOption, txt::captions::ClearMessagesOption},
    {"DisableMsgSOption", &AdvancedSettings::MessageSoundOff, txt::captions::MessageSoundOption},  // shows the inverse
    {"TrooperOption", &AdvancedSettings::ShowTroopers, txt::captions::ShowTroopersOption},
    {"WalkOption", &AdvancedSettings::NoMovesMarkerOption, txt::captions::ShowArmyMarkersOption},
    {"TooltipOption", &AdvancedSettings::Tooltips, txt::captions::TooltipsOption},
    {"AutoCalcOption", &AdvancedSettings::AutoCalcOption, txt::captions::AutoCalculateOption},
    {"AutoSaveOption", &AdvancedSettings::AutoSaveOption, txt::captions::AutosaveOption},
    {"AnimatedSOption", &AdvancedSettings::AnimatedSprites, txt::captions::AnimatedSpritesOption},
};
bool inverse(const Switch& s) { return std::string(s.control) == "DisableMsgSOption"; }

const char* const kPanels[] = {"MainMenuFrm", "OptionsFrm", "AdvancedFrm"};
const char* const kDisplayBoxes[] = {"Display0Option", "Display1Option", "Display2Option", "Display3Option"};
const char* const kDisplayCaptions[] = {"800 x 600", "1024 x 768", "1280 x 960", "1280 x 1024"};

// Keeps an attenuation on the scale the sound layer takes (0 .. -10000).
int16_t clampAttenuation(int v) { return static_cast<int16_t>(std::clamp(v, -10000, 0)); }

void refreshCampaignScreen(Game& g) {
  g.invalidate(View::Everything);
}

}  // namespace

void applyVolumes(Game& g) {
  if (!g.SoundAvailable) return;
  g.shell.setVolume(kMusicChannel, g.s.Advanced.MusicAttenuation);
  for (int i = 1; i < 8; ++i) g.shell.setVolume(kChannels[i], g.s.Advanced.SoundAttenuation);
}

void musicUp(Game& g) {
  AdvancedSettings& a = g.s.Advanced;
  if (a.MusicVolume >= 10) return;
  a.MusicVolume += 1;
  a.MusicAttenuation = clampAttenuation(a.MusicAttenuation + kVolumeStep);
  if (g.SoundAvailable) g.shell.setVolume(kMusicChannel, a.MusicAttenuation);
}

void musicDown(Game& g) {
  AdvancedSettings& a = g.s.Advanced;
  if (a.MusicVolume == 0) return;
  a.MusicVolume -= 1;
  a.MusicAttenuation = clampAttenuation(a.MusicAttenuation - kVolumeStep);
  if (g.SoundAvailable) g.shell.setVolume(kMusicChannel, a.MusicAttenuation);
}

static void soundStep(Game& g, int dir) {
  AdvancedSettings& a = g.s.Advanced;
  if ((dir > 0 && a.SoundVolume >= 10) || (dir < 0 && a.SoundVolume == 0)) return;
  a.SoundVolume = static_cast<uint8_t>(a.SoundVolume + dir);
  a.SoundAttenuation = clampAttenuation(a.SoundAttenuation + dir * kVolumeStep);
  // Every effect channel: all channels but the music's.
  if (g.SoundAvailable)
    for (int i = 1; i < 8; ++i) g.shell.setVolume(kChannels[i], a.SoundAttenuation);
}
void soundsUp(Game& g) { soundStep(g, +1); }
void soundsDown(Game& g) { soundStep(g, -1); }

void setMusicSwitch(Game& g, bool on) {
  AdvancedSettings& a = g.s.Advanced;
  a.Music = toFlag(on);
  a.MusicAttenuation = a.SoundAttenuation = on ? 0 : -10000;
  a.MusicVolume = a.SoundVolume = on ? 10 : 0;
  if (!g.SoundAvailable) return;
  applyVolumes(g);
  if (on) g.shell.playSound(kMusicChannel, "music01.wav", true);
  else g.shell.stopSound(kMusicChannel);
}

bool storeAdvanced(Game& g, std::string& err) {
  AdvancedSettings& a = g.s.Advanced;
  if (!g.SoundAvailable) {
    a.MusicAttenuation = a.SoundAttenuation = 0;
    a.MusicVolume = a.SoundVolume = 10;
  }
  return writeFileAtomic(g.writePath("Advanced.rz"), encodeAdvanced(a), err);
}

MenuFrm::MenuFrm(Game& g) : Form(g, "MenuFrm") {
  Background = "menuframeres";
  declareControls();
  bindCommands();
}

void MenuFrm::declareControls() {
  const int W = Width > 0 ? Width : 480;
  for (const char* p : kPanels) add(panel(p, 0, 0, W, Height > 0 ? Height : 440));
  auto in = [](Control c, const char* p) {
    c.Panel = p;
    return c;
  };
  auto title = [&](const char* name, const char* p) {
    Control& t = add(in(label(name, 40, 20, W - 80, 34), p));
    t.Title = true;
    t.FontSize = 20;
    t.Align = 1;
  };
  auto menuLabel = [&](const char* name, const char* p, int x, int y, int w) -> Control& {
    Control& l = add(in(label(name, x, y, w, 30), p));
    l.FontSize = 15;
    l.Align = 1;
    return l;
  };

  // Main menu.
  title("MainTitleLbl", "MainMenuFrm");
  const char* const main[] = {"SaveGameLbl", "LoadGameLbl",  "OptionsLbl", "KeysLbl",  "AboutLbl",
                              "SaveExitLbl", "ExitTitlelbl", "ExitLbl",    "ReturnLbl"};
  for (int i = 0; i < 9; ++i) menuLabel(main[i], "MainMenuFrm", 100, 66 + i * 38, W - 200);
  ctl("KeysLbl").Caption = "Keys";

  // Options: music and sound volumes, the display.
  title("OptionsTitleLbl", "OptionsFrm");
  add(in(checkBox("MusicOption", 40, 64, 200, 24), "OptionsFrm"));
  auto volumeRow = [&](const char* lbl, const char* down, const char* track, const char* bar, const char* up, int y) {
    add(in(label(lbl, 40, y, 240, 20), "OptionsFrm")).FontSize = 11;
    add(in(button(down, 40, y + 22, 28, 24, "-"), "OptionsFrm"));
    add(in(image(track, 76, y + 24, 10 * kVolumeBarStep, 20, "progress_bar"), "OptionsFrm"));
    Control& b = add(in(image(bar, 76, y + 24, 0, 20, "progress_fill"), "OptionsFrm"));
    b.Z = 1;
    add(in(button(up, 384, y + 22, 28, 24, "+"), "OptionsFrm"));
  };
  volumeRow("MusicVolumeLbl", "MusicDown", "MusicVolumeTrack", "MusicVolumeCtrl", "MusicUp", 96);
  volumeRow("SoundVolumeLbl", "SoundsDown", "SoundVolumeTrack", "SoundVolumeCtrl", "SoundsUp", 150);
  add(in(checkBox("WindowedOption", 40, 208, 300, 24), "OptionsFrm"));
  add(in(label("DisplaySizeLbl", 40, 238, 240, 20), "OptionsFrm")).FontSize = 11;
  for (int i = 0; i < 4; ++i) {
    Control& c = add(in(checkBox(kDisplayBoxes[i], 40 + i * 102, 260, 100, 24, kDisplayCaptions[i]), "OptionsFrm"));
    c.FontSize = 9;
  }
  add(in(checkBox("DetailOption", 40, 292, 300, 24), "OptionsFrm"));
  Control& note = add(in(label("DisplayNoteLbl", 40, 322, W - 80, 36), "OptionsFrm"));
  note.FontSize = 9;
  menuLabel("MoreOptionsLbl", "OptionsFrm", W - 240, 376, 200);

  // Advanced options: the switches and OK.
  title("AdvancedTitleLbl", "AdvancedFrm");
  for (size_t i = 0; i < std::size(kSwitches); ++i)
    add(in(checkBox(kSwitches[i].control, 40, 62 + static_cast<int>(i) * 34, W - 80, 26), "AdvancedFrm"));
  add(in(button("OkAniBtn", W - 200, 372, 160, 38), "AdvancedFrm"));

  // Back to the main menu, from the options and the advanced panels.
  menuLabel("MenuLbl", "", 40, 376, 200).Visible = false;
}

void MenuFrm::bindCommands() {
  onClick("SaveGameLbl", [this] {
    if (!busy()) g_.form("SaveGameFrm").showModal();
  });
  onClick("LoadGameLbl", [this] {
    if (busy()) return;
    g_.form("LoadGameFrm").showModal();
    refreshCampaignScreen(g_);
  });
  onClick("OptionsLbl", [this] { showPanel("OptionsFrm"); });
  onClick("MoreOptionsLbl", [this] { showPanel("AdvancedFrm"); });
  onClick("MenuLbl", [this] { showPanel("MainMenuFrm"); });
  onClick("AboutLbl", [this] { g_.form("AboutFrm").showModal(); });
  onClick("KeysLbl", [this] { g_.form("KeysFrm").showModal(); });
  onClick("SaveExitLbl", [this] { saveAndExit(); });
  onClick("ExitTitlelbl", [this] { exitWithQuestion(kExitToTitleQuestion); });
  onClick("ExitLbl", [this] { exitWithQuestion(kExitQuestion); });
  onClick("ReturnLbl", [this] { close(); });

  for (const Switch& sw : kSwitches) {
    onClick(sw.control, [this, &sw] {
      const bool checked = ctl(sw.control).Checked;
      g_.s.Advanced.*sw.field = toFlag(inverse(sw) ? !checked : checked);
      const std::string c = sw.control;
      if (c == "MapAnimOption") {
        g_.shell.setPointer(Pointer::Busy);
        g_.invalidate(View::Animations);
        g_.shell.setPointer(Pointer::Normal);
      } else if (c == "TrooperOption" || c == "WalkOption") {
        refreshCampaignScreen(g_);
      }
    });
  }
  onClick("MusicOption", [this] {
    setMusicSwitch(g_, ctl("MusicOption").Checked);
    setBars();
  });
  onClick("MusicUp", [this] { musicUp(g_); setBars(); });
  onClick("MusicDown", [this] { musicDown(g_); setBars(); });
  onClick("SoundsUp", [this] { soundsUp(g_); setBars(); });
  onClick("SoundsDown", [this] { soundsDown(g_); setBars(); });
  onClick("WindowedOption", [this] { pendingOptim.Words[3] = toFlag(ctl("WindowedOption").Checked); });
  for (int i = 0; i < 4; ++i)
    onClick(kDisplayBoxes[i], [this, i] {
      pendingOptim.DisplayMode = static_cast<uint8_t>(i);
      setBoxes();
    });
  onClick("DetailOption", [this] { pendingOptim.ColourDepth = ctl("DetailOption").Checked ? 16 : 32; });
  onClick("OkAniBtn", [this] { okAdvanced(); });

  // Every label lights up under the pointer and clicks when pressed.
  for (auto& c : controls()) {
    if (c.Kind != ControlKind::Label || !handles(c.Name, Ev::Click)) continue;
    const std::string n = c.Name;
    on(n, Ev::MouseMove, [this, n](const EventArgs&) {
      for (auto& o : controls())
        if (o.Kind == ControlKind::Label && handles(o.Name, Ev::Click)) o.ForeColor = kDefaultColour;
      ctl(n).ForeColor = kHighlightColour;
    });
    on(n, Ev::MouseDown, [this](const EventArgs&) { g_.PlaySound(kClickChannel, "click01.wav"); });
  }
}

void MenuFrm::Form_Load() {
  auto cap = [this](const char* c, TextId t) { g_.ShowText(ctl(c), t); };
  using namespace txt::captions;
  cap("MainTitleLbl", Menu);
  cap("SaveGameLbl", SaveGame);
  cap("LoadGameLbl", LoadGame);
  cap("OptionsLbl", Options);
  cap("AboutLbl", About);
  cap("SaveExitLbl", SaveAndExit);
  cap("ExitTitlelbl", ExitToTitle);
  cap("ExitLbl", Exit);
  cap("ReturnLbl", Back);
  cap("OptionsTitleLbl", Options);
  cap("MusicOption", MusicOption);
  cap("MusicVolumeLbl", MusicVolume);
  cap("SoundVolumeLbl", SoundVolume);
  cap("WindowedOption", txt::campaign::PlayInWindow);
  cap("DisplaySizeLbl", txt::campaign::ScreenSize);
  cap("DetailOption", txt::campaign::HighDetail);
  cap("DisplayNoteLbl", txt::campaign::DisplayNote);
  cap("MoreOptionsLbl", AdvancedOptions);
  cap("AdvancedTitleLbl", AdvancedOptions);
  for (const Switch& sw : kSwitches) cap(sw.control, sw.caption);
  cap("OkAniBtn", Ok);
  cap("MenuLbl", MainMenu);
  if (!optimRead_) {
    pendingOptim = g_.optim;
    optimRead_ = true;
  }
  showPanel("MainMenuFrm");
}

void MenuFrm::Form_Activate() {
  setBoxes();
  setBars();
  // No sound device: no music switch and no volumes.
  const bool sound = g_.SoundAvailable;
  ctl("MusicOption").Enabled = sound;
  if (!sound) ctl("MusicOption").Checked = false;
  for (const char* b : {"MusicUp", "MusicDown", "SoundsUp", "SoundsDown"}) ctl(b).Enabled = sound;
}

void MenuFrm::Form_KeyUp(Key k) {
  if (k == Key::Escape) close();
}

void MenuFrm::showPanel(const std::string& p) {
  for (const char* name : kPanels) ctl(name).Visible = p == name;
  ctl("MenuLbl").Visible = p != "MainMenuFrm";
}

void MenuFrm::setBoxes() {
  const AdvancedSettings& a = g_.s.Advanced;
  for (const Switch& sw : kSwitches) {
    const bool on = isSet(a.*sw.field);
    ctl(sw.control).Checked = inverse(sw) ? !on : on;
  }
  ctl("MusicOption").Checked = isSet(a.Music) && g_.SoundAvailable;
  ctl("WindowedOption").Checked = pendingOptim.windowed();
  for (int i = 0; i < 4; ++i) ctl(kDisplayBoxes[i]).Checked = pendingOptim.DisplayMode == i;
  ctl("DetailOption").Checked = pendingOptim.highDetail();
}

void MenuFrm::setBars() {
  const AdvancedSettings& a = g_.s.Advanced;
  ctl("MusicVolumeCtrl").Width = std::min<int>(a.MusicVolume, 10) * kVolumeBarStep;
  ctl("SoundVolumeCtrl").Width = std::min<int>(a.SoundVolume, 10) * kVolumeBarStep;
}

void MenuFrm::okAdvanced() {
  std::string err;
  if (!storeAdvanced(g_, err)) {
    ShowMessageBox(g_, "The options could not be stored: " + err);
    return;
  }
  if (!writeFileAtomic(g_.writePath("Optim.rz"), encodeOptim(pendingOptim), err)) {
    ShowMessageBox(g_, "The display settings could not be stored: " + err);
    return;
  }
  if (isSet(g_.s.Advanced.Tooltips)) {
    g_.timers.enable("TooltipsTimer");
  } else {
    g_.timers.disable("TooltipsTimer");
    g_.invalidate(View::Tooltip);
  }
  close();
}

bool MenuFrm::busy() {
  // A battle or a walk under way belongs to the game on the map: it is neither saved half
  // done, nor applied to a game loaded meanwhile, nor left behind (as with F6 and F7).
  if (!g_.timedActionRunning()) return false;
  ShowMessageBox(g_, kBusyMessage);
  return true;
}

void MenuFrm::saveAndExit() {
  if (busy()) return;
  std::string err;
  if (!WriteSave(g_, "Save and Exit", err)) {
    ShowMessageBox(g_, "The game could not be saved: " + err);
    return;
  }
  g_.shell.endProgram();
}

void MenuFrm::exitWithQuestion(EventKind kind) {
  if (busy()) return;
  showExitQuestion(g_, kind);
}

FIEF_REGISTER_FORM(MenuFrm);

}  // namespace fief
