// The message box and event dialog (MsgFrm): a modal dialog with a text, a picture and
// an accept (OkAniBtn) and a refuse (Noanibtn) button. MsgKind selects what it shows
// and what its buttons do; kind 0 is a plain notice.
#pragma once

#include <functional>
#include <string>

namespace fief {

struct Game;

struct EventKind {
  std::string picture;          // picture shown beside the text
  bool choice = false;          // offers accept and refuse (else one button)
  std::string acceptCaption, refuseCaption;
  std::function<void(Game&)> accept, refuse;  // consequences
};

// Registers what an event kind shows and does (each subsystem registers its own kinds).
void registerEventKind(int kind, EventKind k);
const EventKind* eventKind(int kind);

// A notice with one button. With hideOk only the other button (Noanibtn) closes it.
void ShowMessageBox(Game& g, const std::string& text, bool hideOk = false);
// Opens the event dialog with MsgKind = kind and the text of campaign.loc entry `entry`;
// returns when the player has answered and the consequence is applied.
void ShowEvent(Game& g, int kind, int entry);

}  // namespace fief
