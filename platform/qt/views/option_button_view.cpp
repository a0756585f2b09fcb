// An option button: a round button whose choice the model makes exclusive.
#include <QRadioButton>

#include "platform/qt/qt_text.h"
#include "platform/qt/views/control_view.h"
#include "platform/runtime.h"
#include "platform/ui/option_button.h"

namespace platform::qt {

namespace {

QRadioButton& NewOption(QWidget& parent) {
    auto* option = new QRadioButton(&parent);
    // The model clears the other options; Qt's own grouping would echo.
    option->setAutoExclusive(false);
    option->setFocusPolicy(Qt::TabFocus);
    return *option;
}

class OptionButtonView final : public ControlView {
public:
    OptionButtonView(Runtime& runtime, ui::OptionButton& option, QWidget& parent)
        : ControlView(runtime, option, NewOption(parent)), option_(option) {
        connect(&qoption(), &QAbstractButton::clicked, this,
                [this] { report([this](Runtime& input) { input.userClick(option_); }, [this] { applyValue(); }); });
    }

private:
    QRadioButton& qoption() const { return static_cast<QRadioButton&>(widget()); }

    void applyCaption() override { qoption().setText(ToQt(option_.Caption())); }
    void applyValue() override { qoption().setChecked(option_.Value()); }

    ui::OptionButton& option_;
};

}  // namespace

std::unique_ptr<ControlView> MakeOptionButtonView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<OptionButtonView>(runtime, static_cast<ui::OptionButton&>(control), parent);
}

}  // namespace platform::qt
