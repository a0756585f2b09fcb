#include "platform/qt/control_widgets.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "platform/qt/qt_style.h"
#include "platform/qt/qt_text.h"
#include "platform/ui/controls.h"

namespace platform::qt {

namespace {

using ui::ControlKind;
using ui::Property;

QString ObjectNameOf(const ui::Control& control) {
    QString name = ToQt(control.name());
    if (control.index() >= 0) name += QStringLiteral("(%1)").arg(control.index());
    return name;
}

// Edges are rounded, not sizes, so that controls that touch keep touching.
void ApplyGeometry(const ui::Control& control, QWidget& widget) {
    const int left = ToPixels(control.Left());
    const int top = ToPixels(control.Top());
    const int right = ToPixels(control.Left() + control.Width());
    const int bottom = ToPixels(control.Top() + control.Height());
    widget.setGeometry(left, top, right - left, bottom - top);
}

Qt::Alignment AlignmentOf(ui::Alignment alignment) {
    switch (alignment) {
        case ui::Alignment::Right: return Qt::AlignRight | Qt::AlignTop;
        case ui::Alignment::Center: return Qt::AlignHCenter | Qt::AlignTop;
        case ui::Alignment::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

void ApplyPicture(const ui::Image& image, QLabel& label) {
    QPixmap picture;
    if (!image.picture().empty()) picture.load(QString::fromStdString(image.picture().string()));
    if (picture.isNull()) label.clear();
    else label.setPixmap(picture);
}

void ApplyCaption(ui::Control& control, QWidget& widget) {
    const QString caption = ToQt(control.Caption());
    switch (control.kind()) {
        case ControlKind::Label:
            static_cast<QLabel&>(widget).setText(ToQt(ui::CaptionAsShown(control.Caption())));
            break;
        case ControlKind::CommandButton: static_cast<QPushButton&>(widget).setText(caption); break;
        case ControlKind::Frame: static_cast<QGroupBox&>(widget).setTitle(caption); break;
        default: break;
    }
}

void ApplyStyle(ui::Control& control, QWidget& widget) {
    widget.setToolTip(ToQt(control.ToolTipText()));
    if (auto* label = dynamic_cast<ui::Label*>(&control)) {
        auto& qlabel = static_cast<QLabel&>(widget);
        qlabel.setAlignment(AlignmentOf(label->alignment()));
        // A label of fixed size wraps its caption at word breaks; WordWrap
        // only decides how an AutoSize label grows.
        qlabel.setWordWrap(label->WordWrap() || !label->AutoSize());
    } else if (auto* image = dynamic_cast<ui::Image*>(&control)) {
        static_cast<QLabel&>(widget).setScaledContents(image->Stretch());
    } else if (auto* button = dynamic_cast<ui::CommandButton*>(&control)) {
        static_cast<QPushButton&>(widget).setDefault(button->Default());
    }
}

void ApplyColorsOf(ui::Control& control, QWidget& widget) {
    switch (control.kind()) {
        case ControlKind::CommandButton: {
            // Buttons keep the desktop's look unless given a colour of their own.
            QPalette palette = widget.palette();
            if (!ui::IsSystemColor(control.BackColor())) palette.setColor(QPalette::Button, ToQColor(control.BackColor()));
            if (!ui::IsSystemColor(control.ForeColor()))
                palette.setColor(QPalette::ButtonText, ToQColor(control.ForeColor()));
            widget.setPalette(palette);
            break;
        }
        case ControlKind::Image:
            break;  // a picture has no background of its own
        case ControlKind::Label: {
            const bool transparent = static_cast<ui::Label&>(control).Transparent();
            ApplyColors(widget, control.BackColor(), control.ForeColor(), !transparent);
            break;
        }
        default:
            ApplyColors(widget, control.BackColor(), control.ForeColor(), true);
            break;
    }
}

QWidget* NewWidgetFor(const ui::Control& control, QWidget& parent) {
    switch (control.kind()) {
        case ControlKind::Label: {
            auto* label = new QLabel(&parent);
            label->setTextFormat(Qt::PlainText);
            return label;
        }
        case ControlKind::Image: {
            auto* picture = new QLabel(&parent);
            picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return picture;
        }
        case ControlKind::CommandButton: {
            auto* button = new QPushButton(&parent);
            // Tab gives it the focus; a click does through the window, left button only.
            button->setFocusPolicy(Qt::TabFocus);
            return button;
        }
        case ControlKind::Panel: {
            auto* panel = new QFrame(&parent);
            panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
            panel->setLineWidth(2);
            return panel;
        }
        case ControlKind::Frame: return new QGroupBox(&parent);
        default: return nullptr;
    }
}

}  // namespace

QWidget* CreateControlWidget(ui::Control& control, QWidget& parent) {
    QWidget* widget = NewWidgetFor(control, parent);
    if (!widget) return nullptr;
    widget->setObjectName(ObjectNameOf(control));
    for (const Property what : {Property::Geometry, Property::Style, Property::Caption, Property::Picture,
                                Property::BackColor, Property::Font, Property::Enabled, Property::Visible})
        ApplyControlProperty(control, *widget, what);
    return widget;
}

void ApplyControlProperty(ui::Control& control, QWidget& widget, ui::Property what) {
    switch (what) {
        case Property::Geometry:
            ApplyGeometry(control, widget);
            // AutoSize is no property change of its own: it comes as the fitted size.
            if (control.kind() == ControlKind::Label) ApplyStyle(control, widget);
            break;
        case Property::Caption: ApplyCaption(control, widget); break;
        case Property::Visible: widget.setVisible(control.Visible()); break;
        case Property::Enabled: widget.setEnabled(control.Enabled()); break;
        case Property::BackColor:
        case Property::ForeColor: ApplyColorsOf(control, widget); break;
        case Property::Font: widget.setFont(ToQFont(control.font())); break;
        case Property::Picture:
            if (auto* image = dynamic_cast<ui::Image*>(&control)) ApplyPicture(*image, static_cast<QLabel&>(widget));
            break;
        case Property::Style:
            ApplyStyle(control, widget);
            ApplyColorsOf(control, widget);
            break;
        default: break;
    }
}

bool ClicksOnRelease(const ui::Control& control) {
    switch (control.kind()) {
        case ControlKind::Label:
        case ControlKind::Image:
        case ControlKind::Panel:
        case ControlKind::Frame: return true;
        default: return false;
    }
}

}  // namespace platform::qt
