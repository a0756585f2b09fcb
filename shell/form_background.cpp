#include "shell/form_background.h"

#include "platform/basic/text.h"
#include "shell/application.h"

namespace shell {

bool IsPictureValue(const basic::Variant& value) {
    return value.isString() && basic::UCase(basic::Left(value.toText(), 2)) == "WP";
}

std::optional<ui::OleColor> ColorValueOf(const basic::Variant& value) {
    if (value.isEmpty() || !value.isNumeric()) return std::nullopt;
    return ui::ColorFromNumber(value.toDouble());
}

FormBackground::FormBackground(Application& app, ui::Form& form, ui::Image& picture, FormBackgroundRow row)
    : app_(app), form_(form), picture_(picture), row_(row) {}

basic::Variant FormBackground::value() const {
    const auto& v = app_.vars.MainBackground;
    if (row_.trimValue && v.isString()) return basic::Variant(basic::RTrim(v.toText()));
    return v;
}

void FormBackground::onLoad() {
    const basic::Variant v = value();
    if (IsPictureValue(v)) {
        // A missing or unreadable picture leaves the designed colour and no picture.
        static_cast<void>(picture_.LoadPicture(app_.folder().Resolve(v.toText() + ".jpg")));
    } else {
        if (auto color = ColorValueOf(v)) form_.setBackColor(*color);
        picture_.setVisible(false);
    }
    if (row_.sizePictureOnLoad) sizePicture();
}

void FormBackground::onActivate() {
    if (row_.sizePictureOnActivate) sizePicture();
    if (IsPictureValue(value())) picture_.setVisible(true);
}

void FormBackground::sizePicture() { picture_.Move(0, 0, app_.vars.StartWidth, app_.vars.StartHeight); }

}  // namespace shell
