// The smallest Qt Widgets program whose window shows a line of text: beside
// the start-up benchmark's baseline, what reading the desktop's font
// configuration and drawing text cost before any first paint with text. It
// ends as the program does when measured, after its first paint.
#include <QApplication>
#include <QLabel>

#include "platform/qt/first_paint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::qt::ExitWhenFirstShownIfAsked(app);
    QLabel window(QStringLiteral("Pantrivo"));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
