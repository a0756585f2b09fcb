#pragma once
#include <QMainWindow>
#include <QPointer>
#include <unordered_map>

#include "platform/qt/menu_mirror.h"
#include "platform/ui/form.h"
#include "platform/window_system.h"

class QEventLoop;
class QMenu;

namespace platform::qt {

// The real window of one form. It mirrors every change of the form, its
// controls and menus at once, and reports the user's input to the runtime.
// Once the form is unloaded (detach) it no longer touches the form.
class FormWindow : public QMainWindow, public ui::FormObserver {
public:
    FormWindow(Runtime& runtime, ui::Form& form);
    ~FormWindow() override;

    Runtime& runtime() const { return runtime_; }
    // Null once the form was unloaded.
    ui::Form* form() const { return form_; }
    // The form is unloaded: forget it, hide, and go away with the next events.
    void detach();

    // Shows the window in the form's state and brings it to the front.
    void showFromModel();
    void hideFromModel();
    // A modal loop that must end when the form is hidden or unloaded.
    void setModalLoop(QEventLoop* loop) { modalLoop_ = loop; }
    // The form is still loaded and its window on the screen.
    bool showsForm() const { return form_ && isVisible(); }

    QWidget* widgetOf(const ui::Control& control) const;
    void focusControl(ui::Control& control);
    // Shows one of the form's menus as a popup at the mouse; returns the item
    // chosen (its click not yet run), or nullptr.
    ui::Menu* popup(ui::Menu& menu);

    // --- ui::FormObserver
    void formChanged(ui::Form& form, ui::Property what) override;
    void controlChanged(ui::Control& control, ui::Property what) override;
    void menuChanged(ui::Menu& menu) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ui::FrameMetrics frame() const;
    QSize clientSizeFor(int outerWidth, int outerHeight) const;
    bool fixedBorder() const;
    bool fixedSize() const;

    void applyFlags();
    void applyCaption();
    void applyBackColor();
    void applyGeometry();
    void applyMaximizedGeometry();
    void applyState();
    void applyMenuBarVisibility();

    void buildMenuBar();
    void buildControls();
    QWidget* createWidget(ui::Control& control);
    void orderTabs();

    void reportState();
    void reportSize(const QSize& clientSize);
    bool mouseReleased(ui::Control* control, QWidget& widget, const QMouseEvent& event);
    void menuOpened(ui::Menu& menu);
    void menuChosen(ui::Menu& item);

    Runtime& runtime_;
    ui::Form* form_;
    QWidget* client_ = nullptr;
    MenuMirror menus_;
    MenuMirror* popupMenus_ = nullptr;
    std::unordered_map<const ui::Control*, QWidget*> widgets_;
    std::unordered_map<const QWidget*, ui::Control*> controls_;
    QPointer<QEventLoop> modalLoop_;
    QPointer<QMenu> openPopup_;
    // Set while the window takes the model's own geometry or state, so that
    // the resulting events are not reported back as the user's.
    bool applying_ = false;
    bool releaseEndsDoubleClick_ = false;
};

}  // namespace platform::qt
