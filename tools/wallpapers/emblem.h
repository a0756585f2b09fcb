#pragma once

#include <QImage>
#include <QSize>

// The small picture on the start window: a steaming cooking pot on a light ground.
QImage paintStartEmblem(QSize size);
