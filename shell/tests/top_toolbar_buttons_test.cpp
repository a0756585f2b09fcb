#include "shell/toolbar_table/top_toolbar_buttons.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

namespace shell {
namespace {

TEST(TopToolbar, HasFortyNineButtons) { EXPECT_EQ(TopToolbarEntries().size(), 49u); }

TEST(TopToolbar, TheProgramsOwnButtonsCarryTheirTooltipsAtTheirNumbers) {
    const struct {
        TopButton button;
        int number;
        const char* toolTip;
    } cases[] = {
        {TopButton::MainMenu, 1, "Main Menu"},
        {TopButton::EmergencyStorage, 6, "Emergency Storage"},
        {TopButton::RecipeFile, 28, "Recipe File"},
        {TopButton::FoodGuide, 29, "Food Guide"},
        {TopButton::FoodMeasurementGuide, 30, "Food Measurement Guide"},
        {TopButton::MenuPlanner, 31, "Menu Planner"},
        {TopButton::ShoppingListMaker, 32, "Shopping List Maker"},
        {TopButton::WebSite, 47, "Web Site"},
        {TopButton::Help, 48, "Help"},
        {TopButton::Exit, 49, "Exit"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(static_cast<int>(c.button), c.number) << c.toolTip;
        EXPECT_EQ(TopToolbarEntries()[c.number - 1].toolTip, c.toolTip) << "button " << c.number;
        EXPECT_EQ(&TopToolbarEntryOf(c.button), &TopToolbarEntries()[c.number - 1]) << c.toolTip;
    }
}

TEST(TopToolbar, KeysTooltipsAndPicturesAreAllDifferent) {
    std::set<std::string_view> keys, toolTips, pictures;
    for (const TopToolbarEntry& entry : TopToolbarEntries()) {
        EXPECT_TRUE(keys.insert(entry.key).second) << entry.key;
        EXPECT_TRUE(toolTips.insert(entry.toolTip).second) << entry.toolTip;
        EXPECT_TRUE(pictures.insert(entry.picture).second) << entry.picture;
    }
}

// Every word starts with a capital letter; the words are single-spaced.
bool IsTitleCase(std::string_view text) {
    if (text.empty() || text.front() == ' ' || text.back() == ' ' || text.find("  ") != std::string_view::npos)
        return false;
    for (std::size_t at = 0; at < text.size(); at = text.find(' ', at) + 1) {
        if (!std::isupper(static_cast<unsigned char>(text[at]))) return false;
        if (text.find(' ', at) == std::string_view::npos) break;
    }
    return true;
}

TEST(TopToolbar, TooltipsAreShortTitleCaseNames) {
    for (const TopToolbarEntry& entry : TopToolbarEntries()) {
        EXPECT_TRUE(IsTitleCase(entry.toolTip)) << entry.toolTip;
        EXPECT_LE(entry.toolTip.size(), 24u) << entry.toolTip;
    }
}

TEST(TopToolbar, TheTitleCaseRuleCatchesWhatItShould) {
    const struct {
        const char* text;
        bool titleCase;
    } cases[] = {{"Main Menu", true},   {"Exit", true},   {"Main menu", false}, {"main Menu", false},
                 {"Main  Menu", false}, {" Main", false}, {"Main ", false},     {"", false}};
    for (const auto& c : cases) EXPECT_EQ(IsTitleCase(c.text), c.titleCase) << '"' << c.text << '"';
}

// A picture's file name: in the toolbar folder, lower case, a PNG.
bool IsToolbarPictureName(std::string_view name) {
    constexpr std::string_view folder = "toolbar/", ending = ".png";
    if (!name.starts_with(folder) || !name.ends_with(ending) || name.size() <= folder.size() + ending.size())
        return false;
    for (const char ch : name.substr(folder.size(), name.size() - folder.size() - ending.size()))
        if (!std::islower(static_cast<unsigned char>(ch)) && ch != '_') return false;
    return true;
}

TEST(TopToolbar, EveryPictureIsAToolbarPngByALowerCaseName) {
    for (const TopToolbarEntry& entry : TopToolbarEntries())
        EXPECT_TRUE(IsToolbarPictureName(entry.picture)) << entry.picture;
    for (const SidePicture& side : SidePictures()) EXPECT_TRUE(IsToolbarPictureName(side.picture)) << side.picture;
    EXPECT_FALSE(IsToolbarPictureName("toolbar/Help.png"));
    EXPECT_FALSE(IsToolbarPictureName("help.png"));
    EXPECT_FALSE(IsToolbarPictureName("toolbar/.png"));
    EXPECT_FALSE(IsToolbarPictureName("toolbar/help.jpg"));
}

TEST(SideToolbar, EachActionHasAPictureOfItsOwn) {
    std::set<std::string_view> meanings, pictures;
    for (const SidePicture& side : SidePictures()) {
        EXPECT_TRUE(meanings.insert(side.meaning).second) << side.meaning;
        EXPECT_TRUE(pictures.insert(side.picture).second) << side.picture;
    }
    for (const std::string_view picture :
         {pictures::PanelColor, pictures::TextColor, pictures::Search, pictures::Delete, pictures::Copy,
          pictures::Print, pictures::Worksheet, pictures::Save, pictures::NewList, pictures::OpenList,
          pictures::GridBackground, pictures::Help, pictures::Exit})
        EXPECT_EQ(pictures.count(picture), 1u) << picture;
}

TEST(SideToolbar, HelpAndExitShowTheTopToolbarsPictures) {
    EXPECT_EQ(TopToolbarEntryOf(TopButton::Help).picture, pictures::Help);
    EXPECT_EQ(TopToolbarEntryOf(TopButton::Exit).picture, pictures::Exit);
    // The other side actions stand for something no top button does.
    std::set<std::string_view> top;
    for (const TopToolbarEntry& entry : TopToolbarEntries()) top.insert(entry.picture);
    for (const SidePicture& side : SidePictures()) {
        if (side.picture != pictures::Help && side.picture != pictures::Exit) {
            EXPECT_EQ(top.count(side.picture), 0u) << side.picture;
        }
    }
}

}  // namespace
}  // namespace shell
