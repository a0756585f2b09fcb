// A toolbar: a row of flat buttons, a column when docked at a side. A button
// shows its picture, or its tooltip's text when it has none. Pressing one
// goes to the runtime, which ignores a disabled or hidden button.
#include <QBoxLayout>
#include <QPixmap>
#include <QToolButton>
#include <filesystem>
#include <optional>
#include <vector>

#include "platform/qt/qt_text.h"
#include "platform/qt/views/accessible_roles.h"
#include "platform/qt/views/control_view.h"
#include "platform/runtime.h"
#include "platform/ui/toolbar.h"

namespace platform::qt {

namespace {

QWidget& NewBar(QWidget& parent) {
    auto* bar = new QWidget(&parent);
    auto* row = new QBoxLayout(QBoxLayout::LeftToRight, bar);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(0);
    row->addStretch(1);
    AnnounceAs(*bar, QAccessible::ToolBar);
    return *bar;
}

class ToolbarView final : public ControlView {
public:
    ToolbarView(Runtime& runtime, ui::Toolbar& bar, QWidget& parent)
        : ControlView(runtime, bar, NewBar(parent)), bar_(bar) {}

private:
    QBoxLayout& row() const { return static_cast<QBoxLayout&>(*widget().layout()); }

    void applyPlace() override {
        const bool upright = bar_.align() == ui::Align::Left || bar_.align() == ui::Align::Right;
        row().setDirection(upright ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    }

    // Buttons are only ever added; the ones shown are updated in place, as
    // a button's own handler may disable it while its click is still on.
    void applyItems() override {
        while (static_cast<int>(buttons_.size()) < bar_.ButtonCount()) addButton();
        for (int number = 1; number <= bar_.ButtonCount(); ++number) showButton(number);
    }

    void addButton() {
        const int number = static_cast<int>(buttons_.size()) + 1;
        auto* button = new QToolButton(&widget());
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setObjectName(QStringLiteral("%1:%2").arg(widget().objectName()).arg(number));
        connect(button, &QToolButton::clicked, this, [this, number] {
            if (runtime()) bar_.userPressed(number);
        });
        row().insertWidget(number - 1, button);
        buttons_.push_back({button, {}});
    }

    void showButton(int number) {
        const ui::ToolbarButton& model = bar_.Button(number);
        Shown& shown = buttons_[static_cast<std::size_t>(number - 1)];
        QToolButton& button = *shown.button;
        // A picture is read again only when it is another file.
        if (shown.picture != model.picture) {
            shown.picture = model.picture;
            QPixmap picture;
            if (!model.picture.empty()) picture.load(QString::fromStdString(model.picture.string()));
            button.setIcon(picture.isNull() ? QIcon() : QIcon(picture));
            if (!picture.isNull()) button.setIconSize(picture.size());
        }
        const QString label = ToQt(model.toolTip.empty() ? model.key : model.toolTip);
        button.setToolButtonStyle(button.icon().isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
        button.setText(label);
        button.setToolTip(ToQt(model.toolTip));
        button.setAccessibleName(label);
        button.setEnabled(model.enabled);
        button.setVisible(model.visible);
    }

    struct Shown {
        QToolButton* button;
        std::optional<std::filesystem::path> picture;  // the file last read, none before the first
    };

    ui::Toolbar& bar_;
    std::vector<Shown> buttons_;
};

}  // namespace

std::unique_ptr<ControlView> MakeToolbarView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<ToolbarView>(runtime, static_cast<ui::Toolbar&>(control), parent);
}

}  // namespace platform::qt
