// The campaign screen's help line and tooltips. Moving the pointer over a control writes
// its help text (data/screens/help_lines.json, embedded at build time) into Helper, a
// second line into Helper3 where one says more, and remembers it as the tooltip text;
// the tooltip timer places the tooltip box under the pointer.
#pragma once

#include <string>

#include "ui/form.h"

namespace fief {

struct Game;
class Camp1Frm;

// The [table, entry] of a campaign screen control's help text; false when it has none.
bool helpLineEntry(const std::string& control, int& table, int& entry);

// What moving over a control shows (Helper, Helper3, WalkLbl, MoralLbl, hover state).
void showHelpLine(Camp1Frm& f, const std::string& control, const EventArgs& a);

// The army figures beside the help line follow the army they describe: after a step, a
// battle, a split or a combination they show its soldiers and moves as they are now, and
// they go when the army is gone.
void refreshCampHelp(Camp1Frm& f);

// Tooltip box sizes: the first style for short texts, the wider second style for texts
// longer than kShortTooltip characters.
constexpr int kShortTooltip = 36;
constexpr int kTooltipWidth1 = 240, kTooltipWidth2 = 480, kTooltipHeight = 22;

// One tick of TooltipsTimer.
void tooltipTick(Game& g);

}  // namespace fief
