#pragma once

#include <QImage>
#include <QSize>

// Every background picture, each painted at the size asked for.

// Cloth
QImage paintCheckedTablecloth(QSize size);
QImage paintLinenWeave(QSize size);
QImage paintHerbGingham(QSize size);
QImage paintStripedTowel(QSize size);
QImage paintWicker(QSize size);

// Worktops and materials
QImage paintButcherBlock(QSize size);
QImage paintMarble(QSize size);
QImage paintHammeredCopper(QSize size);
QImage paintFlouredSlate(QSize size);
QImage paintCork(QSize size);

// Tiles
QImage paintTerracottaTiles(QSize size);
QImage paintSubwayTiles(QSize size);
QImage paintHoneycomb(QSize size);
QImage paintBlueWhiteTiles(QSize size);

// Decorative
QImage paintPolkaDots(QSize size);
QImage paintCitrusWaves(QSize size);
