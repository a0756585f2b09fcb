#pragma once
#include <filesystem>
#include <string_view>
#include <vector>

#include "platform/services/volumes.h"

namespace platform {

// The volumes of a Linux desktop: the one holding the program folder ("C:"),
// the user's home folder, then every volume mounted under /media, /run/media
// or /mnt, each named by its folder.
class MountedVolumes final : public Volumes {
public:
    std::vector<ui::Volume> List(const std::filesystem::path& programFolder) override;
};

// The same from the text of a mount table (/proc/mounts) and a home folder.
std::vector<ui::Volume> VolumesFromMounts(std::string_view mounts, const std::filesystem::path& programFolder,
                                          const std::filesystem::path& home);

}  // namespace platform
