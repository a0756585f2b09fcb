// A push button: clicks itself, takes the focus by Tab or the left button.
#include <QPushButton>

#include "platform/qt/qt_style.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/views/control_view.h"
#include "platform/runtime.h"
#include "platform/ui/command_button.h"

namespace platform::qt {

namespace {

QPushButton& NewButton(QWidget& parent) {
    auto* button = new QPushButton(&parent);
    // Tab gives it the focus; a click does through the view, left button only.
    button->setFocusPolicy(Qt::TabFocus);
    return *button;
}

class CommandButtonView final : public ControlView {
public:
    CommandButtonView(Runtime& runtime, ui::CommandButton& button, QWidget& parent)
        : ControlView(runtime, button, NewButton(parent)), button_(button) {
        connect(&qbutton(), &QAbstractButton::clicked, this, [this] {
            if (Runtime* input = this->runtime()) input->userClick(button_);
        });
    }

private:
    QPushButton& qbutton() const { return static_cast<QPushButton&>(widget()); }

    void applyCaption() override { qbutton().setText(ToQt(button_.Caption())); }

    // Setting the text grabs the access key afresh; one the menu bar takes is
    // given up, so Alt and the letter open the menu. The underline stays.
    void applyAccessKey() override {
        qbutton().setShortcut(accessKeyTaken() ? QKeySequence() : QKeySequence::mnemonic(qbutton().text()));
    }

    void applyStyle() override { qbutton().setDefault(button_.Default()); }

    // Buttons keep the desktop's look unless given a colour of their own.
    void applyColors() override {
        QPalette palette = qbutton().palette();
        if (!ui::IsSystemColor(button_.BackColor())) palette.setColor(QPalette::Button, ToQColor(button_.BackColor()));
        if (!ui::IsSystemColor(button_.ForeColor()))
            palette.setColor(QPalette::ButtonText, ToQColor(button_.ForeColor()));
        qbutton().setPalette(palette);
    }

    ui::CommandButton& button_;
};

}  // namespace

std::unique_ptr<ControlView> MakeCommandButtonView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<CommandButtonView>(runtime, static_cast<ui::CommandButton&>(control), parent);
}

}  // namespace platform::qt
