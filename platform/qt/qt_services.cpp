#include "platform/qt/qt_services.h"

#include <QApplication>
#include <QColorDialog>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QUrl>
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
            return {{QMessageBox::Yes, answer::Yes}, {QMessageBox::No, answer::No}, {QMessageBox::Cancel, answer::Cancel}};
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

// A web address or other URL, as opposed to a file's path.
bool IsUrl(const QString& target) {
    const QUrl url(target);
    return url.isValid() && url.scheme().size() > 1;  // not a drive letter
}

}  // namespace


int QtServices::MessageBox(const MessageBoxRequest& request) {
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

std::string QtServices::InputBox(const InputBoxRequest& request) {
    std::optional<QPoint> topLeft;
    if (request.left || request.top)
        topLeft = QPoint(ToPixels(request.left.value_or(0)), ToPixels(request.top.value_or(0)));
    const auto typed = AskForText(ToQt(request.title), ToQt(request.prompt), ToQt(request.defaultText), topLeft);
    return typed ? FromQt(*typed) : std::string();
}

std::optional<ui::OleColor> QtServices::ChooseColor(ui::OleColor initial) {
    const QColor chosen = QColorDialog::getColor(ToQColor(initial), QApplication::activeWindow());
    if (!chosen.isValid()) return std::nullopt;
    return FromQColor(chosen);
}

int QtServices::ShellOpen(const ShellOpenRequest& request) {
    const QString target = ToQt(request.file).trimmed();
    if (target.isEmpty()) return 2;
    QUrl url;
    if (IsUrl(target)) {
        url = QUrl(target);
    } else {
        const QDir base(request.directory.empty() ? QDir::currentPath() : ToQt(request.directory));
        url = QUrl::fromLocalFile(base.absoluteFilePath(target));
    }
    return QDesktopServices::openUrl(url) ? 42 : 2;
}

ScreenSize QtServices::Screen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QSize size = screen->geometry().size();
    return {ToTwips(size.width()), ToTwips(size.height())};
}

void QtServices::SetBusyPointer(bool busy) {
    if (busy) {
        if (!busy_) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    }
    busy_ = busy;
}

LocalTime QtServices::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    return LocalTime(now.toMSecsSinceEpoch() + static_cast<qint64>(now.offsetFromUtc()) * 1000);
}

void QtServices::Sleep(std::chrono::milliseconds duration) {
    if (duration.count() > 0) QThread::msleep(static_cast<unsigned long>(duration.count()));
}

void QtServices::Beep() { QApplication::beep(); }

}  // namespace platform::qt
