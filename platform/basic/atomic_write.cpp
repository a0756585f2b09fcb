#include "platform/basic/atomic_write.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/basic/disk_sync.h"
#include "platform/basic/durable_step.h"
#include "platform/basic/replacement_file.h"

namespace basic {

bool AtomicWriteFile(const std::filesystem::path& path, std::string_view bytes) {
    auto file = detail::ReplacementFile::Create(path);
    return file && file->Write(bytes) && file->Commit();
}

bool WriteSyncedFile(const std::filesystem::path& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    if (done > 0) durable_step::Done();
    bool synced = done == bytes.size() && disk_sync::File(fd);
    if (synced) durable_step::Done();
    if (::close(fd) != 0) synced = false;
    if (synced) SyncFolderOf(path);
    return synced;
}

bool RemoveSyncedFile(const std::filesystem::path& path) {
    if (::unlink(path.c_str()) != 0) return errno == ENOENT;
    durable_step::Done();
    SyncFolderOf(path);
    return true;
}

void SyncFolderOf(const std::filesystem::path& file) {
    const auto folder = file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    if (disk_sync::File(fd)) durable_step::Done();  // best effort: what was done in it stays done
    ::close(fd);
}

std::string TemporaryNamePrefix(const std::filesystem::path& target) {
    return "." + target.filename().string() + ".pantrivo-tmp-";
}

void RemoveLeftoverTemporaries(const std::filesystem::path& target) {
    RemoveLeftoverTemporaries(std::vector<std::filesystem::path>{target});
}

void RemoveLeftoverTemporaries(const std::vector<std::filesystem::path>& targets) {
    if (targets.empty()) return;
    std::vector<std::string> prefixes;
    for (const auto& target : targets) prefixes.push_back(TemporaryNamePrefix(target));
    const auto& first = targets.front();
    const auto folder = first.parent_path().empty() ? std::filesystem::path(".") : first.parent_path();
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        const bool ours = std::any_of(prefixes.begin(), prefixes.end(),
                                      [&](const std::string& prefix) { return name.starts_with(prefix); });
        if (ours && ::unlink(it->path().c_str()) == 0) durable_step::Done();
    }
}

}  // namespace basic
