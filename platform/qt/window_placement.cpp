#include "platform/qt/window_placement.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "platform/qt/qt_text.h"
#include "platform/runtime.h"

namespace platform::qt {

namespace {

// A window manager may ignore a size asked for while the user drags the
// border: the form's size is asked for again until it sticks, a while after
// the last drag event.
constexpr int RestoreDelayMs = 50;
constexpr int RestoreTries = 20;

ui::WindowState ModelStateOf(Qt::WindowStates states) {
    if (states & Qt::WindowMinimized) return ui::WindowState::Minimized;
    if (states & Qt::WindowMaximized) return ui::WindowState::Maximized;
    return ui::WindowState::Normal;
}

}  // namespace

WindowPlacement::WindowPlacement(QWidget& window, ui::Form& form, Runtime& runtime, FrameReport reportFrame)
    : window_(window), form_(&form), runtime_(runtime), reportFrame_(std::move(reportFrame)) {
    restore_.setSingleShot(true);
    restore_.setInterval(RestoreDelayMs);
    QObject::connect(&restore_, &QTimer::timeout, &restore_, [this] { restoreFormSize(); });
}

ui::FrameMetrics WindowPlacement::frame() const { return runtime_.frameMetrics(); }

bool WindowPlacement::fixedBorder() const {
    const auto border = form_->borderStyle();
    return border == ui::BorderStyle::FixedSingle || border == ui::BorderStyle::FixedDialog;
}

// A dialog's size is pinned. A fixed single border with a maximise button is
// not, since desktops offer no maximising for a pinned window; a resize by
// hand is undone instead.
bool WindowPlacement::fixedSize() const {
    return form_->borderStyle() == ui::BorderStyle::FixedDialog || (fixedBorder() && !form_->MaxButton());
}

Qt::WindowState WindowPlacement::wantedState() const {
    switch (form_->windowState()) {
        case ui::WindowState::Minimized: return Qt::WindowMinimized;
        case ui::WindowState::Maximized: return Qt::WindowMaximized;
        case ui::WindowState::Normal: break;
    }
    return Qt::WindowNoState;
}

// The window's outer size holds the frame and title bar of the form's border.
QSize WindowPlacement::clientSizeFor(int outerWidth, int outerHeight) const {
    if (form_->borderStyle() != ui::BorderStyle::None) {
        const ui::FrameMetrics metrics = frame();
        outerWidth -= metrics.left + metrics.right;
        outerHeight -= metrics.top + metrics.bottom;
    }
    return {std::max(0, ToPixels(outerWidth)), std::max(0, ToPixels(outerHeight))};
}

void WindowPlacement::applyGeometry() {
    if (!form_) return;
    if (form_->windowState() == ui::WindowState::Maximized) {
        applyMaximizedGeometry();
        return;
    }
    // The desktop places minimised windows itself.
    if (form_->windowState() != ui::WindowState::Normal) return;
    const bool wasApplying = std::exchange(applying_, true);
    // A window's position is that of its frame.
    window_.move(ToPixels(form_->Left()), ToPixels(form_->Top()));
    const QSize client = clientSizeFor(form_->Width(), form_->Height());
    if (fixedSize()) {
        window_.setFixedSize(client);
    } else {
        window_.setMinimumSize(0, 0);
        window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window_.resize(client);
    }
    applying_ = wasApplying;
}

// The frame around this window: the desktop's own once the window is on the
// screen, the one assumed until then.
QMargins WindowPlacement::frameMargins() const {
    if (form_->borderStyle() == ui::BorderStyle::None) return {};
    QWindow* handle = window_.windowHandle();
    if (window_.isVisible() && handle && handle->isExposed()) return handle->frameMargins();
    const ui::FrameMetrics metrics = frame();
    return {ToPixels(metrics.left), ToPixels(metrics.top), ToPixels(metrics.right), ToPixels(metrics.bottom)};
}

// Without a window manager nothing would maximise the window: it is given the
// screen's free area itself, before the desktop is asked to maximise it.
void WindowPlacement::applyMaximizedGeometry() {
    QScreen* where = window_.screen() ? window_.screen() : QGuiApplication::primaryScreen();
    if (!where) return;
    const bool wasApplying = std::exchange(applying_, true);
    window_.setMinimumSize(0, 0);
    window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // The outer window fills the free area; geometry is the inside of the frame.
    const QRect wanted = where->availableGeometry().marginsRemoved(frameMargins());
    if (!window_.isMaximized() || window_.geometry() == maximizedGeometry_) {
        window_.setGeometry(wanted);
        maximizedGeometry_ = wanted;
    }
    applying_ = wasApplying;
}

void WindowPlacement::applyState() {
    if (!form_) return;
    const bool wasApplying = std::exchange(applying_, true);
    const Qt::WindowState wanted = wantedState();
    if (wanted == Qt::WindowMaximized) applyGeometry();
    if (ModelStateOf(window_.windowState()) != form_->windowState())
        window_.setWindowState((window_.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized)) | wanted);
    applying_ = wasApplying;
    if (wanted != Qt::WindowMaximized) applyGeometry();
}

