#include "platform/qt/form_window.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>

#include "platform/qt/control_widgets.h"
#include "platform/qt/key_codes.h"
#include "platform/qt/qt_style.h"
#include "platform/qt/qt_text.h"
#include "platform/runtime.h"
#include "platform/ui/keys.h"

namespace platform::qt {

namespace {

int ModelButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return ui::mouse::Left;
        case Qt::RightButton: return ui::mouse::Right;
        case Qt::MiddleButton: return ui::mouse::Middle;
        default: return 0;
    }
}

ui::WindowState ModelStateOf(Qt::WindowStates states) {
    if (states & Qt::WindowMinimized) return ui::WindowState::Minimized;
    if (states & Qt::WindowMaximized) return ui::WindowState::Maximized;
    return ui::WindowState::Normal;
}

Qt::WindowState QtStateOf(ui::WindowState state) {
    switch (state) {
        case ui::WindowState::Minimized: return Qt::WindowMinimized;
        case ui::WindowState::Maximized: return Qt::WindowMaximized;
        case ui::WindowState::Normal: break;
    }
    return Qt::WindowNoState;
}

}  // namespace

FormWindow::FormWindow(Runtime& runtime, ui::Form& form)
    : runtime_(runtime),
      form_(&form),
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
    applyCaption();
    applyBackColor();
    client_->setFont(ToQFont(form_->font()));
    applyState();
    applyGeometry();
    form.setObserver(this);
}

FormWindow::~FormWindow() = default;

void FormWindow::detach() {
    if (form_ && form_->observer() == this) form_->setObserver(nullptr);
    form_ = nullptr;
    if (openPopup_) openPopup_->close();
    hideFromModel();
    deleteLater();
}

void FormWindow::showFromModel() {
    setWindowState(QtStateOf(form_->windowState()));
    // The control the program gave the focus before the window showed keeps it.
    if (ui::Control* focused = runtime_.focusedControl(); focused && &focused->form() == form_)
        focusControl(*focused);
    show();
    raise();
    activateWindow();
}

void FormWindow::hideFromModel() {
    hide();
    if (modalLoop_) modalLoop_->quit();
}

ui::FrameMetrics FormWindow::frame() const { return runtime_.frameMetrics(); }

bool FormWindow::fixedBorder() const {
    const auto border = form_->borderStyle();
    return border == ui::BorderStyle::FixedSingle || border == ui::BorderStyle::FixedDialog;
}

// A fixed border keeps the size the program gives it. One with a maximise
// button is not pinned to it, since desktops offer no maximising for a pinned
// window; a resize by hand is undone instead.
bool FormWindow::fixedSize() const { return fixedBorder() && !form_->MaxButton(); }

// The window's outer size holds the frame and title bar of the form's border.
QSize FormWindow::clientSizeFor(int outerWidth, int outerHeight) const {
    if (form_->borderStyle() != ui::BorderStyle::None) {
        const ui::FrameMetrics metrics = frame();
        outerWidth -= metrics.left + metrics.right;
        outerHeight -= metrics.top + metrics.bottom;
    }
    return {std::max(0, ToPixels(outerWidth)), std::max(0, ToPixels(outerHeight))};
}

void FormWindow::applyFlags() {
    Qt::WindowFlags flags = Qt::Window;
    if (form_->borderStyle() == ui::BorderStyle::None) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (form_->ControlBox()) {
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
            if (form_->MinButton()) flags |= Qt::WindowMinimizeButtonHint;
            if (form_->MaxButton() && !fixedSize()) flags |= Qt::WindowMaximizeButtonHint;
        }
    }
    setWindowFlags(flags);
}

void FormWindow::applyCaption() { setWindowTitle(AsWindowTitle(ToQt(form_->Caption()))); }

void FormWindow::applyBackColor() { ApplyColors(*client_, form_->BackColor(), ui::colors::WindowText, true); }

void FormWindow::applyGeometry() {
    if (form_->windowState() == ui::WindowState::Maximized) {
        applyMaximizedGeometry();
        return;
    }
    // The desktop places minimised windows itself.
    if (form_->windowState() != ui::WindowState::Normal) return;
    const bool wasApplying = std::exchange(applying_, true);
    move(ToPixels(form_->Left()), ToPixels(form_->Top()));
    const QSize client = clientSizeFor(form_->Width(), form_->Height());
    if (fixedSize()) setFixedSize(client);
    else resize(client);
    applying_ = wasApplying;
}

