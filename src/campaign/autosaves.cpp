#include "campaign/autosaves.h"

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "campaign/rules.h"
#include "campaign/save_games.h"
#include "state/game_state.h"

namespace fief {

namespace fs = std::filesystem;

std::string autosaveSlotName(int slot) { return "AutoSave " + std::to_string(slot); }

int autosaveSlotOf(const std::string& name) {
  for (int k = 1; k <= kAutosaveSlots; ++k)
    if (name == autosaveSlotName(k)) return k;
  return 0;
}

namespace {

// The usable slots in the order they are written to: those without a usable save first,
// then the oldest.
std::vector<int> slotOrder(const Rules& g, std::vector<std::string>& skipped) {
  std::vector<std::tuple<int, fs::file_time_type, int>> order;  // (has a save, written, slot)
  for (int k = 1; k <= kAutosaveSlots; ++k) {
    const std::string path = savePath(g, autosaveSlotName(k));
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (!ec && fs::exists(st) && !fs::is_regular_file(st)) {
      skipped.push_back(autosaveSlotName(k) + " skipped: a folder or other non-file stands in the save's place");
      continue;
    }
    std::vector<uint8_t> bytes;
    GameState scratch;
    std::string why;
    if (!fs::exists(st) || !readSavedGame(path, bytes, scratch, why)) {
      order.emplace_back(0, fs::file_time_type::min(), k);
      continue;
    }
    const fs::file_time_type t = fs::last_write_time(path, ec);
    order.emplace_back(1, ec ? fs::file_time_type::min() : t, k);
  }
  std::sort(order.begin(), order.end());
  std::vector<int> slots;
  for (const auto& o : order) slots.push_back(std::get<2>(o));
  return slots;
}

}  // namespace

int nextAutosaveSlot(const Rules& g, std::vector<std::string>& skipped) {
  const std::vector<int> slots = slotOrder(g, skipped);
  return slots.empty() ? 0 : slots.front();
}

AutosaveResult WriteAutosaves(Rules& g) {
  AutosaveResult r;
  // A slot is written even when "AutoSave" could not be: each save stands on its own.
  r.saved = WriteSave(g, "AutoSave", r.err);
  for (int k : slotOrder(g, r.skipped)) {
    std::string err;
    if (WriteSave(g, autosaveSlotName(k), err)) {
      r.slot = k;
      break;
    }
    r.skipped.push_back(autosaveSlotName(k) + " skipped: " + err);
  }
  return r;
}

}  // namespace fief
