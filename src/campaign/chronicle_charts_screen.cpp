#include "campaign/chronicle_charts.h"

#include "map/camp1_frm.h"
#include "text_names.h"
#include "ui/game.h"

namespace fief {

namespace {
// The chart colours: gold, people, food, happiness, health.
const uint32_t kChartInk[kChronicleSeries] = {0xA07800, 0x2B1A0E, 0x3C7A1E, 0x1E4FA0, 0xA0281E};
const char* const kChartNames[kChronicleSeries] = {"GoldChart", "PeopleChart", "FoodChart", "HappinessChart",
                                                   "HealthChart"};
Control sized(Control c, int size) {
  c.FontSize = size;
  return c;
}
}  // namespace

void addChronicleCharts(Form& f, int left, int top, int step) {
  for (int i = 0; i < kChronicleSeries; ++i) {
    const int x = left + i * step;
    const std::string n = std::to_string(i + 1);
    f.add(sized(label("ChartTitleLbl" + n, x, top, 72, 20), 10)).Title = true;
    f.add(sized(label("ChartValueLbl" + n, x + 72, top, 60, 20), 10)).Align = 2;
    Control& c = f.add(chart(kChartNames[i], x, top + 22, 132, 96));
    c.ForeColor = kChartInk[i];
    f.add(sized(label("ChartRangeLbl" + n, x, top + 120, 132, 18), 9)).Align = 1;
  }
}

void showChronicleTitles(Game& g, Form& f) {
  const TextId titles[kChronicleSeries] = {txt::captions::Gold, txt::captions::People, txt::levels::Food,
                                           txt::captions::Happiness, txt::captions::Health};
  for (int i = 0; i < kChronicleSeries; ++i) g.ShowText(f.ctl("ChartTitleLbl" + std::to_string(i + 1)), titles[i]);
}

void showChronicleCharts(Game& g, Form& f) {
  const auto& e = g.chronicle.entries;
  for (int i = 0; i < kChronicleSeries; ++i) {
    const std::string n = std::to_string(i + 1);
    Control& c = f.ctl(kChartNames[i]);
    c.Points.clear();
    long long lo = 0, hi = 0;
    for (size_t k = 0; k < e.size(); ++k) {
      const long long v = chronicleValue(e[k], i);
      c.Points.push_back(static_cast<double>(v));
      if (k == 0 || v < lo) lo = v;
      if (k == 0 || v > hi) hi = v;
    }
    const bool percent = i >= 3;
    const std::string unit = percent ? "%" : "";
    f.ctl("ChartValueLbl" + n).Caption = e.empty() ? "" : numberText(chronicleValue(e.back(), i)) + unit;
    f.ctl("ChartRangeLbl" + n).Caption = e.empty() ? "" : numberText(lo) + unit + " - " + numberText(hi) + unit;
  }
}

}  // namespace fief
