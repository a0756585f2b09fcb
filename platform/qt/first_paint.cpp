#include "platform/qt/first_paint.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdlib>
#include <utility>

namespace platform::qt {

namespace {

// Watches every paint until a top-level window has had its first, then
// queues the step behind it and goes.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QApplication& app, std::function<void()> step) : QObject(&app), step_(std::move(step)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !widget->isWindow()) return false;
        qApp->removeEventFilter(this);
        QMetaObject::invokeMethod(
            qApp,
            [this] {
                step_();
                deleteLater();
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    std::function<void()> step_;
};

}  // namespace

void RunAfterFirstPaint(QApplication& app, std::function<void()> step) {
    app.installEventFilter(new FirstPaintWatch(app, std::move(step)));
}

void ExitWhenFirstShownIfAsked(QApplication& app) {
    if (!std::getenv("PANTRIVO_EXIT_WHEN_SHOWN")) return;
    RunAfterFirstPaint(app, [] { std::_Exit(0); });
}

}  // namespace platform::qt
