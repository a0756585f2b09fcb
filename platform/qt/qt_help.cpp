#include "platform/qt/qt_help.h"

namespace platform::qt {

// The viewer window comes with the help file's reader.
void QtHelp::ShowHelp(const HelpRequest&) {}

}  // namespace platform::qt
