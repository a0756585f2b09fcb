#include "platform/program_location.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

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

namespace {
bool IsWritableFolder(const fs::path& folder) {
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool IsBundledPicture(const fs::path& file) {
    const std::string name = file.filename().string();
    return file.extension() == ".jpg" && (name.rfind("WP", 0) == 0 || name == "StartEmblem.jpg");
}
}  // namespace

fs::path ChooseProgramFolder(const fs::path& executableFolder, const fs::path& userFolder) {
    if (IsWritableFolder(executableFolder)) return executableFolder;
    std::error_code error;
    fs::create_directories(userFolder, error);
    if (!IsWritableFolder(userFolder)) return executableFolder;  // read-only either way: settings simply won't stick
    for (fs::directory_iterator it(executableFolder, error), end; !error && it != end; it.increment(error)) {
        if (!it->is_regular_file(error) || !IsBundledPicture(it->path())) continue;
        const fs::path target = userFolder / it->path().filename();
        if (!fs::exists(target, error)) fs::copy_file(it->path(), target, error);
        error.clear();  // a picture that cannot be copied is left out, the rest go on
    }
    return userFolder;
}

}  // namespace platform
