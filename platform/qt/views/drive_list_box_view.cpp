// A drive list: a drop-down of the model's drives, its chosen one shown.
// The user's choice goes to the runtime, which raises the model's Change.
#include <QComboBox>
#include <QSignalBlocker>

#include "platform/qt/qt_style.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/views/accessible_roles.h"
#include "platform/qt/views/control_view.h"
#include "platform/runtime.h"
#include "platform/ui/drive_list_box.h"

namespace platform::qt {

namespace {

class DriveListBoxView final : public ControlView {
public:
    DriveListBoxView(Runtime& runtime, ui::DriveListBox& box, QWidget& parent)
        : ControlView(runtime, box, *new QComboBox(&parent)), box_(box) {
        KeepNameOfDropDown(combo());
        connect(&combo(), &QComboBox::activated, this,
                [this](int index) { report([&] { box_.userChose(index); }, [this] { applySelection(); }); });
    }

private:
    QComboBox& combo() const { return static_cast<QComboBox&>(widget()); }

    void applyItems() override {
        const QSignalBlocker quiet(combo());
        combo().clear();
        for (int i = 0; i < box_.ListCount(); ++i) combo().addItem(ToQt(box_.List(i)));
        applySelection();
    }
    void applySelection() override {
        const QSignalBlocker quiet(combo());
        combo().setCurrentIndex(box_.ListIndex());
    }
    void applyColors() override { ApplyFieldColors(widget(), box_.BackColor(), box_.ForeColor()); }

    ui::DriveListBox& box_;
};

}  // namespace

std::unique_ptr<ControlView> MakeDriveListBoxView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<DriveListBoxView>(runtime, static_cast<ui::DriveListBox&>(control), parent);
}

}  // namespace platform::qt
