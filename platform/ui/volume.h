#pragma once
#include <filesystem>
#include <string>
#include <vector>

namespace ui {

// A volume the user can save to, as the drive list shows it.
struct Volume {
    std::string name;               // Windows-1252, e.g. "C:" or "USBSTICK"
    std::filesystem::path root;     // where its folders begin
    std::filesystem::path current;  // the folder last current on it
};

// The volume whose root holds path (the deepest such root), or -1.
int VolumeHolding(const std::vector<Volume>& volumes, const std::filesystem::path& path);

// An absolute path without "." and ".." and without a trailing separator.
std::filesystem::path PlainFolderPath(const std::filesystem::path& path);

}  // namespace ui
