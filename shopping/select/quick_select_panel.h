#pragma once
#include <array>
#include <string_view>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/design.h"
#include "platform/ui/form.h"
#include "shopping/select/select_host.h"
#include "shopping/select/select_panel_design.h"

namespace shell {
class Application;
}

namespace shopping {

class QuickSelectPanel;
using QuickSelectRow = ui::design::Row<QuickSelectPanel>;

inline constexpr int QuickItemCount = 90;
// The exits of the screen in the window's button array Command1.
enum QuickSelectButton { AddQuickSelectionsButton = 9, LeaveQuickSelectButton = 10 };

// The 90 common items, in the order ticked ones are added, by group.
extern const std::array<std::string_view, QuickItemCount> QuickItemCaptions;

// "Quick Select Screen": 90 common grocery items to tick, in five groups,
// added to the list in index order. The window lays the rows out among its
// own (QuickSelectRows, with the screen's place), then makes one of these,
// which binds its members to them and handles their events.
class QuickSelectPanel {
public:
    QuickSelectPanel(shell::Application& app, ui::Form& window, const SelectPanelDesign& design, SelectHost host);

    // The menu item "&Quick Select" and the button "&Quick Select": opens
    // the screen when it is closed, closes it when it is open.
    void mOSel_Click();
    bool isOpen() const { return open_; }
    // The window's loading: every box unticked.
    void ClearSelections();
    // Adds the ticked items to the list, unticking each one added.
    void AddQuickSelections();

    // --- the screen's events
    void SSCheck1_Click(int index);
    void Command1_Click(int index);

    ui::Panel* SSPanel1 = nullptr;  // "Quick Select Screen"
    ui::Frame* SSFrame2 = nullptr;  // "Dairy Products"
    ui::Frame* SSFrame3 = nullptr;  // "Poultry, Fish, Meat Products"
    ui::Frame* SSFrame4 = nullptr;  // "Fruits and Vegetables"
    ui::Frame* SSFrame5 = nullptr;  // "Breads and Cereals"
    ui::Frame* SSFrame1 = nullptr;  // "Miscellaneous"
    std::array<ui::CheckBox*, QuickItemCount> SSCheck1{};
    std::array<ui::CommandButton*, 11> Command1{};  // only 9 and 10 are the screen's

private:
    void enableAdding();

    shell::Application& app_;
    SelectHost host_;
    bool open_ = false;
};

// The screen's rows, laid out in the place the design gives, tab stops from tab on.
std::vector<QuickSelectRow> QuickSelectRows(const SelectPanelDesign& design, int& tab);
void AddQuickSelectRows(std::vector<ui::design::ControlRow>& rows, const SelectPanelDesign& design, int& tab);

}  // namespace shopping
