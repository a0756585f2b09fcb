#include "shell/grid_colors.h"

#include "platform/basic/text.h"
#include "shell/application.h"
#include "shell/color_options.h"

namespace shell {

namespace {
std::string Stored(Application& app, settings::RecordRef record) {
    return basic::RTrim(settings::ReadText(app.folder(), record).value_or(""));
}
}  // namespace

bool IsPictureValue(std::string_view value) { return basic::UCase(basic::Left(value, 2)) == "WP"; }

std::filesystem::path PictureOfValue(Application& app, std::string_view value) {
    return app.folder().Resolve(basic::RTrim(value) + ".jpg");
}

void ApplyGridBackground(Application& app, settings::RecordRef record, const std::vector<ui::Grid*>& grids) {
    const std::string stored = Stored(app, record);
    if (IsPictureValue(stored)) {
        const auto picture = PictureOfValue(app, stored);
        // A picture that cannot be shown leaves the grid as laid out.
        for (ui::Grid* grid : grids) static_cast<void>(grid->LoadPicture(picture));
        return;
    }
    const ui::OleColor color = stored == "Default" ? ui::colors::WindowBackground
                                                   : ColorFromText(stored).value_or(ui::colors::WindowBackground);
    for (ui::Grid* grid : grids) grid->setBackColor(color);
}

void ApplyGridTextColor(Application& app, settings::RecordRef record, const std::vector<ui::Grid*>& grids) {
    const ui::OleColor color = ColorFromText(Stored(app, record)).value_or(ui::colors::Black);
    for (ui::Grid* grid : grids) grid->setForeColor(color);
}

}  // namespace shell
