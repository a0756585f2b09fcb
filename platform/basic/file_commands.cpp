#include "platform/basic/file_commands.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>

#include "platform/basic/folder_entries.h"
#include "platform/basic/path_text.h"
#include "platform/basic/replacement_file.h"
#include "platform/basic/text.h"
#include "platform/basic/wildcard.h"

namespace basic {

namespace {

std::vector<detail::FolderEntry> MatchingFiles(const std::filesystem::path& folder, std::string_view pattern) {
    std::vector<detail::FolderEntry> files;
    for (auto& entry : detail::ListFolder(folder)) {
        if (entry.isFile && detail::MatchesPattern(entry.name, pattern)) files.push_back(std::move(entry));
    }
    return files;
}

// Opens a file for reading; -1 when it is not a readable regular file.
int OpenRegularFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

int Kill(const ProgramFolder& folder, std::string_view pattern) {
    const auto slash = pattern.rfind('/');
    std::filesystem::path dir = folder.dir();
    if (slash != std::string_view::npos) {
        dir = folder.Resolve(pattern.substr(0, slash + 1));
        pattern.remove_prefix(slash + 1);
    }
    int deleted = 0;
    for (const auto& file : MatchingFiles(dir, pattern)) {
        std::error_code error;
        if (std::filesystem::remove(file.path, error)) ++deleted;
    }
    return deleted;
}

bool Name(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code error;
    if (!std::filesystem::exists(from, error) || std::filesystem::exists(to, error)) return false;
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool FileCopy(const std::filesystem::path& from, const std::filesystem::path& to) {
    const int fd = OpenRegularFile(from);
    if (fd < 0) return false;
    auto target = detail::ReplacementFile::Create(to);
    bool ok = target.has_value();
    char buffer[64 * 1024];
    while (ok) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        ok = target->Write(std::string_view(buffer, static_cast<std::size_t>(n)));
    }
    ::close(fd);
    return ok && target->Commit();
}

std::optional<std::uintmax_t> FileLen(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    const auto size = std::filesystem::file_size(path, error);
    if (error) return std::nullopt;
    return size;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    const auto size = FileLen(path);
    if (!size || *size > maxBytes) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(*size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    // A file that shrank meanwhile gives what was there.
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return std::nullopt;
    return bytes;
}

std::vector<std::string> Dir(const std::filesystem::path& folder, std::string_view pattern) {
    std::vector<std::string> names;
    for (auto& file : MatchingFiles(folder, pattern)) names.push_back(std::move(file.name));
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return UCase(a) < UCase(b); });
    return names;
}

bool MkDir(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::create_directory(path, error);
}

bool FileExists(const std::filesystem::path& path) {
    const int fd = OpenRegularFile(path);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

}  // namespace basic
