#include "ui/headless/script_runner.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>

#include "campaign/files.h"
#include "military/fight_files.h"
#include "state/state_json.h"
#include "ui/game.h"
#include "ui/headless/headless_shell.h"
#include "ui/program_start.h"
#include "ui/view_fields.h"

namespace fief {

using nlohmann::json;

std::vector<std::string> splitCommand(const std::string& line) {
  std::vector<std::string> words;
  std::string cur;
  bool quoted = false, any = false;
  for (size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (c == '"') { quoted = !quoted; any = true; }
    else if (c == '\\' && quoted && i + 1 < line.size()) { cur += line[++i]; }
    else if (!quoted && (c == ' ' || c == '\t')) {
      if (!cur.empty() || any) words.push_back(cur);
      cur.clear();
      any = false;
    } else if (!quoted && c == '#') break;
    else cur += c;
  }
  if (!cur.empty() || any) words.push_back(cur);
  return words;
}

namespace {

// One line of JSON. A caption holding bytes that are not UTF-8 prints with U+FFFD in
// their place instead of failing the command.
std::string jsonText(const json& v) { return v.dump(-1, ' ', false, json::error_handler_t::replace); }

std::string colourText(uint32_t c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%06x", c & 0xFFFFFF);
  return buf;
}

json controlJson(Form& f, const Control& c) {
  json o = {{"kind", kindName(c.Kind)},
            {"visible", c.Visible && !panelHidden(f, c)},
            {"enabled", c.Enabled},
            {"text", c.Caption},
            {"picture", c.Picture},
            {"left", c.Left},
            {"top", c.Top},
            {"width", c.Width},
            {"height", c.Height},
            {"colour", colourText(c.ForeColor)}};
  if (c.Kind == ControlKind::List || c.Kind == ControlKind::FileList) {
    o["items"] = c.Items;
    o["index"] = c.ListIndex;
  }
  if (c.Kind == ControlKind::CheckBox) o["checked"] = c.Checked;
  if (c.Kind == ControlKind::ProgressBar) { o["value"] = c.Value; o["max"] = c.Max; }
  if (c.Kind == ControlKind::Chart) o["points"] = c.Points;
  if (c.Inert) o["inert"] = true;  // drawn only: clicks pass through it
  return o;
}

// The text a letter or digit key types (lower-case letters, as without shift).
std::string typedText(Key k) {
  const std::string n = keyName(k);
  return n.size() == 1 && n[0] >= 'A' && n[0] <= 'Z' ? std::string(1, static_cast<char>(n[0] - 'A' + 'a')) : n;
}

class Runner {
 public:
  Runner(std::istream& in, std::ostream& out, const RunOptions& opt)
      : out_(out), opt_(opt), game_(shell_, openFolders(opt.gameDir)) {
    sources_.push_back({&in, nullptr, opt.scriptPath, 0});
    shell_.attach(game_);
    shell_.spawnPrograms = opt.spawn;
    shell_.setSoundDevices(opt.soundDevices);
    shell_.setLogicalDpi(opt.dpi);
    shell_.pump = [this] { return step(); };
  }

  int run() {
    while (true) {
      try {
        if (!step()) break;
      } catch (const ProgramEnded&) {
        // The program ended inside a command; later queries still answer.
      }
    }
    return failed_ ? 1 : 0;
  }

  // Reads and runs one command, from the innermost included file first. False at the
  // end of the script.
  bool step() {
    std::string line;
    while (!sources_.empty()) {
      Source& src = sources_.back();
      if (!std::getline(*src.in, line)) {
        // An included file is done: the including script goes on after its include line.
        if (sources_.size() == 1) return false;
        sources_.pop_back();
        continue;
      }
      ++src.line;
      auto words = splitCommand(line);
      if (words.empty()) continue;
      const std::string where = location();
      try {
        if (words[0] == "include") include(words);
        else exec(words, line);
      } catch (const ProgramEnded&) {
        throw;
      } catch (const std::exception& e) {
        error(where, e.what());
      }
      return true;
    }
    return false;
  }

