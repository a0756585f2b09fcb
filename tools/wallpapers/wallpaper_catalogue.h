#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

// The background pictures in file order: entry k is written as "WP<k+1>.jpg".
struct Wallpaper {
    QString fileName;
    QImage (*paint)(QSize size);
};

std::vector<Wallpaper> wallpaperCatalogue();
