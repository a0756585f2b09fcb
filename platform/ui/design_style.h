#pragma once
#include "platform/ui/color.h"
#include "platform/ui/font.h"

// The program's house style: the fonts and colours its windows share. A
// window's design rows name these; a font or colour of one window alone
// stays in that window's design file, with the reason it differs.
namespace ui::design::style {

inline const Font LabelFont{"Arial", 8.25, true};           // captions beside boxes, frames' titles
inline const Font ButtonFont{"Arial", 8.25, true};          // command buttons
inline const Font SmallButtonFont{"Arial", 6.75, true};     // buttons squeezed beside a preview
inline const Font BoxFont{"Arial", 9};                      // what the user types or reads in a box
inline const Font OptionFont{"Arial", 8.25};                // option buttons: plain, so long captions fit
inline const Font HeadingFont{"Arial", 8.25};               // column headings over boxes
inline const Font TitleFont{"Arial", 12, true};             // a window's mode title
inline const Font PanelTitleFont{"Arial", 9.75, true};      // the title of a panel opened over a window
inline const Font TextFont{"Arial", 9, true};               // a dialog's text, large buttons
inline const Font LinkFont{"Arial", 9, true, false, true};  // a web address the user clicks

inline constexpr OleColor Navy = Rgb(0, 0, 128);    // captions and titles
inline constexpr OleColor Maroon = Rgb(128, 0, 0);  // warnings and notes
inline constexpr OleColor LinkBlue = Rgb(0, 0, 255);

}  // namespace ui::design::style
