#include "platform/mounted_volumes.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/basic/path_text.h"

namespace platform {

namespace {

// The mount table writes a blank, tab, newline or backslash as \ and three octal digits.
std::string Unescaped(std::string_view field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const auto octal = [&](std::size_t at) { return at < field.size() && field[at] >= '0' && field[at] <= '7'; };
        if (field[i] == '\\' && octal(i + 1) && octal(i + 2) && octal(i + 3)) {
            out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

bool Under(const std::filesystem::path& path, std::string_view top) {
    const std::string text = path.generic_string();
    return text.size() > top.size() && text.compare(0, top.size(), top) == 0 && text[top.size()] == '/';
}

bool Removable(const std::filesystem::path& mountPoint) {
    return Under(mountPoint, "/media") || Under(mountPoint, "/run/media") || Under(mountPoint, "/mnt");
}

}  // namespace

std::vector<ui::Volume> VolumesFromMounts(std::string_view mounts, const std::filesystem::path& programFolder,
                                          const std::filesystem::path& home) {
    const std::filesystem::path program = ui::PlainFolderPath(programFolder);
    std::vector<ui::Volume> found{{"C:", program.root_path(), program}};
    std::vector<ui::Volume> removable;
    std::istringstream lines{std::string(mounts)};
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string device, point;
        if (!(fields >> device >> point)) continue;
        const std::filesystem::path mountPoint = ui::PlainFolderPath(Unescaped(point));
        if (ui::VolumeHolding({{"", mountPoint, {}}}, program) == 0 && ui::VolumeHolding({found[0]}, mountPoint) == 0)
            found[0].root = mountPoint;  // a deeper mount holds the program folder
        if (Removable(mountPoint)) {
            const std::string name = basic::TextFromPath(mountPoint.filename());
            removable.push_back({name, mountPoint, mountPoint});
        }
    }
    if (!home.empty()) {
        const std::filesystem::path homeFolder = ui::PlainFolderPath(home);
        found.push_back({basic::TextFromPath(homeFolder.filename()), homeFolder, homeFolder});
    }
    for (auto& volume : removable)
        if (volume.root != found[0].root) found.push_back(std::move(volume));
    return found;
}

std::vector<ui::Volume> MountedVolumes::List(const std::filesystem::path& programFolder) {
    std::ifstream in("/proc/mounts");
    std::stringstream mounts;
    mounts << in.rdbuf();
    const char* home = std::getenv("HOME");
    return VolumesFromMounts(mounts.str(), programFolder, home ? home : "");
}

}  // namespace platform