// Without a window manager nothing would maximise the window: it is given the
// screen's free area itself, before the desktop is asked to maximise it.
void FormWindow::applyMaximizedGeometry() {
    QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!where) return;
    const bool wasApplying = std::exchange(applying_, true);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (!isMaximized())
        setGeometry(QRect(where->availableGeometry().topLeft(), clientSizeFor(form_->Width(), form_->Height())));
    applying_ = wasApplying;
}

void FormWindow::applyState() {
    const bool wasApplying = std::exchange(applying_, true);
    const Qt::WindowState wanted = QtStateOf(form_->windowState());
    if (wanted == Qt::WindowMaximized) applyGeometry();
    if (ModelStateOf(windowState()) != form_->windowState())
        setWindowState((windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized)) | wanted);
    applying_ = wasApplying;
    if (wanted != Qt::WindowMaximized) applyGeometry();
}

void FormWindow::buildMenuBar() {
    if (form_->menus().empty()) return;
    QMenuBar* bar = menuBar();
    menus_.fillMenuBar(*bar, form_->menus());
    // The model counts the menu bar as one fixed height of the window.
    bar->setFixedHeight(ToPixels(frame().menuBar));
    applyMenuBarVisibility();
}

void FormWindow::applyMenuBarVisibility() {
    QMenuBar* bar = qobject_cast<QMenuBar*>(menuWidget());
    if (!bar || bar->isHidden() != form_->hasMenuBar()) return;
    bar->setVisible(form_->hasMenuBar());
    // The client area takes the menu bar's room at once, as the model counts it.
    layout()->activate();
}

void FormWindow::buildControls() {
    for (const auto& control : form_->controls()) createWidget(*control);
    // Pictures are backgrounds: below their siblings, in their own order.
    for (auto it = form_->controls().rbegin(); it != form_->controls().rend(); ++it) {
        if ((*it)->kind() != ui::ControlKind::Image) continue;
        if (QWidget* widget = widgetOf(**it)) widget->lower();
    }
    orderTabs();
}

QWidget* FormWindow::createWidget(ui::Control& control) {
    QWidget* parent = client_;
    if (control.container()) {
        parent = widgetOf(*control.container());
        if (!parent) return nullptr;  // inside a container that is not shown
    }
    QWidget* widget = CreateControlWidget(control, *parent);
    if (!widget) return nullptr;
    widgets_[&control] = widget;
    controls_[widget] = &control;
    widget->installEventFilter(this);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        ui::Control* clicked = &control;
        connect(button, &QAbstractButton::clicked, this, [this, clicked] {
            if (form_) runtime_.userClick(*clicked);
        });
    }
    return widget;
}

void FormWindow::orderTabs() {
    std::vector<ui::Control*> order;
    for (const auto& control : form_->controls()) {
        QWidget* widget = widgetOf(*control);
        if (widget && (widget->focusPolicy() & Qt::TabFocus)) order.push_back(control.get());
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const ui::Control* a, const ui::Control* b) { return a->TabIndex() < b->TabIndex(); });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(widgetOf(*order[i - 1]), widgetOf(*order[i]));
}

