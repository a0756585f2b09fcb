#pragma once
#include <string>
#include <string_view>

// Conversions between the program's Windows-1252 text and UTF-8 (file names
// on disk, the desktop). The five bytes Windows-1252 leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) stand for U+0081 etc. both ways.
namespace basic {

std::string Cp1252ToUtf8(std::string_view text);

// Characters outside Windows-1252 and each invalid UTF-8 sequence become '?'.
std::string Utf8ToCp1252(std::string_view text);

}  // namespace basic
