// The event dialogs of the turn as rules: what each kind offers (a choice or a notice)
// and what accepting and refusing do. The dialog itself is the player's business
// (Decisions::event).
#pragma once

#include <functional>

namespace fief {

struct Rules;

struct EventKind {
  bool choice = false;  // offers accept and refuse (else one button)
  std::function<void(Rules&)> accept, refuse;  // consequences (none when empty)
};

// What an event kind offers and does. The turn's own kinds are known from the start;
// other subsystems register theirs.
void registerEventKind(int kind, EventKind k);
const EventKind* eventKind(int kind);

// Puts event `kind` with text entry `entry` of the campaign texts to the player and
// applies the consequence of his answer. Returns when he has answered.
void RaiseEvent(Rules& r, int kind, int entry);

}  // namespace fief
