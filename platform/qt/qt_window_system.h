#pragma once
#include <QImage>
#include <QMargins>
#include <QPointer>
#include <memory>
#include <unordered_map>

#include "platform/window_system.h"

class QWidget;

namespace platform::qt {

class FormWindow;
class KeyRouter;

// Shows every form of the model as a top-level Qt window and reports the
// user's input to the runtime. Needs a QApplication before the first window.
class QtWindowSystem : public WindowSystem {
public:
    QtWindowSystem();
    ~QtWindowSystem() override;
    QtWindowSystem(const QtWindowSystem&) = delete;
    QtWindowSystem& operator=(const QtWindowSystem&) = delete;

    void attach(Runtime& runtime) override { runtime_ = &runtime; }
    void showForm(ui::Form& form) override;
    void hideForm(ui::Form& form) override;
    void destroyForm(ui::Form& form) override;
    void runModal(ui::Form& form) override;
    void doEvents() override;
    void popupMenu(ui::Form& form, ui::Menu& menu) override;
    void focusControl(ui::Control& control) override;
    ui::TextExtent maximizedSize(const ui::Form& form) override;
    ui::TextExtent measureText(const ui::Font& font, std::string_view text) override;
    // The frame the desktop puts around a window, as a shown window last
    // told it; until one does, the usual frame is assumed.
    ui::FrameMetrics frameMetrics() const override { return frame_; }
    void quit() override;

    // The form's window (menu bar and client area inside), or nullptr when
    // it has none; for tests and screenshots.
    QWidget* windowOf(const ui::Form& form) const;
    // The window's picture as it is drawn, without the desktop's frame.
    QImage grab(const ui::Form& form) const;

private:
    FormWindow* windowFor(const ui::Form& form) const;
    FormWindow& ensureWindow(ui::Form& form);
    // A window found its frame (in pixels). When that is not the one assumed,
    // every window takes its form's outer size again and every form its Resize.
    void frameMeasured(const QMargins& margins);

    std::unordered_map<const ui::Form*, QPointer<FormWindow>> windows_;
    Runtime* runtime_ = nullptr;
    std::unique_ptr<KeyRouter> keys_;
    ui::FrameMetrics frame_;
};

}  // namespace platform::qt
