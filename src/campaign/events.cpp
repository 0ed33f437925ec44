// The registry of event kinds and the raising of an event through the player.
#include "campaign/events.h"

#include <map>

#include "campaign/rules.h"

namespace fief {

namespace {

std::map<EventKind, EventRule>& kinds() {
  static std::map<EventKind, EventRule> k;
  return k;
}

}  // namespace

void registerEventKind(EventKind kind, EventRule k) { kinds()[kind] = std::move(k); }

void forgetEventKind(EventKind kind) { kinds().erase(kind); }

void setEventNote(EventKind kind, std::function<std::vector<TextId>(const Rules&)> note) {
  kinds()[kind].note = std::move(note);
}

const EventRule* eventRule(EventKind kind) {
  auto it = kinds().find(kind);
  return it == kinds().end() ? nullptr : &it->second;
}

void RaiseEvent(Rules& r, EventKind kind, int entry) {
  const EventRule* k = eventRule(kind);
  EventQuestion q;
  q.kind = kind;
  q.entry = entry;
  q.choice = k && k->choice;
  // The kind is looked up again when the answer comes: a consequence may register kinds.
  q.accept = [&r, kind] {
    if (const EventRule* e = eventRule(kind); e && e->accept) e->accept(r);
  };
  q.refuse = [&r, kind] {
    if (const EventRule* e = eventRule(kind); e && e->refuse) e->refuse(r);
  };
  r.player().event(q);
}

}  // namespace fief
