#include "platform/qt/form_window.h"

#include <QCloseEvent>
#include <QCursor>
#include <QEventLoop>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QWindow>
#include <algorithm>

#include "platform/qt/key_codes.h"
#include "platform/qt/qt_style.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/views/view_table.h"
#include "platform/runtime.h"
#include "platform/ui/caption.h"

namespace platform::qt {

FormWindow::FormWindow(Runtime& runtime, ui::Form& form, WindowPlacement::FrameReport reportFrame)
    : runtime_(runtime),
      form_(&form),
      placement_(*this, form, runtime, std::move(reportFrame)),
      menus_([this](ui::Menu& menu) { menuOpened(menu); }, [this](ui::Menu& item) { menuChosen(item); }) {
    setObjectName(ToQt(form.name()));
    setContextMenuPolicy(Qt::NoContextMenu);
    applyFlags();
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->installEventFilter(this);
    setCentralWidget(client_);
    buildMenuBar();
    buildControls();
    applyAccessKeys();
    applyCaption();
    applyBackColor();
    client_->setFont(ToQFont(form_->font()));
    placement_.applyState();
    form.setObserver(this);
}

FormWindow::~FormWindow() = default;

void FormWindow::detach() {
    if (form_ && form_->observer() == this) form_->setObserver(nullptr);
    form_ = nullptr;
    placement_.detach();
    for (auto& [control, view] : views_) view->detach();
    if (openPopup_) openPopup_->close();
    hideFromModel();
    deleteLater();
}

void FormWindow::showFromModel() {
    setWindowState(placement_.wantedState());
    // The control the program gave the focus before the window showed keeps it.
    if (ui::Control* focused = runtime_.focusedControl(); focused && &focused->form() == form_) focusControl(*focused);
    show();
    // The frame is known once the window is on the screen.
    if (QWindow* handle = windowHandle()) handle->installEventFilter(this);
    raise();
    activateWindow();
}

void FormWindow::hideFromModel() {
    hide();
    if (modalLoop_) modalLoop_->quit();
}

// A dialog has a dialog's frame: a close box at most, kept above the window
// it was opened from.
void FormWindow::applyFlags() {
    const auto border = form_->borderStyle();
    Qt::WindowFlags flags = border == ui::BorderStyle::FixedDialog ? Qt::Dialog : Qt::Window;
    if (border == ui::BorderStyle::None) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (form_->ControlBox()) {
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
            const bool dialog = border == ui::BorderStyle::FixedDialog;
            if (form_->MinButton() && !dialog) flags |= Qt::WindowMinimizeButtonHint;
            if (form_->MaxButton() && !placement_.fixedSize()) flags |= Qt::WindowMaximizeButtonHint;
        }
    }
    setWindowFlags(flags);
}

void FormWindow::applyCaption() { setWindowTitle(AsWindowTitle(ToQt(form_->Caption()))); }

void FormWindow::applyBackColor() { ApplyColors(*client_, form_->BackColor(), ui::colors::WindowText, true); }

void FormWindow::buildMenuBar() {
    if (form_->menus().empty()) return;
    QMenuBar* bar = menuBar();
    menus_.fillMenuBar(*bar, form_->menus());
    // The model counts the menu bar as one fixed height of the window.
    bar->setFixedHeight(ToPixels(runtime_.frameMetrics().menuBar));
    applyMenuBarVisibility();
}

void FormWindow::applyMenuBarVisibility() {
    QMenuBar* bar = qobject_cast<QMenuBar*>(menuWidget());
    if (!bar || bar->isHidden() != form_->hasMenuBar()) return;
    bar->setVisible(form_->hasMenuBar());
    // The client area takes the menu bar's room at once, as the model counts it.
    layout()->activate();
}

// Alt and a menu title's letter open that menu: a control whose caption marks
// the same letter gives up its shortcut, keeping its underline.
void FormWindow::applyAccessKeys() {
    QString taken;
    for (const auto& menu : form_->menus()) {
        const char key = ui::AccessKeyOf(menu->Caption());
        if (menu->Visible() && key != 0) taken += ToQt(std::string(1, key)).toLower();
    }
    for (auto& [control, view] : views_) view->setKeysTakenByMenus(taken);
}

void FormWindow::buildControls() {
    for (const auto& control : form_->controls()) createView(*control);
    stackControls();
    orderTabs();
}

// Within each container, from the bottom: pictures (backgrounds), then
// labels, then the windowed controls, each in the order they were added.
void FormWindow::stackControls() {
    for (const bool backgrounds : {false, true}) {
        for (auto it = form_->controls().rbegin(); it != form_->controls().rend(); ++it) {
            const auto found = views_.find(it->get());
            if (found == views_.end()) continue;
            const ControlView& view = *found->second;
            if (backgrounds ? view.isBackground() : view.isWindowless()) found->second->widget().lower();
        }
    }
}

