#pragma once
#include <span>
#include <string_view>

// The toolbar pictures and the top toolbar every activity window carries.
// Plain data with no windowing library, so the build-time painter can read
// the same table the program uses.
namespace shell {

// One button of the top toolbar. The picture is a file name relative to the
// program folder ("toolbar/main_menu.png"); see ToolbarPicture().
struct TopToolbarEntry {
    std::string_view key;
    std::string_view toolTip;
    std::string_view picture;
};

inline constexpr int TopToolbarButtonCount = 49;

// The top toolbar's buttons this program acts on, by their number on the bar.
// The others open activities of the family's other home programs.
enum class TopButton : int {
    MainMenu = 1,
    EmergencyStorage = 6,
    RecipeFile = 28,
    FoodGuide = 29,
    FoodMeasurementGuide = 30,
    MenuPlanner = 31,
    ShoppingListMaker = 32,
    WebSite = 47,
    Help = 48,
    Exit = 49,
};

// The 49 buttons in their order on the bar: entry k - 1 is button k.
std::span<const TopToolbarEntry, TopToolbarButtonCount> TopToolbarEntries();
const TopToolbarEntry& TopToolbarEntryOf(TopButton button);

// Pictures for the side toolbars, by what the button does. Help and Exit
// are the top toolbar's own, so one action always shows one picture.
namespace pictures {
inline constexpr std::string_view PanelColor = "toolbar/panel_color.png";
inline constexpr std::string_view TextColor = "toolbar/text_color.png";  // the grid's text colour
inline constexpr std::string_view Search = "toolbar/search.png";
inline constexpr std::string_view Delete = "toolbar/delete_file.png";
inline constexpr std::string_view Copy = "toolbar/copy.png";
inline constexpr std::string_view Print = "toolbar/print.png";
inline constexpr std::string_view Worksheet = "toolbar/print_worksheet.png";
inline constexpr std::string_view Save = "toolbar/save.png";
inline constexpr std::string_view NewList = "toolbar/new_list.png";
inline constexpr std::string_view OpenList = "toolbar/open_list.png";
inline constexpr std::string_view GridBackground = "toolbar/grid_background.png";
inline constexpr std::string_view SingleEntry = "toolbar/single_entry.png";  // one amount, one result
inline constexpr std::string_view MultipleEntry = "toolbar/multiple_entry.png";  // a table of amounts
inline constexpr std::string_view Help = "toolbar/help.png";
inline constexpr std::string_view Exit = "toolbar/exit.png";
}  // namespace pictures

// A side toolbar picture with the words that say what it stands for.
struct SidePicture {
    std::string_view meaning;
    std::string_view picture;
};
// Every side toolbar picture of pictures::, each once.
std::span<const SidePicture> SidePictures();

}  // namespace shell
