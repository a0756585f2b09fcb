#pragma once
#include <QFont>

#include "platform/ui/print_document.h"

class QPainter;

// The pages of a printer's document painted with Qt: on paper, in the
// preview and as a picture on the clipboard, all alike.
namespace platform::qt {

// The font a document's text is measured and printed in, at its point size.
QFont PrintFont(const ui::Font& font);

// Paints a page's text and lines with the page's top left corner at the
// painter's origin, scale device units to the twip. The paper is left as it
// is: white paper is the caller's.
void PaintPage(QPainter& painter, const ui::Page& page, double scale);

}  // namespace platform::qt
