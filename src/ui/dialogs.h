// The message box and event dialog (MsgFrm): a modal dialog with a text, a picture and
// an accept (OkAniBtn) and a refuse (Noanibtn) button. Its kind (MsgKind, the dialog's
// own view state) selects what it shows; kind 0 is a plain notice. What an event kind offers and does is the rules' (campaign/events.h).
#pragma once

#include <functional>
#include <string>

#include "campaign/decisions.h"
#include "campaign/events.h"

namespace fief {

struct Game;

// An event kind whose consequences open screens (a battle): registered from the screens'
// side. The consequences run only when the event was raised on a Game; raised on bare
// rules (no screens), they do nothing.
void registerScreenEventKind(EventKind kind, bool choice, std::function<void(Game&)> accept,
                             std::function<void(Game&)> refuse = nullptr);

// A notice with one button. With hideOk only the other button (Noanibtn) closes it.
void ShowMessageBox(Game& g, const std::string& text, bool hideOk = false);
// Raises event `kind` with the text of campaign.loc entry `entry` through the screens;
// returns when the player has answered and the consequence is applied.
void ShowEvent(Game& g, EventKind kind, int entry);
void ShowEvent(Game& g, EventKind kind, TextId text);
// The dialog answering an event question (the screens' Decisions::event).
void showEventQuestion(Game& g, EventQuestion& q);

// The exit question (MainScreenExit): kind kExitToTitleQuestion hands over to the title
// programs, any other kind (kExitQuestion) is a plain exit. Returns when the player cancelled.
void showExitQuestion(Game& g, EventKind kind);
// MsgKind: the kind of the dialog on view, the exit question's while it is open, else
// the message dialog's (0 when it shows none).
int dialogKind(Game& g);

}  // namespace fief
