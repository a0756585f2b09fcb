#include "platform/program_location.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>
#include <vector>

#ifndef PANTRIVO_DATA_FROM_BIN
#error "PANTRIVO_DATA_FROM_BIN (the data folder relative to the installed program) is set by the top CMakeLists.txt"
#endif

namespace platform {

namespace fs = std::filesystem;

fs::path ExecutableFolder() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (error) return fs::current_path(error);
    return exe.parent_path();
}

fs::path UserDataFolder() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return fs::path(xdg) / "Pantrivo";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : "/tmp") / ".local" / "share" / "Pantrivo";
}

bool IsBundledPicture(const fs::path& file) {
    const std::string name = file.filename().string();
    return file.extension() == ".jpg" && (name.rfind("WP", 0) == 0 || name == "StartEmblem.jpg");
}

namespace {
bool IsWritableFolder(const fs::path& folder) { return ::access(folder.c_str(), W_OK | X_OK) == 0; }

bool HoldsBundledPictures(const fs::path& folder) {
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (it->is_regular_file(error) && IsBundledPicture(it->path())) return true;
    return false;
}

// Creates the user folder and copies the pictures into it; false when it cannot be written.
bool PrepareUserFolder(const fs::path& userFolder, const fs::path& pictureFolder) {
    std::error_code error;
    fs::create_directories(userFolder, error);
    if (!IsWritableFolder(userFolder)) return false;
    for (fs::directory_iterator it(pictureFolder, error), end; !error && it != end; it.increment(error)) {
        if (!it->is_regular_file(error) || !IsBundledPicture(it->path())) continue;
        const fs::path target = userFolder / it->path().filename();
        if (!fs::exists(target, error)) fs::copy_file(it->path(), target, error);
        error.clear();  // a picture that cannot be copied is left out, the rest go on
    }
    return true;
}
}  // namespace

fs::path InstalledDataPath() { return PANTRIVO_DATA_FROM_BIN; }

std::optional<fs::path> InstalledDataFolder(const fs::path& executableFolder) {
    const fs::path folder = (executableFolder / InstalledDataPath()).lexically_normal();
    if (!HoldsBundledPictures(folder)) return std::nullopt;
    return folder;
}

fs::path BundledDataFolder(const fs::path& executableFolder) {
    // Not the program folder: a per-user copy would outlive an update of the program.
    return InstalledDataFolder(executableFolder).value_or(executableFolder);
}

fs::path ChooseProgramFolder(const fs::path& executableFolder, const fs::path& userFolder,
                             const std::optional<fs::path>& installedDataFolder) {
    const fs::path& pictures = installedDataFolder ? *installedDataFolder : executableFolder;
    return PrepareUserFolder(userFolder, pictures) ? userFolder : pictures;
}

std::optional<fs::path> ProgramIconFile(const fs::path& executableFolder) {
    std::vector<fs::path> candidates{executableFolder / "pantrivo.png"};
    if (const auto data = InstalledDataFolder(executableFolder))
        candidates.push_back(data->parent_path() / "icons" / "hicolor" / "256x256" / "apps" / "pantrivo.png");
    std::error_code error;
    for (const fs::path& file : candidates)
        if (fs::is_regular_file(file, error)) return file;
    return std::nullopt;
}

std::optional<fs::path> BundledFile(const fs::path& executableFolder, const fs::path& relative) {
    std::error_code error;
    if (fs::is_regular_file(executableFolder / relative, error)) return executableFolder / relative;
    if (const auto data = InstalledDataFolder(executableFolder); data && fs::is_regular_file(*data / relative, error))
        return *data / relative;
    return std::nullopt;
}

}  // namespace platform
