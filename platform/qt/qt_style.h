#pragma once
#include <QColor>
#include <QFont>

#include "platform/ui/color.h"
#include "platform/ui/font.h"

class QWidget;

// Colours and fonts of the model as Qt shows them.
namespace platform::qt {

// A plain colour, or the desktop's colour for a system colour reference.
QColor ToQColor(ui::OleColor color);
ui::OleColor FromQColor(const QColor& color);

// The family when the desktop has it, else the desktop's sans-serif face.
QFont ToQFont(const ui::Font& font);
// The size (or sizeWhenNone, for a size not set), weight, slant and effects of font.
void ApplyFontStyle(QFont& target, const ui::Font& font, double sizeWhenNone);

// Background (filled unless transparent) and text colour of a widget.
void ApplyColors(QWidget& widget, ui::OleColor back, ui::OleColor fore, bool fillBackground);

// A box the user types into or picks from: its inside's colour and its text's.
void ApplyFieldColors(QWidget& widget, ui::OleColor back, ui::OleColor fore);

}  // namespace platform::qt
