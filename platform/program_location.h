#pragma once
#include <filesystem>
#include <optional>

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

// Where an installed program's data folder lies relative to its executable's
// folder, as the build was set up to install it (e.g. ../share/pantrivo).
std::filesystem::path InstalledDataPath();

// The data folder the pictures were installed to, when the program runs
// installed: that folder exists and holds them. Nothing when it runs from its build.
std::optional<std::filesystem::path> InstalledDataFolder(const std::filesystem::path& executableFolder);

// The folder that holds the files the program comes with and only reads (the
// help file): the data folder when installed, else the executable's folder.
std::filesystem::path BundledDataFolder(const std::filesystem::path& executableFolder);

// As above, but an installed program always keeps its files in the per-user
// folder, even where it could write beside itself (run as root), so the
// installed tree is never written to. The pictures come from the data folder.
std::filesystem::path ChooseProgramFolder(const std::filesystem::path& executableFolder,
                                          const std::filesystem::path& userFolder,
                                          const std::optional<std::filesystem::path>& installedDataFolder);

// The window icon: painted beside the program in a build, or among the
// desktop's icons when installed. Nothing when neither is there.
std::optional<std::filesystem::path> ProgramIconFile(const std::filesystem::path& executableFolder);

// A file that comes with the program, by its path among the pictures
// ("toolbar/search.png"): beside the executable in a build, else in the
// installed data folder. Nothing when neither holds it.
std::optional<std::filesystem::path> BundledFile(const std::filesystem::path& executableFolder,
                                                 const std::filesystem::path& relative);

}  // namespace platform
