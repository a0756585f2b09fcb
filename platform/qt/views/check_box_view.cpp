// A check box: ticked and unticked by its model alone. Every way of turning
// it over (a click, Space, a screen reader's toggle) goes to the runtime as
// its click; the box only ever shows what the model holds.
#include <QCheckBox>
#include <QScopedValueRollback>

#include "platform/qt/qt_text.h"
#include "platform/qt/views/control_view.h"
#include "platform/runtime.h"
#include "platform/ui/check_box.h"

namespace platform::qt {

namespace {

// A check box that a click only reports: the model turns it over.
class CheckWidget final : public QCheckBox {
public:
    explicit CheckWidget(QWidget& parent) : QCheckBox(&parent) { setFocusPolicy(Qt::TabFocus); }

    void showValue(bool ticked) {
        const QScopedValueRollback<bool> showing(showing_, true);
        setChecked(ticked);
    }
    // Whether the box is showing the model's value, not taking the user's.
    bool showing() const { return showing_; }

protected:
    void nextCheckState() override {}

private:
    bool showing_ = false;
};

class CheckBoxView final : public ControlView {
public:
    CheckBoxView(Runtime& runtime, ui::CheckBox& box, QWidget& parent)
        : ControlView(runtime, box, *new CheckWidget(parent)), box_(box) {
        connect(&qbox(), &QAbstractButton::clicked, this, [this] { turnOver(); });
        // A screen reader's toggle checks the box without a click.
        connect(&qbox(), &QAbstractButton::toggled, this, [this](bool on) {
            if (!qbox().showing() && on != box_.Value()) turnOver();
        });
    }

private:
    CheckWidget& qbox() const { return static_cast<CheckWidget&>(widget()); }

    // The runtime may refuse the click (a focus handler disabled the box):
    // the box shows the model again either way.
    void turnOver() {
        report([this](Runtime& input) { input.userClick(box_); }, [this] { applyValue(); });
    }

    void applyCaption() override { qbox().setText(ToQt(box_.Caption())); }
    void applyAccessKey() override {
        qbox().setShortcut(accessKeyTaken() ? QKeySequence() : QKeySequence::mnemonic(qbox().text()));
    }
    void applyValue() override { qbox().showValue(box_.Value()); }

    ui::CheckBox& box_;
};

}  // namespace

std::unique_ptr<ControlView> MakeCheckBoxView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<CheckBoxView>(runtime, static_cast<ui::CheckBox&>(control), parent);
}

}  // namespace platform::qt
