#include "platform/basic/program_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <utility>

#include "platform/basic/cp1252.h"
#include "platform/basic/path_text.h"
#include "platform/basic/text.h"

namespace basic {

namespace {

// The entry of dir equal to name without regard to case, the least by name
// when several are. Read straight from the system into a buffer of its own:
// most names asked for are of files not made yet, and they are asked for on
// every store operation, so a look-up allocates nothing for the entries.
std::optional<std::filesystem::path> FindNoCase(const std::filesystem::path& dir, std::string_view name) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::optional<std::string> found;
    std::string foundRaw;
    alignas(dirent64) char buffer[8192];
    ssize_t filled = 0;
    while ((filled = ::getdents64(fd, buffer, sizeof buffer)) > 0) {
        for (ssize_t at = 0; at < filled;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer + at);
            at += entry->d_reclen;
            const std::string_view raw = entry->d_name;
            if (raw == "." || raw == "..") continue;
            std::string text = Utf8ToCp1252(raw);
            if (!EqualsNoCase(text, name) || (found && *found <= text)) continue;
            found = std::move(text);
            foundRaw = raw;
        }
    }
    ::close(fd);
    if (!found) return std::nullopt;
    return dir / foundRaw;
}

}  // namespace

ProgramFolder::ProgramFolder(std::filesystem::path dir) : dir_(std::move(dir)) {}

std::filesystem::path ProgramFolder::Resolve(std::string_view name) const {
    const std::filesystem::path given = PathFromText(name);
    if (name.find('/') != std::string_view::npos) return given.is_absolute() ? given : dir_ / given;

    std::filesystem::path spelt = dir_ / given;
    std::error_code error;
    if (std::filesystem::exists(spelt, error)) return spelt;
    auto found = FindNoCase(dir_, name);
    return found ? std::move(*found) : std::move(spelt);
}

bool ProgramFolder::MakeCurrent() const {
    std::error_code error;
    std::filesystem::current_path(dir_, error);
    return !error;
}

}  // namespace basic
