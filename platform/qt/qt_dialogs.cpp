#include "platform/qt/qt_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "platform/qt/input_dialog.h"
#include "platform/qt/qt_style.h"
#include "platform/qt/qt_text.h"

namespace platform::qt {

namespace {

struct Choice {
    QMessageBox::StandardButton button;
    int answer;
};

// The buttons of each set, from the left.
std::vector<Choice> ChoicesOf(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::OKCancel: return {{QMessageBox::Ok, answer::OK}, {QMessageBox::Cancel, answer::Cancel}};
        case MsgButtons::AbortRetryIgnore:
            return {{QMessageBox::Abort, answer::Abort},
                    {QMessageBox::Retry, answer::Retry},
                    {QMessageBox::Ignore, answer::Ignore}};
        case MsgButtons::YesNoCancel:
            return {
                {QMessageBox::Yes, answer::Yes}, {QMessageBox::No, answer::No}, {QMessageBox::Cancel, answer::Cancel}};
        case MsgButtons::YesNo: return {{QMessageBox::Yes, answer::Yes}, {QMessageBox::No, answer::No}};
        case MsgButtons::RetryCancel:
            return {{QMessageBox::Retry, answer::Retry}, {QMessageBox::Cancel, answer::Cancel}};
        case MsgButtons::OK: break;
    }
    return {{QMessageBox::Ok, answer::OK}};
}

QMessageBox::Icon IconOf(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Critical: return QMessageBox::Critical;
        case MsgIcon::Question: return QMessageBox::Question;
        case MsgIcon::Exclamation: return QMessageBox::Warning;
        case MsgIcon::Information: return QMessageBox::Information;
        case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

int QtDialogs::MessageBox(const MessageBoxRequest& request) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(ToQt(request.title));
    box.setTextFormat(Qt::PlainText);
    box.setText(ToQt(request.text));
    box.setIcon(IconOf(request.icon));
    const std::vector<Choice> choices = ChoicesOf(request.buttons);
    std::vector<QPushButton*> buttons;
    for (const Choice& choice : choices) buttons.push_back(box.addButton(choice.button));
    const auto defaultIndex = static_cast<std::size_t>(std::clamp(request.defaultButton, 1, int(choices.size())) - 1);
    box.setDefaultButton(buttons[defaultIndex]);
    // Esc (or the close box) answers Cancel where there is one, else the last answer.
    std::size_t escapeIndex = choices.size() - 1;
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i].answer == answer::Cancel) escapeIndex = i;
    box.setEscapeButton(buttons[escapeIndex]);
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i]) return choices[i].answer;
    return choices[escapeIndex].answer;
}

std::string QtDialogs::InputBox(const InputBoxRequest& request) {
    std::optional<QPoint> topLeft;
    if (request.left || request.top)
        topLeft = QPoint(ToPixels(request.left.value_or(0)), ToPixels(request.top.value_or(0)));
    const auto typed = AskForText(ToQt(request.title), ToQt(request.prompt), ToQt(request.defaultText), topLeft);
    return typed ? FromQt(*typed) : std::string();
}

std::optional<ui::OleColor> QtDialogs::ChooseColor(ui::OleColor initial) {
    const QColor chosen = QColorDialog::getColor(ToQColor(initial), QApplication::activeWindow());
    if (!chosen.isValid()) return std::nullopt;
    return FromQColor(chosen);
}

void QtDialogs::ReportFailure(const HandlerFailure& failure) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QStringLiteral("Pantrivo"));
    box.setIcon(QMessageBox::Critical);
    box.setTextFormat(Qt::PlainText);
    box.setText(QStringLiteral("The last action could not be finished and was stopped: %1.").arg(ToQt(failure.reason)));
    box.setInformativeText(QStringLiteral("Pantrivo goes on; what was saved before is kept."));
    box.setDetailedText(QStringLiteral("Failed in %1").arg(ToQt(failure.handler)));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

}  // namespace platform::qt
