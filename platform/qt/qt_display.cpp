#include "platform/qt/qt_display.h"

#include <QApplication>
#include <QScreen>

#include "platform/qt/qt_text.h"

namespace platform::qt {

ScreenSize QtDisplay::Screen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QSize size = screen->geometry().size();
    return {ToTwips(size.width()), ToTwips(size.height())};
}

void QtDisplay::SetBusyPointer(bool busy) {
    if (busy) {
        if (!busy_) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    }
    busy_ = busy;
}

void QtDisplay::Beep() { QApplication::beep(); }

}  // namespace platform::qt
