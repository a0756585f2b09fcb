#pragma once
#include <QEventLoop>
#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <unordered_map>

#include "platform/qt/menu_mirror.h"
#include "platform/qt/views/control_view.h"
#include "platform/qt/window_placement.h"
#include "platform/ui/form.h"
#include "platform/window_system.h"

class QMenu;

namespace platform::qt {

// The real window of one form: its frame, its menus and a view for each
// control. It mirrors every change of the form at once and reports the
// user's input to the runtime. Once the form is unloaded (detach) it no
// longer touches the form.
class FormWindow : public QMainWindow, public ui::FormObserver {
public:
    FormWindow(Runtime& runtime, ui::Form& form, WindowPlacement::FrameReport reportFrame);
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
    // The desktop's frame changed: the window's outer size is the form's again.
    void reapplyGeometry() { placement_.applyGeometry(); }

    QWidget* widgetOf(const ui::Control& control) const;
    void focusControl(ui::Control& control);
    // Shows one of the form's menus as a popup at the mouse; returns the item
    // chosen (its click not yet run), or nullptr.
    ui::Menu* popup(ui::Menu& menu);
    // Opens the first menu of the menu bar that can open, as F10 does;
    // false when there is none.
    bool openMenuBar();

    // --- ui::FormObserver
    void formChanged(ui::Form& form, ui::Property what) override;
    void controlChanged(ui::Control& control, ui::Property what) override;
    void menuChanged(ui::Menu& menu) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyFlags();
    void applyCaption();
    void applyBackColor();
    void applyMenuBarVisibility();
    void applyAccessKeys();

    void buildMenuBar();
    void buildControls();
    void stackControls();
    ControlView* createView(ui::Control& control);
    void orderTabs();

    bool formMouseReleased(const QMouseEvent& event);
    void menuOpened(ui::Menu& menu);
    void menuChosen(ui::Menu& item);

    Runtime& runtime_;
    ui::Form* form_;
    QWidget* client_ = nullptr;
    WindowPlacement placement_;
    MenuMirror menus_;
    MenuMirror* popupMenus_ = nullptr;
    std::unordered_map<const ui::Control*, std::unique_ptr<ControlView>> views_;
    QPointer<QEventLoop> modalLoop_;
    QPointer<QMenu> openPopup_;
};

}  // namespace platform::qt
