#pragma once
#include <filesystem>

namespace platform {

// The folder that holds the running executable.
std::filesystem::path ExecutableFolder();

// The desktop's per-user data folder for the program:
// $XDG_DATA_HOME/Pantrivo, else ~/.local/share/Pantrivo.
std::filesystem::path UserDataFolder();

// The program keeps its files in its own folder. Where that folder cannot be
// written, it uses the per-user folder instead, creating it and copying the
// background pictures there so that they lie beside the data as before.
std::filesystem::path ChooseProgramFolder(const std::filesystem::path& executableFolder,
                                          const std::filesystem::path& userFolder);

}  // namespace platform
