#include <gtest/gtest.h>

#include "backup/store/backup_family.h"

namespace backup {
namespace {

TEST(BackupFamilyTest, EachCodeNamesItsDataAndDirection) {
    const struct {
        int code;
        FamilyKind kind;
        bool restores;
        const char* title;
        const char* word;
    } cases[] = {
        {0, FamilyKind::Cookbook, false, "Recipes from Cookbook #3", "Recipe"},
        {1, FamilyKind::Cookbook, true, "Recipes from Cookbook #3", ""},
        {14, FamilyKind::BasicStorage, false, "Basic Files", "Basic"},
        {17, FamilyKind::EmergencyStorage, true, "Emergency Files", ""},
        {18, FamilyKind::AdditionalStorage, false, "Additional Files", "Additional"},
        {34, FamilyKind::MenuYear, false, "2004 Menu Planner File", "Menu Planner"},
        {35, FamilyKind::MenuYear, true, "2004 Menu Planner File", ""},
        {2, FamilyKind::None, false, "", ""},
        {-1, FamilyKind::None, false, "", ""},
    };
    for (const auto& c : cases) {
        const Family family = FamilyOf(c.code, 3, 2004);
        EXPECT_EQ(family.kind, c.kind) << c.code;
        EXPECT_EQ(family.restores, c.restores) << c.code;
        EXPECT_EQ(family.title, c.title) << c.code;
        EXPECT_EQ(family.word, c.word) << c.code;
    }
}

TEST(BackupFamilyTest, TheWindowsTextsForCookbook3) {
    const Family family = FamilyOf(1, 3, 0);
    EXPECT_EQ(WindowCaption(family, false), "Backup Recipes from Cookbook #3");
    EXPECT_EQ(WindowCaption(family, true), "Restore Recipes from Cookbook #3 from Backup Media");
    EXPECT_EQ(ActionCaption(family, true), "&Restore Recipes from Cookbook #3");
    EXPECT_EQ(ActionCaption(family, false), "&Make Backup");
    EXPECT_NE(InstructionText(family, false).find("of the Recipes from Cookbook #3 contained within this program.  To"),
              std::string::npos);
    EXPECT_NE(InstructionText(family, true).find("\rCAUTION: RESTORE FUNCTION WILL FIRST ERASE ALL EXISTING RECIPES FROM "
                                                 "COOKBOOK #3 IN THE PROGRAM AND THEN RESTORE FILES.\r"),
              std::string::npos);
}

}  // namespace
}  // namespace backup
