// The end of turn: the command, the procedure and its steps.
#pragma once

namespace fief {

struct Game;

void EndTurnCommand(Game& g);   // EndTurnBtn / Enter on the campaign screen
void EndTurn(Game& g);          // the end-of-turn procedure, in its fixed order
void IncomeAndProduction(Game& g);
void PopulationDrift(Game& g);
void CountyTurn(Game& g);
void ApplySeason(Game& g);
void RivalTurn(Game& g);        // the rival lords (market bases; rivals out of play skip)
void ClampCountyValues(Game& g);

}  // namespace fief
