#pragma once
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/design.h"
#include "platform/ui/form.h"

namespace food_storage {

// One bar: its value and the text under it.
struct ChartBar {
    double value = 0;
    std::string label;
};

// A small bar chart drawn with the form's own controls: a panel, and in it
// one filled label a bar with its value above it and its name below (or
// beside it, when the bars lie horizontally). The window builds its rows
// with its design, then draws it whenever its values change.
class BarChart {
public:
    // Adds the chart's controls to the form, hidden, in the container
    // `parent`; their names start with `name` ("Chart2D1", "Chart2D2").
    BarChart(ui::Form& form, const std::string& name, const char* parent, ui::design::Rect rect, int maxBars,
             const char* valueTitle);

    // The bars in order; the largest value, or `fullScale` when it is more,
    // fills the chart's height. Bars past the chart's count are left out.
    void Draw(const std::vector<ChartBar>& bars, double fullScale);
    void setHorizontal(bool horizontal);
    bool horizontal() const { return horizontal_; }
    void setBackColor(ui::OleColor color);

    const std::vector<ChartBar>& bars() const { return shown_; }
    ui::Panel& panel() { return *panel_; }

private:
    void layOut();

    ui::Panel* panel_ = nullptr;
    ui::Label* title_ = nullptr;
    std::vector<ui::Label*> bar_;
    std::vector<ui::Label*> value_;
    std::vector<ui::Label*> name_;
    std::vector<ChartBar> shown_;
    double fullScale_ = 100;
    bool horizontal_ = false;
};

}  // namespace food_storage