 private:
  void print(const std::string& s) { out_ << s << '\n' << std::flush; }
  void error(const std::string& where, const std::string& msg) {
    failed_ = true;
    print("error: " + where + ": " + msg);
  }
  void failed(const std::string& msg) {
    failed_ = true;
    print("FAIL " + location() + ": " + msg);
  }

  // One script being read: the top script, or a file it (or an included file) includes.
  struct Source {
    std::istream* in;
    std::unique_ptr<std::ifstream> file;  // owned for an included file
    std::string path;                     // as opened ("" for standard input)
    int line;
  };

  // Where the command being run stands: "line N" of the top script, followed by the
  // included file and its line for a command of an included file
  // ("line 3 (campaign.fsi line 2)").
  std::string location() const {
    std::string s = "line " + std::to_string(sources_.front().line);
    if (sources_.size() == 1) return s;
    s += " (";
    for (size_t i = 1; i < sources_.size(); ++i) {
      if (i > 1) s += ", ";
      s += std::filesystem::path(sources_[i].path).filename().string() + " line " + std::to_string(sources_[i].line);
    }
    return s + ")";
  }

  // include FILE: the file's commands run here, as if written in place of the line. The
  // path is relative to the folder of the file holding the include line.
  void include(const std::vector<std::string>& w) {
    namespace fs = std::filesystem;
    if (w.size() != 2) fail("usage: include FILE");
    const Source& from = sources_.back();
    fs::path path(w[1]);
    if (path.is_relative()) path = (from.path.empty() ? fs::path() : fs::path(from.path).parent_path()) / path;
    if (static_cast<int>(sources_.size()) > kIncludeDepthLimit)
      fail("includes nest deeper than " + std::to_string(kIncludeDepthLimit) + " files: " + w[1]);
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) fail("cannot include " + w[1] + ": no such file");
    // A file that is still being read includes itself, directly or through others.
    for (const Source& s : sources_) {
      if (s.path.empty()) continue;
      std::error_code e1;
      if (fs::equivalent(s.path, path, e1)) fail("include cycle: " + w[1] + " is already being read");
    }
    auto file = std::make_unique<std::ifstream>(path);
    if (!*file) fail("cannot include " + w[1] + ": the file cannot be read");
    std::istream* in = file.get();
    sources_.push_back({in, std::move(file), path.string(), 0});
  }
  [[noreturn]] void fail(const std::string& msg) { throw std::runtime_error(msg); }

  void need(const std::vector<std::string>& w, size_t n, const char* usage) {
    if (w.size() < n) fail(std::string("usage: ") + usage);
  }

  void needRunning() {
    if (shell_.ended()) fail("the program has ended");
  }

  // The pointer of a click or a move: the point X Y of the control (from its top left
  // corner) in its form's coordinates when the command gives one, else unknown.
  EventArgs pointOf(Form& f, const Control& c, const std::vector<std::string>& w) {
    EventArgs a;
    if (w.size() < 4) return a;
    int x = c.Left, y = c.Top;
    for (const Control* p = f.find(c.Panel); p; p = p->Panel.empty() ? nullptr : f.find(p->Panel)) {
      x += p->Left;
      y += p->Top;
    }
    try {
      a.x = x + std::stoi(w[2]);
      a.y = y + std::stoi(w[3]);
    } catch (const std::exception&) {
      fail("a point is two whole numbers: " + w[2] + " " + w[3]);
    }
    return a;
  }

  // "Form.Control" -> the open form and its control, checking that input may reach it.
  std::pair<Form*, Control*> target(const std::string& spec, bool forInput) {
    auto dot = spec.find('.');
    if (dot == std::string::npos) fail("expected FORM.CONTROL, got " + spec);
    std::string fn = spec.substr(0, dot), cn = spec.substr(dot + 1);
    Form* f = openForm(fn);
    Control* c = f->find(cn);
    if (!c) fail(fn + " has no control " + cn);
    if (forInput) {
      if (!c->Visible || panelHidden(*f, *c)) fail(spec + " is hidden");
      if (!c->Enabled) fail(spec + " is disabled");
      if (c->Inert) fail(spec + " lets the pointer through");
    }
    return {f, c};
  }

