#include "platform/ui/print_preview.h"

#include <algorithm>

#include "platform/ui/color.h"
#include "platform/ui/form.h"

namespace ui {

PrintPreview::PrintPreview(Form& f, std::string name, int index, Control* container)
    : Control(f, ControlKind::PrintPreview, std::move(name), index, container), document_(f.host().printMetrics()) {
    setBackColor(Rgb(128, 128, 128));  // around the page
}

void PrintPreview::Refresh() {
    previewPage_ = std::clamp(previewPage_, 0, std::max(0, document_.PageCount() - 1));
    changed(Property::Items);
}

void PrintPreview::setZoom(Zoom z) {
    if (z == zoom_) return;
    zoom_ = z;
    changed(Property::Style);
}

void PrintPreview::setGuideLines(bool on) {
    if (on == guideLines_) return;
    guideLines_ = on;
    changed(Property::Style);
}

void PrintPreview::setPreviewPage(int page) {
    page = std::clamp(page, 0, std::max(0, document_.PageCount() - 1));
    if (page == previewPage_) return;
    previewPage_ = page;
    changed(Property::Style);
}

}  // namespace ui
