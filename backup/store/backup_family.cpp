#include "backup/store/backup_family.h"

#include <algorithm>
#include <cctype>

#include "backup/store/backup_user.h"

namespace backup {

Family FamilyOf(int code, int cookbook, int year) {
    Family family;
    family.restores = code % 2 != 0;
    auto set = [&](FamilyKind kind, std::string title, const char* word) {
        family.kind = kind;
        family.title = std::move(title);
        family.word = family.restores ? "" : word;
    };
    switch (code & ~1) {
    case 0: set(FamilyKind::Cookbook, "Recipes from Cookbook #" + std::to_string(cookbook), "Recipe"); break;
    case 14: set(FamilyKind::BasicStorage, "Basic Files", "Basic"); break;
    case 16: set(FamilyKind::EmergencyStorage, "Emergency Files", "Emergency"); break;
    case 18: set(FamilyKind::AdditionalStorage, "Additional Files", "Additional"); break;
    case 34: set(FamilyKind::MenuYear, std::to_string(year) + " Menu Planner File", "Menu Planner"); break;
    default: break;
    }
    if (code < 0) family = Family{};
    return family;
}

std::string WindowCaption(const Family& family, bool restoreMode) {
    return restoreMode ? "Restore " + family.title + " from Backup Media" : "Backup " + family.title;
}

std::string InstructionText(const Family& family, bool restoreMode) {
    if (!restoreMode)
        return "This utility allows you to make a backup disk(s) of the " + family.title +
               " contained within this program.  To make the backup disk(s), first insert a blank formatted disk in "
               "Drive a: or select location for backup, then select Drive or location from the Drives and or Folders "
               "lists below, then Click the &Make Backup Button and follow directions as they appear.";
    std::string capitals = family.title;
    std::transform(capitals.begin(), capitals.end(), capitals.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return Lines({"Restore " + family.title + " from backup media to Pantrivo Program.",
                  "CAUTION: RESTORE FUNCTION WILL FIRST ERASE ALL EXISTING " + capitals +
                      " IN THE PROGRAM AND THEN RESTORE FILES.",
                  "To restore, first place backup disk in Drive a: or select backup files location, then select Drive "
                  "and or folder from the Drive/Folders lists below, then Click &Restore " +
                      family.title + " Button and follow directions as they appear."});
}

std::string ActionCaption(const Family& family, bool restoreMode) {
    return restoreMode ? "&Restore " + family.title : "&Make Backup";
}

}  // namespace backup
