// pantrivo_wallpapers <program folder> <icon folder>
// Paints the sixteen background pictures "WP1.jpg" ... "WP16.jpg", the start
// window's "StartEmblem.jpg" and the 256-pixel window icon "pantrivo.png" into
// the program folder, and the desktop icons into "<icon folder>/<N>x<N>/apps/pantrivo.png".
// Exits non-zero when any file fails.

#include "emblem.h"
#include "program_icon.h"
#include "save_image.h"
#include "wallpaper_catalogue.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

namespace {

constexpr QSize wallpaperSize(800, 600);
constexpr QSize emblemSize(160, 160);
constexpr int iconSizes[] = {48, 64, 128, 256};

bool writeImage(const QImage& image, const QString& path, const char* format) {
    return saveImage(image, path, format, "pantrivo_wallpapers");
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: pantrivo_wallpapers <program folder> <icon folder>\n");
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
    const QDir iconFolder(arguments.at(2));

    bool allWritten = true;
    for (const Wallpaper& wallpaper : wallpaperCatalogue())
        allWritten =
            writeImage(wallpaper.paint(wallpaperSize), folder.filePath(wallpaper.fileName), "jpeg") && allWritten;
    allWritten = writeImage(paintStartEmblem(emblemSize), folder.filePath(QStringLiteral("StartEmblem.jpg")), "jpeg") &&
                 allWritten;
    allWritten =
        writeImage(paintProgramIcon(256), folder.filePath(QStringLiteral("pantrivo.png")), "png") && allWritten;
    for (const int size : iconSizes) {
        const QString sizeFolder = QStringLiteral("%1x%1/apps").arg(size);
        allWritten = QDir().mkpath(iconFolder.filePath(sizeFolder)) &&
                     writeImage(paintProgramIcon(size),
                                iconFolder.filePath(sizeFolder + QStringLiteral("/pantrivo.png")), "png") &&
                     allWritten;
    }
    return allWritten ? 0 : 1;
}
