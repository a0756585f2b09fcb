// An option button: a round button, one of its container's group, which the
// desktop knows as a radio button. Every way of choosing it (a click, Space,
// the arrow keys within the group, a screen reader's action) goes to the
// runtime as its click; the model makes the choice exclusive, and the
// buttons only ever show what the model holds.
#include <QKeyEvent>
#include <QPointer>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <algorithm>
#include <vector>

#include "platform/qt/qt_style.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/views/control_view.h"
#include "platform/runtime.h"
#include "platform/ui/option_button.h"

namespace platform::qt {

namespace {

// A radio button checked by its model alone: a click only reports itself.
class OptionWidget final : public QRadioButton {
public:
    OptionWidget(QWidget& parent, const ui::OptionButton& model) : QRadioButton(&parent), model_(model) {
        // One group to the desktop, so that a screen reader calls it a radio button.
        setAutoExclusive(true);
        setFocusPolicy(Qt::TabFocus);
    }

    // Shows the model's value, unchecking too, which Qt refuses an exclusive button.
    void showValue() {
        const QScopedValueRollback<bool> showing(showing_, true);
        if (model_.Value()) {
            setChecked(true);
        } else if (isChecked()) {
            setAutoExclusive(false);
            setChecked(false);
            setAutoExclusive(true);
        }
    }
    // Whether the button is showing the model's value, not taking the user's.
    bool showing() const { return showing_; }

protected:
    // The model checks it, once the runtime let the click through.
    void nextCheckState() override {}

private:
    const ui::OptionButton& model_;
    bool showing_ = false;
};

int StepOf(const QKeyEvent& key) {
    if (key.modifiers() & ~Qt::KeypadModifier) return 0;
    switch (key.key()) {
        case Qt::Key_Up:
        case Qt::Key_Left: return -1;
        case Qt::Key_Down:
        case Qt::Key_Right: return 1;
        default: return 0;
    }
}

class OptionButtonView final : public ControlView {
public:
    OptionButtonView(Runtime& runtime, ui::OptionButton& option, QWidget& parent)
        : ControlView(runtime, option, *new OptionWidget(parent, option)), option_(option) {
        connect(&qoption(), &QAbstractButton::clicked, this, [this] { choose(option_); });
        // A screen reader's toggle checks the button without a click.
        connect(&qoption(), &QAbstractButton::toggled, this, [this](bool on) {
            if (on && !qoption().showing()) choose(option_);
        });
    }

private:
    OptionWidget& qoption() const { return static_cast<OptionWidget&>(widget()); }

    void applyCaption() override { qoption().setText(ToQt(option_.Caption())); }
    void applyValue() override { qoption().showValue(); }
    // A button left at the desktop's colour shows its container through it,
    // so a group on a coloured frame reads as one piece, not a row of patches.
    void applyColors() override {
        ApplyColors(widget(), option_.BackColor(), option_.ForeColor(), !ui::IsSystemColor(option_.BackColor()));
    }

    // The runtime may refuse the choice (a focus handler disabled the
    // option): the whole group shows the model again.
    void choose(ui::OptionButton& chosen) {
        report(
            [&](Runtime& input) {
                if (&chosen != &option_) input.setFocus(chosen);
                input.userClick(chosen);
            },
            [this] { showGroup(); });
    }

    void showGroup() {
        QWidget* container = qoption().parentWidget();
        if (!container) return;
        for (OptionWidget* member : container->findChildren<OptionWidget*>(Qt::FindDirectChildrenOnly))
            member->showValue();
    }

    // The arrow keys choose the next usable option of the group, round from
    // the last to the first, as the desktop's option groups do.
    void chooseNeighbour(int step) {
        std::vector<ui::OptionButton*> group = option_.Group();
        std::erase_if(group, [this](const ui::OptionButton* o) {
            return o != &option_ && !(o->effectivelyVisible() && o->effectivelyEnabled());
        });
        const auto at = std::find(group.begin(), group.end(), &option_) - group.begin();
        const auto count = static_cast<std::ptrdiff_t>(group.size());
        if (count < 2) return;
        choose(*group[static_cast<std::size_t>((at + step + count) % count)]);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &widget() && event->type() == QEvent::KeyPress && runtime()) {
            if (const int step = StepOf(static_cast<const QKeyEvent&>(*event))) {
                chooseNeighbour(step);
                return true;
            }
        }
        return ControlView::eventFilter(watched, event);
    }

    ui::OptionButton& option_;
};

}  // namespace

std::unique_ptr<ControlView> MakeOptionButtonView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<OptionButtonView>(runtime, static_cast<ui::OptionButton&>(control), parent);
}

}  // namespace platform::qt
