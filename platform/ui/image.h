#pragma once
#include <filesystem>

#include "platform/ui/control.h"

namespace ui {

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

private:
    std::filesystem::path picture_;
    bool stretch_ = true;
};

// Whether a file holds a picture the windows can show (JPEG, PNG, BMP or GIF).
bool IsPictureFile(const std::filesystem::path& file);

}  // namespace ui
