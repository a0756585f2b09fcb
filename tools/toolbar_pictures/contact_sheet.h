#pragma once

#include <QImage>
#include <QString>

#include <vector>

struct SheetEntry {
    QString label;
    QImage picture;
};

// All pictures on one sheet for a person to look over: each at its size on a
// light and on a dark toolbar, then doubled pixel for pixel, with its label.
QImage paintContactSheet(const std::vector<SheetEntry>& entries);
