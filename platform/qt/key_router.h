#pragma once
#include <QObject>
#include <QSet>

class QKeyEvent;

namespace platform::qt {

class FormWindow;

// Watches the whole application's keyboard: a key in a form's window goes to
// the model first (KeyDown, then KeyPress for a typed character, KeyUp), and
// reaches the widget only when the model lets it through.
class KeyRouter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(FormWindow& window, QObject& target, QKeyEvent& event);
    bool keyReleased(FormWindow& window, QObject& target, QKeyEvent& event);
    // Hands the event to its widget as Qt would, without seeing it again
    // while it travels up to the widget's parents.
    void deliver(QObject& target, QKeyEvent& event);

    const QEvent* delivering_ = nullptr;
    // Keys pressed in a form's window and not yet released: a release whose
    // press went elsewhere (the Enter that closed a message box) is no KeyUp.
    QSet<int> down_;
};

}  // namespace platform::qt
