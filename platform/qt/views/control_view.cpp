#include "platform/qt/views/control_view.h"

#include <QFocusEvent>

#include <QMouseEvent>
#include <utility>

#include "platform/qt/key_codes.h"
#include "platform/qt/qt_style.h"
#include "platform/qt/qt_text.h"
#include "platform/runtime.h"
#include "platform/ui/caption.h"
#include "platform/ui/keys.h"

namespace platform::qt {

namespace {

QString ObjectNameOf(const ui::Control& control) {
    QString name = ToQt(control.name());
    if (control.index() >= 0) name += QStringLiteral("(%1)").arg(control.index());
    return name;
}

}  // namespace

ControlView::ControlView(Runtime& runtime, ui::Control& control, QWidget& widget)
    : runtime_(&runtime), control_(control), widget_(&widget) {
    widget.setObjectName(ObjectNameOf(control));
    widget.installEventFilter(this);
}

ControlView::~ControlView() = default;

void ControlView::applyAll() {
    using ui::Property;
    // Entries before the chosen one, and that before the text it shows.
    for (const Property what : {Property::Geometry, Property::Style, Property::Items, Property::Selection,
                                Property::Caption, Property::Text, Property::Value, Property::Picture,
                                Property::BackColor, Property::Font, Property::Enabled, Property::Visible})
        apply(what);
}

void ControlView::applyTabStop() {
    // Only the Tab part of the policy the kind's view chose changes.
    const int policy = widget_->focusPolicy();
    if (!control_.TabStop() && (policy & Qt::TabFocus)) {
        widget_->setFocusPolicy(static_cast<Qt::FocusPolicy>(policy & ~Qt::TabFocus));
        tabFocusTaken_ = true;
    } else if (control_.TabStop() && tabFocusTaken_) {
        widget_->setFocusPolicy(static_cast<Qt::FocusPolicy>(policy | Qt::TabFocus));
        tabFocusTaken_ = false;
    }
}

void ControlView::apply(ui::Property what) {
    if (!widget_) return;
    switch (what) {
        case ui::Property::Geometry:
            applyGeometry();
            applyPlace();
            break;
        case ui::Property::Caption:
            applyCaption();
            applyAccessKey();
            applyAccessibleName();
            break;
        case ui::Property::Text: applyText(); break;
        case ui::Property::Items: applyItems(); break;
        case ui::Property::Selection: applySelection(); break;
        case ui::Property::Value: applyValue(); break;
        case ui::Property::Visible: widget_->setVisible(control_.Visible()); break;
        case ui::Property::Enabled: widget_->setEnabled(control_.Enabled()); break;
        case ui::Property::BackColor:
        case ui::Property::ForeColor: applyColors(); break;
        case ui::Property::Font: widget_->setFont(ToQFont(control_.font())); break;
        case ui::Property::Picture: applyPicture(); break;
        case ui::Property::DropDown: applyDropDown(); break;
        case ui::Property::Style:
            widget_->setToolTip(ToQt(control_.ToolTipText()));
            applyAccessibleName();
            applyStyle();
            applyTabStop();
            applyColors();
            break;
        default: break;
    }
}

// Edges are rounded, not sizes, so that controls that touch keep touching.
void ControlView::applyGeometry() {
    const int left = ToPixels(control_.Left());
    const int top = ToPixels(control_.Top());
    const int right = ToPixels(control_.Left() + control_.Width());
    const int bottom = ToPixels(control_.Top() + control_.Height());
    widget_->setGeometry(left, top, right - left, bottom - top);
}

// What a screen reader calls the control: the name it was given, else its
// caption as it shows, else its tooltip; without the blanks and line breaks
// that only place a caption (a panel's title set one line down).
void ControlView::applyAccessibleName() {
    std::string name = control_.AccessibleName();
    if (name.empty()) name = ui::CaptionAsShown(control_.Caption());
    if (name.empty()) name = control_.ToolTipText();
    showAccessibleName(ToQt(name).trimmed());
}

void ControlView::applyColors() { ApplyColors(*widget_, control_.BackColor(), control_.ForeColor(), true); }

void ControlView::setKeysTakenByMenus(const QString& keys) {
    if (keys == keysTakenByMenus_) return;
    keysTakenByMenus_ = keys;
    if (widget_) applyAccessKey();
}

bool ControlView::accessKeyTaken() const {
    const char key = ui::AccessKeyOf(control_.Caption());
    return key != 0 && keysTakenByMenus_.contains(ToQt(std::string(1, key)).toLower());
}

void ControlView::watchMouseOf(QWidget& part) { part.installEventFilter(this); }

namespace {
// Focus that follows the user's hand: a click, Tab or an access key.
bool ByTheUser(Qt::FocusReason reason) {
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}
}  // namespace

bool ControlView::eventFilter(QObject* watched, QEvent* event) {
    if (!runtime_ || !widget_ || !watched->isWidgetType()) return false;
    const auto& part = static_cast<const QWidget&>(*watched);
    switch (event->type()) {
        case QEvent::FocusIn:
            // A widget made of parts takes the focus in the part it hands it to.
            if (watched != widget_ && watched != widget_->focusProxy()) return false;
            if (!ByTheUser(static_cast<const QFocusEvent&>(*event).reason())) {
                // Qt moved the focus on its own: back where it was when the
                // window came active again (a message box closed, say), or on
                // from a control that was disabled. The program may have put
                // it elsewhere meanwhile; the program's focus wins, and no
                // control is entered again behind its back.
                ui::Control* wanted = runtime_->focusedControl();
                if (wanted && wanted != &control_ && &wanted->form() == &control_.form()) {
                    runtime_->setFocus(*wanted);
                    return false;
                }
            }
            runtime_->userFocused(control_);
            return false;
        case QEvent::MouseButtonPress:
            // Only the left button takes the focus to a control, as the desktop's buttons do.
            if (control_.canHoldFocus() && static_cast<const QMouseEvent&>(*event).button() == Qt::LeftButton)
                widget_->setFocus(Qt::MouseFocusReason);
            return false;
        case QEvent::MouseButtonRelease: return mouseReleased(part, static_cast<const QMouseEvent&>(*event));
        case QEvent::MouseButtonDblClick:
            if (!clicksOnRelease()) return false;
            releaseEndsDoubleClick_ = true;
            runtime_->userDoubleClick(control_);
            return true;
        default: return false;
    }
}

bool ControlView::mouseReleased(const QWidget& part, const QMouseEvent& event) {
    const int button = MouseButtonOf(event.button());
    if (button == 0) return false;
    // Decided before the handlers run: they may unload the form.
    const bool clicksHere = clicksOnRelease();
    const QPointF at = part.mapTo(widget_.data(), event.position());
    QPointer<ControlView> self(this);
    runtime_->userMouseUp(control_.form(), &control_, button, ShiftMaskOf(event.modifiers()), ToTwips(1) * at.x(),
                          ToTwips(1) * at.y());
    // Any other button's release would travel on to the form as its own MouseUp.
    if (!clicksHere) return button != ui::mouse::Left;
    if (button != ui::mouse::Left) return true;
    if (!self) return true;
    // The second release of a double click is no click of its own.
    const bool endsDoubleClick = std::exchange(releaseEndsDoubleClick_, false);
    if (runtime_ && widget_ && !endsDoubleClick && widget_->rect().contains(at.toPoint()))
        runtime_->userClick(control_);
    return true;
}

}  // namespace platform::qt
