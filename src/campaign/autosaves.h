// The end-of-turn saves: "AutoSave", and the last five of them kept in their own slots
// ("AutoSave 1" .. "AutoSave 5"), the oldest replaced.
#pragma once

#include <string>
#include <vector>

namespace fief {

struct Rules;

constexpr int kAutosaveSlots = 5;
std::string autosaveSlotName(int slot);  // slot 1..kAutosaveSlots
// The slot a save name stands for, 0 when it is none.
int autosaveSlotOf(const std::string& name);

// The slot the next end-of-turn save goes into: a slot without a usable save first (the
// lowest), else the one written longest ago. A slot that is no file (a folder) cannot be
// written and is not chosen; its reason goes to `skipped`. 0 when no slot can be used.
int nextAutosaveSlot(const Rules& g, std::vector<std::string>& skipped);

struct AutosaveResult {
  bool saved = false;  // "AutoSave" was written
  std::string err;     // why not
  int slot = 0;        // the rotating slot written, 0 none
  std::vector<std::string> skipped;  // slots that were passed over, and why
};
// Writes "AutoSave" and the next rotating slot. A slot that cannot be written is skipped
// (named in `skipped`) and the next one tried; no slot stops the save or the turn.
AutosaveResult WriteAutosaves(Rules& g);

}  // namespace fief
