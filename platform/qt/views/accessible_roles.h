#pragma once
#include <QAccessible>

class QComboBox;
class QWidget;

// What a screen reader hears where Qt's own answer would mislead.
namespace platform::qt {

// A plain widget that stands for a control of another kind (the row of a
// toolbar's buttons) is announced as that kind.
void AnnounceAs(QWidget& widget, QAccessible::Role role);

// A drop-down box keeps its own name once an entry is chosen, the entry
// being its value; Qt would name it by the entry it shows.
void KeepNameOfDropDown(QComboBox& box);

}  // namespace platform::qt
