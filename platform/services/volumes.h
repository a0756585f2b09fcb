#pragma once
#include <filesystem>
#include <vector>

#include "platform/ui/volume.h"

namespace platform {

// Finds the volumes the user can save to.
class Volumes {
public:
    virtual ~Volumes() = default;

    // The volume holding programFolder first, named "C:" and current in
    // programFolder; then the others, each current at its root.
    virtual std::vector<ui::Volume> List(const std::filesystem::path& programFolder) = 0;
};

}  // namespace platform
