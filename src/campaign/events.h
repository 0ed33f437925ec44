// The event dialogs of the turn as rules: what each kind offers (a choice or a notice)
// and what accepting and refusing do. The dialog itself is the player's business
// (Decisions::event).
#pragma once

#include <functional>

#include <vector>

#include "campaign/stat_changes.h"
#include "campaign/text_id.h"
#include "state/kinds.h"

namespace fief {

struct Rules;

// What an event kind offers and does.
struct EventRule {
  bool choice = false;  // offers accept and refuse (else one button)
  std::function<void(Rules&)> accept, refuse;  // consequences (none when empty)
  // The figures each answer changes, shown with the question (the consequences apply
  // them); empty when an answer changes no figure or changes them by chance.
  StatChanges acceptChanges, refuseChanges;
  // A further line the question shows, worked out when it is asked (the strength of the
  // force a battle would meet).
  std::function<std::vector<TextId>(const Rules&)> note;
};

// The rule of an event kind. Each subsystem registers its kinds; whoever sets up a game
// registers the turn's own (registerTurnEventKinds, turn/turn.h) before the first turn.
void registerEventKind(EventKind kind, EventRule k);
// Forgets a registered kind (a test's own): it is raised as a notice without consequence.
void forgetEventKind(EventKind kind);
const EventRule* eventRule(EventKind kind);
// Gives a registered kind the further line its question shows.
void setEventNote(EventKind kind, std::function<std::vector<TextId>(const Rules&)> note);

// Puts event `kind` with text entry `entry` of the campaign texts to the player and
// applies the consequence of his answer. Returns when he has answered.
void RaiseEvent(Rules& r, EventKind kind, int entry);
inline void RaiseEvent(Rules& r, EventKind kind, TextId text) { RaiseEvent(r, kind, text.entry); }

}  // namespace fief
