// The conversion window's work: choosing a conversion, a rounding and an
// entry mode, and showing a run's result line or results table.
#include <cstddef>

#include "platform/ui/keys.h"
#include "reference/conversions/convform.h"
#include "shell/hinfo1.h"

namespace conversions {

namespace {
// The amount box takes this many typed characters, and a shown amount up to the longer.
constexpr int TypedLength = 10;
constexpr int ShownLength = 18;
constexpr int LabelGap = 70;  // between the result box and its unit
}  // namespace

// --- the amount boxes

void Convform::AmountBoxEntered() {
    if (state_.SelectedConversion != NoConversion)
        Option3D1[static_cast<std::size_t>(state_.SelectedConversion)]->setValue(false);
    state_.SelectedConversion = NoConversion;
    Label2->setCaption("");
    Panel3D1->setCaption("");
    Label3->setCaption("");
    Panel3D1->setVisible(false);
    Text1->setMaxLength(TypedLength);
    Panel3D2->setVisible(false);
}

void Convform::Text1_GotFocus() { AmountBoxEntered(); }
void Convform::Text2_GotFocus() { AmountBoxEntered(); }

void Convform::Text1_KeyDown(int& keyCode, int /*shift*/) {
    if (keyCode != ui::keys::Return || !(ReadAmount(Text1->Text()) > 0) || !state_.ExitButtonLeft) return;
    app_.dialogs().MessageBox({"Input Information",
                               "After entering data, select action desired\rfrom displayed option buttons.",
                               platform::MsgIcon::Information, platform::MsgButtons::OK, 1});
}

// --- choosing a conversion

void Convform::Option3D1_Click(int index) {
    // The buttons sit in five frames: the window keeps only one chosen.
    const int previous = state_.SelectedConversion;
    if (previous != NoConversion && previous != index) Option3D1[static_cast<std::size_t>(previous)]->setValue(false);
    if (Text1->Text().empty()) Text1->setText("0");
    state_.ConversionAmount = ReadAmount(Text1->Text());
    state_.SelectedConversion = index;
    RunConversion(index);
}

void Convform::RunConversion(int index) {
    const bool multiple = state_.EntryMode == EntryMode::Multiple;
    const auto out = conversions::RunConversion({.index = index,
                                                 .rounding = state_.rounding(),
                                                 .multipleEntry = multiple,
                                                 .amountText = Text1->Text(),
                                                 .endText = Text2->Text()});
    if (!out) return;
    if (!multiple) Text1->setMaxLength(ShownLength);
    Text1->setText(out->amountText);
    state_.ConversionAmount = out->amount;
    state_.ConvertedAmount = out->converted;
    state_.FromUnitText = out->fromUnit;
    state_.ToUnitText = out->toUnit;
    Label2->setVisible(false);
    Label3->setVisible(false);
    if (multiple) showTable(*out);
    else showSingle(*out);
}

void Convform::showSingle(const RunOutput& out) {
    Label2->setCaption(out.fromLabel);
    Panel3D1->setCaption(out.resultText);
    Panel3D1->setVisible(true);
    Label3->setCaption(out.toLabel);
    Label3->setLeft(Panel3D1->Left() + Panel3D1->Width() + LabelGap);
    Label2->setVisible(true);
    Label3->setVisible(true);
}

void Convform::showTable(const RunOutput& out) {
    shell::BeginWait(app_);
    Text2->setText(out.endText);
    state_.RangeStart = out.range.start;
    state_.RangeEnd = out.range.end;
    state_.RangeAmount = out.amount;
    for (int row = 0; row < 2 && row < Grid1->Rows(); ++row)
        for (int col = 0; col < 2; ++col) Grid1->setTextMatrix(row, col, "");
    // The row count is set once, before the rows are written.
    Grid1->setRows(static_cast<int>(out.rows.size()));
    for (std::size_t row = 0; row < out.rows.size(); ++row)
        for (int col = 0; col < 2; ++col)
            Grid1->setTextMatrix(static_cast<int>(row), col, out.rows[row][static_cast<std::size_t>(col)]);
    state_.ResultRow = static_cast<int>(out.rows.size());
    // The labels keep the plural units the heading shows, hidden.
    Label2->setCaption(out.fromUnit);
    Label3->setCaption(out.toUnit);
    showResultsPanel();
    shell::EndWait(app_);
}

void Convform::showResultsPanel() {
    Panel3D2->setBackColor(Panel3D3->BackColor());
    Panel3D2->setTop(Panel3D3->Height() / 2 - Panel3D2->Height() / 2 + 100);
    Panel3D2->setLeft(Panel3D3->Width() / 2 - Panel3D2->Width() / 2);
    Panel3D2->setVisible(true);
}

// --- roundings

ui::Menu* Convform::roundingItem(RoundingMode mode) const {
    switch (mode) {
        case RoundingMode::NoRounding: return mORNo;
        case RoundingMode::WholeNumber: return mORNum;
        case RoundingMode::Tenths: return mORTen;
        case RoundingMode::Hundredths: return mORHun;
        case RoundingMode::Thousandths: return mORThou;
    }
    return mORHun;
}

void Convform::UncheckRoundingMenus() {
    for (ui::Menu* item : {mORNo, mORNum, mORTen, mORHun, mORThou}) item->setChecked(false);
}

void Convform::ChooseRounding(RoundingMode mode) {
    if (state_.RoundingMode == static_cast<int>(mode)) return;
    UncheckRoundingMenus();
    roundingItem(mode)->setChecked(true);
    state_.RoundingMode = static_cast<int>(mode);
    if (state_.SelectedConversion == NoConversion || Text1->Text().empty()) return;
    // No Rounding and Whole Number rebuild a table only while it is shown.
    const bool decimals = mode != RoundingMode::NoRounding && mode != RoundingMode::WholeNumber;
    if (!decimals && state_.EntryMode == EntryMode::Multiple && !resultsShown()) return;
    state_.ConversionAmount = ReadAmount(Text1->Text());
    RunConversion(state_.SelectedConversion);
}

void Convform::mORNo_Click() { ChooseRounding(RoundingMode::NoRounding); }
void Convform::mORNum_Click() { ChooseRounding(RoundingMode::WholeNumber); }
void Convform::mORTen_Click() { ChooseRounding(RoundingMode::Tenths); }
void Convform::mORHun_Click() { ChooseRounding(RoundingMode::Hundredths); }
void Convform::mORThou_Click() { ChooseRounding(RoundingMode::Thousandths); }

// --- entry modes

void Convform::mOS_Click() {
    state_.EntryMode = EntryMode::Single;
    mOS->setChecked(true);
    mODo->setChecked(false);
    Label1->setCaption("Conversion Amount:");
    Label2->setCaption("");
    Label2->setVisible(true);
    Label4->setVisible(false);
    Text2->setVisible(false);
    Text1->setText("");
    Text2->setText("");
    Text1->SetFocus();
}

void Convform::mODo_Click() {
    state_.EntryMode = EntryMode::Multiple;
    mODo->setChecked(true);
    mOS->setChecked(false);
    Text1->setText("");
    Text2->setText("");
    for (ui::Label* label : {Label2, Label3}) {
        label->setCaption("");
        label->setVisible(false);
    }
    Label1->setCaption("Beginning Entry:");
    Label4->setVisible(true);
    Text2->setVisible(true);
    Panel3D1->setVisible(false);
    Text1->SetFocus();
}

}  // namespace conversions
