#include "platform/qt/key_router.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <QWidget>

#include "platform/basic/cp1252.h"
#include "platform/qt/form_window.h"
#include "platform/qt/key_codes.h"
#include "platform/runtime.h"

namespace platform::qt {

bool KeyRouter::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || event == delivering_) return false;
    // The menu bar's own keyboard navigation is no input to the form.
    if (!watched->isWidgetType() || qobject_cast<QMenuBar*>(watched)) return false;
    // An open drop-down list, like a menu, is a window of its own: its keys are the list's.
    auto* window = dynamic_cast<FormWindow*>(static_cast<QWidget*>(watched)->window());
    if (!window || !window->form()) return false;
    auto& key = static_cast<QKeyEvent&>(*event);
    const bool consumed =
        type == QEvent::KeyPress ? keyPressed(*window, *watched, key) : keyReleased(*window, *watched, key);
    if (consumed) event->accept();
    return consumed;
}

bool KeyRouter::keyPressed(FormWindow& window, QObject& target, QKeyEvent& event) {
    QPointer<FormWindow> alive(&window);
    QPointer<QObject> receiver(&target);
    Runtime& runtime = window.runtime();
    down_.insert(event.key());
    const int code = KeyCodeOf(event);
    if (code != 0 && runtime.userKeyDown(*window.form(), code, ShiftMaskOf(event.modifiers()))) return true;
    if (!alive || !window.form() || !receiver) return true;
    // F10 takes the keyboard to the menu bar, as on every desktop.
    if (event.key() == Qt::Key_F10 && event.modifiers() == Qt::NoModifier && window.openMenuBar()) return true;
    const int typed = KeyAsciiOf(event);
    if (typed == 0) {
        deliver(target, event);
        return true;
    }
    const int kept = runtime.userKeyPress(*window.form(), typed);
    if (kept == 0 || !alive || !window.form() || !receiver) return true;
    if (kept == typed) {
        deliver(target, event);
        return true;
    }
    // A handler typed another character in place of this one.
    const QString text = QString::fromStdString(basic::Cp1252ToUtf8(std::string(1, static_cast<char>(kept))));
    QKeyEvent replaced(event.type(), event.key(), event.modifiers(), event.nativeScanCode(), event.nativeVirtualKey(),
                       event.nativeModifiers(), text, event.isAutoRepeat(), static_cast<quint16>(event.count()),
                       event.device());
    deliver(target, replaced);
    return true;
}

bool KeyRouter::keyReleased(FormWindow& window, QObject& target, QKeyEvent& event) {
    // A held key repeats its KeyDown only.
    if (!event.isAutoRepeat() && down_.remove(event.key())) {
        QPointer<FormWindow> alive(&window);
        QPointer<QObject> receiver(&target);
        const int code = KeyCodeOf(event);
        if (code != 0) window.runtime().userKeyUp(*window.form(), code, ShiftMaskOf(event.modifiers()));
        if (!alive || !window.form() || !receiver) return true;
    }
    deliver(target, event);
    return true;
}

void KeyRouter::deliver(QObject& target, QKeyEvent& event) {
    const QEvent* outer = delivering_;
    delivering_ = &event;
    QCoreApplication::sendEvent(&target, &event);
    delivering_ = outer;
}

}  // namespace platform::qt
