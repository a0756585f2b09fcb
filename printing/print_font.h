#pragma once
#include <string>

#include "platform/ui/color.h"
#include "platform/ui/font.h"

namespace printing {

// The font documents are printed in, shared by every window that prints
// and kept for the whole run: each opening of a print preview takes the
// name and style from its window again; the size, effects and colour carry
// over.
struct PrintFontSettings {
    std::string PrintFontName;
    // Points, fractions allowed; 0 until a window sets it.
    double PrintFontSize = 0;
    bool PrintFontBold = false;
    bool PrintFontItalic = false;
    bool PrintFontUnderline = false;
    bool PrintFontStrikethru = false;
    ui::OleColor PrintFontColor = 0;
    // True while a window's own code picks print options, whose handlers
    // then neither write settings nor lay the document out again.
    bool PrintOptionsLoading = false;

    ui::Font font() const {
        return {PrintFontName, PrintFontSize, PrintFontBold, PrintFontItalic, PrintFontUnderline, PrintFontStrikethru};
    }
};

}  // namespace printing
