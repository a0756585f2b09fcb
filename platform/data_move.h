#pragma once
#include <filesystem>
#include <optional>
#include <vector>

#include "platform/services/dialogs.h"

namespace platform {

// Whether a file is one of the user's (recipes, settings, lists...) rather
// than one the program comes with or the build made: the pictures, the icon,
// the help file, the program itself. Hidden files are the program's notes.
bool IsUserDataFile(const std::filesystem::path& file);

// The user's files that an earlier version kept beside the program, found
// when the program now keeps its files elsewhere.
struct EarlierData {
    std::filesystem::path from;                // the folder that holds them (the executable's)
    std::filesystem::path to;                  // the folder the program keeps its files in now
    std::vector<std::filesystem::path> files;  // their names
    enum class Copy { Done, NewFolderHasFiles, Failed };
    Copy copy = Copy::Failed;  // whether they were copied into `to`
};

// When `earlier` is not `folder` and holds user files that the user has not
// been told about yet (TellWhereDataLives notes it in `folder`): those files.
// They are copied into `folder` when it holds no user file at all, all of them
// or none (each through a temporary name, nothing in `folder` replaced);
// `earlier` is never changed. Nothing when there is nothing to tell.
std::optional<EarlierData> TakeOverEarlierData(const std::filesystem::path& earlier,
                                               const std::filesystem::path& folder);

// Tells the user once where the files are kept now, and whether the earlier
// ones were copied there, and notes in the new folder that it was told, so
// that later starts say nothing about this earlier folder again.
void TellWhereDataLives(Dialogs& dialogs, const EarlierData& data);

// The note in the program's folder: the earlier folders the user was told about, one a line.
inline constexpr const char* ToldAboutFile = ".earlier-data-folders";

}  // namespace platform
