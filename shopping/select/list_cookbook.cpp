#include "shopping/select/list_cookbook.h"

#include <cmath>

#include "platform/basic/numbers.h"
#include "platform/basic/text.h"
#include "shell/application.h"

namespace shopping {

namespace settings = shell::settings;

ListCookbookState& ListCookbook(shell::Application& app) { return app.state<ListCookbookState>(); }

void LoadListCookbook(shell::Application& app) {
    ListCookbookState& state = ListCookbook(app);
    const double stored = basic::Val(settings::ReadText(app.folder(), ListCookbookRecord).value_or(""));
    // Cookbook 0 (a missing record) or any other number outside 1-8 has no files.
    const bool valid = stored >= 1 && stored <= ListCookbookCount && stored == std::floor(stored);
    state.ListCookbookNumber = static_cast<std::int16_t>(valid ? stored : 1);
    for (int n = 1; n <= ListCookbookCount; ++n)
        state.CookbookTitles[static_cast<std::size_t>(n - 1)] =
            basic::Trim(settings::ReadShownText(app.folder(), ListCookbookTitleRecord(n)).value_or(""));
}

std::array<std::string, ListCookbookCount> CookbookMenuCaptions(shell::Application& app) {
    std::array<std::string, ListCookbookCount> captions;
    for (int n = 1; n <= ListCookbookCount; ++n)
        captions[static_cast<std::size_t>(n - 1)] =
            "Cookbook #" + std::to_string(n) + " - " +
            settings::ReadShownText(app.folder(), ListCookbookTitleRecord(n)).value_or("");
    return captions;
}

void ChooseListCookbook(shell::Application& app, int n) {
    if (n < 1 || n > ListCookbookCount) return;
    // A record that cannot be written leaves the choice for this run only.
    static_cast<void>(settings::WriteText(app.folder(), ListCookbookRecord, basic::Str(n)));
    ListCookbook(app).ListCookbookNumber = static_cast<std::int16_t>(n);
}

}  // namespace shopping
