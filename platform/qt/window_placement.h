#pragma once
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QTimer>
#include <functional>
#include <optional>

#include "platform/ui/form.h"

class QWidget;

namespace platform {
class Runtime;
}

namespace platform::qt {

// Where a form's window lies, how large it is and in which state: the form's
// outer geometry in twips becomes the window's, with the desktop's frame
// around the inside, and what the user or the desktop does to the window
// goes back to the model. Once the form is unloaded (detach) it no longer
// touches the form.
class WindowPlacement {
public:
    // Told the frame the desktop put around the window, whenever that changes.
    using FrameReport = std::function<void(const QMargins&)>;

    WindowPlacement(QWidget& window, ui::Form& form, Runtime& runtime, FrameReport reportFrame);
    void detach() { form_ = nullptr; }

    // A fixed border keeps the size the program gives it.
    bool fixedBorder() const;
    // Pinned to its size: no maximising either.
    bool fixedSize() const;
    Qt::WindowState wantedState() const;

    // The window takes the form's geometry, or its state (and the geometry that goes with it).
    void applyGeometry();
    void applyState();

    // What happened to the window: the model learns the user's changes.
    void resized(const QSize& clientSize);
    void moved();
    void stateChanged();
    // The window is on screen, moved, resized or activated: it may have learned its frame.
    void checkFrame();

private:
    QSize clientSizeFor(int outerWidth, int outerHeight) const;
    ui::FrameMetrics frame() const;
    QMargins frameMargins() const;
    void applyMaximizedGeometry();
    void reportState();
    void reportSize(const QSize& clientSize);
    void restoreFormSizeLater();
    void restoreFormSize();

    QWidget& window_;
    ui::Form* form_;
    Runtime& runtime_;
    FrameReport reportFrame_;
    std::optional<QMargins> measuredFrame_;
    // The geometry given to a maximised window: without a window manager
    // nobody else changes it, and it follows a change of the frame.
    QRect maximizedGeometry_;
    // Set while the window takes the model's own geometry or state, so that
    // the resulting events are not reported back as the user's.
    bool applying_ = false;
    QTimer restore_;
    int restoreTries_ = 0;
};

}  // namespace platform::qt