  // The input model both shells share; the runner addresses its controls by name.
  Input& input() { return shell_.input(); }

  // What lies under the pointer at a release over control c: the control itself while it
  // still takes the pointer (its press may have hidden it or closed its form).
  InputTarget over(Form* f, Control* c, int row) {
    if (!input().takesPointer(*f, *c)) return {};
    return {f, c, row};
  }

  // A press and release of a button over control c (row: the list row under the pointer).
  void pressRelease(Form* f, Control* c, MouseButton b, const EventArgs& a, int row) {
    input().press({f, c, row}, b, a);
    input().release(b, a, [=, this] { return over(f, c, row); });
  }

  // The row under the pointer of a click on a list: the chosen one (-1: none, below the rows).
  static int rowOf(const Control& c) {
    return c.Kind == ControlKind::List || c.Kind == ControlKind::FileList ? c.ListIndex : -1;
  }

  Form* openForm(const std::string& fn) {
    needRunning();
    auto open = shell_.openForms();
    auto it = std::find_if(open.begin(), open.end(), [&](Form* f) { return f->name() == fn; });
    if (it == open.end()) {
      if (std::find(registered_.begin(), registered_.end(), fn) == registered_.end() && !isRegistered(fn))
        fail("unknown form " + fn);
      fail(fn + " is not open");
    }
    // Input reaches the top-most modal form and what lies above it.
    if (!input().reachable(*it)) {
      auto modal = std::find_if(open.rbegin(), open.rend(), [](Form* f) { return f->Modal; });
      fail(fn + " is behind the modal form " + (*modal)->name());
    }
    return *it;
  }

  bool isRegistered(const std::string& fn) {
    if (registered_.empty()) registered_ = registeredForms();
    return std::find(registered_.begin(), registered_.end(), fn) != registered_.end();
  }

