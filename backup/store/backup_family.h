#pragma once
#include <string>

// What the backup window shows for the family and direction its opener set:
// the code (even backs up, odd restores), the title that names the data, the
// word of the backup's question, and the window's texts built from them.
namespace backup {

enum class FamilyKind { None, Cookbook, BasicStorage, EmergencyStorage, AdditionalStorage, MenuYear };

struct Family {
    FamilyKind kind = FamilyKind::None;
    bool restores = false;
    std::string title;  // "Recipes from Cookbook #3", "Basic Files", "2004 Menu Planner File"
    std::string word;   // "Recipe", "Basic", ...; "" for a restore
};

// Codes 0/1 cookbook, 14/15 basic, 16/17 emergency, 18/19 additional
// storage, 34/35 menu year; any other code is no family (empty title).
Family FamilyOf(int code, int cookbook, int year);

// "Backup " + title, or "Restore " + title + " from Backup Media".
std::string WindowCaption(const Family& family, bool restoreMode);
// The instruction text above the drive and folder lists.
std::string InstructionText(const Family& family, bool restoreMode);
// "&Make Backup", or "&Restore " + title.
std::string ActionCaption(const Family& family, bool restoreMode);

}  // namespace backup