void WindowPlacement::resized(const QSize& clientSize) {
    if (!form_ || applying_) return;
    reportState();
    if (!form_ || applying_) return;
    // A fixed border changes size only by maximising and restoring: a normal
    // window the desktop resized gets the form's size back.
    if (fixedBorder() && form_->windowState() == ui::WindowState::Normal) {
        if (clientSize != clientSizeFor(form_->Width(), form_->Height())) restoreFormSizeLater();
    } else {
        reportSize(clientSize);
    }
    checkFrame();
}

void WindowPlacement::moved() {
    // The user moved the window: the model learns where it is, without echo.
    if (!form_ || applying_ || form_->windowState() != ui::WindowState::Normal) return;
    runtime_.userMoved(*form_, ToTwips(window_.pos().x()), ToTwips(window_.pos().y()));
    checkFrame();
}

void WindowPlacement::stateChanged() {
    if (form_ && !applying_) reportState();
}

void WindowPlacement::reportState() {
    const ui::WindowState state = ModelStateOf(window_.windowState());
    if (state == form_->windowState()) return;
    const bool wasApplying = std::exchange(applying_, true);
    QPointer<QWidget> alive(&window_);
    runtime_.userChangedState(*form_, state);
    if (alive) applying_ = wasApplying;
}

void WindowPlacement::reportSize(const QSize& clientSize) {
    if (form_->windowState() == ui::WindowState::Minimized) return;
    // A maximised window's outer size is the screen's free area. Its inside
    // plus a frame is no measure of it: a desktop may draw a maximised window
    // with no frame or with one partly off the screen, and the frame assumed
    // before the first window showed may not be the real one. Windows that
    // take this size must fit on the screen.
    if (form_->windowState() == ui::WindowState::Maximized) {
        const ui::TextExtent area = runtime_.maximizedSize(*form_);
        runtime_.userResized(*form_, area.width, area.height);
        return;
    }
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

void WindowPlacement::restoreFormSizeLater() {
    if (restore_.isActive()) return;
    restoreTries_ = 0;
    restore_.start();
}

void WindowPlacement::restoreFormSize() {
    if (!form_ || !fixedBorder() || form_->windowState() != ui::WindowState::Normal) return;
    if (window_.size() == clientSizeFor(form_->Width(), form_->Height())) return;
    applyGeometry();
    // Checked again: the desktop may answer the request only later, or refuse it.
    if (++restoreTries_ < RestoreTries) restore_.start();
}

// The desktop tells the frame only once the window is on the screen; a
// maximised window's frame is no measure of the others'.
void WindowPlacement::checkFrame() {
    if (!form_ || form_->borderStyle() == ui::BorderStyle::None) return;
    QWindow* handle = window_.windowHandle();
    if (!window_.isVisible() || !handle || !handle->isExposed()) return;
    // A window maximised by no window manager fills the free area with its real frame.
    if (form_->windowState() == ui::WindowState::Maximized && window_.geometry() == maximizedGeometry_)
        applyMaximizedGeometry();
    if (form_->windowState() != ui::WindowState::Normal) return;
    const QMargins margins = handle->frameMargins();
    if (measuredFrame_ == margins) return;
    measuredFrame_ = margins;
    reportFrame_(margins);
}

}  // namespace platform::qt
