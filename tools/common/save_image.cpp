#include "save_image.h"

#include <QImageWriter>
#include <QSaveFile>

#include <cstdio>

bool saveImage(const QImage& image, const QString& path, const char* format, const char* tool) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "%s: cannot open %s: %s\n", tool, qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    QImageWriter writer(&file, format);
    if (qstrcmp(format, "jpeg") == 0) writer.setQuality(90);
    if (!writer.write(image)) {
        std::fprintf(stderr, "%s: cannot encode %s: %s\n", tool, qPrintable(path), qPrintable(writer.errorString()));
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        std::fprintf(stderr, "%s: cannot write %s: %s\n", tool, qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    return true;
}