  void exec(const std::vector<std::string>& w, const std::string& line) {
    const std::string& cmd = w[0];
    if (cmd == "seed") {
      need(w, 2, "seed N");
      game_.rng.seed(std::stoull(w[1]));
    } else if (cmd == "rng") {
      std::vector<double> vals;
      for (size_t i = 1; i < w.size(); ++i) {
        double v = std::stod(w[i]);
        // Written so that a NaN fails too.
        if (!(v >= 0 && v < 1)) fail("rng values lie in [0, 1): " + w[i]);
        vals.push_back(v);
      }
      game_.rng.queue(vals);
    } else if (cmd == "start") {
      needRunning();
      if (started_) fail("the program has already started");
      if (w.size() > 1) {
        // As the title menu's New Campaign with that difficulty: it writes the difficulty
        // and a start without a saved game, then starts this program.
        const long d = w[1].size() == 1 ? w[1][0] - '0' : 0;
        if (d < 1 || d > 3) fail("start DIFFICULTY: 1, 2 or 3");
        std::string err;
        if (!writeNumberFile(gamePath("Options.rz", Folders::Use::Write), d, err) ||
            !writeNumberFile(gamePath("LGame.rz", Folders::Use::Write), 0, err))
          fail(err);
      }
      started_ = true;
      runProgramStart(game_);
      // Let the loading timer run the campaign start.
      for (int i = 0; i < 100 && !game_.formExists("Camp1Frm"); ++i) shell_.wait(100);
      if (shell_.ended()) return;
      if (!game_.formExists("Camp1Frm") || !game_.form("Camp1Frm").Visible) fail("the campaign screen did not open");
    } else if (cmd == "click" || cmd == "rclick" || cmd == "dclick") {
      need(w, 2, "click FORM.CONTROL [X Y]");
      auto [f, c] = target(w[1], true);
      const EventArgs a = pointOf(*f, *c, w);
      const MouseButton b = cmd == "rclick" ? MouseButton::Right : MouseButton::Left;
      pressRelease(f, c, b, a, rowOf(*c));
      if (cmd == "dclick" && input().takesPointer(*f, *c)) pressRelease(f, c, b, a, rowOf(*c));
    } else if (cmd == "down") {
      need(w, 2, "down FORM.CONTROL [right]");
      auto [f, c] = target(w[1], true);
      const MouseButton b = (w.size() > 2 && w[2] == "right") ? MouseButton::Right : MouseButton::Left;
      input().press({f, c, rowOf(*c)}, b, {});
    } else if (cmd == "up") {
      // The button comes up over F.C: the release goes to the pressed control, a click
      // when F.C is that control.
      need(w, 2, "up FORM.CONTROL [right]");
      auto [f, c] = target(w[1], false);
      const MouseButton b = (w.size() > 2 && w[2] == "right") ? MouseButton::Right : MouseButton::Left;
      input().release(b, {}, [this, f = f, c = c] { return over(f, c, rowOf(*c)); });
    } else if (cmd == "move") {
      need(w, 2, "move FORM.CONTROL [X Y]");
      auto [f, c] = target(w[1], true);
      input().move({f, c}, pointOf(*f, *c, w));
    } else if (cmd == "key") {
      // Keys go to the top-most form; a letter or digit goes to the text box that has
      // the keyboard, as the text it types.
      need(w, 3, "key FORM KEY");
      Form* f = openForm(w[1]);
      Key k = keyFromName(w[2]);
      if (k == Key::None) fail("unknown key " + w[2]);
      if (input().keyForm() != f) fail("keys go to the top-most form, " + input().keyForm()->name() + ", not " + w[1]);
      if (input().focus().first && k >= Key::A) {
        input().textInput(typedText(k));
        return;
      }
      input().keyDown(k);
      input().keyUp(k);
    } else if (cmd == "type") {
      // A click on the text box, the old text rubbed out, the new one typed character by
      // character (a text box takes at most Input::kTextLimit of them).
      need(w, 3, "type FORM.CONTROL TEXT");
      auto [f, c] = target(w[1], true);
      if (c->Kind != ControlKind::TextBox) fail(w[1] + " is not a text box");
      pressRelease(f, c, MouseButton::Left, {}, -1);
      if (input().focus().second != c) fail(w[1] + " did not take the keyboard");
      while (!c->Caption.empty() && input().focus().second == c) input().backspace();
      const std::string& text = w[2];
      for (size_t i = 0; i < text.size();) {
        size_t n = 1;
        while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) ++n;
        input().textInput(text.substr(i, n));
        i += n;
      }
    } else if (cmd == "pick") {
      need(w, 3, "pick FORM.CONTROL N");
      auto [f, c] = target(w[1], true);
      if (c->Kind != ControlKind::List && c->Kind != ControlKind::FileList) fail(w[1] + " is not a list");
      int n = std::stoi(w[2]);
      if (n < 0 || n >= static_cast<int>(c->Items.size())) fail("row " + w[2] + " is not in " + w[1]);
      pressRelease(f, c, MouseButton::Left, {}, n);
    } else if (cmd == "check") {
      // A click on the box when it is not already as asked.
      need(w, 3, "check FORM.CONTROL 0/1");
      auto [f, c] = target(w[1], true);
      if (c->Kind != ControlKind::CheckBox) fail(w[1] + " is not a check box");
      if (c->Checked != (w[2] == "1")) pressRelease(f, c, MouseButton::Left, {}, -1);
    } else if (cmd == "wait") {
      need(w, 2, "wait MS");
      needRunning();
      const long long ms = std::stoll(w[1]);
      if (ms < 0) fail("the clock only runs forward: " + w[1]);
      if (ms > HeadlessShell::kClockLimit - shell_.nowMs())
        fail("the virtual clock stops at " + std::to_string(HeadlessShell::kClockLimit) + " ms: wait " + w[1] +
             " would pass it");
      shell_.wait(ms);
    } else if (cmd == "set") {
      need(w, 3, "set PATH VALUE");
      std::string err;
      json v = parseValue(joinFrom(w, 2));
      if (const ViewField* f = viewField(w[1])) {
        if (!f->set(game_, v, err)) fail(err);
      } else if (!setField(game_.s, w[1], v, err)) {
        fail(err);
      }
    } else if (cmd == "get") {
      need(w, 2, "get PATH");
      std::string err;
      json v;
      if (!getAny(w[1], v, err)) fail(err);
      print(jsonText(v));
    } else if (cmd == "state") {
      print(jsonText(stateToJson(game_.s)));
    } else if (cmd == "screen") {
      need(w, 2, "screen FORM");
      Form* f = nullptr;
      for (Form* o : shell_.openForms())
        if (o->name() == w[1]) f = o;
      if (!f && game_.formExists(w[1])) f = &game_.form(w[1]);
      if (!f) fail(w[1] + " is not open");
      json o = json::object();
      for (const auto& c : f->controls()) o[c.Name] = controlJson(*f, c);
      print(jsonText(o));
    } else if (isQuery(cmd)) {
      print(jsonText(query(w)));
    } else if (cmd == "put") {
      need(w, 3, "put PATH TEXT");
      std::string err;
      std::string text = joinFrom(w, 2);
      if (!writeFileAtomic(gamePath(w[1], Folders::Use::Write), {text.begin(), text.end()}, err)) fail(err);
    } else if (cmd == "file-age") {
      // file-age PATH S: the file's last change set to S seconds before now (an order
      // of saves by their dates that does not hang on how fast the script runs)
      need(w, 3, "file-age PATH SECONDS");
      long long secs = 0;
      try {
        secs = std::stoll(w[2]);
      } catch (const std::exception&) {
        fail("seconds are a whole number: " + w[2]);
      }
      if (secs < 0 || secs > 100LL * 366 * 24 * 3600) fail("an age of 0 to 100 years in seconds: " + w[2]);
      std::error_code ec;
      const std::string path = gamePath(w[1], Folders::Use::Write);
      std::filesystem::last_write_time(
          path, std::filesystem::file_time_type::clock::now() - std::chrono::seconds(secs), ec);
      if (ec) fail(path + ": " + ec.message());
    } else if (cmd == "put-hex") {
      // put-hex PATH HEX: a binary file of the program folder, byte by byte
      need(w, 3, "put-hex PATH HEX");
      std::string hex;
      for (size_t i = 2; i < w.size(); ++i) hex += w[i];
      if (hex.size() % 2 != 0) fail("an odd number of hex digits");
      std::vector<uint8_t> bytes;
      for (size_t i = 0; i < hex.size(); i += 2) {
        const std::string b = hex.substr(i, 2);
        if (b.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) fail("not a hex byte: " + b);
        bytes.push_back(static_cast<uint8_t>(std::stoi(b, nullptr, 16)));
      }
      std::string err;
      if (!writeFileAtomic(gamePath(w[1], Folders::Use::Write), bytes, err)) fail(err);
    } else if (cmd == "fight-out") {
      // fight-out OUTCOME OURDEAD ENEMYDEAD ARMY...: the battle program's results, each
      // army its survivors in roster order, comma-separated (11 counts: a reduced roster).
      // They carry the battle id of Fight_in.rz, as the battle program's do; `--id N`
      // writes N instead (0: none), as a stale or foreign result would.
      FightOut out;
      size_t first = 1;
      bool idGiven = false;
      if (w.size() > 2 && w[1] == "--id") {
        const long long id = std::stoll(w[2]);
        if (id < 0 || id > 0xFFFFFFFFll) fail("a battle id is 0 to 4294967295: " + w[2]);
        out.BattleId = static_cast<uint32_t>(id);
        idGiven = true;
        first = 3;
      }
      need(w, first + 4, "fight-out [--id N] OUTCOME OURDEAD ENEMYDEAD COUNTS [COUNTS...]");
      if (!idGiven) {
        FightIn in;
        std::string why;
        if (readFightIn(gamePath(kFightInFile, Folders::Use::Read), in, why)) out.BattleId = in.BattleId;
      }
      out.Outcome = static_cast<uint8_t>(std::stoi(w[first]));
      out.OurDead = static_cast<int16_t>(std::stoi(w[first + 1]));
      out.EnemyDead = static_cast<int16_t>(std::stoi(w[first + 2]));
      for (size_t i = first + 3; i < w.size(); ++i) {
        FightResultArmy a;
        std::stringstream ss(w[i]);
        std::string item;
        int n = 0;
        while (std::getline(ss, item, ',')) {
          if (n >= kRosterSize) fail("more than 14 counts: " + w[i]);
          a.Survivors[n++] = static_cast<int16_t>(std::stoi(item));
        }
        if (n != kRosterSize && n != kReducedRosterSize) fail("an army has 11 or 14 counts: " + w[i]);
        a.Reduced = n == kReducedRosterSize ? 1 : 0;
        out.Armies.push_back(a);
      }
      std::string err;
      if (!writeFightOut(gamePath(kFightOutFile, Folders::Use::Write), out, err)) fail(err);
    } else if (cmd == "wait-programs") {
      // Spawned programs run in real time: wait for them (the virtual clock stands still).
      if (!shell_.spawnPrograms) fail("wait-programs waits for spawned programs (--spawn)");
      const long long secs = w.size() > 1 ? std::stoll(w[1]) : 60;
      if (secs < 0 || secs > 3600) fail("wait-programs waits 0 to 3600 seconds: " + w[1]);
      if (!shell_.waitSpawnedPrograms(secs * 1000)) fail("a started program still runs after " + std::to_string(secs) + " s");
    } else if (cmd == "end-programs") {
      // The recorded programs end (as a battle program that exits or crashes).
      shell_.endRecordedPrograms();
    } else if (cmd == "expect-query") {
      auto eq = line.find('=');
      if (w.size() < 4 || eq == std::string::npos) fail("usage: expect-query QUERY [ARG] = VALUE");
      std::vector<std::string> q(w.begin() + 1, w.end());
      q.erase(std::find(q.begin(), q.end(), "="), q.end());
      if (q.empty() || !isQuery(q[0])) fail("not a query: " + (q.empty() ? std::string() : q[0]));
      json actual = query(q);
      json want = parseValue(trim(line.substr(eq + 1)));
      if (!sameValue(actual, want)) {
        failed(q[0] + " is " + jsonText(actual) + ", expected " + jsonText(want));
      }
    } else if (cmd == "expect") {
      auto eq = line.find('=');
      if (w.size() < 4 || eq == std::string::npos) fail("usage: expect PATH = VALUE");
      std::string err;
      json actual;
      if (!getAny(w[1], actual, err)) fail(err);
      json want = parseValue(trim(line.substr(eq + 1)));
      if (!sameValue(actual, want)) {
        failed(w[1] + " is " + jsonText(actual) + ", expected " + jsonText(want));
      }
    } else if (cmd == "expect-screen") {
      // expect-screen FORM.CONTROL PROPERTY = VALUE
      auto eq = line.find('=');
      if (w.size() < 5 || eq == std::string::npos) fail("usage: expect-screen FORM.CONTROL PROPERTY = VALUE");
      auto dot = w[1].find('.');
      if (dot == std::string::npos) fail("expected FORM.CONTROL");
      std::string fn = w[1].substr(0, dot);
      if (!game_.formExists(fn)) fail(fn + " does not exist");
      Form& f = game_.form(fn);
      Control* c = f.find(w[1].substr(dot + 1));
      if (!c) fail(fn + " has no control " + w[1].substr(dot + 1));
      json props = controlJson(f, *c);
      if (!props.contains(w[2])) fail("unknown property " + w[2]);
      json want = parseValue(trim(line.substr(eq + 1)));
      if (!sameValue(props[w[2]], want)) {
        failed(w[1] + " " + w[2] + " is " + jsonText(props[w[2]]) + ", expected " + jsonText(want));
      }
    } else if (cmd == "expect-open") {
      // expect-open FORM: the form is open (expect-open !FORM: it is not)
      need(w, 2, "expect-open FORM");
      bool negate = w[1][0] == '!';
      std::string fn = negate ? w[1].substr(1) : w[1];
      auto open = shell_.openForms();
      bool isOpen = std::any_of(open.begin(), open.end(), [&](Form* f) { return f->name() == fn; });
      if (isOpen == negate) {
        failed(fn + (negate ? " is open" : " is not open"));
      }
    } else {
      fail("unknown command " + cmd);
    }
  }

