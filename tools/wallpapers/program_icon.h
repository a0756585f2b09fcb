#pragma once

#include <QImage>

// The program's icon: the start window's red cooking pot on a rounded green tile,
// drawn bold enough to read at 48 pixels. Square, with a transparent ground.
QImage paintProgramIcon(int size);
