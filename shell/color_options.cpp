#include "shell/color_options.h"

#include <algorithm>
#include <cctype>

#include "platform/basic/numbers.h"
#include "platform/basic/text.h"
#include "shell/application.h"
#include "shell/hinfo1.h"

namespace shell {

using platform::MsgButtons;
using platform::MsgIcon;

namespace {
constexpr std::string_view DefaultText = "Default";
}  // namespace

std::string ColorText(ui::OleColor color) { return std::to_string(color); }

std::optional<ui::OleColor> ColorFromText(std::string_view text) {
    const std::string trimmed = basic::RTrim(text);
    const std::string_view digits = std::string_view(trimmed).substr(!trimmed.empty() && trimmed[0] == '-' ? 1 : 0);
    if (digits.empty() || digits.size() > 11 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        return std::nullopt;
    return ui::ColorFromNumber(basic::Val(trimmed));
}

ColorOptions::ColorOptions(Application& app, ui::Form& window, PanelColorSet set, std::vector<ui::Control*> panels,
                           ui::StatusBar* status)
    : app_(app), window_(window), set_(std::move(set)), panels_(std::move(panels)), status_(status) {}

void ColorOptions::ApplyColors() {
    const std::string stored = basic::RTrim(settings::ReadText(app_.folder(), set_.record).value_or(""));
    if (stored == DefaultText) applyToPanels(ui::colors::ButtonFace);
    else applyToPanels(ColorFromText(stored).value_or(set_.fallback));
}

void ColorOptions::ChoosePanelColor() {
    showStatus("Panel Color");
    auto& vars = app_.vars;
    vars.MessageAnswer = app_.dialogs().MessageBox(
        {"Panel Color",
         "Select New Color or Use System Default Color?\r\rYes = Color Selection Panel will appear.\r"
         "No = Current System Default Color will be selected.",
         MsgIcon::Information, MsgButtons::YesNoCancel, 1});
    if (vars.MessageAnswer == platform::answer::Cancel) {
        vars.MessageAnswer = 0;
    } else if (vars.MessageAnswer == platform::answer::No) {
        if (conflicts(ui::colors::ButtonFace)) {
            ShowColorConflict(app_);
        } else {
            applyToPanels(ui::colors::ButtonFace);
            ColorsChanged = true;
            PanelColorIsDefault = 1;
        }
    } else if (vars.MessageAnswer == platform::answer::Yes) {
        const ui::OleColor current = panels_.empty() ? set_.fallback : panels_.front()->BackColor();
        if (const auto chosen = app_.dialogs().ChooseColor(current)) {
            if (conflicts(*chosen)) {
                ShowColorConflict(app_);
            } else {
                applyToPanels(*chosen);
                ColorsChanged = true;
                PanelColorIsDefault = 0;
            }
        }
    }
    showStatus(window_.Caption());
}

void ColorOptions::AskSaveColors() {
    auto& vars = app_.vars;
    vars.MessageAnswer =
        app_.dialogs().MessageBox({"Color Changes", set_.saveQuestion, MsgIcon::Question, MsgButtons::YesNo, 1});
    if (vars.MessageAnswer == platform::answer::Yes) SaveColors();
}

void ColorOptions::SaveColors() {
    const std::string text = PanelColorIsDefault == 1 || panels_.empty() ? std::string(DefaultText)
                                                                         : ColorText(panels_.front()->BackColor());
    // A colour that cannot be kept is not worth stopping the window's close for.
    static_cast<void>(settings::WriteText(app_.folder(), set_.record, text));
    if (saveMore) saveMore();
}

bool ColorOptions::conflicts(ui::OleColor candidate) const {
    if (!set_.conflicts) return false;
    const auto forbidden = set_.conflicts();
    return std::find(forbidden.begin(), forbidden.end(), candidate) != forbidden.end();
}

namespace {
// Kinds that lie on a panel as a caption with no body of their own.
bool IsCaption(const ui::Control& control) {
    return control.kind() == ui::ControlKind::Label || control.kind() == ui::ControlKind::OptionButton ||
           control.kind() == ui::ControlKind::CheckBox;
}
}  // namespace

void ColorOptions::applyToPanels(ui::OleColor color) {
    for (ui::Control* panel : panels_) {
        // A caption showing the panel's colour goes on showing it, rather
        // than standing out as a patch of the old one; one the program gave
        // a colour of its own keeps it.
        for (ui::Control* child : panel->children())
            if (IsCaption(*child) && child->BackColor() == panel->BackColor()) child->setBackColor(color);
        panel->setBackColor(color);
    }
}

void ColorOptions::showStatus(const std::string& text) {
    if (status_) status_->setPanelText(1, text);
}

}  // namespace shell
