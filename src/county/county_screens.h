// The county's views on the campaign screen and the county's question screens.
#pragma once

#include <string>

#include "campaign/decisions.h"
#include "state/game_state.h"
#include "ui/screens_only.h"

namespace fief {

class Camp1Frm;
struct Game;

namespace ClsFields {
// The four kind buttons beside the selected field.
void ShowSmallFieldsBtns(Camp1Frm& f, bool show);
}  // namespace ClsFields

// The county's views on the campaign screen, which subscribes them to View::County (all
// of them) and to the county's sights: redraws fields, counters, building, blacksmith
// order and castle picture from the state.
void RefreshCountyViews(Camp1Frm& f);
// The field counters of the status panel (empty, crop, pasture, tax).
void refreshFieldCounters(Camp1Frm& f);
// One field's picture.
void refreshFieldPicture(Camp1Frm& f, int index);

// When a harvest comes in, for the food screens: "this end of turn", or "3 turns from now".
std::string harvestWhen(const Game& g, int turns);

// The religion screen opened by the L key: shows the tithe last demanded, no decision.
void OpenReligionView(Game& g);
// The question screens (the screens' answers to Decisions).
void showTitheQuestion(Game& g, TitheQuestion& q);
void showStakeQuestion(Game& g, StakeQuestion& q);
void showTournamentQuestion(Game& g, TournamentQuestion& q);
// The end of turn's religion and tournament questions, put through the screens.
void OpenReligion(Game& g, bool stakeMode);
void OpenTournament(Game& g);

}  // namespace fief
