#pragma once
#include <array>
#include <string>

#include "platform/ui/controls.h"
#include "reference/conversions/conversion_run.h"
#include "reference/conversions/convform_state.h"
#include "shell/activity_window.h"
#include "shell/application.h"

namespace conversions {

// The food measurement guide: an amount typed in is converted by one of 43
// conversions and rounded as chosen, shown as one result line (single
// entry) or as a table of a range of amounts (multiple entry).
class Convform : public shell::ActivityWindow {
public:
    explicit Convform(shell::Application& app);
    ~Convform() override;

    // Option3D1 runs by option index; indexes without a conversion hold no button.
    static constexpr int OptionSlots = 52;
    // Toolbar2's buttons, from 1.
    enum SideButton { SingleEntryButton = 1, MultipleEntryButton = 2, HelpButton = 3, ExitButton = 4 };

    // --- the window's controls
    ui::Image* Image1 = nullptr;            // the background picture
    ui::Toolbar* Toolbar1 = nullptr;        // the top toolbar every activity window carries
    ui::Toolbar* Toolbar2 = nullptr;        // the side toolbar on the left: single, multiple entry, help, exit
    ui::Toolbar* Toolbar3 = nullptr;        // the side toolbar on the right
    ui::StatusBar* StatusBar1 = nullptr;    // the caption; the toolbars' restore notices
    ui::TextBox* Text3 = nullptr;           // hidden: its colour is the boxes' colour
    ui::Panel* Panel3D3 = nullptr;          // the main panel, under the toolbars
    ui::Label* Label1 = nullptr;            // "Conversion Amount:", or "Beginning Entry:"
    ui::TextBox* Text1 = nullptr;           // the amount
    ui::Label* Label2 = nullptr;            // the amount's unit, with " = " after a result
    ui::Label* Label4 = nullptr;            // "Ending Amount:" (multiple entry)
    ui::TextBox* Text2 = nullptr;           // the ending amount (multiple entry)
    ui::Panel* Panel3D1 = nullptr;          // the result
    ui::Label* Label3 = nullptr;            // the result's unit
    ui::CommandButton* Command2 = nullptr;  // "E&xit"
    ui::Frame* Frame3D2 = nullptr;          // "Weights and Measures"
    ui::Frame* Frame3D1 = nullptr;          // "Can Sizes"
    ui::Frame* Frame1 = nullptr;            // "Temperature"
    ui::Frame* Frame3D4 = nullptr;          // "Easy Equivalents"
    ui::Frame* Frame3D5 = nullptr;          // "How Much = How Many"
    std::array<ui::OptionButton*, OptionSlots> Option3D1{};  // the conversions, by option index
    ui::Panel* Panel3D2 = nullptr;                           // the results table of a multiple entry
    ui::Grid* Grid1 = nullptr;                               // amounts and their results
    ui::CommandButton* Command1 = nullptr;                   // "&Close" on the results table

    // --- the menus
    ui::Menu* mO = nullptr;       // &Options
    ui::Menu* mOS = nullptr;      // Options > &Single Entry
    ui::Menu* mODo = nullptr;     // Options > &Multiple Entry
    ui::Menu* mOR = nullptr;      // Options > &Round Off Number
    ui::Menu* mORNo = nullptr;    // Options > Round Off Number > &No Rounding
    ui::Menu* mORTen = nullptr;   // Options > Round Off Number > &1/10th
    ui::Menu* mORHun = nullptr;   // Options > Round Off Number > 1/100&th
    ui::Menu* mORThou = nullptr;  // Options > Round Off Number > 1/1000t&h
    ui::Menu* mORNum = nullptr;   // Options > Round Off Number > &Whole Number
    ui::Menu* mOex = nullptr;     // Options > E&xit
    ui::Menu* mH = nullptr;       // &Help

    // --- loading, activation, keys and leaving
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void placeControls() override;
    void ResetConversion() { state_.Reset(); }

    // --- the amount boxes and the buttons
    void Text1_GotFocus();
    void Text2_GotFocus();
    void Text1_KeyDown(int& keyCode, int shift);
    void Command2_GotFocus();
    void Command2_LostFocus();
    void Command2_Click();
    void Command1_Click();
    void Toolbar2_ButtonClick(int button);

    // --- conversions, roundings and entry modes
    void Option3D1_Click(int index);
    void RunConversion(int index);
    void mOS_Click();
    void mODo_Click();
    void mORNo_Click();
    void mORNum_Click();
    void mORTen_Click();
    void mORHun_Click();
    void mORThou_Click();
    void UncheckRoundingMenus();
    void mOex_Click();

    const ConversionState& state() const { return state_; }
    bool resultsShown() const { return Panel3D2->Visible(); }

private:
    int helpTopic() const override;
    void design();
    void wireEvents();
    // Where the main panel lies between the toolbars at each activation.
    void placeMainPanel();
    // The box being edited: the shown result no longer applies.
    void AmountBoxEntered();
    void ChooseRounding(RoundingMode mode);
    ui::Menu* roundingItem(RoundingMode mode) const;
    void showSingle(const RunOutput& out);
    void showTable(const RunOutput& out);
    void showResultsPanel();
    void applyGridColors();

    ConversionState state_;
};

// Makes the conversion window the start window's "Food &Meas. Guide".
void RegisterConversions(shell::Application& app);

}  // namespace conversions
