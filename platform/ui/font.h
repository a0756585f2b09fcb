#pragma once
#include <string>

namespace ui {

struct Font {
    std::string name = "Arial";
    double size = 8.25;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;

    bool operator==(const Font&) const = default;
};

}  // namespace ui
