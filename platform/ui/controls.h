#pragma once
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/ui/control.h"

namespace ui {

enum class Alignment { Left = 0, Right = 1, Center = 2 };

class Label : public Control {
public:
    Label(Form& f, std::string name, int index, Control* container)
        : Control(f, ControlKind::Label, std::move(name), index, container) {}

    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool v);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a) { alignment_ = a; changed(Property::Style); }
    bool WordWrap() const { return wordWrap_; }
    void setWordWrap(bool v) { wordWrap_ = v; changed(Property::Style); }
    // A transparent label lets its container's background show through.
    bool Transparent() const { return transparent_; }
    void setTransparent(bool v) { transparent_ = v; changed(Property::Style); }

    // Fits the label to its caption (called when AutoSize is on); "&" marks
    // an access key and takes no room, "&&" shows one "&".
    void fitToCaption();

protected:
    void textChanged() override {
        if (autoSize_) fitToCaption();
    }

private:
    bool autoSize_ = false;
    bool wordWrap_ = false;
    bool transparent_ = false;
    Alignment alignment_ = Alignment::Left;
};

class CommandButton : public Control {
public:
    CommandButton(Form& f, std::string name, int index, Control* container)
        : Control(f, ControlKind::CommandButton, std::move(name), index, container) {}

    bool canHoldFocus() const override { return true; }
    // Enter presses the default button, Esc the cancel button.
    bool Default() const { return default_; }
    void setDefault(bool v) { default_ = v; }
    bool Cancel() const { return cancel_; }
    void setCancel(bool v) { cancel_ = v; }

private:
    bool default_ = false;
    bool cancel_ = false;
};

// A raised 3D panel or a captioned frame; both hold other controls.
class Panel : public Control {
public:
    Panel(Form& f, std::string name, int index, Control* container, ControlKind kind = ControlKind::Panel)
        : Control(f, kind, std::move(name), index, container) {}
};

class Frame : public Panel {
public:
    Frame(Form& f, std::string name, int index, Control* container)
        : Panel(f, std::move(name), index, container, ControlKind::Frame) {}
};

// A picture box. The picture is a file; an empty path shows nothing.
class Image : public Control {
public:
    Image(Form& f, std::string name, int index, Control* container)
        : Control(f, ControlKind::Image, std::move(name), index, container) {}

    const std::filesystem::path& picture() const { return picture_; }
    // Loads a picture file: false (and the picture left as it was) when the
    // file is missing or is not a picture.
    bool LoadPicture(const std::filesystem::path& file);
    void clearPicture();
    bool Stretch() const { return stretch_; }
    void setStretch(bool v) { stretch_ = v; changed(Property::Style); }

private:
    std::filesystem::path picture_;
    bool stretch_ = true;
};

// A caption as it shows on screen: "&" marks the access key and is not
// shown, "&&" shows one "&".
std::string CaptionAsShown(std::string_view caption);

// Whether a file holds a picture the windows can show (JPEG, PNG, BMP or GIF).
bool IsPictureFile(const std::filesystem::path& file);

}  // namespace ui
