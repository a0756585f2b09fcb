#pragma once
#include <memory>

#include "platform/qt/views/control_view.h"

namespace platform::qt {

// The view of one control, its widget made inside parent with every property
// shown; nullptr for a kind the front end does not show.
std::unique_ptr<ControlView> MakeControlView(Runtime& runtime, ui::Control& control, QWidget& parent);

}  // namespace platform::qt