QWidget* FormWindow::widgetOf(const ui::Control& control) const {
    const auto found = widgets_.find(&control);
    return found == widgets_.end() ? nullptr : found->second;
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

// --- the model's changes

void FormWindow::formChanged(ui::Form&, ui::Property what) {
    switch (what) {
        case ui::Property::Caption: applyCaption(); break;
        case ui::Property::Geometry: applyGeometry(); break;
        case ui::Property::WindowState: applyState(); break;
        case ui::Property::BackColor: applyBackColor(); break;
        default: break;  // showing and hiding come through the window system
    }
}

void FormWindow::controlChanged(ui::Control& control, ui::Property what) {
    if (QWidget* widget = widgetOf(control)) {
        ApplyControlProperty(control, *widget, what);
        return;
    }
    // A control added after the window was built shows from its first change on.
    if (QWidget* widget = createWidget(control); widget && control.kind() == ui::ControlKind::Image) widget->lower();
}

void FormWindow::menuChanged(ui::Menu& menu) {
    menus_.update(menu);
    if (popupMenus_) popupMenus_->update(menu);
    if (!menu.parent()) applyMenuBarVisibility();
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

void FormWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!form_ || applying_) return;
    reportState();
    if (!form_ || applying_) return;
    // A fixed border changes size only by maximising and restoring: a
    // normal window the desktop resized gets the form's size back.
    if (fixedBorder() && form_->windowState() == ui::WindowState::Normal) {
        if (event->size() != clientSizeFor(form_->Width(), form_->Height())) applyGeometry();
        return;
    }
    reportSize(event->size());
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    // The user moved the window: the model learns where it is, without echo.
    if (!form_ || applying_ || form_->windowState() != ui::WindowState::Normal) return;
    runtime_.userMoved(*form_, ToTwips(pos().x()), ToTwips(pos().y()));
}

void FormWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (!form_) return;
    if (event->type() == QEvent::WindowStateChange && !applying_) {
        reportState();
    } else if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        runtime_.userActivated(*form_);
    }
}

void FormWindow::reportState() {
    const ui::WindowState state = ModelStateOf(windowState());
    if (state == form_->windowState()) return;
    const bool wasApplying = std::exchange(applying_, true);
    QPointer<FormWindow> self(this);
    runtime_.userChangedState(*form_, state);
    if (self) applying_ = wasApplying;
}

void FormWindow::reportSize(const QSize& clientSize) {
    if (form_->windowState() == ui::WindowState::Minimized) return;
    // The model's own size, rounded to pixels, is no change.
    if (clientSize == clientSizeFor(form_->Width(), form_->Height())) return;
    int width = ToTwips(clientSize.width());
    int height = ToTwips(clientSize.height());
    if (form_->borderStyle() != ui::BorderStyle::None) {
        const ui::FrameMetrics metrics = frame();
        width += metrics.left + metrics.right;
        height += metrics.top + metrics.bottom;
    }
    runtime_.userResized(*form_, width, height);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (!form_ || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    const auto found = controls_.find(widget);
    ui::Control* control = found == controls_.end() ? nullptr : found->second;
    switch (event->type()) {
        case QEvent::FocusIn:
            if (control) runtime_.userFocused(*control);
            return false;
        case QEvent::MouseButtonPress:
            // Only the left button takes the focus to a control, as the desktop's buttons do.
            if (control && control->canHoldFocus() &&
                static_cast<const QMouseEvent&>(*event).button() == Qt::LeftButton)
                widget->setFocus(Qt::MouseFocusReason);
            return false;
        case QEvent::MouseButtonRelease:
            return mouseReleased(control, *widget, static_cast<const QMouseEvent&>(*event));
        case QEvent::MouseButtonDblClick:
            if (!control || !ClicksOnRelease(*control)) return false;
            releaseEndsDoubleClick_ = true;
            runtime_.userDoubleClick(*control);
            return true;
        default:
            return false;
    }
}

bool FormWindow::mouseReleased(ui::Control* control, QWidget& widget, const QMouseEvent& event) {
    const int button = ModelButtonOf(event.button());
    if (button == 0) return false;
    // Decided before the handlers run: they may unload the form.
    const bool clicksHere = control && ClicksOnRelease(*control);
    QPointer<FormWindow> self(this);
    const QPointF at = event.position();
    runtime_.userMouseUp(*form_, control, button, ShiftMaskOf(event.modifiers()), ToTwips(1) * at.x(),
                                 ToTwips(1) * at.y());
    if (!control) return true;
    if (!clicksHere) return button != ui::mouse::Left;  // a button clicks itself
    if (button != ui::mouse::Left) return true;
    // The second release of a double click is no click of its own.
    const bool endsDoubleClick = std::exchange(releaseEndsDoubleClick_, false);
    if (self && self->form_ && !endsDoubleClick && widget.rect().contains(at.toPoint()))
        runtime_.userClick(*control);
    return true;
}

}  // namespace platform::qt
