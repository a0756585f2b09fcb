// The smallest Qt Widgets program that shows a window: the start-up
// benchmark's baseline. It ends as the program does when measured, after
// its first paint.
#include <QApplication>
#include <QWidget>

#include "platform/qt/first_paint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    platform::qt::ExitWhenFirstShownIfAsked(app);
    QWidget window;
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
