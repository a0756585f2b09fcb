#include "platform/basic/program_folder.h"

#include <utility>

#include "platform/basic/folder_entries.h"
#include "platform/basic/path_text.h"
#include "platform/basic/text.h"

namespace basic {

ProgramFolder::ProgramFolder(std::filesystem::path dir) : dir_(std::move(dir)) {}

std::filesystem::path ProgramFolder::Resolve(std::string_view name) const {
    const std::filesystem::path given = PathFromText(name);
    if (name.find('/') != std::string_view::npos) return given.is_absolute() ? given : dir_ / given;

    std::error_code error;
    if (std::filesystem::exists(dir_ / given, error)) return dir_ / given;
    for (const auto& entry : detail::ListFolder(dir_)) {
        if (EqualsNoCase(entry.name, name)) return entry.path;
    }
    return dir_ / given;
}

bool ProgramFolder::MakeCurrent() const {
    std::error_code error;
    std::filesystem::current_path(dir_, error);
    return !error;
}

}  // namespace basic
