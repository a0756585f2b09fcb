#pragma once
#include <filesystem>
#include <string_view>
#include <vector>

#include "platform/ui/grid.h"
#include "shell/settings_files.h"

namespace shell {

class Application;

// A window's grids take their stored look when the window loads. The
// background record holds "WP" and a picture number (the picture file of
// that name and ".jpg" behind the cells; one that cannot be loaded leaves
// the grid as laid out), "Default" or a colour; anything else gives the
// system window colour. The text colour record holds a colour; anything
// else gives black. Trailing blanks are ignored.
// Whether a grid background value names a picture: "WP" first, in any case.
bool IsPictureValue(std::string_view value);
// The picture file such a value names: the value without trailing blanks, and ".jpg".
std::filesystem::path PictureOfValue(Application& app, std::string_view value);

void ApplyGridBackground(Application& app, settings::RecordRef record, const std::vector<ui::Grid*>& grids);
void ApplyGridTextColor(Application& app, settings::RecordRef record, const std::vector<ui::Grid*>& grids);

}  // namespace shell
