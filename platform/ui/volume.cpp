#include "platform/ui/volume.h"

#include <algorithm>

namespace ui {

namespace {

bool Holds(const std::filesystem::path& root, const std::filesystem::path& path) {
    auto [rootEnd, pathAt] = std::mismatch(root.begin(), root.end(), path.begin(), path.end());
    return rootEnd == root.end();
}

int Depth(const std::filesystem::path& path) { return static_cast<int>(std::distance(path.begin(), path.end())); }

}  // namespace

int VolumeHolding(const std::vector<Volume>& volumes, const std::filesystem::path& path) {
    const std::filesystem::path plain = PlainFolderPath(path);
    int best = -1;
    for (int i = 0; i < static_cast<int>(volumes.size()); ++i) {
        const std::filesystem::path root = PlainFolderPath(volumes[i].root);
        if (!Holds(root, plain)) continue;
        if (best < 0 || Depth(root) > Depth(PlainFolderPath(volumes[best].root))) best = i;
    }
    return best;
}

std::filesystem::path PlainFolderPath(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::path plain = std::filesystem::absolute(path, error).lexically_normal();
    if (error) plain = path.lexically_normal();
    // "/a/b/" and "/a/b" are one folder; the root keeps its separator.
    if (!plain.has_filename() && plain.has_relative_path()) plain = plain.parent_path();
    return plain;
}

}  // namespace ui
