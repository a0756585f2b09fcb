#include "shell/toolbar_picture.h"

#include <system_error>

#include "platform/program_location.h"
#include "shell/application.h"
#include "shell/toolbar_table/top_toolbar_buttons.h"

namespace shell {

namespace fs = std::filesystem;

fs::path ToolbarPicture(const basic::ProgramFolder& folder, const fs::path& executableFolder, std::string_view name) {
    std::error_code error;
    if (const fs::path own = folder.Resolve(name); fs::is_regular_file(own, error)) return own;
    return platform::BundledFile(executableFolder, fs::path(name)).value_or(fs::path());
}

fs::path ToolbarPicture(const Application& app, std::string_view name) {
    return ToolbarPicture(app.folder(), platform::ExecutableFolder(), name);
}

std::vector<ui::ToolbarButton> TopToolbarButtons(const Application& app) {
    const fs::path exe = platform::ExecutableFolder();
    std::vector<ui::ToolbarButton> buttons;
    buttons.reserve(TopToolbarButtonCount);
    for (const TopToolbarEntry& entry : TopToolbarEntries())
        buttons.push_back(
            {std::string(entry.key), std::string(entry.toolTip), ToolbarPicture(app.folder(), exe, entry.picture)});
    return buttons;
}

}  // namespace shell
