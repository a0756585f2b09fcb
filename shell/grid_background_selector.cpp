#include "shell/grid_background_selector.h"

#include <optional>
#include <string>
#include <utility>

#include "platform/basic/numbers.h"
#include "platform/basic/text.h"
#include "shell/application.h"
#include "shell/color_options.h"
#include "shell/grid_colors.h"
#include "shell/hinfo1.h"

namespace shell {

namespace {

std::string PictureName(int index) { return "WP" + std::to_string(index + 1); }

// The thumbnail a value names, when it is one of the sixteen.
std::optional<int> ThumbnailOf(const std::string& value) {
    if (!IsPictureValue(value)) return std::nullopt;
    const double number = basic::Val(basic::Mid(value, 3));
    if (number < 1 || number > GridBackgroundSelector::PictureCount || number != static_cast<int>(number))
        return std::nullopt;
    return static_cast<int>(number) - 1;
}

}  // namespace

GridBackgroundSelector::GridBackgroundSelector(Application& app, ui::Form& window, GridBackgroundSetup setup)
    : app_(app), window_(window), setup_(std::move(setup)) {
    ui::design::Build(window, *this, GridBackgroundSelectorRows(setup_.mainPanel, setup_.design));
    for (ui::Image* thumbnail : Image3) {
        thumbnail->setChoosable(true);
        thumbnail->setBorder(ui::PictureBorder::Sunken);
    }
    Shape2->setBorder(ui::PictureBorder::Flat);
}

void GridBackgroundSelector::ApplyBackground() {
    ApplyGridBackground(app_, setup_.record, {&setup_.grid});
    const std::string stored = basic::RTrim(settings::ReadText(app_.folder(), setup_.record).value_or(""));
    const bool kept = IsPictureValue(stored) || (stored != "Default" && ColorFromText(stored));
    setup_.state.GridBackgroundValue = kept ? stored : ColorText(ui::colors::WindowBackground);
}

void GridBackgroundSelector::SaveBackground() {
    GridBackgroundState& state = setup_.state;
    switch (state.GridBackgroundKind) {
        case GridBackgroundChoice::Unchanged: return;
        case GridBackgroundChoice::Color: state.GridBackgroundValue = ColorText(setup_.grid.BackColor()); break;
        case GridBackgroundChoice::Default: state.GridBackgroundValue = "Default"; break;
        case GridBackgroundChoice::Picture: break;
    }
    // A background that cannot be kept is not worth stopping the window's close for.
    static_cast<void>(settings::WriteText(app_.folder(), setup_.record, state.GridBackgroundValue));
}

void GridBackgroundSelector::ShowOrClose() {
    BeginWait(app_);
    if (open_) {
        CloseBackgroundSelector();
        EndWait(app_);
        return;
    }
    for (int k = 0; k < PictureCount; ++k) {
        ui::Image& thumbnail = *Image3[static_cast<std::size_t>(k)];
        // A picture that is missing leaves its thumbnail empty.
        static_cast<void>(thumbnail.LoadPicture(PictureOfValue(app_, PictureName(k))));
        thumbnail.setBorder(ui::PictureBorder::Sunken);
    }
    app_.runtime().doEvents();
    Shape2->setVisible(false);
    if (setup_.beforeShowing) setup_.beforeShowing();
    setup_.status.setPanelText(1, "Grid Background Selector");
    const std::optional<int> current = ThumbnailOf(setup_.state.GridBackgroundValue);
    if (current) {
        Image3[static_cast<std::size_t>(*current)]->setBorder(ui::PictureBorder::Flat);
        frame(*current);
        Shape2->setVisible(true);
    }
    app_.runtime().doEvents();
    SSPanel6->setLeft(setup_.mainPanel.Width() / 2 - SSPanel6->Width() / 2);
    SSPanel6->setVisible(true);
    open_ = true;
    // The keyboard starts on the picture shown now, or the first.
    Image3[static_cast<std::size_t>(current.value_or(0))]->SetFocus();
    EndWait(app_);
}

void GridBackgroundSelector::CloseBackgroundSelector() {
    SSPanel6->setVisible(false);
    for (ui::Image* thumbnail : Image3) thumbnail->clearPicture();
    open_ = false;
}

void GridBackgroundSelector::Image3_Click(int index) {
    Command16[UseAbove]->setEnabled(true);
    Shape2->setVisible(false);
    for (ui::Image* thumbnail : Image3) thumbnail->setBorder(ui::PictureBorder::Sunken);
    frame(index);
    pickedPicture_.clear();
    Image3[static_cast<std::size_t>(index)]->setBorder(ui::PictureBorder::Flat);
    showOnGrid(PictureName(index));
    pickedPicture_ = PictureName(index);
    Shape2->setVisible(true);
    app_.runtime().doEvents();
}

void GridBackgroundSelector::Command16_Click(int index) {
    CloseBackgroundSelector();
    GridBackgroundState& state = setup_.state;
    ui::Grid& grid = setup_.grid;
    auto changed = [&](GridBackgroundChoice kind) {
        state.GridBackgroundKind = kind;
        if (setup_.onColorsChanged) setup_.onColorsChanged();
    };
    switch (index) {
        case SelectColor: {
            grid.clearPicture();
            const std::optional<ui::OleColor> chosen = app_.dialogs().ChooseColor(grid.BackColor());
            if (!chosen) {
                app_.runtime().doEvents();
                if (IsPictureValue(state.GridBackgroundValue)) showOnGrid(state.GridBackgroundValue);
                showCaption();
                state.GridBackgroundKind = GridBackgroundChoice::Unchanged;
                return;
            }
            grid.setBackColor(*chosen);
            state.GridBackgroundValue = ColorText(*chosen);
            changed(GridBackgroundChoice::Color);
            break;
        }
        case UseDefault:
            grid.clearPicture();
            grid.setBackColor(setup_.defaultColor.BackColor());
            state.GridBackgroundValue = "Default";
            changed(GridBackgroundChoice::Default);
            break;
        case UseAbove:
            // Only a clicked thumbnail enables the button.
            if (pickedPicture_.empty()) break;
            state.GridBackgroundValue = pickedPicture_;
            changed(GridBackgroundChoice::Picture);
            // The picture that will be saved, also after a Cancel put back another.
            RedrawUnderPicture(grid, PictureOfValue(app_, state.GridBackgroundValue));
            grid.setRow(1);
            grid.setCol(1);
            break;
        case CancelChoice:
            // A preview goes; what the grid showed before comes back.
            if (IsPictureValue(state.GridBackgroundValue)) showOnGrid(state.GridBackgroundValue);
            else grid.clearPicture();
            app_.vars.MessageAnswer = 0;
            state.GridBackgroundKind = GridBackgroundChoice::Unchanged;
            app_.runtime().doEvents();
            break;
        default: return;
    }
    showCaption();
    app_.runtime().doEvents();
    grid.SetFocus();
}

void GridBackgroundSelector::showOnGrid(const std::string& value) {
    if (!setup_.grid.LoadPicture(PictureOfValue(app_, value))) setup_.grid.clearPicture();
}

void GridBackgroundSelector::frame(int index) {
    // Sized afresh each time, so that the frame stays even around the picture
    // whatever the window's resizing made of either.
    constexpr int offset = 30;
    const ui::Image& thumbnail = *Image3[static_cast<std::size_t>(index)];
    Shape2->Move(thumbnail.Left() - offset, thumbnail.Top() - offset, thumbnail.Width() + 2 * offset,
                 thumbnail.Height() + 2 * offset);
}

void GridBackgroundSelector::showCaption() { setup_.status.setPanelText(1, window_.Caption()); }

void RedrawUnderPicture(ui::Grid& grid, const std::filesystem::path& picture) {
    const int rows = grid.Rows();
    const int cols = grid.Cols();
    // Every row, however long the list.
    std::vector<std::vector<std::string>> texts(static_cast<std::size_t>(rows));
    std::vector<long> data(static_cast<std::size_t>(rows));
    for (int r = 1; r < rows; ++r) {
        auto& row = texts[static_cast<std::size_t>(r)];
        for (int c = 0; c < cols; ++c) row.push_back(grid.TextMatrix(r, c));
        data[static_cast<std::size_t>(r)] = grid.RowData(r);
    }
    grid.setRows(1);
    grid.setRows(rows);
    grid.clearPicture();
    if (!grid.LoadPicture(picture)) grid.clearPicture();
    for (int r = 1; r < rows; ++r) {
        const auto& row = texts[static_cast<std::size_t>(r)];
        for (int c = 0; c < cols; ++c) grid.setTextMatrix(r, c, row[static_cast<std::size_t>(c)]);
        grid.setRowData(r, data[static_cast<std::size_t>(r)]);
    }
}

}  // namespace shell
