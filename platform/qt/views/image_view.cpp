// A picture box: its picture file, stretched to its size unless told not to.
// A picture the user picks is a button to the keyboard and to screen readers.
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>

#include "platform/qt/qt_style.h"
#include "platform/qt/views/accessible_roles.h"
#include "platform/qt/views/control_view.h"
#include "platform/runtime.h"
#include "platform/ui/image.h"

namespace platform::qt {

namespace {

QLabel& NewPictureLabel(QWidget& parent) {
    auto* picture = new QLabel(&parent);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return *picture;
}

class ImageView final : public ControlView {
public:
    ImageView(Runtime& runtime, ui::Image& image, QWidget& parent)
        : ControlView(runtime, image, NewPictureLabel(parent)), image_(image) {
        // Screen readers ask a widget's role once: it is set before they can.
        if (image.Choosable()) AnnounceAs(widget(), QAccessible::Button);
    }

    bool clicksOnRelease() const override { return true; }
    bool isBackground() const override { return true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &widget() && event->type() == QEvent::KeyPress && image_.Choosable()) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            const bool plain = (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
            if (plain && (key.key() == Qt::Key_Space || key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)) {
                report([this](Runtime& runtime) { runtime.userClick(image_); }, [] {});
                return true;
            }
        }
        return ControlView::eventFilter(watched, event);
    }

private:
    QLabel& qlabel() const { return static_cast<QLabel&>(widget()); }

    void applyPicture() override {
        QPixmap picture;
        if (!image_.picture().empty()) picture.load(QString::fromStdString(image_.picture().string()));
        if (picture.isNull()) qlabel().clear();
        else qlabel().setPixmap(picture);
    }

    void applyStyle() override {
        qlabel().setScaledContents(image_.Stretch());
        qlabel().setFocusPolicy(image_.Choosable() ? Qt::StrongFocus : Qt::NoFocus);
        applyBorder();
    }
    // A picture has no background of its own; a flat border is drawn in its text colour.
    void applyColors() override { applyBorder(); }

    void applyBorder() {
        QString sheet;
        switch (image_.Border()) {
            case ui::PictureBorder::None: break;
            case ui::PictureBorder::Sunken: sheet = QStringLiteral("QLabel { border: 2px inset #808080; }"); break;
            case ui::PictureBorder::Flat:
                sheet = QStringLiteral("QLabel { border: 1px solid %1; }").arg(ToQColor(image_.ForeColor()).name());
                break;
        }
        // The focus shows where the keyboard is among pictures to pick.
        if (image_.Choosable()) sheet += QStringLiteral(" QLabel:focus { border: 2px dotted palette(highlight); }");
        if (sheet != qlabel().styleSheet()) qlabel().setStyleSheet(sheet);
    }

    ui::Image& image_;
};

}  // namespace

std::unique_ptr<ControlView> MakeImageView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<ImageView>(runtime, static_cast<ui::Image&>(control), parent);
}

}  // namespace platform::qt
