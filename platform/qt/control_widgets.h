#pragma once
#include "platform/ui/control.h"
#include "platform/ui/property.h"

class QWidget;

// The Qt widget for each kind of control, and how its properties show.
namespace platform::qt {

// A new widget for the control inside parent, with every property applied;
// nullptr for a kind the front end does not show.
QWidget* CreateControlWidget(ui::Control& control, QWidget& parent);

// Brings one changed property of the control to its widget.
void ApplyControlProperty(ui::Control& control, QWidget& widget, ui::Property what);

// Whether a left click on the widget is the control's Click (for widgets
// that have no click of their own, unlike buttons).
bool ClicksOnRelease(const ui::Control& control);

}  // namespace platform::qt
