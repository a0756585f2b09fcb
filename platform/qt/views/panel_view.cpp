// A raised 3D panel that holds other controls.
#include <QFrame>

#include "platform/qt/views/control_view.h"
#include "platform/ui/panel.h"

namespace platform::qt {

namespace {

QFrame& NewPanel(QWidget& parent) {
    auto* panel = new QFrame(&parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    return *panel;
}

class PanelView final : public ControlView {
public:
    PanelView(Runtime& runtime, ui::Panel& panel, QWidget& parent) : ControlView(runtime, panel, NewPanel(parent)) {}

    bool clicksOnRelease() const override { return true; }
};

}  // namespace

std::unique_ptr<ControlView> MakePanelView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<PanelView>(runtime, static_cast<ui::Panel&>(control), parent);
}

}  // namespace platform::qt
