#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/basic/program_folder.h"

// The file-system commands of the Basic language. None of them throws; each
// reports failure by its result. Names and patterns are Windows-1252 text.
namespace basic {

// Deletes the files of the folder matching pattern ('*' and '?' in the file
// name part, case ignored; a folder part is resolved against the program
// folder). Returns how many were deleted; no match is not an error.
int Kill(const ProgramFolder& folder, std::string_view pattern);

// Renames or moves a file or folder; false when to already exists.
[[nodiscard]] bool Name(const std::filesystem::path& from, const std::filesystem::path& to);

// Copies a file, replacing to through a temporary file.
[[nodiscard]] bool FileCopy(const std::filesystem::path& from, const std::filesystem::path& to);

// Size in bytes of a regular file.
[[nodiscard]] std::optional<std::uintmax_t> FileLen(const std::filesystem::path& path);

// Names of the regular files in folder matching pattern (case ignored),
// sorted without regard to case.
[[nodiscard]] std::vector<std::string> Dir(const std::filesystem::path& folder, std::string_view pattern);

// Creates one folder; false when it exists already or cannot be made.
[[nodiscard]] bool MkDir(const std::filesystem::path& path);

// A regular file's bytes, at most maxBytes of them; nullopt when it cannot
// be read or is larger (a file the program reads whole is small).
[[nodiscard]] std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::uintmax_t maxBytes);

// True when path is a regular file that can be opened for reading.
[[nodiscard]] bool FileExists(const std::filesystem::path& path);

}  // namespace basic
