// A label: its caption as plain text, wrapped when its size is fixed.
#include <QLabel>

#include "platform/qt/qt_style.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/views/control_view.h"
#include "platform/ui/caption.h"
#include "platform/ui/label.h"

namespace platform::qt {

namespace {

Qt::Alignment AlignmentOf(ui::Alignment alignment) {
    switch (alignment) {
        case ui::Alignment::Right: return Qt::AlignRight | Qt::AlignTop;
        case ui::Alignment::Center: return Qt::AlignHCenter | Qt::AlignTop;
        case ui::Alignment::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

QLabel& NewLabel(QWidget& parent) {
    auto* label = new QLabel(&parent);
    label->setTextFormat(Qt::PlainText);
    return *label;
}

class LabelView final : public ControlView {
public:
    LabelView(Runtime& runtime, ui::Label& label, QWidget& parent)
        : ControlView(runtime, label, NewLabel(parent)), label_(label) {}

    bool clicksOnRelease() const override { return true; }
    bool isWindowless() const override { return true; }

private:
    QLabel& qlabel() const { return static_cast<QLabel&>(widget()); }

    void applyCaption() override { qlabel().setText(ToQt(ui::CaptionAsShown(label_.Caption()))); }

    void applyStyle() override {
        qlabel().setAlignment(AlignmentOf(label_.alignment()));
        // A label of fixed size wraps its caption at word breaks; WordWrap
        // only decides how an AutoSize label grows.
        qlabel().setWordWrap(label_.WordWrap() || !label_.AutoSize());
    }

    void applyColors() override {
        ApplyColors(qlabel(), label_.BackColor(), label_.ForeColor(), !label_.Transparent());
    }

    ui::Label& label_;
};

}  // namespace

std::unique_ptr<ControlView> MakeLabelView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<LabelView>(runtime, static_cast<ui::Label&>(control), parent);
}

}  // namespace platform::qt
