// The save and load screens: a list of the saved games, a name box, and OK, delete and
// close buttons.
#include <algorithm>
#include <ctime>
#include <filesystem>

#include "campaign/autosaves.h"
#include "campaign/save_details.h"
#include "campaign/save_games.h"
#include "text_names.h"
#include "ui/dialogs.h"
#include "ui/game.h"

namespace fief {

namespace fs = std::filesystem;

class SaveListFrm : public Form {
 public:
  SaveListFrm(Game& g, const std::string& name, bool saving) : Form(g, name), saving_(saving) {
    Control& title = add(label("TitleLbl", 24, 16, 432, 30, saving ? "Save Game" : "Load Game"));
    title.Title = true;
    title.FontSize = 18;
    title.Align = 1;
    add(fileList("FileLst", 24, 60, 260, 176));  // below the medallion of the top left corner
    add(label("NameLbl", 300, 56, 156, 20, "Name"));
    add(textBox("FileNameTxt", 300, 80, 156, 28));
    if (saving) add(textBox("RenameTxt", 300, 116, 156, 28)).Visible = false;
    add(button("OkAniBtn", 300, 124, 156, 36, saving ? "Save" : "Load"));
    add(button("DelAnibtn", 300, 168, 156, 36, "Delete"));
    // What the chosen save holds (all empty while no file is chosen): two columns of
    // figures, then the date it was written.
    for (int i = 0; i < kDetailRows; ++i) {
      Control& d = add(label(kDetailNames[i], 24 + (i % 2) * 132, 240 + (i / 2) * 22, 128, 20));
      d.FontSize = 11;
    }
    add(label("FileDateCaptionLbl", 24, 308, 84, 20)).FontSize = 11;
    add(label("FileDateLbl", 108, 308, 176, 20)).FontSize = 11;
    // Autosave slots that could not be listed, and why.
    Control& skipped = add(label("SkippedLbl", 24, 332, 264, 60));
    skipped.FontSize = 10;
    skipped.ForeColor = kWarningColour;
    // The question before a save replaces another.
    if (saving) {
      Control& q = add(label("ConfirmLbl", 300, 216, 156, 60));
      q.FontSize = 11;
      q.Visible = false;
      add(button("ReplaceBtn", 300, 280, 74, 32, "Replace")).Visible = false;
      add(button("KeepBtn", 382, 280, 74, 32, "Keep")).Visible = false;
      onClick("ReplaceBtn", [this] { confirmReplace(true); });
      onClick("KeepBtn", [this] { confirmReplace(false); });
    }
    add(button("Noanibtn", 300, 336, 156, 36, "Close"));
    on("FileLst", Ev::Click, [this](const EventArgs&) { pickFile(); });
    onClick("OkAniBtn", [this] { ok(); });
    onClick("DelAnibtn", [this] { del(); });
    onClick("Noanibtn", [this] { close(); });
  }

  void Form_Load() override {
    Control& list = ctl("FileLst");
    list.Path = g_.path("Save Game");
    list.Pattern = g_.s.SaveFilePattern;
    refreshList();
    // Opened afresh, no file is chosen: no name or details of an earlier choice stay.
    ctl("FileNameTxt").Caption.clear();
    clearDetails();
    askReplace(false);
  }

  void Form_KeyUp(Key k) override {
    if (asking()) {
      if (k == Key::Escape) confirmReplace(false);
      else if (k == Key::Enter) confirmReplace(true);
    } else if (k == Key::Escape) {
      close();
    } else if (k == Key::Enter) {
      ok();
    }
  }

 private:
  static constexpr int kDetailRows = 6;
  static constexpr const char* kDetailNames[kDetailRows] = {"LevelLbl", "TurnLbl",   "SeasonLbl",
                                                            "GoldLbl",  "PeopleLbl", "SoldiersLbl"};

