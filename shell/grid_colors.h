#pragma once
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
void ApplyGridBackground(Application& app, settings::RecordRef record, const std::vector<ui::Grid*>& grids);
void ApplyGridTextColor(Application& app, settings::RecordRef record, const std::vector<ui::Grid*>& grids);

}  // namespace shell
