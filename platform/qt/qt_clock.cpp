#include "platform/qt/qt_clock.h"

#include <QDateTime>
#include <QThread>

namespace platform::qt {

LocalTime QtClock::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    return LocalTime(now.toMSecsSinceEpoch() + static_cast<qint64>(now.offsetFromUtc()) * 1000);
}

void QtClock::Sleep(std::chrono::milliseconds duration) {
    if (duration.count() > 0) QThread::msleep(static_cast<unsigned long>(duration.count()));
}

}  // namespace platform::qt
