#pragma once
#include <string>
#include <string_view>

namespace ui {

// A caption as it shows on screen: "&" marks the access key and is not
// shown, "&&" shows one "&".
std::string CaptionAsShown(std::string_view caption);

// The access key a caption marks (its character after a single "&"), or 0.
char AccessKeyOf(std::string_view caption);

}  // namespace ui
