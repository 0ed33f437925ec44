// The chronicle's five small charts (gold, people, food, happiness, health), as the realm
// overview and the end-of-level summary show them: per chart a title, the last value, the
// line and the range it spans.
#pragma once

#include "ui/screens_only.h"

namespace fief {

struct Game;
class Form;

// Declares the charts side by side from (left, top), `step` apart: ChartTitleLbl1..5,
// ChartValueLbl1..5, GoldChart .. HealthChart, ChartRangeLbl1..5.
void addChronicleCharts(Form& f, int left, int top, int step);
// Shows the chart titles (once, on load).
void showChronicleTitles(Game& g, Form& f);
// Fills the charts from the game's chronicle.
void showChronicleCharts(Game& g, Form& f);

}  // namespace fief
