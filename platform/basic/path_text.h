#pragma once
#include <filesystem>
#include <string>
#include <string_view>

// File names are Windows-1252 text inside the program and UTF-8 on disk.
namespace basic {

std::filesystem::path PathFromText(std::string_view text);
std::string TextFromPath(const std::filesystem::path& path);

}  // namespace basic
