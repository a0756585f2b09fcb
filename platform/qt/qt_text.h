#pragma once
#include <QString>
#include <string>
#include <string_view>

#include "platform/ui/units.h"

// Text and distances between the model (Windows-1252 bytes, twips) and Qt
// (Unicode, pixels).
namespace platform::qt {

int ToPixels(int twips);
inline int ToTwips(int pixels) { return pixels * ui::TwipsPerPixel; }

// Windows-1252 to Qt; a CR, LF or CR LF becomes one line break.
QString ToQt(std::string_view cp1252);
// Qt to Windows-1252; characters it lacks become '?'.
std::string FromQt(const QString& text);

// A window title shows "[*]" literally only when doubled.
QString AsWindowTitle(const QString& caption);

}  // namespace platform::qt
