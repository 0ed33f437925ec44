// The turn's screens: the end-turn command of the campaign screen, the fade screen, and
// helpers that show what the turn's rules report on the campaign screen, when that
// screen exists.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "campaign/decisions.h"
#include "ui/screens_only.h"

namespace fief {

struct Game;
struct Control;

void EndTurnCommand(Game& g);   // EndTurnBtn / Enter on the campaign screen

// The alpha values of the fade screen, one per frame: rising from 0 to 255 by `step`
// (the level rounded each frame) and, when `fall` is set, falling back to 0.
std::vector<int> FadeSchedule(double step, bool fall);

// The tips screen's check after a turn. The tips about the army's size and morale come
// with the turn animations; until then the check shows nothing.
void RunTipsCheck(Game& g);

// The fade screen darkens the campaign screen (fade mode 2), then runs `handOver` (the
// battle program takes over) and stays until BattleFadeTimer closes it.
void FadeToBattle(Game& g, std::function<void(Game&)> handOver);

// The event screen GarryFrm: one step of the held up/down button (TradeUpTimer/TradeDownTimer).
void GarryTradeTick(Game& g, int direction);
// GarryFrm in mode 3 answering the King's marshal.
void showProvisionsQuestion(Game& g, ProvisionsQuestion& q);
// The mode GarryFrm opens in next (GarryMode, 1..3; the screen's own view state).
void setGarryMode(Game& g, int mode);

// Opens a registered screen modally; false (and nothing opens) when no such screen is built.
bool openIfBuilt(Game& g, const std::string& form);

}  // namespace fief
