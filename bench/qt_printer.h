#pragma once
// The printer the layout benchmarks measure with: Qt's, in one offscreen
// application for the whole run.
#include <QApplication>

#include "platform/qt/qt_printer.h"

namespace bench {

inline platform::qt::QtPrinter& Printer() {
    static int argc = 1;
    static char name[] = "pantrivo_bench";
    static char* argv[] = {name, nullptr};
    static const bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    static platform::qt::QtPrinter printer;
    static_cast<void>(offscreen);
    return printer;
}

}  // namespace bench
