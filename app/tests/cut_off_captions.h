#pragma once
#include <QStringList>

class QWidget;

namespace app_testing {

// The shown buttons, labels and frames of a window whose captions lack room.
QStringList CutOffCaptions(const QWidget& window);

}  // namespace app_testing
