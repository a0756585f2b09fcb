#pragma once
#include <optional>

#include "platform/basic/variant.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"

namespace shell {

class Application;

// Whether a background value names a picture: its first two characters,
// upper-cased, are "WP". The picture file is the value and ".jpg".
bool IsPictureValue(const basic::Variant& value);
// A background value taken as a colour; nothing when it is not a usable one.
std::optional<ui::OleColor> ColorValueOf(const basic::Variant& value);

// How one window applies the program-wide background. Each window keeps
// its own row beside its code.
struct FormBackgroundRow {
    bool sizePictureOnLoad;
    bool sizePictureOnActivate;
    bool trimValue;  // trailing blanks removed from the value first
};

// The program-wide background on one window: the colour, or the picture
// stretched over the window behind every other control.
class FormBackground {
public:
    FormBackground(Application& app, ui::Form& form, ui::Image& picture, FormBackgroundRow row);

    void onLoad();
    void onActivate();
    // Sizes the picture to the start window's size.
    void sizePicture();

private:
    basic::Variant value() const;

    Application& app_;
    ui::Form& form_;
    ui::Image& picture_;
    FormBackgroundRow row_;
};

}  // namespace shell
