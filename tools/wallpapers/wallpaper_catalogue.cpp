#include "wallpaper_catalogue.h"

#include "painters.h"

std::vector<Wallpaper> wallpaperCatalogue() {
    QImage (*const painters[])(QSize) = {
        paintCheckedTablecloth, paintButcherBlock,   paintTerracottaTiles,
        paintLinenWeave,        paintSubwayTiles,    paintMarble,
        paintHerbGingham,       paintHammeredCopper, paintFlouredSlate,
        paintStripedTowel,      paintCork,           paintPolkaDots,
        paintHoneycomb,         paintBlueWhiteTiles, paintWicker,
        paintCitrusWaves,
    };
    std::vector<Wallpaper> catalogue;
    int number = 1;
    for (const auto paint : painters) catalogue.push_back({QStringLiteral("WP%1.jpg").arg(number++), paint});
    return catalogue;
}
