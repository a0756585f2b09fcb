#pragma once
#include <filesystem>
#include <string_view>
#include <vector>

#include "platform/basic/program_folder.h"
#include "platform/ui/toolbar.h"

namespace shell {

class Application;

// The file of a toolbar picture named as in top_toolbar_buttons.h
// ("toolbar/search.png") for the running program: in its program folder
// first, where the background pictures are looked up too; else beside the
// executable (a build whose folder could not be written) or in the installed
// data folder. Empty when it is nowhere, so the button shows its tooltip's text.
std::filesystem::path ToolbarPicture(const Application& app, std::string_view name);
std::filesystem::path ToolbarPicture(const basic::ProgramFolder& folder, const std::filesystem::path& executableFolder,
                                     std::string_view name);

// The 49 buttons of the top toolbar, with their pictures resolved for the running program.
std::vector<ui::ToolbarButton> TopToolbarButtons(const Application& app);

}  // namespace shell
