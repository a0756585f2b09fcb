#include "platform/ui/label.h"

#include "platform/ui/caption.h"
#include "platform/ui/design_row.h"
#include "platform/ui/form.h"

namespace ui {

void Label::applyDesign(const design::ControlRow& row) {
    Control::applyDesign(row);
    setTransparent(row.flags & design::Transparent);
    setWordWrap(row.flags & design::WordWrap);
    setAutoSize(row.flags & design::AutoSize);  // last: it sizes by caption and font
}

void Label::setAutoSize(bool v) {
    autoSize_ = v;
    // The style first: a front end wraps a fixed-size label's caption, not an AutoSize one's.
    changed(Property::Style);
    if (v) Move(Left(), Top(), Width(), Height());
}

void Label::textChanged() {
    if (autoSize_) Move(Left(), Top(), Width(), Height());
}

void Label::adjustSize(int& width, int& height) const {
    if (!autoSize_) return;
    const TextExtent extent = form().host().measureText(font(), CaptionAsShown(Caption()));
    width = extent.width;
    height = extent.height;
}

}  // namespace ui
