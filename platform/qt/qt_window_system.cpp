#include "platform/qt/qt_window_system.h"

#include <QApplication>
#include <QEventLoop>
#include <QFontMetrics>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <vector>

#include "platform/qt/form_window.h"
#include "platform/qt/key_router.h"
#include "platform/qt/qt_style.h"
#include "platform/qt/qt_text.h"
#include "platform/runtime.h"

namespace platform::qt {

QtWindowSystem::QtWindowSystem() {
    // The program ends when the runtime says so, not when its last window closes.
    if (QCoreApplication::instance()) QGuiApplication::setQuitOnLastWindowClosed(false);
}

QtWindowSystem::~QtWindowSystem() {
    // Forms still shown may be gone already: their windows go without a word to them.
    for (auto& [form, window] : windows_) delete window.data();
}

FormWindow* QtWindowSystem::windowFor(const ui::Form& form) const {
    const auto found = windows_.find(&form);
    return found == windows_.end() ? nullptr : found->second.data();
}

FormWindow& QtWindowSystem::ensureWindow(ui::Form& form) {
    if (!keys_) {
        keys_ = std::make_unique<KeyRouter>();
        QCoreApplication::instance()->installEventFilter(keys_.get());
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }
    if (FormWindow* window = windowFor(form)) return *window;
    auto* window = new FormWindow(*runtime_, form, [this](const QMargins& margins) { frameMeasured(margins); });
    windows_[&form] = window;
    return *window;
}

void QtWindowSystem::frameMeasured(const QMargins& margins) {
    ui::FrameMetrics measured = frame_;
    measured.left = ToTwips(margins.left());
    measured.top = ToTwips(margins.top());
    measured.right = ToTwips(margins.right());
    measured.bottom = ToTwips(margins.bottom());
    if (measured == frame_) return;
    frame_ = measured;
    std::vector<QPointer<FormWindow>> shown;
    for (auto& [form, window] : windows_) shown.push_back(window);
    for (const QPointer<FormWindow>& window : shown)
        if (window && window->form()) window->reapplyGeometry();
    if (runtime_) runtime_->frameChanged();
}

void QtWindowSystem::showForm(ui::Form& form) {
    FormWindow& window = ensureWindow(form);
    if (!window.isVisible()) window.setWindowModality(Qt::NonModal);
    window.showFromModel();
}

void QtWindowSystem::hideForm(ui::Form& form) {
    if (FormWindow* window = windowFor(form)) window->hideFromModel();
}

void QtWindowSystem::destroyForm(ui::Form& form) {
    const auto found = windows_.find(&form);
    if (found == windows_.end()) return;
    QPointer<FormWindow> window = found->second;
    windows_.erase(found);
    if (window) window->detach();
}

void QtWindowSystem::runModal(ui::Form& form) {
    FormWindow& window = ensureWindow(form);
    // Modality takes effect when the window is shown.
    if (window.isVisible()) window.hide();
    window.setWindowModality(Qt::ApplicationModal);
    // Kept above the window it was opened from.
    if (QWidget* owner = QApplication::activeWindow(); owner && owner != &window && owner->windowHandle()) {
        window.winId();
        window.windowHandle()->setTransientParent(owner->windowHandle());
    }
    QPointer<FormWindow> guard(&window);
    QEventLoop loop;
    window.setModalLoop(&loop);
    window.showFromModel();
    // Loading or activating may already have hidden or unloaded it.
    if (guard && guard->showsForm()) loop.exec();
    if (!guard) return;
    guard->setModalLoop(nullptr);
    if (!guard->isVisible()) guard->setWindowModality(Qt::NonModal);
}

void QtWindowSystem::doEvents() { QCoreApplication::processEvents(); }

void QtWindowSystem::popupMenu(ui::Form& form, ui::Menu& menu) {
    Runtime& runtime = *runtime_;
    // Opening the menu counts as its click; the click may change the items.
    runtime.userMenu(menu);
    FormWindow* window = windowFor(form);
    if (!window || !window->form()) return;
    if (ui::Menu* chosen = window->popup(menu)) runtime.userMenu(*chosen);
}

void QtWindowSystem::focusControl(ui::Control& control) {
    if (FormWindow* window = windowFor(control.form())) window->focusControl(control);
}

ui::TextExtent QtWindowSystem::maximizedSize(const ui::Form& form) {
    QScreen* screen = nullptr;
    if (FormWindow* window = windowFor(form)) screen = window->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect area = screen->availableGeometry();
    return {ToTwips(area.width()), ToTwips(area.height())};
}

// The room a label needs to draw the text whole: its text layout's lines
// (taller than the font's line height times the lines, and a fraction wider
// than the summed advances), and the ink an italic last letter puts past its
// advance.
ui::TextExtent QtWindowSystem::measureText(const ui::Font& font, std::string_view text) {
    const QFontMetrics metrics(ToQFont(font));
    const QString shown = ToQt(text);
    const QRect laidOut = metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), Qt::AlignLeft | Qt::AlignTop, shown);
    int width = laidOut.width();
    for (const QString& line : shown.split(QChar('\n'))) {
        if (line.isEmpty()) continue;
        const int overhang = std::max(0, -metrics.rightBearing(line.back()));
        width = std::max(width, metrics.horizontalAdvance(line) + overhang);
    }
    const int height = std::max(laidOut.height(), metrics.height());
    return {ToTwips(width), ToTwips(height)};
}

void QtWindowSystem::quit() { QCoreApplication::exit(0); }

QWidget* QtWindowSystem::windowOf(const ui::Form& form) const { return windowFor(form); }

QImage QtWindowSystem::grab(const ui::Form& form) const {
    FormWindow* window = windowFor(form);
    return window ? window->grab().toImage() : QImage();
}

}  // namespace platform::qt
