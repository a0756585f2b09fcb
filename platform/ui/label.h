#pragma once
#include "platform/ui/control.h"

namespace ui {

enum class Alignment { Left = 0, Right = 1, Center = 2 };

class Label : public Control {
public:
    Label(Form& f, std::string name, int index, Control* container)
        : Control(f, ControlKind::Label, std::move(name), index, container) {}

    // Transparent, WordWrap and AutoSize, the last once caption and font are set.
    void applyDesign(const design::ControlRow& row) override;

    // An AutoSize label is always as large as its caption in its font,
    // whatever size it is given; "&" marks an access key and takes no room.
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool v);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a) {
        alignment_ = a;
        changed(Property::Style);
    }
    bool WordWrap() const { return wordWrap_; }
    void setWordWrap(bool v) {
        wordWrap_ = v;
        changed(Property::Style);
    }
    // A transparent label lets its container's background show through.
    bool Transparent() const { return transparent_; }
    void setTransparent(bool v) {
        transparent_ = v;
        changed(Property::Style);
    }

protected:
    void textChanged() override;
    void adjustSize(int& width, int& height) const override;

private:
    bool autoSize_ = false;
    bool wordWrap_ = false;
    bool transparent_ = false;
    Alignment alignment_ = Alignment::Left;
};

}  // namespace ui