ControlView* FormWindow::createView(ui::Control& control) {
    QWidget* parent = client_;
    if (control.container()) {
        parent = widgetOf(*control.container());
        if (!parent) return nullptr;  // inside a container that is not shown
    }
    std::unique_ptr<ControlView> view = MakeControlView(runtime_, control, *parent);
    if (!view) return nullptr;
    ControlView* made = view.get();
    views_[&control] = std::move(view);
    return made;
}

void FormWindow::orderTabs() {
    std::vector<ui::Control*> order;
    for (const auto& control : form_->controls()) {
        QWidget* widget = widgetOf(*control);
        if (widget && (widget->focusPolicy() & Qt::TabFocus)) order.push_back(control.get());
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const ui::Control* a, const ui::Control* b) { return a->TabIndex() < b->TabIndex(); });
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(widgetOf(*order[i - 1]), widgetOf(*order[i]));
}

QWidget* FormWindow::widgetOf(const ui::Control& control) const {
    const auto found = views_.find(&control);
    return found == views_.end() ? nullptr : &found->second->widget();
}

void FormWindow::focusControl(ui::Control& control) {
    if (QWidget* widget = widgetOf(control)) widget->setFocus(Qt::OtherFocusReason);
}

ui::Menu* FormWindow::popup(ui::Menu& menu) {
    // No parent: the form may unload, and this window go, while the menu is open.
    QMenu qmenu;
    QPointer<FormWindow> self(this);
    MenuMirror mirror(
        [self](ui::Menu& opened) {
            if (self) self->menuOpened(opened);
        },
        nullptr);
    mirror.fillMenu(qmenu, menu);
    const auto actions = qmenu.actions();
    if (std::none_of(actions.begin(), actions.end(), [](QAction* a) { return a->isVisible(); })) return nullptr;
    popupMenus_ = &mirror;
    openPopup_ = &qmenu;
    QAction* chosen = qmenu.exec(QCursor::pos());
    if (!self) return nullptr;
    popupMenus_ = nullptr;
    openPopup_ = nullptr;
    return form_ && chosen ? mirror.itemOf(chosen) : nullptr;
}

bool FormWindow::openMenuBar() {
    auto* bar = qobject_cast<QMenuBar*>(menuWidget());
    if (!form_ || !bar || !bar->isVisible()) return false;
    for (QAction* action : bar->actions()) {
        if (!action->isVisible() || !action->isEnabled() || action->isSeparator()) continue;
        bar->setActiveAction(action);
        return true;
    }
    return false;
}

// --- the model's changes

void FormWindow::formChanged(ui::Form&, ui::Property what) {
    switch (what) {
        case ui::Property::Caption: applyCaption(); break;
        case ui::Property::Geometry: placement_.applyGeometry(); break;
        case ui::Property::WindowState: placement_.applyState(); break;
        case ui::Property::BackColor: applyBackColor(); break;
        default: break;  // showing and hiding come through the window system
    }
}

void FormWindow::controlChanged(ui::Control& control, ui::Property what) {
    if (const auto found = views_.find(&control); found != views_.end()) {
        found->second->apply(what);
        return;
    }
    // A control added after the window was built shows from its first change on.
    ControlView* view = createView(control);
    if (!view) return;
    if (view->isBackground() || view->isWindowless()) stackControls();
    applyAccessKeys();
}

void FormWindow::menuChanged(ui::Menu& menu) {
    menus_.update(menu);
    if (popupMenus_) popupMenus_->update(menu);
    if (menu.parent()) return;
    applyMenuBarVisibility();
    applyAccessKeys();
}

// --- the user's input

void FormWindow::menuOpened(ui::Menu& menu) {
    if (form_) runtime_.userMenu(menu);
}

void FormWindow::menuChosen(ui::Menu& item) {
    if (!form_) return;
    QPointer<FormWindow> self(this);
    runtime_.userMenu(item);
    // Qt toggles a checkable action itself; the model decides the check mark.
    if (self && self->form_) menus_.update(item);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The window goes away only when the form unloads (destroyForm).
    event->ignore();
    if (form_) runtime_.userClose(*form_);
}

void FormWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    placement_.checkFrame();
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    placement_.resized(event->size());
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    placement_.moved();
}

void FormWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (!form_) return;
    if (event->type() == QEvent::WindowStateChange) {
        placement_.stateChanged();
    } else if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        runtime_.userActivated(*form_);
        placement_.checkFrame();
    }
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (!form_) return false;
    if (watched == windowHandle()) {
        if (event->type() == QEvent::Expose) placement_.checkFrame();
        return false;
    }
    if (watched == client_ && event->type() == QEvent::MouseButtonRelease)
        return formMouseReleased(static_cast<const QMouseEvent&>(*event));
    return false;
}

// A release on the form itself, outside its controls.
bool FormWindow::formMouseReleased(const QMouseEvent& event) {
    const int button = MouseButtonOf(event.button());
    if (button == 0) return false;
    const QPointF at = event.position();
    runtime_.userMouseUp(*form_, nullptr, button, ShiftMaskOf(event.modifiers()), ToTwips(1) * at.x(),
                         ToTwips(1) * at.y());
    return true;
}

}  // namespace platform::qt
