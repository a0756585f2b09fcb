#include "food_storage/bar_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace food_storage {

namespace {

using namespace ui::design;

constexpr ui::OleColor BarColor = ui::Rgb(0, 128, 128);
constexpr ui::OleColor SecondBarColor = ui::Rgb(192, 128, 0);
const ui::Font ChartFont{"Arial", 7.5, true};

int Twips(double value) { return static_cast<int>(std::lround(value)); }

std::string ValueText(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.10g", std::round(value * 10) / 10);
    return buffer;
}

}  // namespace

BarChart::BarChart(ui::Form& form, const std::string& name, const char* parent, ui::design::Rect rect, int maxBars,
                   const char* valueTitle) {
    const std::string panelName = name;
    panel_ = &static_cast<ui::Panel&>(Add(form, ControlRow{.kind = ui::ControlKind::Panel,
                                                           .name = panelName.c_str(),
                                                           .parent = parent,
                                                           .rect = rect,
                                                           .flags = Hidden,
                                                           .accessibleName = valueTitle}));
    const std::string titleName = name + "Title";
    title_ = &static_cast<ui::Label&>(Add(form, ControlRow{.kind = ui::ControlKind::Label,
                                                           .name = titleName.c_str(),
                                                           .parent = panelName.c_str(),
                                                           .rect = {60, 30, rect.width - 120, 240},
                                                           .caption = valueTitle,
                                                           .font = ChartFont,
                                                           .foreColor = style::Navy,
                                                           .flags = Transparent}));
    // The texts beside the bars: navy on the panel's colour.
    const auto text = [&](const std::string& labelName, int index, unsigned flags) {
        return &static_cast<ui::Label&>(Add(form, ControlRow{.kind = ui::ControlKind::Label,
                                                             .name = labelName.c_str(),
                                                             .index = index,
                                                             .parent = panelName.c_str(),
                                                             .font = ChartFont,
                                                             .foreColor = style::Navy,
                                                             .flags = Hidden | Transparent | flags}));
    };
    const std::string barName = name + "Bar";
    for (int i = 0; i < maxBars; ++i) {
        bar_.push_back(&static_cast<ui::Label&>(Add(form, ControlRow{.kind = ui::ControlKind::Label,
                                                                     .name = barName.c_str(),
                                                                     .index = i,
                                                                     .parent = panelName.c_str(),
                                                                     .backColor = i % 2 ? SecondBarColor : BarColor,
                                                                     .flags = Hidden})));
        value_.push_back(text(name + "Value", i, None));
        name_.push_back(text(name + "Label", i, WordWrap));
    }
}

void BarChart::setBackColor(ui::OleColor color) { panel_->setBackColor(color); }

void BarChart::setHorizontal(bool horizontal) {
    horizontal_ = horizontal;
    layOut();
}

void BarChart::Draw(const std::vector<ChartBar>& bars, double fullScale) {
    shown_.assign(bars.begin(), bars.begin() + static_cast<long>(std::min(bars.size(), bar_.size())));
    fullScale_ = fullScale;
    for (const ChartBar& bar : shown_) fullScale_ = std::max(fullScale_, bar.value);
    if (fullScale_ <= 0) fullScale_ = 1;
    layOut();
}

void BarChart::layOut() {
    const int count = static_cast<int>(shown_.size());
    const int width = panel_->Width();
    const int height = panel_->Height();
    constexpr int Top = 330;  // under the title
    constexpr int Gap = 60;
    for (std::size_t i = 0; i < bar_.size(); ++i) {
        const bool used = static_cast<int>(i) < count;
        bar_[i]->setVisible(used);
        value_[i]->setVisible(used);
        name_[i]->setVisible(used);
    }
    if (count == 0) return;
    if (!horizontal_) {
        // Names along the bottom, bars standing on them.
        const int nameHeight = 420;
        const int floor = height - nameHeight - Gap;
        const int room = floor - Top - 240;
        const double slot = static_cast<double>(width - 2 * Gap) / count;
        for (int i = 0; i < count; ++i) {
            const auto at = static_cast<std::size_t>(i);
            const int barHeight = std::max(Twips(room * std::max(shown_[at].value, 0.0) / fullScale_), 15);
            const int left = Twips(Gap + slot * i);
            const int barWidth = Twips(slot * 0.6);
            bar_[at]->Move(left + Twips(slot * 0.2), floor - barHeight, barWidth, barHeight);
            value_[at]->Move(left, floor - barHeight - 240, Twips(slot), 240);
            name_[at]->Move(left, floor + Gap, Twips(slot), nameHeight);
        }
    } else {
        // Names down the left, bars reaching right.
        const int nameWidth = std::min(1400, width / 3);
        const int valueWidth = 600;
        const int room = width - nameWidth - valueWidth - 3 * Gap;
        const double slot = static_cast<double>(height - Top - Gap) / count;
        for (int i = 0; i < count; ++i) {
            const auto at = static_cast<std::size_t>(i);
            const int barWidth = std::max(Twips(room * std::max(shown_[at].value, 0.0) / fullScale_), 15);
            const int top = Twips(Top + slot * i);
            const int barHeight = Twips(slot * 0.6);
            name_[at]->Move(Gap, top, nameWidth, Twips(slot));
            bar_[at]->Move(nameWidth + 2 * Gap, top + Twips(slot * 0.2), barWidth, barHeight);
            value_[at]->Move(nameWidth + 3 * Gap + barWidth, top + Twips(slot * 0.2), valueWidth, barHeight);
        }
    }
    for (int i = 0; i < count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        value_[at]->setCaption(ValueText(shown_[at].value));
        name_[at]->setCaption(shown_[at].label);
        bar_[at]->setAccessibleName(shown_[at].label);
    }
}

}  // namespace food_storage
