#pragma once
#include <filesystem>
#include <optional>

namespace platform {

// The folder that holds the running executable.
std::filesystem::path ExecutableFolder();

// A background picture or the start window's picture, which the program
// comes with and copies into the folder it keeps its files in.
bool IsBundledPicture(const std::filesystem::path& file);

// The desktop's per-user data folder for the program:
// $XDG_DATA_HOME/Pantrivo, else ~/.local/share/Pantrivo.
std::filesystem::path UserDataFolder();

// Where an installed program's data folder lies relative to its executable's
// folder, as the build was set up to install it (e.g. ../share/pantrivo).
std::filesystem::path InstalledDataPath();

// The data folder the pictures were installed to, when the program runs
// installed: that folder exists and holds them. Nothing when it runs from its build.
std::optional<std::filesystem::path> InstalledDataFolder(const std::filesystem::path& executableFolder);

// The folder that holds the files the program comes with and only reads (the
// help file): the data folder when installed, else the executable's folder.
std::filesystem::path BundledDataFolder(const std::filesystem::path& executableFolder);

// The folder the program keeps its files in: the per-user folder, whether
// it runs installed or from its build, so that neither the installed tree
// nor a build folder (which a clean deletes) ever holds the user's data. It
// creates the folder and copies the background pictures into it, from the
// installed data folder or from beside the executable; pictures already
// there stay as they are. Where the per-user folder cannot be made, the
// files stay where the pictures are, so that the pictures at least show.
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
