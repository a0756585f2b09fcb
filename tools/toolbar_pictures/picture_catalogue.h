#pragma once

#include <QImage>
#include <QPainter>

#include <span>
#include <string_view>

// Every toolbar picture the painter knows, by its file name in the program
// folder ("toolbar/search.png"), each with the function that draws it.
struct ToolbarPainter {
    std::string_view file;
    void (*paint)(QPainter&);
};

std::span<const ToolbarPainter> toolbarPainters();
// The painter for a file name; nullptr when there is none.
const ToolbarPainter* findToolbarPainter(std::string_view file);

// One picture at its toolbar size: 24 x 24 on a transparent ground.
QImage paintToolbarPicture(const ToolbarPainter& painter);
