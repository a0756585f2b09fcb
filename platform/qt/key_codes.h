#pragma once
#include <Qt>

class QKeyEvent;

// The model's key codes, shift masks and mouse buttons (platform/ui/keys.h) for Qt's.
namespace platform::qt {

// 0 for a key the model has no code for.
int KeyCodeOf(const QKeyEvent& event);
int ShiftMaskOf(Qt::KeyboardModifiers modifiers);
// The model's mouse button code, or 0 for a button it has none for.
int MouseButtonOf(Qt::MouseButton button);

// The Windows-1252 character a key types, or 0 when it types none.
int KeyAsciiOf(const QKeyEvent& event);

}  // namespace platform::qt
