// pantrivo_toolbar_pictures <program folder> <contact sheet>
// Paints every toolbar picture the program's toolbar table names into the
// program folder ("toolbar/main_menu.png" ...), removes pictures there that it
// no longer names, and draws the contact sheet for a person to look them over.
// Exits non-zero when a picture has no painter, a painter no picture, or a file fails.

#include "contact_sheet.h"
#include "picture_catalogue.h"
#include "save_image.h"
#include "shell/toolbar_table/top_toolbar_buttons.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <set>
#include <string_view>

namespace {

constexpr const char* tool = "pantrivo_toolbar_pictures";

QString text(std::string_view view) { return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size())); }

// Takes away the pictures of earlier builds that the table no longer names,
// so they are not installed with the program.
void removeStalePictures(const QDir& programFolder, const std::set<std::string_view>& named) {
    std::set<QString> folders;
    for (const std::string_view file : named) folders.insert(QFileInfo(text(file)).path());
    for (const QString& folder : folders) {
        const QDir pictures(programFolder.filePath(folder));
        for (const QString& entry : pictures.entryList({QStringLiteral("*.png")}, QDir::Files)) {
            const QString file = folder + QLatin1Char('/') + entry;
            if (!named.count(file.toStdString()) && !QFile::remove(pictures.filePath(entry)))
                std::fprintf(stderr, "%s: cannot remove the old picture %s\n", tool, qPrintable(file));
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: %s <program folder> <contact sheet>\n", tool);
        return 2;
    }
    const QDir programFolder(arguments.at(1));

    std::vector<SheetEntry> sheet;
    std::set<std::string_view> named;
    bool allWritten = true;
    const auto paint = [&](std::string_view file, const QString& label) {
        const ToolbarPainter* painter = findToolbarPainter(file);
        if (!painter) {
            std::fprintf(stderr, "%s: nothing paints %s (%s)\n", tool, qPrintable(text(file)), qPrintable(label));
            allWritten = false;
            return;
        }
        const QImage picture = paintToolbarPicture(*painter);
        sheet.push_back({label + QStringLiteral("\n") + text(file), picture});
        if (!named.insert(file).second) return;  // Help and Exit serve both bars; one file each
        const QString path = programFolder.filePath(text(file));
        allWritten = QDir().mkpath(QFileInfo(path).path()) && saveImage(picture, path, "png", tool) && allWritten;
    };

    int number = 0;
    for (const shell::TopToolbarEntry& entry : shell::TopToolbarEntries())
        paint(entry.picture, QStringLiteral("%1. %2").arg(++number).arg(text(entry.toolTip)));
    for (const shell::SidePicture& side : shell::SidePictures())
        paint(side.picture, QStringLiteral("Side: %1").arg(text(side.meaning)));

    for (const ToolbarPainter& painter : toolbarPainters()) {
        if (!named.count(painter.file)) {
            std::fprintf(stderr, "%s: %s is painted but no toolbar names it\n", tool, qPrintable(text(painter.file)));
            allWritten = false;
        }
    }
    removeStalePictures(programFolder, named);
    allWritten = saveImage(paintContactSheet(sheet), arguments.at(2), "png", tool) && allWritten;
    return allWritten ? 0 : 1;
}
