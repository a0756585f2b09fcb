#pragma once
#include <cstdint>

namespace shell {

class Application;

// The families of files the backup window works on, as vars.BackupFamily
// hands them over: each even code backs its family up, the odd code after
// it restores the same family.
namespace backup_family {
inline constexpr std::int16_t CookbookBackup = 0;
inline constexpr std::int16_t CookbookRestore = 1;
inline constexpr std::int16_t BasicStorageBackup = 14;
inline constexpr std::int16_t BasicStorageRestore = 15;
inline constexpr std::int16_t EmergencyStorageBackup = 16;
inline constexpr std::int16_t EmergencyStorageRestore = 17;
inline constexpr std::int16_t AdditionalStorageBackup = 18;
inline constexpr std::int16_t AdditionalStorageRestore = 19;
inline constexpr std::int16_t MenuYearBackup = 34;
inline constexpr std::int16_t MenuYearRestore = 35;

constexpr bool Restores(std::int16_t family) { return family % 2 != 0; }
}  // namespace backup_family

// vars.RestoreMode while the backup window opens to restore; 0 to back up.
inline constexpr std::int16_t RestoreModeOn = 99;

// Hands the family, and the direction it names, to the backup window and
// shows it modally; a window backing up a menu year sets vars.BackupYear
// first. False, with nothing handed over, when no backup window is
// registered.
bool ShowBackupWindow(Application& app, std::int16_t family);

}  // namespace shell
