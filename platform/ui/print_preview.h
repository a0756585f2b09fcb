#pragma once
#include <string>

#include "platform/ui/control.h"
#include "platform/ui/print_document.h"

namespace ui {

// The preview control: holds a document laid out for the printer and shows
// one of its pages, at the normal zoom (the whole page) or enlarged (the
// page's width filling the control), with or without guide lines at the
// page's margins. The document measures with the printer of the program
// that runs the form. A front end repaints when told Items (a new document
// was finished) or Style (zoom, guide lines, page shown).
class PrintPreview : public Control {
public:
    PrintPreview(Form& f, std::string name, int index, Control* container);

    PrintDocument& document() { return document_; }
    const PrintDocument& document() const { return document_; }
    // The document was finished (EndDoc): the preview shows it.
    void Refresh();

    enum class Zoom { Normal, Enlarged };
    Zoom zoom() const { return zoom_; }
    void setZoom(Zoom z);
    bool GuideLines() const { return guideLines_; }
    void setGuideLines(bool on);
    // The page shown, from 0; kept within the document.
    int PreviewPage() const { return previewPage_; }
    void setPreviewPage(int page);

private:
    PrintDocument document_;
    Zoom zoom_ = Zoom::Normal;
    bool guideLines_ = false;
    int previewPage_ = 0;
};

}  // namespace ui