  void refreshList() {
    Control& list = ctl("FileLst");
    list.Items.clear();
    list.ListIndex = -1;
    std::error_code ec;
    const std::string ext = g_.s.SaveExtension;
    // Each save with the time it was written: the list shows the newest first.
    std::vector<std::pair<fs::file_time_type, std::string>> saves;
    std::string skipped;
    for (auto& e : fs::directory_iterator(list.Path, ec)) {
      std::string n = e.path().filename().string();
      if (n.size() <= ext.size() || n.compare(n.size() - ext.size(), ext.size(), ext) != 0) continue;
      const std::string save = n.substr(0, n.size() - ext.size());
      // An autosave slot is listed only when it holds a saved game; the screen says
      // which slot was passed over and why.
      if (autosaveSlotOf(save) != 0) {
        SaveDetails d;
        std::string why;
        if (!readSaveDetails(e.path().string(), d, why)) {
          // The slot names the file: the reason is said without its path.
          const std::string prefix = e.path().string() + ": ";
          if (const size_t at = why.find(prefix); at != std::string::npos) why.erase(0, at + prefix.size());
          skipped += (skipped.empty() ? "" : "\n") + save + " skipped: " + why;
          continue;
        }
      }
      if (!e.is_regular_file(ec)) continue;
      // A file whose time cannot be read goes to the end of the list.
      const fs::file_time_type written = e.last_write_time(ec);
      saves.emplace_back(ec ? fs::file_time_type::min() : written, n);
    }
    // Newest first; saves written in the same instant by name.
    std::sort(saves.begin(), saves.end(), [](const auto& a, const auto& b) {
      return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    for (auto& [when, n] : saves) list.Items.push_back(n);
    list.ListTop = 0;
    ctl("SkippedLbl").Caption = skipped;
  }

  void clearDetails() {
    for (const char* c : kDetailNames) ctl(c).Caption.clear();
    ctl("FileDateLbl").Caption.clear();
    ctl("FileDateCaptionLbl").Caption.clear();
  }

  void pickFile() {
    Control& list = ctl("FileLst");
    if (list.ListIndex < 0 || list.ListIndex >= static_cast<int>(list.Items.size())) return;
    const std::string& file = list.Items[list.ListIndex];
    ctl("FileNameTxt").Caption = file.substr(0, file.size() - g_.s.SaveExtension.size());
    askReplace(false);
    showDetails((fs::path(list.Path) / file).string());
  }

  // The figures of the save, read from the file itself; a file that holds no saved game
  // says why instead.
  void showDetails(const std::string& path) {
    clearDetails();
    SaveDetails d;
    std::string why;
    if (!readSaveDetails(path, d, why)) {
      ctl("LevelLbl").Caption = "Not a saved game";
      return;
    }
    const int season = d.season >= 1 && d.season <= 4 ? d.season : 1;
    const std::string values[kDetailRows] = {
        "Level " + std::to_string(d.level),
        "Turn " + std::to_string(d.turn),
        g_.text(txt::campaign1::SeasonNames[season]),
        g_.text(txt::captions::ResourceNames[0]) + " " + std::to_string(d.gold),
        "People " + std::to_string(d.people),
        "Soldiers " + std::to_string(d.soldiers)};
    for (int i = 0; i < kDetailRows; ++i) ctl(kDetailNames[i]).Caption = values[i];
    char buf[32];
    std::tm tm{};
    localtime_r(&d.written, &tm);
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M", &tm);
    ctl("FileDateLbl").Caption = buf;
    g_.ShowText(ctl("FileDateCaptionLbl"), txt::campaign1::SavedOn);
  }

  // The question before a save replaces another, on view or not.
  bool asking() const { return saving_ && ctl("ConfirmLbl").Visible; }
  void askReplace(bool ask) {
    if (!saving_) return;
    for (const char* c : {"ConfirmLbl", "ReplaceBtn", "KeepBtn"}) ctl(c).Visible = ask;
    ctl("OkAniBtn").Enabled = ctl("DelAnibtn").Enabled = !ask;
    replacing_ = ask ? ctl("FileNameTxt").Caption : std::string();
    if (ask) ctl("ConfirmLbl").Caption = "\"" + replacing_ + "\" exists. Replace it?";
  }
  void confirmReplace(bool replace) {
    const std::string name = replacing_;
    askReplace(false);
    if (replace) save(name);
  }

  void ok() {
    std::string name = ctl("FileNameTxt").Caption;
    if (name.empty()) return;
    std::string why;
    if (!validSaveName(name, why)) {
      ShowMessageBox(g_, "\"" + name + "\": " + why + ".");
      return;
    }
    if (saving_) {
      if (isReservedSave(name)) {
        ShowMessageBox(g_, g_.text(txt::campaign::ReservedSaveName));
        return;
      }
      // A save of that name is replaced only when the player says so.
      std::error_code ec;
      if (fs::exists(savePath(g_, name), ec)) {
        askReplace(true);
        return;
      }
      save(name);
    } else {
      std::string err;
      if (!ReadSave(g_, name, err)) {
        ShowMessageBox(g_, "The game could not be loaded: " + err);
        return;
      }
      ctl("FileNameTxt").Caption.clear();
      close();
      ShowMessageBox(g_, g_.text(txt::campaign::GameLoaded));
    }
  }

  void save(const std::string& name) {
    std::string err;
    if (!WriteSave(g_, name, err)) {
      ShowMessageBox(g_, "The game could not be saved: " + err);
      return;
    }
    ctl("FileNameTxt").Caption.clear();
    ctl("RenameTxt").Caption.clear();
    close();
    ShowMessageBox(g_, g_.text(txt::campaign::GameSaved));
  }

  void del() {
    std::string name = ctl("FileNameTxt").Caption;
    if (name.empty()) return;
    if (isReservedSave(name)) {
      ShowMessageBox(g_, g_.text(txt::campaign::ReservedSaveName));
      return;
    }
    std::string why;
    if (!validSaveName(name, why)) {
      ShowMessageBox(g_, "\"" + name + "\": " + why + ".");
      return;
    }
    removeSave(g_, name);
    ctl("FileNameTxt").Caption.clear();
    clearDetails();
    refreshList();
  }

  bool saving_;
  std::string replacing_;  // the save the question is about
};

class SaveGameFrm : public SaveListFrm {
 public:
  explicit SaveGameFrm(Game& g) : SaveListFrm(g, "SaveGameFrm", true) {}
};
class LoadGameFrm : public SaveListFrm {
 public:
  explicit LoadGameFrm(Game& g) : SaveListFrm(g, "LoadGameFrm", false) {}
};
FIEF_REGISTER_FORM(SaveGameFrm);
FIEF_REGISTER_FORM(LoadGameFrm);

}  // namespace fief
