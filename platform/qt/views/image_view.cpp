// A picture box: its picture file, stretched to its size unless told not to.
#include <QLabel>
#include <QPixmap>

#include "platform/qt/views/control_view.h"
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
        : ControlView(runtime, image, NewPictureLabel(parent)), image_(image) {}

    bool clicksOnRelease() const override { return true; }
    bool isBackground() const override { return true; }

private:
    QLabel& qlabel() const { return static_cast<QLabel&>(widget()); }

    void applyPicture() override {
        QPixmap picture;
        if (!image_.picture().empty()) picture.load(QString::fromStdString(image_.picture().string()));
        if (picture.isNull()) qlabel().clear();
        else qlabel().setPixmap(picture);
    }

    void applyStyle() override { qlabel().setScaledContents(image_.Stretch()); }
    // A picture has no background of its own.
    void applyColors() override {}

    ui::Image& image_;
};

}  // namespace

std::unique_ptr<ControlView> MakeImageView(Runtime& runtime, ui::Control& control, QWidget& parent) {
    return std::make_unique<ImageView>(runtime, static_cast<ui::Image&>(control), parent);
}

}  // namespace platform::qt
