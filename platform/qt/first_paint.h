#pragma once
#include <functional>

class QApplication;

namespace platform::qt {

// Runs a step once the program's first window has been painted, after the
// paint has gone to the screen: what the first window does not show waits
// until it is there.
void RunAfterFirstPaint(QApplication& app, std::function<void()> step);

// For measuring start-up: when the environment names PANTRIVO_EXIT_WHEN_SHOWN,
// the program ends, with exit code 0, as soon as its first window has been
// painted. The start-up benchmark starts it this way. Call it after every
// other RunAfterFirstPaint (the watch set last sees the paint first), so that
// their steps are not measured.
void ExitWhenFirstShownIfAsked(QApplication& app);

}  // namespace platform::qt
