// A raised 3D panel that holds other controls, with its caption: centred
// on a panel that holds nothing (a title panel), along the top of one that
// holds controls.
#include <QFrame>
#include <QPainter>

#include "platform/qt/qt_text.h"
#include "platform/qt/views/control_view.h"
#include "platform/ui/caption.h"
#include "platform/ui/panel.h"

namespace platform::qt {

namespace {

class CaptionedPanel final : public QFrame {
public:
    explicit CaptionedPanel(QWidget* parent) : QFrame(parent) {
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        setLineWidth(2);
    }

    void setCaption(const QString& caption, bool holdsControls) {
        // A carriage return breaks the line, as a line feed does.
        caption_ = QString(caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
        holdsControls_ = holdsControls;
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        if (caption_.isEmpty()) return;
        QPainter painter(this);
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        const QRect inside = contentsRect().adjusted(4, 2, -4, -2);
        // The title band takes every line of the caption: one that starts
        // with a line break sits a line down, whole.
        const int titleHeight =
            fontMetrics()
                .boundingRect(QRect(0, 0, inside.width(), 0), Qt::AlignCenter | Qt::TextWordWrap, caption_)
                .height() +
            6;
        const QRect where = holdsControls_ ? QRect(inside.left(), inside.top(), inside.width(), titleHeight) : inside;
        painter.drawText(where, Qt::AlignCenter | Qt::TextWordWrap, caption_);
    }

private:
    QString caption_;
    bool holdsControls_ = false;
};

class PanelView final : public ControlView {
public:
    PanelView(Runtime& runtime, ui::Panel& panel, QWidget& parent)
        : ControlView(runtime, panel, *new CaptionedPanel(&parent)), panel_(panel) {}

    bool clicksOnRelease() const override { return true; }

private:
    void applyCaption() override {
        static_cast<CaptionedPanel&>(widget()).setCaption(ToQt(ui::CaptionAsShown(panel_.Caption())),
                                                          !panel_.children().empty());
    }

    ui::Panel& panel_;
};

}  // namespace

std::unique_ptr<ControlView> MakePanelView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<PanelView>(runtime, static_cast<ui::Panel&>(control), parent);
}

}  // namespace platform::qt
