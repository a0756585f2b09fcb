// pantrivo_wallpapers <folder>
// Paints the sixteen background pictures "WP1.jpg" ... "WP16.jpg" and the start
// window's "StartEmblem.jpg" into the folder. Exits non-zero when any file fails.

#include "emblem.h"
#include "wallpaper_catalogue.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSaveFile>

#include <cstdio>

namespace {

constexpr QSize wallpaperSize(800, 600);
constexpr QSize emblemSize(160, 160);

// Written through a save file, so a failure never leaves a half-written picture.
bool writeJpeg(const QImage& image, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "pantrivo_wallpapers: cannot open %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(90);
    if (!writer.write(image)) {
        std::fprintf(stderr, "pantrivo_wallpapers: cannot encode %s: %s\n", qPrintable(path),
                     qPrintable(writer.errorString()));
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        std::fprintf(stderr, "pantrivo_wallpapers: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: pantrivo_wallpapers <output folder>\n");
        return 2;
    }
    if (!QImageWriter::supportedImageFormats().contains("jpeg")) {
        std::fprintf(stderr, "pantrivo_wallpapers: Qt has no JPEG image plug-in here\n");
        return 1;
    }
    const QDir folder(arguments.at(1));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "pantrivo_wallpapers: cannot create folder %s\n", qPrintable(folder.path()));
        return 1;
    }

    bool allWritten = true;
    for (const Wallpaper& wallpaper : wallpaperCatalogue())
        allWritten = writeJpeg(wallpaper.paint(wallpaperSize), folder.filePath(wallpaper.fileName)) && allWritten;
    allWritten = writeJpeg(paintStartEmblem(emblemSize), folder.filePath(QStringLiteral("StartEmblem.jpg"))) && allWritten;
    return allWritten ? 0 : 1;
}