  // A field of the game state, or a screen's view state registered by name (MsgKind).
  bool getAny(const std::string& path, json& v, std::string& err) {
    if (const ViewField* f = viewField(path)) {
      v = f->get(game_);
      return true;
    }
    return getField(game_.s, path, v, err);
  }

  static bool isQuery(const std::string& c) {
    return c == "open" || c == "messages" || c == "sounds" || c == "boxes" || c == "programs" || c == "file";
  }

  // The query commands: each answers with one JSON value.
  json query(const std::vector<std::string>& w) {
    const std::string& cmd = w[0];
    if (cmd == "open") {
      json a = json::array();
      for (Form* f : shell_.openForms()) a.push_back(f->name());
      return a;
    } else if (cmd == "messages") {
      json o = json::object();
      for (int list = 1; list <= 2; ++list) {
        json rows = json::array();
        for (int i = 0; i < game_.log.count(list); ++i) {
          const auto& r = game_.log.rows[list - 1][i];
          json row = {{"entry", r.entry}, {"text", r.text}};
          if (!r.detail.empty()) row["detail"] = r.detail;
          rows.push_back(row);
        }
        o[list == 1 ? "list1" : "list2"] = rows;
      }
      return o;
    } else if (cmd == "sounds") {
      json a = json::array();
      for (auto& [c, f] : shell_.takeSounds()) a.push_back({c, f});
      return a;
    } else if (cmd == "boxes") {
      return json(shell_.takeBoxes());
    } else if (cmd == "programs") {
      json started = json::array();
      for (const auto& p : shell_.programs()) {
        const std::string prefix = game_.dir + "/";
        started.push_back(p.rfind(prefix, 0) == 0 ? p.substr(prefix.size()) : p);
      }
      return json{{"started", started}, {"ended", shell_.ended()}};
    }
    // file PATH: whether a file of the program folder exists, its size, and its text when short
    need(w, 2, "file PATH");
    std::string path = gamePath(w[1], Folders::Use::Read);
    std::vector<uint8_t> bytes;
    std::string err;
    if (!readFile(path, bytes, err)) return json{{"exists", false}};
    json o = {{"exists", true}, {"size", bytes.size()}};
    if (bytes.size() <= 256 && std::all_of(bytes.begin(), bytes.end(), [](uint8_t c) { return c >= 9 && c < 127; }))
      o["text"] = std::string(bytes.begin(), bytes.end());
    return o;
  }

