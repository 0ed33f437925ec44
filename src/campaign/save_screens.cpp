// The save and load screens: a list of the saved games, a name box, and OK, delete and
// close buttons.
#include <chrono>
#include <ctime>
#include <filesystem>

#include "campaign/chronicle_file.h"
#include "campaign/game.h"
#include "campaign/save_games.h"
#include "ui/dialogs.h"
#include "text_names.h"

namespace fief {

namespace fs = std::filesystem;

class SaveListFrm : public Form {
 public:
  SaveListFrm(Game& g, const std::string& name, bool saving) : Form(g, name), saving_(saving) {
    Control& title = add(label("TitleLbl", 24, 16, 432, 30, saving ? "Save Game" : "Load Game"));
    title.Title = true;
    title.FontSize = 18;
    title.Align = 1;
    add(fileList("FileLst", 24, 56, 260, 260));
    add(label("NameLbl", 300, 56, 156, 20, "Name"));
    add(textBox("FileNameTxt", 300, 80, 156, 28));
    if (saving) add(textBox("RenameTxt", 300, 116, 156, 28)).Visible = false;
    // The chosen file's date, under its caption (both empty while no file is chosen).
    add(label("FileDateCaptionLbl", 300, 150, 156, 20)).FontSize = 10;
    add(label("FileDateLbl", 300, 170, 156, 24));
    add(button("OkAniBtn", 300, 220, 156, 36, saving ? "Save" : "Load"));
    add(button("DelAnibtn", 300, 264, 156, 36, "Delete"));
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
    // Opened afresh, no file is chosen: no name or date of an earlier choice stays.
    for (const char* c : {"FileNameTxt", "FileDateLbl", "FileDateCaptionLbl"}) ctl(c).Caption.clear();
  }

  void Form_KeyUp(Key k) override {
    if (k == Key::Escape) close();
    else if (k == Key::Enter) ok();
  }

 private:
  void refreshList() {
    Control& list = ctl("FileLst");
    list.Items.clear();
    list.ListIndex = -1;
    std::error_code ec;
    const std::string ext = g_.s.SaveExtension;
    std::vector<std::string> names;
    for (auto& e : fs::directory_iterator(list.Path, ec)) {
      std::string n = e.path().filename().string();
      if (e.is_regular_file() && n.size() > ext.size() && n.compare(n.size() - ext.size(), ext.size(), ext) == 0)
        names.push_back(n);
    }
    std::sort(names.begin(), names.end());
    list.Items = names;
  }

  void pickFile() {
    Control& list = ctl("FileLst");
    if (list.ListIndex < 0 || list.ListIndex >= static_cast<int>(list.Items.size())) return;
    const std::string& file = list.Items[list.ListIndex];
    ctl("FileNameTxt").Caption = file.substr(0, file.size() - 4);
    std::error_code ec;
    auto t = fs::last_write_time(fs::path(list.Path) / file, ec);
    if (!ec) {
      auto sys = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
          t - fs::file_time_type::clock::now() + std::chrono::system_clock::now());
      std::time_t tt = std::chrono::system_clock::to_time_t(sys);
      char buf[32];
      std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M", std::localtime(&tt));
      ctl("FileDateLbl").Caption = buf;
      g_.ShowText(ctl("FileDateCaptionLbl"), txt::campaign1::SavedOn);
    }
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
      std::string err;
      if (!WriteSave(g_, name, err)) {
        ShowMessageBox(g_, "The game could not be saved: " + err);
        return;
      }
      ctl("FileNameTxt").Caption.clear();
      ctl("RenameTxt").Caption.clear();
      close();
      ShowMessageBox(g_, g_.text(txt::campaign::GameSaved));
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
    // The file chosen in the list, with its extension.
    std::error_code ec;
    const std::string file = g_.writePath("Save Game/" + name + g_.s.SaveExtension);
    if (!file.empty()) {
      fs::remove(file, ec);
      fs::remove(chroniclePath(file), ec);
    }
    ctl("FileNameTxt").Caption.clear();
    ctl("FileDateLbl").Caption.clear();
    ctl("FileDateCaptionLbl").Caption.clear();
    refreshList();
  }

  bool saving_;
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
