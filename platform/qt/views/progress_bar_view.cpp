// A progress bar: how far between Min and Max its Value is, without text.
#include <QProgressBar>

#include "platform/qt/views/control_view.h"
#include "platform/ui/progress_bar.h"

namespace platform::qt {

namespace {

QProgressBar& NewProgressBar(QWidget& parent) {
    auto* bar = new QProgressBar(&parent);
    bar->setTextVisible(false);
    return *bar;
}

class ProgressBarView final : public ControlView {
public:
    ProgressBarView(Runtime& runtime, ui::ProgressBar& bar, QWidget& parent)
        : ControlView(runtime, bar, NewProgressBar(parent)), bar_(bar) {}

private:
    void applyValue() override {
        auto& shown = static_cast<QProgressBar&>(widget());
        // An empty range shows an empty bar; Qt would show a busy one.
        if (bar_.Max() > bar_.Min()) {
            shown.setRange(bar_.Min(), bar_.Max());
            shown.setValue(bar_.Value());
        } else {
            shown.setRange(0, 1);
            shown.setValue(0);
        }
    }

    ui::ProgressBar& bar_;
};

}  // namespace

std::unique_ptr<ControlView> MakeProgressBarView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<ProgressBarView>(runtime, static_cast<ui::ProgressBar&>(control), parent);
}

}  // namespace platform::qt
