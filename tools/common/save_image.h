#pragma once

#include <QImage>
#include <QString>

// Writes a picture through a save file, so a failure never leaves a half-written
// one; says on stderr what failed, naming the tool. JPEG is written at quality 90.
bool saveImage(const QImage& image, const QString& path, const char* format, const char* tool);