  // A file of the game, where the game reads or writes it (the player's folder of an
  // installed game); a path that leaves the game's folders is refused.
  std::string gamePath(const std::string& rel, Folders::Use use) {
    if (rel.empty() || rel[0] == '/' || rel.find("..") != std::string::npos) fail("paths stay inside the program folder: " + rel);
    return game_.folders.locate(rel, use);
  }

  static std::string trim(std::string s) {
    s.erase(0, s.find_first_not_of(" \t"));
    s.erase(s.find_last_not_of(" \t\r") + 1);
    return s;
  }
  static std::string joinFrom(const std::vector<std::string>& w, size_t i) {
    std::string s;
    for (; i < w.size(); ++i) s += (s.empty() ? "" : " ") + w[i];
    return s;
  }
  // A value is JSON; a bare word that is not JSON is taken as a text.
  static json parseValue(const std::string& s) {
    json v = json::parse(s, nullptr, false);
    if (v.is_discarded()) return s;
    return v;
  }
  static bool sameValue(const json& a, const json& b) {
    if (a.is_number() && b.is_number()) return std::abs(a.get<double>() - b.get<double>()) < 1e-4;
    if (a.is_array() && b.is_array() && a.size() == b.size()) {
      for (size_t i = 0; i < a.size(); ++i)
        if (!sameValue(a[i], b[i])) return false;
      return true;
    }
    return a == b;
  }

  std::vector<Source> sources_;  // the top script first, the file being read last
  std::ostream& out_;
  RunOptions opt_;
  HeadlessShell shell_;
  Game game_;
  bool failed_ = false;
  bool started_ = false;
  std::vector<std::string> registered_;
};

}  // namespace

int runScript(std::istream& in, std::ostream& out, const RunOptions& opt) {
  Runner r(in, out, opt);
  return r.run();
}

}  // namespace fief
