// A status bar: its panels side by side as sunken text fields, hidden ones
// left out; a panel without a width of its own takes the room that is left.
// A click on a panel goes to the runtime.
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>
#include <vector>

#include "platform/qt/qt_text.h"
#include "platform/qt/views/accessible_roles.h"
#include "platform/qt/views/control_view.h"
#include "platform/runtime.h"
#include "platform/ui/status_bar.h"

namespace platform::qt {

namespace {

QWidget& NewStatusBar(QWidget& parent) {
    auto* bar = new QWidget(&parent);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    AnnounceAs(*bar, QAccessible::StatusBar);
    return *bar;
}

class StatusBarView final : public ControlView {
public:
    StatusBarView(Runtime& runtime, ui::StatusBar& bar, QWidget& parent)
        : ControlView(runtime, bar, NewStatusBar(parent)), bar_(bar) {}

private:
    QHBoxLayout& row() const { return static_cast<QHBoxLayout&>(*widget().layout()); }

    // Panels are only ever added: the ones shown are updated in place.
    void applyItems() override {
        while (static_cast<int>(panels_.size()) < bar_.PanelCount()) addPanel();
        for (int number = 1; number <= bar_.PanelCount(); ++number) {
            const ui::StatusPanel& model = bar_.Panel(number);
            QLabel& panel = *panels_[static_cast<std::size_t>(number - 1)];
            if (model.width > 0) {
                panel.setFixedWidth(ToPixels(model.width));
            } else {
                panel.setMinimumWidth(0);
                panel.setMaximumWidth(QWIDGETSIZE_MAX);
            }
            row().setStretch(number - 1, model.width > 0 ? 0 : 1);
            panel.setVisible(model.visible);
        }
        applyText();
    }

    void applyText() override {
        for (int number = 1; number <= std::min(bar_.PanelCount(), static_cast<int>(panels_.size())); ++number)
            panels_[static_cast<std::size_t>(number - 1)]->setText(ToQt(bar_.Panel(number).text));
    }

    void addPanel() {
        auto* panel = new QLabel(&widget());
        panel->setTextFormat(Qt::PlainText);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setObjectName(QStringLiteral("%1:%2").arg(widget().objectName()).arg(panels_.size() + 1));
        panel->installEventFilter(this);
        row().addWidget(panel);
        panels_.push_back(panel);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto found = std::find(panels_.begin(), panels_.end(), watched);
        if (found == panels_.end()) return ControlView::eventFilter(watched, event);
        if (event->type() != QEvent::MouseButtonRelease) return false;
        const auto& release = static_cast<const QMouseEvent&>(*event);
        // A click is a release of the left button over the panel it went down on.
        const int number = static_cast<int>(found - panels_.begin()) + 1;
        if (release.button() == Qt::LeftButton && (*found)->rect().contains(release.position().toPoint()))
            if (runtime()) bar_.userClickedPanel(number);
        return false;
    }

    ui::StatusBar& bar_;
    std::vector<QLabel*> panels_;
};

}  // namespace

std::unique_ptr<ControlView> MakeStatusBarView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<StatusBarView>(runtime, static_cast<ui::StatusBar&>(control), parent);
}

}  // namespace platform::qt
