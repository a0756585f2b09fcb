#pragma once
#include <filesystem>

#include "platform/ui/control.h"

namespace ui {

// The edge drawn around a picture box.
enum class PictureBorder { None, Sunken, Flat };

// A picture box. The picture is a file; an empty path shows nothing.
class Image : public Control {
public:
    Image(Form& f, std::string name, int index, Control* container)
        : Control(f, ControlKind::Image, std::move(name), index, container) {}

    const std::filesystem::path& picture() const { return picture_; }
    // Loads a picture file: false (and the picture left as it was) when the
    // file is missing or is not a picture.
    [[nodiscard]] bool LoadPicture(const std::filesystem::path& file);
    void clearPicture();
    bool Stretch() const { return stretch_; }
    void setStretch(bool v) {
        stretch_ = v;
        changed(Property::Style);
    }

    PictureBorder Border() const { return border_; }
    void setBorder(PictureBorder v) {
        if (v == border_) return;
        border_ = v;
        changed(Property::Style);
    }
    // A picture the user picks as a button: it takes the focus, and Space or
    // Enter on it is its Click. A plain picture takes neither.
    bool Choosable() const { return choosable_; }
    void setChoosable(bool v) {
        choosable_ = v;
        changed(Property::Style);
    }
    bool canHoldFocus() const override { return choosable_; }
    bool takesKey(int keyCode) const override;

private:
    std::filesystem::path picture_;
    bool stretch_ = true;
    PictureBorder border_ = PictureBorder::None;
    bool choosable_ = false;
};

// Whether a file holds a picture the windows can show (JPEG, PNG, BMP or GIF).
bool IsPictureFile(const std::filesystem::path& file);

}  // namespace ui
