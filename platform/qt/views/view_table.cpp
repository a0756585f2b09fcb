#include "platform/qt/views/view_table.h"

namespace platform::qt {

// Each kind's view lives in a file of its own.
using ViewFactory = std::unique_ptr<ControlView> (*)(Runtime&, ui::Control&, QWidget&);
std::unique_ptr<ControlView> MakeLabelView(Runtime&, ui::Control&, QWidget&);
std::unique_ptr<ControlView> MakeCommandButtonView(Runtime&, ui::Control&, QWidget&);
std::unique_ptr<ControlView> MakePanelView(Runtime&, ui::Control&, QWidget&);
std::unique_ptr<ControlView> MakeFrameView(Runtime&, ui::Control&, QWidget&);
std::unique_ptr<ControlView> MakeImageView(Runtime&, ui::Control&, QWidget&);
std::unique_ptr<ControlView> MakeTextBoxView(Runtime&, ui::Control&, QWidget&);
std::unique_ptr<ControlView> MakeCheckBoxView(Runtime&, ui::Control&, QWidget&);
std::unique_ptr<ControlView> MakeOptionButtonView(Runtime&, ui::Control&, QWidget&);
std::unique_ptr<ControlView> MakeComboBoxView(Runtime&, ui::Control&, QWidget&);
std::unique_ptr<ControlView> MakeListBoxView(Runtime&, ui::Control&, QWidget&);
std::unique_ptr<ControlView> MakeToolbarView(Runtime&, ui::Control&, QWidget&);
std::unique_ptr<ControlView> MakeStatusBarView(Runtime&, ui::Control&, QWidget&);
std::unique_ptr<ControlView> MakeProgressBarView(Runtime&, ui::Control&, QWidget&);
std::unique_ptr<ControlView> MakeGridView(Runtime&, ui::Control&, QWidget&);
std::unique_ptr<ControlView> MakeDriveListBoxView(Runtime&, ui::Control&, QWidget&);
std::unique_ptr<ControlView> MakeDirListBoxView(Runtime&, ui::Control&, QWidget&);
std::unique_ptr<ControlView> MakeFileListBoxView(Runtime&, ui::Control&, QWidget&);
std::unique_ptr<ControlView> MakePrintPreviewView(Runtime&, ui::Control&, QWidget&);
std::unique_ptr<ControlView> MakeMonthViewView(Runtime&, ui::Control&, QWidget&);
std::unique_ptr<ControlView> MakeTimerView(Runtime&, ui::Control&, QWidget&);

namespace {

struct ViewRow {
    ui::ControlKind kind;
    ViewFactory make;
};

// clang-format off
constexpr ViewRow kViews[] = {
    {ui::ControlKind::Label, MakeLabelView},
    {ui::ControlKind::CommandButton, MakeCommandButtonView},
    {ui::ControlKind::Panel, MakePanelView},
    {ui::ControlKind::Frame, MakeFrameView},
    {ui::ControlKind::Image, MakeImageView},
    {ui::ControlKind::TextBox, MakeTextBoxView},
    {ui::ControlKind::CheckBox, MakeCheckBoxView},
    {ui::ControlKind::OptionButton, MakeOptionButtonView},
    {ui::ControlKind::ComboBox, MakeComboBoxView},
    {ui::ControlKind::ListBox, MakeListBoxView},
    {ui::ControlKind::Toolbar, MakeToolbarView},
    {ui::ControlKind::StatusBar, MakeStatusBarView},
    {ui::ControlKind::ProgressBar, MakeProgressBarView},
    {ui::ControlKind::Grid, MakeGridView},
    {ui::ControlKind::DriveListBox, MakeDriveListBoxView},
    {ui::ControlKind::DirListBox, MakeDirListBoxView},
    {ui::ControlKind::FileListBox, MakeFileListBoxView},
    {ui::ControlKind::PrintPreview, MakePrintPreviewView},
    {ui::ControlKind::MonthView, MakeMonthViewView},
    {ui::ControlKind::Timer, MakeTimerView},
};
// clang-format on

}  // namespace

std::unique_ptr<ControlView> MakeControlView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    for (const ViewRow& row : kViews) {
        if (row.kind != control.kind()) continue;
        std::unique_ptr<ControlView> view = row.make(runtime, control, parent);
        view->applyAll();
        return view;
    }
    return nullptr;
}

}  // namespace platform::qt
