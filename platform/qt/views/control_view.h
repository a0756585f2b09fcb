#pragma once
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <type_traits>

#include "platform/ui/control.h"
#include "platform/ui/property.h"

class QMouseEvent;

namespace platform {
class Runtime;
}

namespace platform::qt {

// One control of a form shown as a Qt widget. A view shows the model's
// properties on its widget and reports what the user does with the widget to
// the runtime; what it shows itself is never reported back as the user's.
// The mouse and focus rules every kind shares live here, driven by the
// kind's answers (clicksOnRelease).
class ControlView : public QObject {
public:
    ControlView(Runtime& runtime, ui::Control& control, QWidget& widget);
    ~ControlView() override;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    ui::Control& control() const { return control_; }
    QWidget& widget() const { return *widget_; }

    // Every property at once, as a new widget needs them.
    void applyAll();
    // One property of the model changed.
    void apply(ui::Property what);
    // The form was unloaded: the user's input no longer goes anywhere.
    void detach() { runtime_ = nullptr; }

    // A left click on the widget is the control's Click; for widgets that
    // have no click of their own, unlike buttons.
    virtual bool clicksOnRelease() const { return false; }
    // Lies below its siblings, as a background picture does.
    virtual bool isBackground() const { return false; }
    // A kind drawn on its container rather than in a window of its own
    // (a label): it lies below its windowed siblings, as the desktop draws
    // such controls, so a dropped list or a panel covers it.
    virtual bool isWindowless() const { return false; }
    // The access keys (lower case) that the menu bar's titles take: a view
    // whose caption marks one of them gives its shortcut up.
    void setKeysTakenByMenus(const QString& keys);

protected:
    // Null once the form was unloaded.
    Runtime* runtime() const { return runtime_; }
    // Whether the caption's access key is one the menu bar takes.
    bool accessKeyTaken() const;
    // Hands one of the user's inputs to the runtime (input(runtime)) or to the
    // control (input()), unless the form is gone; then shows again what the
    // model made of it (reshow()),
    // as it may refuse the input or keep something else, unless a handler
    // unloaded the form meanwhile.
    template <class Input, class Reshow>
    void report(Input input, Reshow reshow) {
        if (!runtime_) return;
        QPointer<ControlView> self(this);
        if constexpr (std::is_invocable_v<Input, Runtime&>) input(*runtime_);
        else input();
        if (self && runtime_) reshow();
    }

    // What each kind shows; the base shows geometry, visibility, enabling,
    // font and tooltip for every kind.
    virtual void applyCaption() {}
    virtual void applyText() {}
    virtual void applyPicture() {}
    // Background and text colours; the plain filled look unless overridden.
    virtual void applyColors();
    // Kind-specific settings (alignment, default button, limits...).
    virtual void applyStyle() {}
    // A kind whose look depends on where it lies (a toolbar docked at a side stands upright).
    virtual void applyPlace() {}
    // A list's entries, the chosen one, a bar's value.
    virtual void applyItems() {}
    virtual void applySelection() {}
    virtual void applyValue() {}
    // A drop-down list was asked to open.
    virtual void applyDropDown() {}
    // A view whose widget is made of parts that take the focus names them too.
    virtual void showAccessibleName(const QString& name) { widget_->setAccessibleName(name); }
    // Gives up or takes back the caption's access key.
    virtual void applyAccessKey() {}

    // Another widget whose mouse input counts as the view's (a scroll area's viewport).
    void watchMouseOf(QWidget& part);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyGeometry();
    void applyAccessibleName();
    void applyTabStop();
    bool mouseReleased(const QWidget& part, const QMouseEvent& event);

    Runtime* runtime_;
    ui::Control& control_;
    QPointer<QWidget> widget_;
    QString keysTakenByMenus_;
    bool releaseEndsDoubleClick_ = false;
    // TabStop took the Tab focus out of the policy the kind's view chose.
    bool tabFocusTaken_ = false;
};

}  // namespace platform::qt
